#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <string>
#include <vector>

#include "decode/RecordDecoder.h"
#include "log/RecordParser.h"
#include "log/synth/SyntheticLog.h"
#include "query/FilterRun.h"

namespace {

class FilterRunTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SynthOptions options;
    options.minutes = 6;
    bytes_ = new Bytes(MakeSyntheticLog(options));
    parser_ = new RecordParser;
    parser_->Reset();
    parser_->Parse(bytes_->data(), bytes_->size());
  }
  static void TearDownTestSuite() {
    delete parser_;
    delete bytes_;
  }

  static Filter Parse(const std::string& expression) {
    FilterError error;
    std::optional<Filter> filter = Filter::Parse(expression, error);
    EXPECT_TRUE(filter) << error.Message();
    return filter ? *filter : *Filter::Parse("qlx", error);
  }

  // The same filter record by record on this thread.
  static std::vector<uint32_t> OneByOne(const Filter& filter) {
    DecodeContext context;
    const Filter::SummaryFunction summary = [&context](const Record& r) -> const std::string& {
      DecodeRecord(DM_Summary, context, r, nullptr);
      return context.text;
    };
    std::vector<uint32_t> rows;
    for (size_t i = 0; i < parser_->Count(); ++i)
      if (filter.Matches(parser_->At(i), i + 1, summary)) rows.push_back(static_cast<uint32_t>(i));
    return rows;
  }

  static Bytes* bytes_;
  static RecordParser* parser_;
};
Bytes* FilterRunTest::bytes_ = nullptr;
RecordParser* FilterRunTest::parser_ = nullptr;

// Several chunks of records, spread over threads that each decode with their
// own context, give the rows in file order and exactly those of the serial
// pass.
TEST_F(FilterRunTest, ThreadsAgreeWithTheSerialPass) {
  ASSERT_GT(parser_->Count(), 20000u);
  for (const char* expression : {"text contains \"127250\" || text contains \"GGA\"", "n2k && src == 1 || line < 50",
                                 "text contains \"WP\" && line > 100"}) {
    const Filter filter = Parse(expression);
    const std::vector<uint32_t> expected = OneByOne(filter);
    ASSERT_FALSE(expected.empty()) << expression;
    for (unsigned threads : {1u, 2u, 3u}) {
      FilterRunControl control;
      control.threads = threads;
      EXPECT_EQ(RunFilter(filter, parser_->Records(), control), expected) << expression << " on " << threads;
    }
  }
}

TEST_F(FilterRunTest, ReportsProgressOnTheCallingThreadAndEndsComplete) {
  const std::thread::id caller = std::this_thread::get_id();
  size_t lastDone = 0, calls = 0;
  bool sameThread = true, monotonic = true;
  FilterRunControl control;
  control.progress = [&](size_t done, size_t total) {
    sameThread = sameThread && std::this_thread::get_id() == caller;
    monotonic = monotonic && done >= lastDone && total == parser_->Count();
    lastDone = done;
    ++calls;
  };
  ASSERT_TRUE(RunFilter(Parse("text contains \"x\""), parser_->Records(), control));
  EXPECT_TRUE(sameThread);
  EXPECT_TRUE(monotonic);
  EXPECT_GE(calls, 1u);
  EXPECT_EQ(lastDone, parser_->Count());
}

TEST_F(FilterRunTest, CancelGivesNoResult) {
  std::atomic<bool> cancel{true};
  FilterRunControl control;
  control.cancel = &cancel;
  EXPECT_FALSE(RunFilter(Parse("text contains \"x\""), parser_->Records(), control));
  EXPECT_FALSE(RunFilter(Parse("n2k"), parser_->Records(), control));
  cancel = false;
  EXPECT_TRUE(RunFilter(Parse("n2k"), parser_->Records(), control));
}

TEST(FilterRunEmptyTest, AnEmptyListMatchesNothing) {
  RecordList empty;
  FilterError error;
  EXPECT_EQ(RunFilter(*Filter::Parse("!n2k", error), empty), std::vector<uint32_t>{});
}

}  // namespace
