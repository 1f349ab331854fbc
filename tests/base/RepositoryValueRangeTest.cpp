// Scaled arithmetic at the edges: amounts too many decades away and numbers
// at the end of the 64-bit range.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "base/RepositoryValue.h"

namespace {

RepositoryValue Value(int64_t number, int exponent) {
  RepositoryValue v;
  v.value = number;
  v.exponent = static_cast<int8_t>(exponent);
  return v;
}

TEST(RepositoryValueRange, AmountsMoreThan16DecadesAwayAddNothing) {
  RepositoryValue coarse = Value(5, 16);
  AddScaled(coarse, 27315, -2);  // 273.15 is nothing at 10^16
  EXPECT_EQ(coarse.value, 5);
  SubtractScaled(coarse, 27315, -2);
  EXPECT_EQ(coarse.value, 5);
  Add(coarse, Value(9, -3));
  EXPECT_EQ(coarse.value, 5);
  // Within 16 decades the amount still counts.
  RepositoryValue near = Value(5, 14);
  AddScaled(near, 6, 29);  // 6 x 10^29 = 6000000000000000 x 10^14
  EXPECT_EQ(near.value, 6000000000000005);
}

TEST(RepositoryValueRange, ArithmeticNearTheEndOfTheRangeIsExact) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  RepositoryValue half = Value(kMax - 1, 0);
  MultiplyDivide(half, 1, 2);
  EXPECT_EQ(half.value, kMax / 2);
  RepositoryValue third = Value(kMax / 3, 0);
  Multiply(third, 3);
  EXPECT_EQ(third.value, kMax / 3 * 3);
  RepositoryValue low = Value(kMin + 5, 0);
  SubtractScaled(low, -5, 0);
  EXPECT_EQ(low.value, kMin + 10);
}

TEST(RepositoryValueRange, OverflowWrapsInsteadOfBeingUndefined) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  RepositoryValue doubled = Value(kMax, 0);
  Multiply(doubled, 2);
  EXPECT_EQ(doubled.value, -2);
  RepositoryValue sum = Value(kMax, 0);
  AddScaled(sum, 1, 0);
  EXPECT_EQ(sum.value, std::numeric_limits<int64_t>::min());
}

}  // namespace
