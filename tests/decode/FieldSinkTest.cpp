#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "decode/ExactDecimal.h"
#include "decode/FieldSink.h"
#include "decode/N183Decoder.h"
#include "decode/N2kDecoder.h"
#include "base/OutputTree.h"
#include "log/Framing.h"
#include "tests/decode/KeepingSink.h"

namespace {

Bytes Frame93(uint32_t pgn, const std::vector<uint8_t>& data) {
  Bytes payload = {3, static_cast<uint8_t>(pgn), static_cast<uint8_t>(pgn >> 8), static_cast<uint8_t>(pgn >> 16),
                   255, 35};
  PutLittleEndian(payload, 1000, 4);
  payload.push_back(static_cast<uint8_t>(data.size()));
  payload.insert(payload.end(), data.begin(), data.end());
  return MakeKvtBody(0x93, payload);
}

// Decodes with the sink active and checks that the decode text is the same
// as without one.
std::vector<Kept> N2kFields(uint32_t pgn, const std::vector<uint8_t>& data) {
  const Bytes body = Frame93(pgn, data);
  CTreeNodeMFC plain, watched;
  DecodeKvtN2k(body.data(), static_cast<uint32_t>(body.size()), plain, DM_Full, nullptr, 0);
  KeepingSink sink;
  {
    const FieldSinkScope scope(sink);
    DecodeKvtN2k(body.data(), static_cast<uint32_t>(body.size()), watched, DM_Full, nullptr, 0);
  }
  EXPECT_EQ(Rendered(plain), Rendered(watched));
  return sink.fields;
}

std::vector<Kept> SentenceFields(const std::string& sentence) {
  KeepingSink sink;
  CTreeNodeMFC root;
  const FieldSinkScope scope(sink);
  DecodeN183Record(reinterpret_cast<const uint8_t*>(sentence.data()), static_cast<uint32_t>(sentence.size()), root,
                   DM_Full, 0, nullptr);
  return sink.fields;
}

TEST(FieldSink, ReservedPatternsKeepTheirStatusAndValidValuesTheirNumber) {
  // 127250: SID, heading 0xFFFE (unsigned: out of range), deviation 0x7FFF
  // (signed: not available), variation 0x7FFD (reserved), reference 1.
  const auto f = N2kFields(127250, {0x00, 0xFE, 0xFF, 0xFF, 0x7F, 0xFD, 0x7F, 0xFD});
  ASSERT_EQ(f.size(), 6u);
  EXPECT_EQ(f[1].name, "Heading Sensor Reading");
  EXPECT_EQ(f[1].status, FieldStatus::OutOfRange);
  EXPECT_EQ(f[2].status, FieldStatus::NotAvailable);
  EXPECT_EQ(f[3].status, FieldStatus::Reserved);
  EXPECT_EQ(f[3].value, "") << "a field without a number carries none";
  EXPECT_EQ(f[4].number, 5u);
  EXPECT_EQ(f[4].value, "1");
  EXPECT_EQ(f[5].status, FieldStatus::Reserved) << "reserved bits";

  const auto g = N2kFields(127250, {0x00, 0x10, 0x27, 0x00, 0x80, 0xFF, 0x7F, 0xFD});
  EXPECT_EQ(g[1].value, "1.0000");
  EXPECT_EQ(g[1].unit, "Rad");
  EXPECT_EQ(g[2].value, "-3.2768") << "0x8000 is the most negative reading, not a pattern";
}

TEST(FieldSink, RepeatingGroupsNumberTheirSections) {
  std::vector<uint8_t> data = {0x01, 0xFD, 0x03};
  for (uint8_t prn : {5, 12, 29}) {
    const std::vector<uint8_t> sat = {prn, 0x10, 0x27, 0x20, 0x4E, 0xA0, 0x0F, 0xFF, 0xFF, 0xFF, 0x7F, 0xF2};
    data.insert(data.end(), sat.begin(), sat.end());
  }
  const auto f = N2kFields(129540, data);
  ASSERT_EQ(f.size(), 4u + 3u * 7u);
  EXPECT_EQ(f[3].section, 0u);
  EXPECT_EQ(f[4].section, 1u);
  EXPECT_EQ(f[4].value, "5");
  EXPECT_EQ(f[11].section, 2u);
  EXPECT_EQ(f[11].value, "12");
  EXPECT_EQ(f[18].section, 3u);
  EXPECT_EQ(f[18].number, 5u);
  EXPECT_EQ(f[18].value, "29");

  const auto gsv = SentenceFields("$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,*49");
  ASSERT_EQ(gsv.size(), 15u);
  EXPECT_EQ(gsv[2].section, 0u);
  EXPECT_EQ(gsv[3].section, 1u);
  EXPECT_EQ(gsv[7].section, 2u);
  EXPECT_EQ(gsv[7].value, "04");
  EXPECT_EQ(gsv[13].unit, "Angle, Degrees");
  EXPECT_EQ(gsv[14].section, 3u);
  EXPECT_EQ(gsv[14].status, FieldStatus::NotAvailable) << "an empty field";
}

TEST(FieldSink, StringsAndTheEndOfTheScope) {
  const auto gga = SentenceFields("$GPGGA,093000.00,5001.9317,N,00439.9574,W,1,08,0.9,15.2,M,,M,,*47");
  ASSERT_FALSE(gga.empty());
  EXPECT_EQ(gga[0].number, 0u);
  EXPECT_EQ(gga[1].value, "5001.9317");
  // With the scope gone, nothing is reported.
  KeepingSink sink;
  { const FieldSinkScope scope(sink); }
  CTreeNodeMFC root;
  const std::string s = "$GPGGA,1,2";
  DecodeN183Record(reinterpret_cast<const uint8_t*>(s.data()), static_cast<uint32_t>(s.size()), root, DM_Full, 0,
                   nullptr);
  EXPECT_TRUE(sink.fields.empty());
  EXPECT_EQ(ActiveFieldSink(), nullptr);
}

RepositoryValue Scaled(int64_t value, int exponent, int factor) {
  RepositoryValue v;
  v.value = value;
  v.exponent = static_cast<int8_t>(exponent);
  v.resolutionFactor = static_cast<int8_t>(factor);
  return v;
}

TEST(ExactDecimal, WritesTheNumberWithoutRoundingTheFactorAway) {
  EXPECT_EQ(ExactDecimal(Scaled(1234, -2, 1)), "12.34");
  EXPECT_EQ(ExactDecimal(Scaled(1200, -2, 0)), "12.00");
  EXPECT_EQ(ExactDecimal(Scaled(-5, -3, 1)), "-0.005");
  EXPECT_EQ(ExactDecimal(Scaled(0, -2, 1)), "0.00");
  EXPECT_EQ(ExactDecimal(Scaled(-0, 2, 1)), "0");
  EXPECT_EQ(ExactDecimal(Scaled(7, 3, 1)), "7000");
  EXPECT_EQ(ExactDecimal(Scaled(-7, 0, -4)), "-1.75");
  EXPECT_EQ(ExactDecimal(Scaled(1, -3, -32)), "0.00003125");
  EXPECT_EQ(ExactDecimal(Scaled(1, 2, -4)), "25");
  EXPECT_EQ(ExactDecimal(Scaled(3, 0, -4)), "0.75");
  EXPECT_EQ(ExactDecimal(Scaled(INT64_MIN, 0, 10)), "-92233720368547758080");
  EXPECT_EQ(ExactDecimal(Scaled(INT64_MIN, -19, 1)), "-0.9223372036854775808");
  // 1/36 does not end: twenty decimals of the quotient, enough to read back.
  EXPECT_EQ(ExactDecimal(Scaled(1, -7, -36)), "0.000000002777777777777777777");
  EXPECT_DOUBLE_EQ(std::stod(ExactDecimal(Scaled(-1000001, -7, -36))), -1000001e-7 / 36);
}

}  // namespace
