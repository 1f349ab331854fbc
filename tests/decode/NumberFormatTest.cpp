#include "decode/NumberFormat.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

RepositoryValue Value(int64_t number, int exponent, int8_t factor = 1) {
  RepositoryValue v;
  v.value = number;
  v.exponent = static_cast<int8_t>(exponent);
  v.resolutionFactor = factor;
  return v;
}

TEST(NumberText, PlacesTheDecimalPointFromTheExponent) {
  EXPECT_EQ(NumberText(Value(5, -2), kDecimalsAsStored), "0.05");
  EXPECT_EQ(NumberText(Value(1234, -2), kDecimalsAsStored), "12.34");
  EXPECT_EQ(NumberText(Value(7, 2), kDecimalsAsStored), "700");
  EXPECT_EQ(NumberText(Value(-5, -3), kDecimalsAsStored), "-0.005");
  EXPECT_EQ(NumberText(Value(0, -2), kDecimalsAsStored), "0.00");
  EXPECT_EQ(NumberText(Value(100, -2), kDecimalsAsStored), "1.00");
  EXPECT_EQ(NumberText(Value(42, 0), kDecimalsAsStored), "42");
}

TEST(NumberText, RoundsHalvesAwayFromZeroToTheAskedDecimals) {
  EXPECT_EQ(NumberText(Value(12345, -3), 2), "12.35");
  EXPECT_EQ(NumberText(Value(-12345, -3), 2), "-12.35");
  EXPECT_EQ(NumberText(Value(12344, -3), 2), "12.34");
  EXPECT_EQ(NumberText(Value(5, 0), 3), "5.000");
  EXPECT_EQ(NumberText(Value(-4, -3), 2), "-0.00");
}

TEST(NumberText, AppliesTheResolutionFactor) {
  EXPECT_EQ(NumberText(Value(3, -1, 4), kDecimalsAsStored), "1.2");
  EXPECT_EQ(NumberText(Value(-9, 0, -4), kDecimalsAsStored), "-2");
  EXPECT_EQ(NumberText(Value(9, 0, -1), kDecimalsAsStored), "9");
  EXPECT_EQ(NumberText(Value(9, 0, 0), kDecimalsAsStored), "9");
}

TEST(NumberText, ShowsTheExtremesOfTheRange) {
  EXPECT_EQ(NumberText(Value(std::numeric_limits<int64_t>::min(), 0), kDecimalsAsStored),
            "-9223372036854775808");
  EXPECT_EQ(NumberText(Value(std::numeric_limits<int64_t>::max(), -2), kDecimalsAsStored),
            "92233720368547758.07");
}

TEST(NumberText, KeepsTheStoredResolutionWhenRoundingIsImpossible) {
  // 20 decades apart: Rescale refuses, the number stays as stored.
  EXPECT_EQ(NumberText(Value(15, -20), 0), "0.00000000000000000015");
}

TEST(DateText, CountsDaysFrom1970) {
  EXPECT_EQ(DateText(Value(0, 0)), "01/01/1970");
  EXPECT_EQ(DateText(Value(14610, 0)), "01/01/2010");
  EXPECT_EQ(DateText(Value(14673, 0)), "05/03/2010");
  EXPECT_EQ(DateText(Value(11016, 0)), "29/02/2000");
  EXPECT_EQ(DateText(Value(-1, 0)), "31/12/1969");
  EXPECT_EQ(DateText(Value(-731, 0)), "01/01/1968");
}

TEST(DateText, FollowsTheGregorianRuleBeyond2100) {
  EXPECT_EQ(DateText(Value(47540, 0)), "28/02/2100");
  EXPECT_EQ(DateText(Value(47541, 0)), "01/03/2100");  // 2100 is no leap year
  EXPECT_EQ(DateText(Value(-25509, 0)), "28/02/1900");
  EXPECT_EQ(DateText(Value(-25508, 0)), "01/03/1900");
}

TEST(DateText, SurvivesTheExtremesOfTheRange) {
  EXPECT_FALSE(DateText(Value(std::numeric_limits<int64_t>::max(), 0)).empty());
  EXPECT_FALSE(DateText(Value(std::numeric_limits<int64_t>::min(), 0)).empty());
}

TEST(TimeText, ShowsHoursMinutesSecondsAndMilliseconds) {
  EXPECT_EQ(TimeText(Value(45296, 0)), "12:34:56");
  EXPECT_EQ(TimeText(Value(452965, -1)), "12:34:56.500");
  EXPECT_EQ(TimeText(Value(4, -4)), "00:00:00");
  EXPECT_EQ(TimeText(Value(90000, 0)), "25:00:00");
  EXPECT_EQ(TimeText(Value(1, -3)), "00:00:00.001");
}

TEST(TimeText, ShowsNegativeTimesWithALeadingMinus) {
  EXPECT_EQ(TimeText(Value(-3661, 0)), "-01:01:01");
  EXPECT_EQ(TimeText(Value(-15, -1)), "-00:00:01.500");
  EXPECT_EQ(TimeText(Value(-4, -4)), "00:00:00");
}

TEST(PositionText, ShowsDegreesAndDecimalMinutesWithHemisphere) {
  EXPECT_EQ(LatitudeText(Value(502057613, -7)), "50\xB0 12.345678' N");
  EXPECT_EQ(LatitudeText(Value(-5, -1)), "00\xB0 30.000000' S");
  EXPECT_EQ(LongitudeText(Value(-1234, -1)), "123\xB0 24.000000' W");
  EXPECT_EQ(LongitudeText(Value(0, 0)), "00\xB0 00.000000' E");
}

TEST(PositionText, IgnoresTheResolutionFactor) {
  EXPECT_EQ(LatitudeText(Value(5, -1, 10)), "00\xB0 30.000000' N");
}

}  // namespace
