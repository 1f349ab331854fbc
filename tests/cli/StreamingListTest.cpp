// qlx list writes each slice's records before the list forgets them; what it
// writes must be the listing of the whole record list, for every worker
// count and filter, wherever the slices cut a unit.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/ListRow.h"
#include "decode/RecordDecoder.h"
#include "log/RecordParser.h"
#include "query/Filter.h"
#include "tests/HostileMix.h"
#include "tests/QlxProgram.h"

namespace {

// The listing built from the whole record list, filtered when a filter is
// given.
std::string WholeListing(const std::filesystem::path& log, const std::string& filterText = "") {
  auto image = std::make_shared<LogFileImage>();
  if (image->Load(log.c_str()) != 0) return "cannot load";
  RecordParser parser;
  parser.Parse(image);
  std::optional<Filter> filter;
  if (!filterText.empty()) {
    FilterError error;
    filter = Filter::Parse(filterText, error);
    if (!filter) return "bad filter";
  }
  DecodeContext context;
  ListRowWriter rows(true);
  std::string out;
  for (size_t i = 0; i < parser.Count(); ++i) {
    const Record r = parser.At(i);
    const Filter::SummaryFunction summary = [&context](const Record& record) -> const std::string& {
      DecodeRecord(DM_Summary, context, record, nullptr);
      return context.text;
    };
    if (filter && !filter->Matches(r, i + 1, summary)) continue;
    DecodeRecord(DM_Summary, context, r, nullptr);
    rows.Append(out, i + 1, r, context.text);
  }
  return out;
}

void ExpectStreamedEqualsWhole(const std::filesystem::path& log) {
  SCOPED_TRACE(log.filename().string());
  const std::string whole = WholeListing(log);
  ASSERT_GT(whole.size(), 0u);
  for (const char* threads : {"1", "2"}) {
    const QlxResult listed = RunQlx(std::string("list --threads ") + threads + " '" + log.string() + "'");
    EXPECT_EQ(listed.status, 0);
    // Not EXPECT_EQ: a difference in a listing of megabytes is found, not printed.
    EXPECT_TRUE(listed.out == whole) << threads << " workers: " << listed.out.size() << " bytes listed, "
                                     << whole.size() << " in the whole listing";
  }
}

TEST(StreamingList, SampleAndRealCaptures) {
  const std::filesystem::path source(QLX_SOURCE_DIR);
  ExpectStreamedEqualsWhole(source / "samples" / "sample.qlx");
  for (const char* folder : {"real-n2k", "real-nmea0183-ais"}) {
    const std::filesystem::path corpus = source / ".." / "shared" / "corpus" / folder;
    if (!std::filesystem::exists(corpus)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(corpus))
      if (entry.path().extension() == ".qlx") ExpectStreamedEqualsWhole(entry.path());
  }
}

class HostileLog : public ::testing::Test {
 protected:
  void SetUp() override {
    // Longer than a few of the command's slices; a unit straddles every
    // whole mebibyte, where slices of any whole number of mebibytes end.
    std::vector<uint8_t> bytes = HostileMix(20 << 20, 7);
    AddLongPendingStretches(bytes);
    const std::string straddling = std::string("$GPGGA,1,2*00\x10\x02\x93\x13\x02\x10\x10\x10\x03\r\n", 24);
    for (size_t at = size_t{1} << 20; at + straddling.size() < bytes.size(); at += size_t{1} << 20)
      std::copy(straddling.begin(), straddling.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at - 9));
    path_ = std::filesystem::temp_directory_path() / ("qlx-streaming-" + std::to_string(getpid()) + ".qlx");
    std::ofstream(path_, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  void TearDown() override { std::filesystem::remove(path_); }

  std::filesystem::path path_;
};

TEST_F(HostileLog, StreamedEqualsWhole) { ExpectStreamedEqualsWhole(path_); }

TEST_F(HostileLog, FilteredRowsKeepTheirNumbers) {
  for (const std::string filter : {"n183 || qlx", "unknown && line > 1000", "text contains \"U\""}) {
    SCOPED_TRACE(filter);
    const std::string whole = WholeListing(path_, filter);
    const QlxResult listed = RunQlx("list '" + path_.string() + "' --filter '" + filter + "'");
    EXPECT_EQ(listed.status, 0);
    EXPECT_GT(whole.size(), 0u);
    EXPECT_TRUE(listed.out == whole) << listed.out.size() << " bytes listed, " << whole.size() << " expected";
  }
}

}  // namespace
