// qlx convert on the bundled sample: what the gateway would have sent,
// listed and written as a log that reads back whole, at the rates the
// library gives for each message.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/QlxProgram.h"

namespace {

namespace fs = std::filesystem;

const std::string kSample = std::string(QLX_SOURCE_DIR) + "/samples/sample.qlx";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  std::istringstream in(line);
  for (std::string cell; std::getline(in, cell, '\t');) cells.push_back(cell);
  return cells;
}

// "HH:MM:SS.mmm" in milliseconds.
int64_t Milliseconds(const std::string& time) {
  int h = 0, m = 0, s = 0, ms = 0;
  EXPECT_EQ(std::sscanf(time.c_str(), "%d:%d:%d.%d", &h, &m, &s, &ms), 4) << time;
  return ((h * 60 + m) * 60 + s) * 1000LL + ms;
}

// The transmit interval the library gives a PGN or sentence, from its listing.
int64_t LibraryInterval(const std::string& command, const std::string& key) {
  const QlxResult run = RunQlx(command);
  for (const std::string& line : Lines(run.out)) {
    std::smatch m;
    if (line.find(key) == 0 && std::regex_search(line, m, std::regex("interval (\\d+) ms"))) return std::stoll(m[1]);
  }
  ADD_FAILURE() << key << " not listed by " << command;
  return 1;
}

struct TempFile {
  fs::path path = fs::temp_directory_path() / ("qlx-convert-" + std::to_string(::getpid()) + ".qlx");
  ~TempFile() { fs::remove(path); }
};

TEST(ConvertCommand, SendsAtTheLibraryRatesAndWritesALogThatReadsBack) {
  const QlxResult listed = RunQlx("convert '" + kSample + "'");
  ASSERT_EQ(listed.status, 0) << listed.err;
  const std::vector<std::string> lines = Lines(listed.out);
  ASSERT_GT(lines.size(), 1000u);

  std::map<std::string, int64_t> counts;  // by PGN or sentence address
  for (const std::string& line : lines) {
    const std::vector<std::string> cells = Cells(line);
    ASSERT_EQ(cells.size(), 3u) << line;
    ASSERT_TRUE(cells[1] == "N2K" || cells[1] == "N183") << line;
    const std::string& summary = cells[2];
    ++counts[cells[1] == "N2K" ? summary.substr(5, summary.find(' ', 5) - 5) : summary.substr(0, 6)];
  }
  const int64_t duration = Milliseconds(Cells(lines.back())[0]) - Milliseconds(Cells(lines.front())[0]);
  ASSERT_GT(duration, 60000);
  // Fed by the sample's own traffic all through the log. A slot can only be
  // taken when a record arrives, and the log's clock ticks in tenths of a
  // second, so a fast message may miss one now and then.
  const auto tolerance = [](int64_t expected) { return std::max<int64_t>(2, expected / 100); };
  for (const char* pgn : {"129025", "127251", "128267", "129029"}) {
    const int64_t interval = LibraryInterval("library pgns", pgn);
    EXPECT_NEAR(counts[pgn], duration / interval, tolerance(duration / interval)) << pgn << " every " << interval << " ms";
  }
  for (const char* sentence : {"$GPGLL", "$IIVHW", "$IIVLW"}) {
    const int64_t interval = LibraryInterval("library sentences", sentence);
    EXPECT_NEAR(counts[sentence], duration / interval, tolerance(duration / interval)) << sentence << " every " << interval << " ms";
  }

  TempFile out;
  const QlxResult written = RunQlx("convert '" + kSample + "' --out '" + out.path.string() + "'");
  ASSERT_EQ(written.status, 0) << written.err;
  EXPECT_EQ(written.out, "");
  const QlxResult back = RunQlx("list '" + out.path.string() + "'");
  ASSERT_EQ(back.status, 0) << back.err;
  EXPECT_EQ(back.err, "");
  const std::vector<std::string> read = Lines(back.out);
  ASSERT_EQ(read.size(), lines.size() + 1);
  EXPECT_EQ(Cells(read[0])[2], "QLX");
  // Every unit parses as what was sent, at the time it was sent.
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::vector<std::string> cells = Cells(read[i + 1]);
    ASSERT_EQ(cells.size(), 4u) << read[i + 1];
    EXPECT_EQ(cells[1] + '\t' + cells[2] + '\t' + cells[3], lines[i]) << "record " << i + 2;
  }
}

TEST(ConvertCommand, FilesThatCannotBeUsedAreNamed) {
  const QlxResult missing = RunQlx("convert /nonexistent/in.qlx");
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("/nonexistent/in.qlx"), std::string::npos) << missing.err;

  const QlxResult unwritable = RunQlx("convert '" + kSample + "' --out /nonexistent/out.qlx");
  EXPECT_EQ(unwritable.status, 2);
  EXPECT_NE(unwritable.err.find("/nonexistent/out.qlx: cannot create"), std::string::npos) << unwritable.err;
  EXPECT_EQ(unwritable.out, "");

  EXPECT_EQ(RunQlx("convert '" + kSample + "' --select Everything").status, 2);
  EXPECT_EQ(RunQlx("convert").status, 2);
}

}  // namespace
