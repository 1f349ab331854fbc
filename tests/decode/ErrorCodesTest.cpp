#include "decode/ErrorCodes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// The code ranges of the system's error vocabulary, from -> to.
const std::vector<std::pair<int32_t, int32_t>> kRanges = {
    {0, -1}, {-82, -99}, {-184, -199}, {-265, -299}, {-397, -399}, {-481, -499},
    {-585, -590}, {-596, -599}, {-692, -699}, {-792, -799}, {-884, -899}, {-958, -960},
    {-978, -980}, {-989, -999}, {-1077, -1080}, {-1091, -1099}, {-1127, -1130},
    {-1138, -1140}, {-1147, -1150}, {-1153, -1160}, {-1168, -1170}, {-1173, -1180},
    {-1189, -1199}, {-1297, -1299}, {-1389, -1399}, {-1496, -1499}, {-1598, -1599},
    {-1677, -1699}, {-1792, -1799}, {-1896, -1899}, {-1997, -1999}, {-2083, -2088},
    {-2090, -2099}};

bool InRanges(int32_t code) {
  for (const auto& [from, to] : kRanges)
    if (code <= from && code >= to) return true;
  return false;
}

TEST(ErrorCodes, EveryCodeOfTheRangesHasOneRowAndNoOtherCodeHas) {
  std::set<int32_t> codes;
  std::set<std::string> texts;
  int32_t previous = 1;
  for (const ErrorCodeText& row : kErrorCodes) {
    EXPECT_TRUE(InRanges(row.code)) << row.code;
    EXPECT_LT(row.code, previous) << "not sorted downwards at " << row.code;
    previous = row.code;
    codes.insert(row.code);
    EXPECT_TRUE(texts.insert(row.text).second) << row.text;
    EXPECT_LE(std::string(row.text).size(), 99u) << row.code;
    EXPECT_GT(std::string(row.text).size(), 8u) << row.code;
  }
  for (const auto& [from, to] : kRanges)
    for (int32_t code = from; code >= to; --code) EXPECT_TRUE(codes.count(code)) << code;
}

TEST(ErrorCodes, TellingRowsReadAsTheSystemReportsThem) {
  EXPECT_STREQ(ErrorText(0), "No Error detected");
  EXPECT_STREQ(ErrorText(-1), "Error Unspecified - change Error code!");
  EXPECT_STREQ(ErrorText(-1077), "KVT-HOX Target Detected Error!");
  EXPECT_STREQ(ErrorText(-1080), "KVT-HOX Field not decoded correctly!");
  EXPECT_STREQ(ErrorText(-1097), "KVT Wrong length!");
  EXPECT_STREQ(ErrorText(-1099), "Unknown KVT Command ID!");
  EXPECT_STREQ(ErrorText(-1398), "Buffer Full: new data not added!");
  EXPECT_STREQ(ErrorText(-1598), "Maths overflow of variable detected!");
  EXPECT_STREQ(ErrorText(-1794), "Repository Source priority too low!");
  EXPECT_STREQ(ErrorText(-1798), "Repository index is invalid!");
}

TEST(ErrorCodes, CodesOutsideTheTableReadAsUndefined) {
  for (int32_t code : {5, -2, -81, -100, -180, -2089, -2100, INT32_MIN, INT32_MAX})
    EXPECT_STREQ(ErrorText(code), "Error Code meaning not defined!") << code;
}

}  // namespace
