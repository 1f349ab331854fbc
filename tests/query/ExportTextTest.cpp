#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "query/ExportText.h"

namespace {

std::string Csv(std::string_view text) {
  std::string out;
  AppendCsvCell(out, text);
  return out;
}

// An independent reading of one RFC 4180 cell, to check that what is
// written reads back to what went in.
std::string ReadCsvCell(const std::string& cell) {
  if (cell.empty() || cell[0] != '"') return cell;
  std::string text;
  for (size_t i = 1; i + 1 < cell.size(); ++i) {
    text += cell[i];
    if (cell[i] == '"') ++i;  // a doubled quote
  }
  return text;
}

TEST(ExportText, CsvQuotesOnlyWhatNeedsQuoting) {
  EXPECT_EQ(Csv("Heading Sensor Reading"), "Heading Sensor Reading");
  EXPECT_EQ(Csv(""), "");
  EXPECT_EQ(Csv("Speed, water"), "\"Speed, water\"");
  EXPECT_EQ(Csv("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(Csv("two\r\nlines"), "\"two\r\nlines\"");
  EXPECT_EQ(Csv("lf\nonly"), "\"lf\nonly\"");
  for (const std::string text : {"a,b", "\"", "\"\"", ",\",\r\n", "end\""})
    EXPECT_EQ(ReadCsvCell(Csv(text)), text) << text;
}

TEST(ExportText, Latin1BecomesUtf8) {
  EXPECT_EQ(Csv("12\xB0"), "12\xC2\xB0");
  EXPECT_EQ(Csv("\xFF,"), "\"\xC3\xBF,\"");
  std::string json;
  AppendJsonString(json, "\xE9t\xE9");
  EXPECT_EQ(json, "\"\xC3\xA9t\xC3\xA9\"");
}

TEST(ExportText, JsonStringsReadBackByAJsonParser) {
  const std::vector<std::string> texts = {"plain", "quote \" and \\ backslash", std::string("nul\0tab\t", 8),
                                          "\x01\x1F\x7F", "cr\rlf\n"};
  for (const std::string& text : texts) {
    std::string json;
    AppendJsonString(json, text);
    EXPECT_EQ(nlohmann::json::parse(json).get<std::string>(), text) << json;
  }
}

}  // namespace
