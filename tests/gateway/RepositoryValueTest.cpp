#include <gtest/gtest.h>

#include <cstdint>

#include "base/RepositoryValue.h"

namespace {

RepositoryValue Of(int64_t v, int e) {
  RepositoryValue r;
  r.value = v;
  r.exponent = static_cast<int8_t>(e);
  return r;
}

TEST(RepositoryValue, RescaleRoundsHalvesAwayFromZero) {
  for (const auto& [in, out] : {std::pair{15, 2}, {-15, -2}, {14, 1}, {-14, -1}, {0, 0}, {5, 1}, {-5, -1}}) {
    RepositoryValue v = Of(in, 0);
    EXPECT_EQ(Rescale(v, 1), 0);
    EXPECT_EQ(v.value, out) << in;
    EXPECT_EQ(v.exponent, 1);
  }
  RepositoryValue finer = Of(123, 0);
  Rescale(finer, -3);
  EXPECT_EQ(finer.value, 123000);

  RepositoryValue far = Of(7, 0);
  EXPECT_EQ(Rescale(far, 17), kRescaleOutOfRange);
  EXPECT_EQ(far.value, 7);
  EXPECT_EQ(far.exponent, 0);
  EXPECT_EQ(Rescale(far, -16), 0);
  EXPECT_EQ(far.value, 70000000000000000);

  RepositoryValue noNumber = Of(15, 0);
  noNumber.status = VS_NotAvailable;
  Rescale(noNumber, 1);
  EXPECT_EQ(noNumber.value, 15);
  EXPECT_EQ(noNumber.exponent, 0);
}

TEST(RepositoryValue, Arithmetic) {
  RepositoryValue v;
  MakeValue(v, 1234, -2);
  EXPECT_EQ(v.value, 123400);
  EXPECT_EQ(v.exponent, -2);
  EXPECT_EQ(v.resolutionFactor, 1);

  RepositoryValue k = Of(29315, -2);
  SubtractScaled(k, 27315, -2);
  EXPECT_EQ(k.value, 2000);
  AddScaled(k, 1, 0);
  EXPECT_EQ(k.value, 2100);
  Add(k, Of(5, -3));  // 0.005 at exponent -2 rounds to 0.01
  EXPECT_EQ(k.value, 2101);
  Subtract(k, Of(1, 1));
  EXPECT_EQ(k.value, 1101);

  RepositoryValue m = Of(7, 0);
  MultiplyDivide(m, 1, 2);
  EXPECT_EQ(m.value, 4);
  MultiplyDivide(m, 3, 1);
  EXPECT_EQ(m.value, 12);
  MultiplyDivide(m, 1, 0);
  EXPECT_EQ(m.value, 12);
  Multiply(m, -2);
  EXPECT_EQ(m.value, -24);

  RepositoryValue knots = Of(1028, -2);
  MultiplyDivide(knots, 3600, 1852);
  EXPECT_EQ(knots.value, 1998);
}

TEST(RepositoryValue, StatusWords) {
  EXPECT_STREQ(StatusName(VS_Valid), "Valid");
  EXPECT_STREQ(StatusName(VS_NotAvailable), "Not Available");
  EXPECT_STREQ(StatusName(VS_Reserved), "RESERVED");
  EXPECT_STREQ(StatusName(VS_InvalidStatusAccess), "Access to the status flag was invalid");
  EXPECT_STREQ(StatusName(17), "Unknown field status!!");
  EXPECT_STREQ(StatusName(0xFFFFFFFF), "Unknown field status!!");
  RepositoryValue v;
  v.status = VS_Derived;
  EXPECT_TRUE(IsValid(v));
  v.status = VS_Used;
  EXPECT_FALSE(IsValid(v));
  EXPECT_TRUE(CarriesNumber(v));
}

}  // namespace
