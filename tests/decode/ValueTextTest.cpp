#include "decode/ValueText.h"

#include <gtest/gtest.h>

#include <string>

#include "library/N2kLookup.h"

namespace {

RepositoryValue Value(int64_t number, int exponent, ValueStatus status = VS_Valid) {
  RepositoryValue v;
  v.value = number;
  v.exponent = static_cast<int8_t>(exponent);
  v.status = status;
  return v;
}

DataDictionaryEntry Entry(uint32_t unitClass, const char* name, const char* singular = "",
                          const char* plural = "", uint32_t dictionaryNumber = 0) {
  DataDictionaryEntry e{};
  e.name = name;
  e.description = "";
  e.unitSingular = singular;
  e.unitPlural = plural;
  e.unitSymbol = "";
  e.unitCode = unitClass;
  e.dictionaryNumber = dictionaryNumber;
  return e;
}

const DataDictionaryEntry* EntryWithNumber(uint32_t dictionaryNumber) {
  for (const DataDictionaryEntry& e : kDataDictionary)
    if (e.dictionaryNumber == dictionaryNumber) return &e;
  return nullptr;
}

TEST(ValueText, ConvertsKelvinToCelsius) {
  const DataDictionaryEntry kelvin = Entry(7, "Temperature", "Kelvin", "Kelvin");
  EXPECT_EQ(ValueText(Value(29315, -2), kelvin, true), "293.15 Kelvin (20.00 Degrees C)");
  EXPECT_EQ(ValueText(Value(27000, -2), kelvin, false), "270.00 (-3.15 Degrees C)");
}

TEST(ValueText, ConvertsSpeedToKnots) {
  const DataDictionaryEntry speed = Entry(11, "Speed", "Metre Per Second", "Metres Per Second");
  EXPECT_EQ(ValueText(Value(1028, -2), speed, true), "10.28 Metre Per Second (19.98 Knots)");
}

TEST(ValueText, ConvertsRadiansToDegrees) {
  const DataDictionaryEntry angle = Entry(20, "Heading", "Radian", "Radians");
  EXPECT_EQ(ValueText(Value(31416, -4), angle, true), "3.1416 Radians (180.000 Degrees)");
  EXPECT_EQ(ValueText(Value(31416, -4), angle, false), "3.1416 (180.000 Degrees)");
  const DataDictionaryEntry rate = Entry(21, "Rate of turn", "Radian/s", "Radians/s");
  EXPECT_EQ(ValueText(Value(15708, -4), rate, true), "1.5708 Radians/s (90.000 Degrees)");
}

TEST(ValueText, OnlyTheVoyageDistanceGetsNauticalMiles) {
  const DataDictionaryEntry voyage = Entry(8, "Distance, voyage", "Metre", "Metres");
  EXPECT_EQ(ValueText(Value(1852, 0), voyage, true), "1852 Metre (1.000 NM)");
  EXPECT_EQ(ValueText(Value(926, 0), voyage, true), "926 Metre (0.500 NM)");
  const DataDictionaryEntry depth = Entry(8, "Depth", "Metre", "Metres");
  EXPECT_EQ(ValueText(Value(1234, -2), depth, true), "12.34 Metres");
}

TEST(ValueText, PositionsShowDegreesMinutesAndTheDecimal) {
  const DataDictionaryEntry latitude = Entry(2, "Latitude, WGS-84", "Degree", "Degrees");
  EXPECT_EQ(ValueText(Value(-5000000, -7), latitude, true), "00\xB0 30.000000' S (-0.5000000\xB0)");
  const DataDictionaryEntry longitude = Entry(2, "Longitude, WGS-84", "Degree", "Degrees");
  EXPECT_EQ(ValueText(Value(1234, -1), longitude, true), "123\xB0 24.000000' E (123.4\xB0)");
  const DataDictionaryEntry other = Entry(2, "Bearing", "Degree", "Degrees");
  EXPECT_EQ(ValueText(Value(45, 0), other, true), " (45\xB0)");
}

TEST(ValueText, DatesAndTimes) {
  EXPECT_EQ(ValueText(Value(14610, 0), Entry(4, "Date"), true), "01/01/2010");
  EXPECT_EQ(ValueText(Value(452965, -1), Entry(23, "Time"), true), "12:34:56.500");
}

TEST(ValueText, DefaultShowsThePluralUnitOnlyWhenAsked) {
  const DataDictionaryEntry pressure = Entry(0, "Pressure", "Pascal", "Pascals");
  EXPECT_EQ(ValueText(Value(101325, 0), pressure, true), "101325 Pascals");
  EXPECT_EQ(ValueText(Value(101325, 0), pressure, false), "101325");
  EXPECT_EQ(ValueText(Value(3, 0), Entry(0, "Count"), true), "3");
  EXPECT_EQ(ValueText(Value(3, 0), Entry(99, "Odd class", "Thing", "Things"), true), "3 Things");
}

TEST(ValueText, StatusOtherThanValidOrUsedShowsOnlyTheWord) {
  const DataDictionaryEntry kelvin = Entry(7, "Temperature", "Kelvin", "Kelvin");
  EXPECT_EQ(ValueText(Value(29315, -2, VS_NotAvailable), kelvin, true), "Not Available");
  EXPECT_EQ(ValueText(Value(29315, -2, VS_Derived), kelvin, true), "Derived");
  EXPECT_EQ(ValueText(Value(29315, -2, VS_Used), kelvin, true), "293.15 Kelvin (20.00 Degrees C)");
  EXPECT_EQ(ValueText(Value(1, 0, static_cast<ValueStatus>(40)), kelvin, true), "Unknown field status!!");
}

TEST(ValueText, EnumeratedValuesShowTheirNameFromTheLibrary) {
  const EnumerationValue* known = FindEnumValue(25, 1);
  ASSERT_NE(known, nullptr);
  const DataDictionaryEntry* dataMode = EntryWithNumber(25);
  ASSERT_NE(dataMode, nullptr);
  EXPECT_EQ(ValueText(Value(1, 0), *dataMode, true), std::string("1 (") + known->description + ")");
  // A value without a row shows the bare number.
  EXPECT_EQ(FindEnumValue(25, 200), nullptr);
  EXPECT_EQ(ValueText(Value(200, 0), *dataMode, true), "200");
}

TEST(EnumText, NeedsAValidValueAndAKnownRow) {
  const EnumerationValue* known = FindEnumValue(25, 2);
  ASSERT_NE(known, nullptr);
  EXPECT_EQ(EnumText(25, Value(2, 0)), known->description);
  // Only the low byte of the number selects the row.
  EXPECT_EQ(EnumText(25, Value(0x102, 0)), known->description);
  EXPECT_EQ(EnumText(25, Value(2, 0, VS_Used)), "");
  EXPECT_EQ(EnumText(25, Value(2, 0, VS_NotAvailable)), "");
  EXPECT_EQ(EnumText(65000, Value(2, 0)), "");
}

}  // namespace
