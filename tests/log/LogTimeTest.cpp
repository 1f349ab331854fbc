#include <gtest/gtest.h>

#include "log/LogTime.h"

namespace {

TEST(LogTime, TimeOfDayWithoutZoneOrDate) {
  EXPECT_EQ(FormatLogTime(0), "00:00:00.000");
  // 2010-03-05 23:59:59.999 is 129123071999990000 in FILETIME units.
  const uint64_t t = CivilToFileTime({2010, 3, 5, 23, 59, 59, 999});
  EXPECT_EQ(t, 129123071999990000ULL);
  EXPECT_EQ(FormatLogTime(t), "23:59:59.999");
  EXPECT_EQ(FormatLogTime(t + 9999), "23:59:59.999") << "sub-millisecond ticks are dropped";
  EXPECT_EQ(FormatLogTime(t + 10000), "00:00:00.000");
  EXPECT_EQ(FormatLogTime(0x8000000000000000ULL), "");
  EXPECT_EQ(FormatLogTime(0x7FFFFFFFFFFFFFFFULL), "02:48:05.477");
}

TEST(LogTime, CivilConversionRoundTripsAcrossCalendarRules) {
  for (const CivilTime c : {CivilTime{1601, 1, 1, 0, 0, 0, 0}, CivilTime{1900, 2, 28, 1, 2, 3, 4},
                            CivilTime{2000, 2, 29, 12, 0, 0, 0}, CivilTime{2100, 3, 1, 6, 7, 8, 9},
                            CivilTime{2026, 12, 7, 20, 35, 19, 500}}) {
    CivilTime back{};
    ASSERT_TRUE(FileTimeToCivil(CivilToFileTime(c), back));
    EXPECT_EQ(back.year, c.year);
    EXPECT_EQ(back.month, c.month);
    EXPECT_EQ(back.day, c.day);
    EXPECT_EQ(back.hour, c.hour);
    EXPECT_EQ(back.millisecond, c.millisecond);
  }
  EXPECT_EQ(CivilToFileTime({1970, 1, 1, 0, 0, 0, 0}), 116444736000000000ULL);
}

TEST(LogTime, ByteLists) {
  const uint8_t bytes[] = {0x01, 0xAB};
  EXPECT_EQ(FormatByteList(bytes, 2, "0x", ","), "0x01,0xAB,");
  EXPECT_EQ(FormatByteList(bytes, 2, nullptr, nullptr), "01AB");
  EXPECT_EQ(FormatByteList(bytes, 0, "0x", ","), "");
}

}  // namespace
