#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "base/RepositoryCatalogue.h"
#include "library/N2kTables.h"

namespace {

struct Unit {
  const char* singular;
  const char* plural;
  const char* symbol;
};

const std::map<uint32_t, Unit>& Units() {
  static const std::map<uint32_t, Unit> units = {
      {0, {"", "", ""}},
      {1, {"Amp", "Amps", "A"}},
      {2, {"Degree", "Degrees", "Deg"}},
      {3, {"Second", "Seconds", "s"}},
      {4, {"Date", "Date", "Date"}},
      {5, {"Decibel", "Decibels", "dB"}},
      {6, {"Hertz", "Hertz", "Hz"}},
      {7, {"Kelvin", "Kelvin", "K"}},
      {8, {"Metre", "Metres", "m"}},
      {9, {"Cubic Metre", "Cubic Metres", "cu m"}},
      {10, {"Cubic Metres Per Hour", "Cubic Metres Per Hour", "cu m/h"}},
      {11, {"Metre Per Second", "Metres Per Second", "m/s"}},
      {13, {"Microvolt Per Metre Squared", "Microvolts Per Metre Squared", "uV/m/m"}},
      {14, {"Minute", "Minutes", "Min"}},
      {17, {"Pascal", "Pascals", "Pa"}},
      {18, {"Pascal per Hour", "Pascals per Hour", "Pa/h"}},
      {19, {"Percent", "Percent", "%"}},
      {20, {"Radian", "Radians", "Rad"}},
      {21, {"Radian per Second", "Radians per Second", "Rad/s"}},
      {22, {"Rev Per Minute", "Revs Per Minute", "RPM"}},
      {23, {"Second", "Seconds", "s"}},
      {25, {"Volt", "Volts", "V"}},
      {26, {"Watt", "Watts", "W"}},
      {28, {"Ratio", "Ratio", "Ratio"}},
      {29, {"VAR", "VAR", "VAR"}},
      {30, {"Coulomb", "Coulombs", "C"}},
      {31, {"Volt RMS", "Volts RMS", "VRMS"}},
      {32, {"Puekert Exp", "Puekert Exp", "Puekert Exp"}},
  };
  return units;
}

const std::set<uint32_t> kNumericTypes = {4, 9, 10, 11, 12, 13, 14, 15, 16};

TEST(N2kDataDictionary, RowsNumberedAndWellFormed) {
  uint32_t previous = 0;
  for (uint32_t i = 0; i < kDataDictionaryCount; ++i) {
    const DataDictionaryEntry& dd = kDataDictionary[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(dd.rowIndex, i);
    if (i <= 115) {
      EXPECT_EQ(dd.dictionaryNumber, i);
    }
    if (i > 0) {
      EXPECT_GT(dd.dictionaryNumber, previous);
    }
    previous = dd.dictionaryNumber;
    EXPECT_NE(dd.resolutionMultiplier, 0);
    EXPECT_LT(dd.dataType, kBasicDataTypeCount);
    EXPECT_GT(std::strlen(dd.name), 0u);
    EXPECT_GT(std::strlen(dd.description), 0u);
    EXPECT_GT(std::strlen(dd.range), 0u);
    EXPECT_GT(std::strlen(dd.resolution), 0u);
    EXPECT_STREQ(dd.spare0, "");
    EXPECT_STREQ(dd.spare1, "");
    const auto unit = Units().find(dd.unitCode);
    ASSERT_NE(unit, Units().end());
    EXPECT_STREQ(dd.unitSingular, unit->second.singular);
    EXPECT_STREQ(dd.unitPlural, unit->second.plural);
    EXPECT_STREQ(dd.unitSymbol, unit->second.symbol);
    if (kNumericTypes.count(dd.dataType)) {
      EXPECT_EQ(dd.defaultSizeBits, 0u);
      EXPECT_EQ(dd.defaultSizeBytes, kBasicDataTypes[dd.dataType].sizeBytes);
    }
    if (dd.dataType == 7 || dd.dataType == 8) {
      EXPECT_EQ(dd.defaultSizeBytes, 0u);
      EXPECT_EQ(dd.formatCode, 52u);
    }
  }
  EXPECT_EQ(kDataDictionary[116].dictionaryNumber, 117u);
  EXPECT_EQ(kDataDictionary[117].dictionaryNumber, 118u);
  EXPECT_EQ(kDataDictionary[266].dictionaryNumber, 270u);
  EXPECT_EQ(kDataDictionary[309].dictionaryNumber, 900u);
}

struct TellingEntry {
  uint32_t row, number;
  const char* name;
  int m, e;
  uint32_t type, bits, bytes, unit;
  const char* range;
  const char* resolution;
};

TEST(N2kDataDictionary, TellingRows) {
  const TellingEntry rows[] = {
      {0, 0, "Undefined", 1, 0, 0, 0, 0, 0, "undefined", "undefined"},
      {2, 2, "Generic status pair", 1, 0, 7, 2, 0, 0, "Variable", "1"},
      {22, 22, "Latitude, WGS-84", 1, -7, 12, 0, 4, 2, "+/- 90 deg", "1x10E-7 deg"},
      {43, 43, "Generic Temperature", 1, -2, 15, 0, 2, 7, "0 to 655.32 deg K", "1x10E-2 deg K"},
      {117, 118, "Heading Sensor Reading", 1, -4, 15, 0, 2, 20, "0 to 2Pi rad", "1x10E-4 rad"},
      {128, 129, "Rate of rotation", -4, 0, 15, 0, 2, 22, "0-16,383 RPM", "1/4 RPM"},
      {191, 192, "Generic String, ASCII, Fixed length", 1, 0, 3, 0, 255, 0, "0 to 1,785 characters", "1 char"},
      {201, 202, "Latitude (Extended Resolution)", 1, -16, 13, 0, 8, 2, "+/- 90 deg", "1x10E-16 deg"},
      {223, 224, "Rate of Turn", -32, -6, 12, 0, 4, 21, "+/-67.0 rad/s (approx. 230703 deg/min",
       "1/32 x 10E-6 rad/s"},
      {309, 900, "Placeholder for DD901-999", 1, 0, 0, 0, 0, 0, "undefined", "undefined"},
  };
  for (const TellingEntry& t : rows) {
    const DataDictionaryEntry& dd = kDataDictionary[t.row];
    SCOPED_TRACE(t.name);
    EXPECT_EQ(dd.dictionaryNumber, t.number);
    EXPECT_STREQ(dd.name, t.name);
    EXPECT_EQ(dd.resolutionMultiplier, t.m);
    EXPECT_EQ(dd.resolutionExponent, t.e);
    EXPECT_EQ(dd.dataType, t.type);
    EXPECT_EQ(dd.defaultSizeBits, t.bits);
    EXPECT_EQ(dd.defaultSizeBytes, t.bytes);
    EXPECT_EQ(dd.unitCode, t.unit);
    EXPECT_STREQ(dd.range, t.range);
    EXPECT_STREQ(dd.resolution, t.resolution);
  }
}

// Every repository datatype takes its scaling and sign from a dictionary
// row, and its slot must be able to hold that row's value.
TEST(N2kDataDictionary, RowsNamedByTheRepositoryCatalogueFitTheirDatatype) {
  for (const RepositoryDatatype& datatype : kRepositoryDatatypes) {
    if (datatype.index == RD_NONE) continue;
    ASSERT_LT(datatype.dictionaryIndex, kDataDictionaryCount);
    const DataDictionaryEntry& dd = kDataDictionary[datatype.dictionaryIndex];
    SCOPED_TRACE(std::string(datatype.name) + " -> " + dd.name);
    const uint32_t valueBytes = datatype.slotSize - 1u;
    if (kNumericTypes.count(dd.dataType)) {
      EXPECT_GE(valueBytes, dd.defaultSizeBytes);
    } else if (dd.dataType == 7 || dd.dataType == 8) {
      EXPECT_GE(valueBytes * 8, dd.defaultSizeBits);
    } else {
      EXPECT_TRUE(dd.dataType == 1 || dd.dataType == 3) << dd.dataType;
    }
  }
  // A few rows whose physical meaning the catalogue depends on.
  EXPECT_EQ(kDataDictionary[43].unitCode, 7u);
  EXPECT_EQ(kDataDictionary[164].unitCode, 20u);
  EXPECT_EQ(kDataDictionary[114].dataType, 12u);
  EXPECT_EQ(kDataDictionary[114].resolutionExponent, -2);
  EXPECT_EQ(kDataDictionary[10].dataType, 16u);
  EXPECT_EQ(kDataDictionary[39].unitCode, 4u);
  EXPECT_EQ(kDataDictionary[157].resolutionExponent, -4);
  EXPECT_EQ(kDataDictionary[6].dataType, 14u);
  EXPECT_EQ(kDataDictionary[202].dataType, 13u);
}

TEST(N2kBasicTypes, TableAsStandardised) {
  const std::pair<uint32_t, const char*> classes[] = {
      {0, "Undefined"}, {5, "ch8or16(n)"}, {3, "char16(n)"}, {5, "char8(n)"}, {4, "float32"}, {4, "float64"},
      {4, "float80"},   {1, "bit(n)"},     {2, "bit0(n)"},   {4, "int8"},     {4, "int16"},   {4, "int24"},
      {4, "int32"},     {4, "int64"},      {5, "uint8"},     {5, "uint16"},   {5, "uint32"},  {5, "uint64"}};
  const uint32_t sizes[] = {0, 0, 0, 0, 4, 8, 10, 0, 0, 1, 2, 3, 4, 8, 1, 2, 4, 8};
  for (uint32_t i = 0; i < kBasicDataTypeCount; ++i) {
    EXPECT_EQ(kBasicDataTypes[i].typeClass, classes[i].first) << i;
    EXPECT_STREQ(kBasicDataTypes[i].shortName, classes[i].second);
    EXPECT_EQ(kBasicDataTypes[i].sizeBytes, sizes[i]) << i;
    EXPECT_GT(std::strlen(kBasicDataTypes[i].description), 0u);
  }
  EXPECT_STREQ(kBasicDataTypes[14].reservedValues,
               "Extreme positive range of numbers reserved: 255 = Data not available or Do Not Change; "
               "254 = Out of range; 253 = Reserved");
  EXPECT_STREQ(kBasicDataTypes[11].description, "24 bit  signed number");
  EXPECT_NE(std::string(kBasicDataTypes[10].reservedValues).find("32,767 = Data not available"), std::string::npos);
  EXPECT_STREQ(kBasicDataTypes[4].range, "");
}

TEST(N2kManufacturers, SixtySixDistinctCodesAsListed) {
  std::set<uint32_t> codes;
  for (const ManufacturerCode& m : kManufacturerCodes) {
    EXPECT_LT(m.code, 2048u);
    EXPECT_GT(std::strlen(m.name), 2u);
    EXPECT_TRUE(codes.insert(m.code).second) << m.code;
  }
  EXPECT_EQ(kManufacturerCodes[0].code, 135u);
  EXPECT_EQ(kManufacturerCodes[65].code, 88u);
  EXPECT_STREQ(kManufacturerCodes[44].name, "Torvanode");
  EXPECT_EQ(kManufacturerCodes[44].code, 273u);
}

}  // namespace
