// Decodes by hand, from the public field facts, and checks that the library's
// field rows (position, width, dictionary scaling) reach the same values.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "library/N2kLookup.h"

namespace {

uint64_t RawBits(const std::vector<uint8_t>& data, const FieldDefinition& field) {
  const uint32_t width = field.sizeBits + 8u * field.sizeBytes;
  uint64_t value = 0;
  for (uint32_t i = 0; i < width; ++i) {
    const uint32_t bit = static_cast<uint32_t>(field.bitPosition) + i;
    if (data.at(bit / 8) >> (bit % 8) & 1u) value |= uint64_t{1} << i;
  }
  return value;
}

// Raw value of the field as its dictionary type reads it, then scaled.
double Physical(const std::vector<uint8_t>& data, uint32_t pgn, uint32_t number) {
  const FieldDefinition& field = FindPGN(pgn)->fields[number];
  const DataDictionaryEntry& dd = *GetDDEntry(field.dictionaryIndex);
  const uint32_t width = field.sizeBits + 8u * field.sizeBytes;
  const uint64_t raw = RawBits(data, field);
  double value = static_cast<double>(raw);
  if (GetDataType(dd.dataType)->typeClass == 4 && width < 64 && (raw >> (width - 1) & 1u)) {
    value = static_cast<double>(static_cast<int64_t>(raw) - (int64_t{1} << width));
  } else if (GetDataType(dd.dataType)->typeClass == 4) {
    value = static_cast<double>(static_cast<int64_t>(raw));
  }
  const double m = dd.resolutionMultiplier > 0 ? dd.resolutionMultiplier : 1.0 / -dd.resolutionMultiplier;
  return value * m * std::pow(10.0, dd.resolutionExponent);
}

// Vessel heading: SID FF; heading 0x3C5A = 15450 x 0.0001 rad; deviation
// 0x7FFF (not available); variation 0x0012 = 18 x 0.0001 rad; reference in
// the low two bits of the last byte (1 = magnetic).
TEST(N2kHandDecode, VesselHeading) {
  const std::vector<uint8_t> data = {0xFF, 0x5A, 0x3C, 0xFF, 0x7F, 0x12, 0x00, 0xFD};
  EXPECT_NEAR(Physical(data, 127250, 1), 1.5450, 1e-9);
  EXPECT_NEAR(Physical(data, 127250, 2), 32767 * 1e-4, 1e-9);
  EXPECT_NEAR(Physical(data, 127250, 3), 0.0018, 1e-12);
  EXPECT_EQ(RawBits(data, FindPGN(127250)->fields[4]), 1u);
  const auto number = static_cast<uint16_t>(GetDDEntry(FindPGN(127250)->fields[4].dictionaryIndex)->dictionaryNumber);
  EXPECT_STREQ(FindEnumValue(number, 1)->description, "Magnetic");
}

// GNSS position: SID 7; date 19700 days; time 432005000 x 0.0001 s;
// latitude 523702157000000000 x 1e-16 deg; longitude 48951679000000000 x
// 1e-16 deg; altitude -12345678 x 1e-6 m; byte 31 = type 3 (low nibble) and
// method 2; integrity 1; 12 satellites; HDOP 85 x 0.01; PDOP 160 x 0.01;
// geoidal separation 4712 x 0.01 m; one reference station, type 0, ID 1000,
// age 350 x 0.01 s.
TEST(N2kHandDecode, GnssPositionData) {
  const std::vector<uint8_t> data = {0x07, 0xF4, 0x4C, 0x88, 0xDF, 0xBF, 0x19, 0x00, 0x42, 0x17, 0x4C, 0x56,
                                     0x90, 0x44, 0x07, 0x00, 0x36, 0xF4, 0xED, 0x4A, 0xE9, 0xAD, 0x00, 0xB2,
                                     0x9E, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x23, 0xFD, 0x0C, 0x55, 0x00,
                                     0xA0, 0x00, 0x68, 0x12, 0x00, 0x00, 0x01, 0x80, 0x3E, 0x5E, 0x01};
  EXPECT_EQ(Physical(data, 129029, 0), 7.0);
  EXPECT_EQ(Physical(data, 129029, 1), 19700.0);
  EXPECT_NEAR(Physical(data, 129029, 2), 43200.5, 1e-6);
  EXPECT_NEAR(Physical(data, 129029, 3), 52.3702157, 1e-9);
  EXPECT_NEAR(Physical(data, 129029, 4), 4.8951679, 1e-9);
  EXPECT_NEAR(Physical(data, 129029, 5), -12.345678, 1e-9);
  EXPECT_EQ(Physical(data, 129029, 6), 3.0);
  EXPECT_EQ(Physical(data, 129029, 7), 2.0);
  EXPECT_EQ(Physical(data, 129029, 8), 1.0);
  EXPECT_EQ(Physical(data, 129029, 10), 12.0);
  EXPECT_NEAR(Physical(data, 129029, 11), 0.85, 1e-12);
  EXPECT_NEAR(Physical(data, 129029, 12), 1.60, 1e-12);
  EXPECT_NEAR(Physical(data, 129029, 13), 47.12, 1e-9);
  EXPECT_EQ(Physical(data, 129029, 14), 1.0);
  EXPECT_EQ(Physical(data, 129029, 15), 0.0);
  EXPECT_EQ(Physical(data, 129029, 16), 1000.0);
  EXPECT_NEAR(Physical(data, 129029, 17), 3.50, 1e-12);
  EXPECT_EQ(FindPGN(129029)->fields[17].bitPosition + 16, static_cast<int32_t>(data.size() * 8));
}

// Engine rapid update: instance 1; speed 0x1A40 = 6720 quarter RPM = 1680 RPM;
// boost 0x03E8 = 1000 hPa; trim -5 %.
TEST(N2kHandDecode, EngineRapidUpdate) {
  const std::vector<uint8_t> data = {0x01, 0x40, 0x1A, 0xE8, 0x03, 0xFB, 0xFF, 0xFF};
  EXPECT_EQ(Physical(data, 127488, 0), 1.0);
  EXPECT_NEAR(Physical(data, 127488, 1), 1680.0, 1e-9);
  EXPECT_NEAR(Physical(data, 127488, 2), 100000.0, 1e-6);
  EXPECT_EQ(Physical(data, 127488, 3), -5.0);
}

// Position delta: the 24-bit deltas count 1/36 x 1e-7 degree: 0xFFFF94 =
// -108 counts = -3e-7 degree of latitude.
TEST(N2kHandDecode, PositionDelta) {
  const std::vector<uint8_t> data = {0x01, 0x14, 0x94, 0xFF, 0xFF, 0x48, 0x00, 0x00};
  EXPECT_NEAR(Physical(data, 129027, 1), 20 * 0.005, 1e-12);
  EXPECT_NEAR(Physical(data, 129027, 2), -3e-7, 1e-15);
  EXPECT_NEAR(Physical(data, 129027, 3), 2e-7, 1e-15);
}

}  // namespace
