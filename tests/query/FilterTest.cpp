#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "log/Framing.h"
#include "log/LogTime.h"
#include "decode/RecordDecoder.h"
#include "log/RecordParser.h"
#include "query/Filter.h"

namespace {

Bytes N2kBody(uint32_t pgn, uint8_t priority, uint8_t source, uint8_t destination) {
  Bytes payload = {priority, static_cast<uint8_t>(pgn), static_cast<uint8_t>(pgn >> 8),
                   static_cast<uint8_t>(pgn >> 16), destination, source};
  PutLittleEndian(payload, 1000, 4);
  const Bytes data = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};
  payload.push_back(static_cast<uint8_t>(data.size()));
  payload.insert(payload.end(), data.begin(), data.end());
  return MakeKvtBody(0x93, payload);
}

uint64_t At(int hour, int minute, int second, int millisecond) {
  return CivilToFileTime({2024, 5, 1, hour, minute, second, millisecond});
}

// One record of every kind, at times around a minute boundary. The comment
// gives each record's line in the list.
Bytes TestLog() {
  Bytes log;
  AppendTimeTag(log, At(9, 30, 59, 500));
  AppendVersionTag(log, 1250);                                  // 1 qlx
  AppendKvtFrame(log, N2kBody(129025, 2, 20, 255));             // 2
  AppendTimeTag(log, At(9, 31, 0, 0));
  AppendKvtFrame(log, N2kBody(127250, 2, 20, 255));             // 3
  AppendSentence(log, WithChecksum("$GPGGA,093100,5230.1,N,00410.2,E,1,08,0.9,5.0,M,46.0,M,,"));  // 4
  AppendTimeTag(log, At(9, 31, 30, 250));
  AppendSentence(log, "$IIMWV,045,R,10.5,N,A*00");              // 5 checksum mismatch
  AppendSentence(log, WithChecksum("!AIVDM,1,1,,A,13aG?P0P00PD;88MD5MTDww@2<0L,0"));  // 6
  AppendTimeTag(log, At(9, 32, 0, 0));
  const Bytes stray = {0x01, 0x02, 0x03};
  AppendQlxEscaped(log, stray);                                 // 7 unknown
  AppendKvtFrame(log, N2kBody(127251, 6, 7, 12));               // 8
  AppendKvtFrame(log, N2kBody(129038, 4, 30, 255));             // 9 AIS over NMEA 2000
  AppendKvtFrame(log, MakeKvtBody(0xA0, Bytes(13, 0)));        // 10 device command
  Bytes broken = N2kBody(130306, 2, 9, 255);
  broken.back() ^= 0xFF;
  AppendKvtFrame(log, broken);                                  // 11 checksum failure
  AppendSentence(log, WithChecksum("$PGRME,15.0,M,45.0,M,25.0,M"));  // 12 proprietary
  return log;
}

class FilterTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    bytes_ = new Bytes(TestLog());
    parser_ = new RecordParser;
    parser_->Reset();
    parser_->Parse(bytes_->data(), bytes_->size());
  }
  static void TearDownTestSuite() {
    delete parser_;
    delete bytes_;
  }

  // The lines (from 1) of the records the expression selects.
  static std::vector<size_t> Lines(const std::string& expression) {
    FilterError error;
    const std::optional<Filter> filter = Filter::Parse(expression, error);
    EXPECT_TRUE(filter.has_value()) << expression << ": " << error.Message();
    std::vector<size_t> lines;
    if (!filter) return lines;
    DecodeContext context;
    const Filter::SummaryFunction summary = [&context](const Record& r) -> const std::string& {
      DecodeRecord(DM_Summary, context, r, nullptr);
      return context.text;
    };
    for (size_t i = 0; i < parser_->Count(); ++i)
      if (filter->Matches(parser_->At(i), i + 1, summary)) lines.push_back(i + 1);
    return lines;
  }

  static Bytes* bytes_;
  static RecordParser* parser_;
};
Bytes* FilterTest::bytes_ = nullptr;
RecordParser* FilterTest::parser_ = nullptr;

