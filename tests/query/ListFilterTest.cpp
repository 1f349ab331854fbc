// qlx list --filter and qlx count on the bundled sample, checked against the
// same selection made by hand on the columns of the unfiltered list.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/QlxProgram.h"

namespace {

const std::string kSample = "'" + (std::filesystem::path(QLX_SOURCE_DIR) / "samples" / "sample.qlx").string() + "'";

struct Row {
  std::string line;  // the whole output line
  std::string time, type, summary;
};

std::vector<Row> Rows(const std::string& text) {
  std::vector<Row> rows;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    Row row{line, {}, {}, {}};
    std::istringstream cells(line);
    std::string number;
    std::getline(cells, number, '\t');
    std::getline(cells, row.time, '\t');
    std::getline(cells, row.type, '\t');
    std::getline(cells, row.summary);
    rows.push_back(row);
  }
  return rows;
}

const std::vector<Row>& FullList() {
  static const std::vector<Row> rows = Rows(RunQlx("list " + kSample).out);
  return rows;
}

std::string ByHand(const std::function<bool(const Row&)>& keep) {
  std::string out;
  for (const Row& row : FullList())
    if (keep(row)) out += row.line + '\n';
  return out;
}

bool IsN2k(const Row& r) { return r.type == "N2K" && r.summary.starts_with("PGN: "); }

TEST(ListFilter, SelectsWhatTheColumnsSay) {
  ASSERT_GT(FullList().size(), 5000u);
  struct Case {
    const char* filter;
    std::function<bool(const Row&)> keep;
  };
  const std::vector<Case> cases = {
      {"n2k && src == 20", [](const Row& r) { return IsN2k(r) && r.summary.find(", SRC = 20,") != std::string::npos; }},
      {"pgn in {127250 129025}",
       [](const Row& r) {
         return IsN2k(r) && (r.summary.starts_with("PGN: 127250 ") || r.summary.starts_with("PGN: 129025 "));
       }},
      {"bad", [](const Row& r) { return r.type == "N183XC" || r.type == "KVTBAD" || r.type == "KVTXC"; }},
      {"unknown", [](const Row& r) { return r.type == "UNKNOWN"; }},
      {"time >= 09:31:00 && time < 09:31:30 && !n2k",
       [](const Row& r) { return r.time >= "09:31:00.000" && r.time < "09:31:30.000" && r.type != "N2K"; }},
      {"text contains \"GGA\"", [](const Row& r) { return r.summary.find("GGA") != std::string::npos; }},
  };
  for (const Case& c : cases) {
    const QlxResult result = RunQlx("list " + kSample + " --filter '" + c.filter + "'");
    EXPECT_EQ(result.status, 0) << c.filter << ": " << result.err;
    const std::string expected = ByHand(c.keep);
    EXPECT_FALSE(expected.empty()) << c.filter;
    EXPECT_EQ(result.out, expected) << c.filter;
  }
}

TEST(ListFilter, BadExpressionIsReportedWithExitTwo) {
  const QlxResult result = RunQlx("list " + kSample + " --filter 'src == 20 &&'");
  EXPECT_EQ(result.status, 2);
  EXPECT_TRUE(result.out.empty());
  EXPECT_NE(result.err.find("column 13: expected a term"), std::string::npos) << result.err;
  // The caret stands under the column.
  EXPECT_NE(result.err.find("\n  src == 20 &&\n              ^\n"), std::string::npos) << result.err;
  EXPECT_EQ(RunQlx("count " + kSample + " --filter").status, 2);
}

std::map<std::string, std::string> CountLines(const std::string& text) {
  std::map<std::string, std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    const size_t second = line.find('\t', line.find('\t') + 1);
    lines[line.substr(0, second)] = line.substr(second + 1);
  }
  return lines;
}

TEST(Count, TalliesMatchTheList) {
  const QlxResult result = RunQlx("count " + kSample);
  ASSERT_EQ(result.status, 0) << result.err;
  const auto counts = CountLines(result.out);
  const size_t total = FullList().size();
  EXPECT_EQ(counts.at("records\t" + std::to_string(total)), std::to_string(total));
  size_t n2k = 0, unknown = 0;
  std::map<std::string, size_t> pgns;
  for (const Row& r : FullList()) {
    n2k += r.type == "N2K";
    unknown += r.type == "UNKNOWN";
    if (IsN2k(r)) {
      std::string pgn = r.summary.substr(5, 6);
      pgn.erase(0, pgn.find_first_not_of(' '));
      ++pgns[pgn];
    }
  }
  EXPECT_EQ(counts.at("kind\tn2k"), std::to_string(n2k));
  EXPECT_EQ(counts.at("kind\tunknown"), std::to_string(unknown));
  ASSERT_FALSE(pgns.empty());
  for (const auto& [pgn, n] : pgns) {
    const std::string cell = counts.at("pgn\t" + pgn);
    EXPECT_EQ(cell.substr(0, cell.find('\t')), std::to_string(n)) << pgn;
  }
}

TEST(Count, FilterNarrowsTheTally) {
  const QlxResult result = RunQlx("count " + kSample + " --filter 'pgn == 127250'");
  ASSERT_EQ(result.status, 0) << result.err;
  const auto counts = CountLines(result.out);
  const std::string shown = counts.at("kind\tn2k");
  EXPECT_EQ(counts.at("records\t" + shown), std::to_string(FullList().size()));
  EXPECT_EQ(counts.at("kind\tn183"), "0");
  EXPECT_EQ(counts.at("pgn\t127250").substr(0, shown.size() + 1), shown + '\t');
  EXPECT_EQ(counts.size(), 1u + 7u + 1u);
}

}  // namespace
