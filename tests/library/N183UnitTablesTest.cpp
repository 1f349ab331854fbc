#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "library/N183Lookup.h"
#include "library/N183Tables.h"

namespace {

TEST(DT0183Types, CodesSkipTenAndRunToThirtyFive) {
  std::set<uint32_t> codes;
  for (const DT0183Type& row : kDT0183Types) {
    codes.insert(row.code);
    EXPECT_EQ(std::strncmp(row.name, "DT0183_", 7), 0) << row.name;
    EXPECT_GT(std::strlen(row.shortDescription), 5u) << row.name;
    EXPECT_GT(std::strlen(row.longDescription), 20u) << row.name;
    EXPECT_LE(row.fieldSpan, 3u) << row.name;
  }
  EXPECT_EQ(codes.size(), kDT0183TypeCount);
  EXPECT_EQ(codes.count(10), 0u);
  EXPECT_EQ(*codes.begin(), 0u);
  EXPECT_EQ(*codes.rbegin(), kDT0183HighestCode);
}

TEST(DT0183Types, SpansOfTheMultiFieldTypes) {
  const std::set<uint32_t> twoFields = {2, 3, 15, 18, 19, 22, 28, 29};
  for (const DT0183Type& row : kDT0183Types) {
    uint32_t span = twoFields.count(row.code) ? 2 : 1;
    if (row.code == 17) span = 3;
    if (row.code == 0 || row.code == 16) span = 0;
    EXPECT_EQ(row.fieldSpan, span) << row.name;
  }
  EXPECT_STREQ(GetDT0183Type(16)->shortDescription, "Not an NMEA 0183 Field!");
  EXPECT_STREQ(GetDT0183Type(17)->shortDescription, "Date in form dd,mm,yyyy");
  EXPECT_STREQ(GetDT0183Type(2)->shortDescription, "Fixed/Variable length field");
  EXPECT_STREQ(GetDT0183Type(22)->shortDescription, "Variable number field followed by an LR modifier");
}

TEST(UT183Units, NamesLabelsAndCodes) {
  for (uint32_t code = 0; code < kUT183UnitCount; ++code) {
    EXPECT_EQ(kUT183UnitNames[code].code, code);
    EXPECT_EQ(std::strncmp(kUT183UnitNames[code].name, "UT183_", 6), 0);
    EXPECT_GT(std::strlen(kUT183UnitNames[code].description), 10u) << code;
    EXPECT_LT(kUT183Conversions[code].factorRow, kN183ConversionFactorCount) << code;
    EXPECT_LT(kUT183Conversions[code].nextUnit, kUT183UnitCount) << code;
  }
  EXPECT_STREQ(kUT183UnitNames[18].name, "UT183_Nm");
  EXPECT_STREQ(kUT183UnitNames[18].label, "Nautical Miles");
  EXPECT_STREQ(kUT183UnitNames[8].label, "");
  EXPECT_STREQ(kUT183UnitNames[20].description, "Link list entry, points first toUT183_Pascal entry with Link = 4");
}

// Walks a unit chain as the converter does: from the head, chain-length rows
// following the next-unit links.
std::string ChainLetters(uint32_t head, std::string* units = nullptr) {
  std::string letters;
  uint32_t code = head;
  for (uint32_t step = 0; step < kUT183Conversions[head].chainLength; ++step) {
    letters += static_cast<char>(kUT183Conversions[code].unitSymbol);
    if (units) *units += std::to_string(code) + " ";
    code = kUT183Conversions[code].nextUnit;
  }
  return letters;
}

TEST(UT183Units, ChainHeadsReachTheirUnits) {
  std::string units;
  EXPECT_EQ(ChainLetters(7, &units), "Mf");
  EXPECT_EQ(units, "7 10 ");
  units.clear();
  EXPECT_EQ(ChainLetters(20, &units), "PPIB");
  EXPECT_EQ(units, "20 19 12 4 ");
  units.clear();
  EXPECT_EQ(ChainLetters(21, &units), "MNSKM");
  EXPECT_EQ(units, "21 13 17 14 15 ");
  // Each chain ends: the last row it visits leads nowhere further.
  EXPECT_EQ(kUT183Conversions[15].nextUnit, 0u);
  EXPECT_EQ(kUT183Conversions[4].nextUnit, 0u);
  for (uint32_t code = 0; code < kUT183UnitCount; ++code) {
    if (code != 7 && code != 20 && code != 21) {
      EXPECT_EQ(kUT183Conversions[code].chainLength, 1) << code;
    }
  }
}

TEST(ConversionFactors, ConvertKnownQuantities) {
  auto apply = [](uint32_t row, double v) {
    const N183ConversionFactor& f = kN183ConversionFactors[row];
    double offset = f.offset;
    for (int e = f.offsetExponent; e < 0; ++e) offset /= 10;
    return v * f.numerator / f.denominator + offset;
  };
  EXPECT_NEAR(apply(1, 180.0), 3.14159265, 1e-6);
  EXPECT_NEAR(apply(3, 60.0), 3.14159265 / 180.0, 1e-7);
  EXPECT_NEAR(apply(4, 1.0), 1.8288, 1e-3);
  EXPECT_NEAR(apply(5, 1.0), 0.3048, 1e-4);
  EXPECT_NEAR(apply(7, 1.0), 1852.0, 1e-9);
  EXPECT_NEAR(apply(11, 29.92), 101320.0, 10.0);
  EXPECT_NEAR(apply(12, 1.0), 0.514444, 1e-6);
  EXPECT_NEAR(apply(14, 1.0), 0.44704, 1e-9);
  EXPECT_NEAR(apply(15, 20.0), 293.15, 1e-9);
  EXPECT_EQ(apply(9, 5.0), -5.0);
  // AIS rate of turn: 4.733 x sqrt(degrees per minute), so r squared / 4.733^2
  // degrees per minute.
  EXPECT_NEAR(apply(8, 126.0 * 126.0), apply(3, 126.0 * 126.0 / (4.733 * 4.733)), 1e-5);
  for (const N183ConversionFactor& f : kN183ConversionFactors) EXPECT_GT(f.denominator, 0u);
}

}  // namespace
