// Outgoing NMEA 0183 sentences built from the NMEA 2000 repository.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "gateway/DatatypeFormat.h"
#include "gateway/N183SentenceBuilder.h"
#include "library/N183Lookup.h"
#include "tests/gateway/GatewayDatabase.h"

namespace {

constexpr uint32_t kNow = 10000;

// The transmit entry of a formatter; with a trailer character, the variant
// that writes it.
const uint8_t* TxEntry(const char* formatter, char trailer = 0) {
  const DatabaseImageView& db = FullDatabase();
  for (uint32_t i = 0; i < CountN183TxSentences(db); ++i) {
    const uint8_t* raw = GetN183TxSentence(db, i);
    const N183SentenceEntry e = ReadN183TxSentence(raw);
    if (e.formatterKey != FormatterKeyOf(formatter)) continue;
    if (trailer == 0 || e.modifierValue == trailer) return raw;
  }
  return nullptr;
}

struct SentenceTransmitter {
  SentenceTransmitter() {
    SetGatewayClock(kNow);
    UpdateSource(&repository, 1, 10, kNow);
    builder.repository = &repository;
    builder.database = &FullDatabase();
  }
  // number at the datatype's own exponent
  void Set(uint32_t datatype, int64_t number, uint32_t instance = 0) {
    SetValue(&repository, datatype, instance, Value(number, FormatOfDatatype(datatype).exponent), 1);
  }
  int32_t Build(const char* formatter, char trailer = 0) {
    sentences.clear();
    return BuildSentence(builder, TxEntry(formatter, trailer),
                         [this](const N183OutputSentence& s) { sentences.emplace_back(s.text, s.length); });
  }
  std::string Text() const { return sentences.empty() ? "(none)" : sentences.front(); }
  Repository repository = MakeRepository(kN2kRepository);
  N183SentenceBuilder builder;
  std::vector<std::string> sentences;
};

struct TextCase {
  const char* formatter;
  char trailer;
  std::vector<std::pair<uint32_t, int64_t>> values;
  const char* text;
};

// Values at the datatype's exponent: metres 1e-2, m/s 1e-2, radians 1e-4,
// seconds 1e-4, degrees 1e-16, rad/s 1e-6 / 32.
const TextCase kTextCases[] = {
    {"DBT", 0, {{RD_WaterDepth, 375}}, "$SDDBT,12.30,f,3.75,M,2.05,F"},
    {"DPT", 0, {{RD_WaterDepth, 375}, {RD_WaterDepthOffset, -300}}, "$SDDPT,3.8,-0.3,"},
    {"ROT", 0, {{RD_RateOfTurn, 27936}}, "$IIROT,3.0,A"},
    {"ROT", 0, {{RD_RateOfTurn, -27936}}, "$IIROT,-3.0,A"},
    {"VHW", 0, {{RD_SpeedWaterRef, 514}}, "$IIVHW,,T,,M,10.0,N,18.5,K"},
    {"VHW", 0, {{RD_HeadingSensorTrue, 17157}, {RD_SpeedWaterRef, 514}}, "$IIVHW,98.3,T,,M,10.0,N,18.5,K"},
    {"MWV", 'R', {{RD_WindDirectionApparent, 7854}, {RD_WindSpeedApparent, 514}}, "$IIMWV,45.00,R,10.0,N,A"},
    {"MWV", 'T', {{RD_WindDirectionTrueBoatRef, 54978}, {RD_WindSpeedTrueBoatRef, 1000}}, "$IIMWV,315.00,T,19.4,N,A"},
    {"GGA", 0,
     {{RD_UTC, 453190000}, {RD_LatitudeWGS84, 481173000000000000}, {RD_LongitudeWGS84, -115166660000000000},
      {RD_GNSSQualityMethod, 1}, {RD_GNSSNumSVsInUse, 8}, {RD_GNSSHDOP, 90}, {RD_Altitude, 545400000},
      {RD_GNSSGeoidalSeparation, 4690}},
     "$GPGGA,123519,4807.0380,N,01131.0000,W,1,08,0.9,545.4,M,46.9,M,,"},
    {"RMC", 0,
     {{RD_UTC, 818660000}, {RD_LatitudeWGS84, -338000000000000000}, {RD_LongitudeWGS84, 1512000000000000000},
      {RD_SOG, 26}, {RD_COGTrue, 9547}, {RD_Date, 9088}, {RD_MagneticVariation, -2198}, {RD_GNSSQualityMethod, 1}},
     "$GPRMC,224426,A,3348.0000,S,15112.0000,E,0.5,54.7,191194,12.6,W,A"},
    {"GSA", 0,
     {{RD_GNSSSetMode, 3}, {RD_GNSSOpMode, 2}, {RD_GNSS_SatSolutionPRN, 4}, {RD_GNSSPDOP, 250}, {RD_GNSSHDOP, 130},
      {RD_GNSSVDOP, 210}},
     "$GPGSA,A,3,04,,,,,,,,,,,,2.5,1.3,2.1"},
    {"ZDA", 0, {{RD_UTC, 729300000}, {RD_Date, 11872}, {RD_UTCLocalOffset, 0}}, "$IIZDA,201530,04,07,2002,-00,00"},
    {"ZDA", 0, {{RD_UTC, 729300000}, {RD_Date, 11872}, {RD_UTCLocalOffset, 210}}, "$IIZDA,201530,04,07,2002,-03,30"},
    {"ZDA", 0, {{RD_UTC, 729300000}, {RD_Date, 11872}, {RD_UTCLocalOffset, -210}}, "$IIZDA,201530,04,07,2002,03,30"},
    // Seconds and minutes that round up carry into the next unit.
    {"GGA", 0,
     {{RD_UTC, 863999999}, {RD_LatitudeWGS84, 599999999000000000}, {RD_LongitudeWGS84, 1}, {RD_GNSSQualityMethod, 1},
      {RD_GNSSNumSVsInUse, 8}, {RD_GNSSHDOP, 90}, {RD_Altitude, 0}, {RD_GNSSGeoidalSeparation, 0}},
     "$GPGGA,000000,6000.0000,N,00000.0000,E,1,08,0.9,0.0,M,0.0,M,,"},
};

TEST(SentenceBuilder, TextOfEachSentence) {
  for (const TextCase& c : kTextCases) {
    SentenceTransmitter tx;
    for (const auto& [datatype, number] : c.values) tx.Set(datatype, number);
    ASSERT_NE(TxEntry(c.formatter, c.trailer), nullptr) << c.formatter;
    EXPECT_EQ(tx.Build(c.formatter, c.trailer), 0) << c.text;
    EXPECT_EQ(tx.Text(), c.text);
    EXPECT_EQ(tx.sentences.size(), 1u) << c.text;
  }
}

TEST(SentenceBuilder, SatellitesInViewSpanAGroup) {
  SentenceTransmitter tx;
  tx.Set(RD_GNSSNumSVsInView, 10);
  for (uint32_t i = 0; i < 10; ++i) tx.Set(RD_GNSS_SatPRN, 1 + i, i);
  tx.Set(RD_GNSS_SatSNR, 4200, 9);
  ASSERT_EQ(tx.Build("GSV"), 0);
  ASSERT_EQ(tx.sentences.size(), 3u);
  EXPECT_EQ(tx.sentences[0], "$GPGSV,3,1,10,01,,,,02,,,,03,,,,04,,,");
  EXPECT_EQ(tx.sentences[1], "$GPGSV,3,2,10,05,,,,06,,,,07,,,,08,,,");
  EXPECT_EQ(tx.sentences[2], "$GPGSV,3,3,10,09,,,,10,,,42");
  // The next build starts a new group.
  ASSERT_EQ(tx.Build("GSV"), 0);
  EXPECT_EQ(tx.sentences.size(), 3u);
  EXPECT_EQ(tx.sentences[0].substr(0, 13), "$GPGSV,3,1,10");
}

TEST(SentenceBuilder, FailedSentencesAreNotEmittedAndEndTheirGroup) {
  SentenceTransmitter tx;
  EXPECT_EQ(tx.Build("DBT"), kSentenceNoData);
  EXPECT_TRUE(tx.sentences.empty());
  EXPECT_EQ(tx.Build("GSV"), kSentenceNoData);
  EXPECT_EQ(tx.builder.groupTotal, -1);
  tx.Set(RD_GNSSNumSVsInView, 10);
  ASSERT_EQ(tx.Build("GSV"), 0);
  EXPECT_EQ(tx.sentences.front().substr(0, 13), "$GPGSV,3,1,10");
  // A value that timed out leaves its field empty and its validity field says so.
  SentenceTransmitter stale;
  stale.Set(RD_RateOfTurn, 27936);
  SetGatewayClock(kNow + 4001);
  EXPECT_EQ(stale.Build("ROT"), kSentenceNoData);
}

TEST(SentenceBuilder, NumbersTooLongForAFieldAreNotCut) {
  SentenceTransmitter tx;
  for (const auto& [datatype, number] : kTextCases[8].values) tx.Set(datatype, number);
  // 10^12 metres needs 13 digits and a decimal.
  tx.Set(RD_Altitude, 1000000000000000000);
  ASSERT_EQ(tx.Build("GGA"), 0);
  EXPECT_EQ(tx.Text(), "$GPGGA,123519,4807.0380,N,01131.0000,W,1,08,0.9,,M,46.9,M,,");
}

TEST(SentenceBuilder, AllTwentyFieldsOfTheLongestSentence) {
  SentenceTransmitter tx;
  tx.Set(RD_AtmosphericPressure, 1019);
  tx.Set(RD_WindSpeedGround, 514);
  ASSERT_EQ(tx.Build("MDA"), 0);
  const std::string text = tx.Text();
  EXPECT_EQ(std::count(text.begin(), text.end(), ','), 20) << text;
  EXPECT_EQ(text.substr(text.size() - 12), "10.0,N,5.1,M") << text;
}

}  // namespace