TEST_F(FilterTest, TheLogHoldsTheRecordsTheTableExpects) {
  ASSERT_EQ(parser_->Count(), 12u);
  EXPECT_EQ(parser_->At(4).type, MT_N183XC);
  EXPECT_EQ(parser_->At(6).group, MG_None);
  EXPECT_EQ(parser_->At(9).type, MT_HoxCmd);
  EXPECT_EQ(parser_->At(10).type, MT_KVTXC);
}

struct Selection {
  const char* expression;
  std::vector<size_t> lines;
};

TEST_F(FilterTest, EachTermSelectsItsRecords) {
  const std::vector<Selection> table = {
      {"n2k", {2, 3, 8, 9}},
      {"n183", {4, 5, 6, 12}},
      {"ais", {6, 9}},
      {"hox", {10}},
      {"qlx", {1}},
      {"bad", {5, 11}},
      {"unknown", {7}},
      {"pgn == 129025", {2}},
      {"pgn in {127250 127251}", {3, 8}},
      {"pgn in {127250, 0x1F113}", {3, 8}},
      {"pgn in {}", {}},
      {"src == 20", {2, 3}},
      {"dst == 12", {8}},
      {"dst != 255", {8}},
      {"prio <= 2", {2, 3}},
      {"prio > 5", {8}},
      {"prio >= 4", {8, 9}},
      {"sentence == GGA", {4}},
      {"sentence == VDM", {6}},
      {"sentence == GRME", {12}},
      {"talker == GP", {4}},
      {"talker == P", {12}},
      {"talker != GP", {5, 6, 12}},
      {"line >= 10", {10, 11, 12}},
      {"line == 0x7", {7}},
      {"text contains \"SRC = 20,\"", {2, 3}},
      {"text contains \"MWV\"", {5}},
      {"text contains \"\"", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
  };
  for (const Selection& row : table) EXPECT_EQ(Lines(row.expression), row.lines) << row.expression;
}

// A time written to the minute or second covers all of it.
TEST_F(FilterTest, TimesCompareWithTheirWrittenPrecision) {
  const std::vector<Selection> table = {
      {"time >= 09:31:00 && time < 09:32:00", {3, 4, 5, 6}},
      {"time == 09:31", {3, 4, 5, 6}},
      {"time != 09:31", {1, 2, 7, 8, 9, 10, 11, 12}},
      {"time <= 09:30:59", {1, 2}},
      {"time < 09:30:59.6", {1, 2}},
      {"time > 09:30:59.5", {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
      {"time == 09:31:30.250", {5, 6}},
      {"time > 09:31:30.25", {7, 8, 9, 10, 11, 12}},
      {"time >= 9:32", {7, 8, 9, 10, 11, 12}},
  };
  for (const Selection& row : table) EXPECT_EQ(Lines(row.expression), row.lines) << row.expression;
}

TEST_F(FilterTest, OperatorsBindAsInC) {
  const std::vector<Selection> table = {
      // && binds tighter than ||.
      {"n183 || n2k && src == 7", {4, 5, 6, 8, 12}},
      {"(n183 || n2k) && src == 7", {8}},
      {"(n183 || n2k) && !bad && line < 9", {2, 3, 4, 6, 8}},
      {"!n2k && !n183", {1, 7, 10, 11}},
      {"!!qlx", {1}},
      {"!qlx || qlx", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
      // A field the record lacks makes the term false, also for !=.
      {"pgn != 129025", {3, 8, 9}},
      {"!(pgn == 129025)", {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
      {"  ( ( src==20 ) )&&pgn==127250 ", {3}},
  };
  for (const Selection& row : table) EXPECT_EQ(Lines(row.expression), row.lines) << row.expression;
}

struct Mistake {
  std::string expression;
  size_t column;
  const char* expected;
};

TEST(FilterErrorTest, NamesTheColumnAndWhatWasExpected) {
  const std::string term =
      "a term (n2k, n183, ais, hox, qlx, bad, unknown, pgn, src, dst, prio, time, line, sentence, talker or text)";
  const std::vector<Mistake> table = {
      {"", 1, "a term (n2k, n183, ais, hox, qlx, bad, unknown, pgn, src, dst, prio, time, line, sentence, talker or "
              "text), found the end of the expression"},
      {"n2k &&", 7, nullptr},
      {"foo == 1", 1, nullptr},
      {"pgn = 5", 5, "a comparison (== != < <= > >=) or 'in' after 'pgn', found '='"},
      {"src == abc", 8, "a number from 0 to 255 after '==', found 'abc'"},
      {"src == 300", 8, "a number from 0 to 255 for 'src', found '300'"},
      {"prio <= 8", 9, "a number from 0 to 7 for 'prio', found '8'"},
      {"pgn == 0x40000", 8, "a number from 0 to 262143 for 'pgn', found '0x40000'"},
      {"line > 99999999999999999999", 8, "a number from 0 to 4294967295 after '>', found '99999999999999999999'"},
      {"(n2k || bad", 12, "')' to close the '(' at column 1, found the end of the expression"},
      {"n2k bad", 5, "&& or || between terms, found 'bad'"},
      {"n2k & bad", 5, "&& or || between terms, found '&'"},
      {"n2k)", 4, "&& or || between terms, found ')'"},
      {"text WP017", 6, "'contains' after 'text', found 'WP017'"},
      {"text contains WP017", 15, "a quoted text after 'contains', found 'WP017'"},
      {"text contains \"WP017", 15, "a quoted text after 'contains', found a text without its closing '\"'"},
      {"time >= 25:00", 9, "a time of day hh:mm, hh:mm:ss or hh:mm:ss.mmm after '>=', found '25:00'"},
      {"time >= 09:31:00.1234", 9, nullptr},
      {"time >= 0931", 9, nullptr},
      {"sentence < GGA", 10, "== or != after 'sentence', found '<'"},
      {"sentence in {1}", 10, "== or != after 'sentence', found 'in'"},
      {"talker == ==", 11, "a talker such as GP after '==', found '=='"},
      {"pgn in 1", 8, "'{' after 'in', found '1'"},
      {"pgn in {1 x}", 11, "a number or '}', found 'x'"},
      {"pgn in {1 2", 12, "a number or '}', found the end of the expression"},
      {"src == 20 && @", 14, nullptr},
  };
  for (const Mistake& row : table) {
    FilterError error;
    EXPECT_FALSE(Filter::Parse(row.expression, error).has_value()) << row.expression;
    EXPECT_EQ(error.column, row.column) << row.expression;
    if (row.expected != nullptr) EXPECT_EQ(error.expected, row.expected) << row.expression;
    else EXPECT_TRUE(error.expected.starts_with(term) || error.expected.starts_with("a time of day"))
             << row.expression << ": " << error.expected;
  }
}

TEST(FilterErrorTest, MessageReadsAsOneSentence) {
  FilterError error;
  ASSERT_FALSE(Filter::Parse("src == abc", error));
  EXPECT_EQ(error.Message(), "column 8: expected a number from 0 to 255 after '==', found 'abc'");
}

// Nesting and chains are recursion in the parser and the evaluation; a
// pathological expression is refused, never a stack overflow.
TEST(FilterErrorTest, DeepNestingIsRefusedNotFatal) {
  FilterError error;
  EXPECT_FALSE(Filter::Parse(std::string(100000, '('), error));
  EXPECT_EQ(error.column, 201u);
  EXPECT_FALSE(Filter::Parse(std::string(100000, '!') + "n2k", error));
  EXPECT_TRUE(Filter::Parse(std::string(150, '(') + "n2k" + std::string(150, ')'), error));

  std::string chain = "n2k";
  for (int i = 1; i < 1000; ++i) chain += "||n2k";
  EXPECT_TRUE(Filter::Parse(chain, error));
  EXPECT_FALSE(Filter::Parse(chain + "||n2k", error));
  EXPECT_EQ(error.Message(), "column " + std::to_string(chain.size() + 3) + ": expected at most 1000 terms, found 'n2k'");
}

TEST(FilterErrorTest, OnlyTextTermsNeedTheSummary) {
  FilterError error;
  EXPECT_FALSE(Filter::Parse("n2k && pgn in {1 2} || time < 10:00 || sentence == GGA", error)->NeedsSummary());
  EXPECT_TRUE(Filter::Parse("n2k || !text contains \"x\"", error)->NeedsSummary());
}

}  // namespace
