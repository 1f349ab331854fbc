// The parts of the synthetic writer whose faults would go unseen in a whole
// log: our own trigonometry and distributions, the NMEA 2000 bit packing,
// and the hemisphere and rounding of NMEA 0183 positions.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "log/synth/N183Sentences.h"
#include "log/synth/N2kFieldWriter.h"
#include "log/synth/N2kPayloads.h"
#include "log/synth/SynthMath.h"
#include "log/synth/SynthRandom.h"

namespace {

TEST(SynthMath, TrigonometryMatchesTheLibraryEverywhere) {
  for (double x = -20; x <= 20; x += 0.0137) {
    ASSERT_NEAR(Sine(x), std::sin(x), 1e-14) << x;
    ASSERT_NEAR(Cosine(x), std::cos(x), 1e-14) << x;
  }
  for (double y = -3; y <= 3; y += 0.173)
    for (double x = -3; x <= 3; x += 0.119) ASSERT_NEAR(ArcTangent2(y, x), std::atan2(y, x), 1e-14) << y << "," << x;
  EXPECT_DOUBLE_EQ(ArcTangent2(0, -1), kPi);
  EXPECT_DOUBLE_EQ(ArcTangent2(1, 0), kPi / 2);
  EXPECT_DOUBLE_EQ(ArcTangent2(-1, 0), -kPi / 2);
}

TEST(SynthMath, AnglesWrapIntoTheirRanges) {
  EXPECT_DOUBLE_EQ(WrapDegrees(-10), 350);
  EXPECT_DOUBLE_EQ(WrapDegrees(720), 0);
  EXPECT_DOUBLE_EQ(WrapDegrees(-1e-18), 0);  // would round up to 360
  EXPECT_DOUBLE_EQ(SignedDegrees(190), -170);
  EXPECT_DOUBLE_EQ(SignedDegrees(-180), 180);
}

TEST(SynthRandom, DistributionsHaveTheirRangeAndMoments) {
  SynthRandom random(99);
  double sum = 0, squares = 0;
  constexpr int kDraws = 200000;
  std::vector<int> bins(7, 0);
  for (int i = 0; i < kDraws; ++i) {
    const double u = random.Uniform();
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
    const uint32_t b = random.Below(7);
    ASSERT_LT(b, 7u);
    ++bins[b];
    const double g = random.Gaussian();
    sum += g;
    squares += g * g;
  }
  EXPECT_NEAR(sum / kDraws, 0, 0.01);
  EXPECT_NEAR(squares / kDraws, 1, 0.02);
  for (int n : bins) EXPECT_NEAR(n, kDraws / 7.0, kDraws / 7.0 * 0.03);
}

TEST(SynthN2k, FieldsPackLeastSignificantBitFirstAcrossBytes) {
  N2kFieldWriter w(4);
  w.PutRaw(0, 2, 0);       // two low bits cleared, the rest of byte 0 stays reserved (1)
  w.PutRaw(4, 12, 0xABC);  // straddles bytes 0 and 1
  w.PutRaw(16, 16, 0x1234);
  EXPECT_EQ(w.Data(), (std::vector<uint8_t>{0xCC, 0xAB, 0x34, 0x12}));
}

TEST(SynthN2k, ValuesStayClearOfNotAvailable) {
  N2kFieldWriter w(6);
  w.PutUnsigned(0, 16, 1e9, 1);  // far too large: the highest data value, 0xFFFC
  w.PutSigned(16, 16, -2.5, 0.01);
  w.PutSigned(32, 16, -1e9, 1);  // far too small: -0x7FFF
  EXPECT_EQ(w.Data(), (std::vector<uint8_t>{0xFC, 0xFF, 0x06, 0xFF, 0x01, 0x80}));
  N2kFieldWriter positive(2);
  positive.PutSigned(0, 16, 1e9, 1);  // 0x7FFC, below "reserved"
  EXPECT_EQ(positive.Data(), (std::vector<uint8_t>{0xFC, 0x7F}));
}

// Known answers written from the published field layouts.
TEST(SynthN2k, PayloadsFollowThePublishedLayouts) {
  VesselState s;
  s.depthM = 12.34;
  s.transducerOffsetM = 0.6;
  EXPECT_EQ(N2kWaterDepth(5, s), (std::vector<uint8_t>{5, 0xD2, 0x04, 0, 0, 0x58, 0x02, 10}));
  s.latDeg = -33.8688;
  s.lonDeg = 151.2093;
  // -338688000 and 1512093000 in 1e-7 degree
  EXPECT_EQ(N2kPositionRapid(s), (std::vector<uint8_t>{0x00, 0x08, 0xD0, 0xEB, 0x48, 0xB5, 0x20, 0x5A}));
  s.cogDeg = 90;
  s.sogKn = 10;
  // 15708 (1e-4 rad), 514 (0.01 m/s); true reference with reserved bits set
  EXPECT_EQ(N2kCogSogRapid(1, s), (std::vector<uint8_t>{1, 0xFC, 0x5C, 0x3D, 0x02, 0x02, 0xFF, 0xFF}));
  const std::vector<uint8_t> payload = KvtTimestampedPayload({129026, 2, 10}, 0x01020304, N2kCogSogRapid(1, s));
  EXPECT_EQ(std::vector<uint8_t>(payload.begin(), payload.begin() + 11),
            (std::vector<uint8_t>{2, 0x02, 0xF8, 0x01, 255, 10, 0x04, 0x03, 0x02, 0x01, 8}));
}

TEST(SynthN183, PositionsRoundInMinutesAndNameTheirHemisphere) {
  VesselState s;
  s.latDeg = 49.99999999999;  // 59.9999999 minutes carry into the degrees
  s.lonDeg = -4.5;
  const CivilTime utc{2026, 6, 14, 9, 5, 7, 250};
  EXPECT_EQ(GllSentence(utc, s), "$GPGLL,5000.00000,N,00430.00000,W,090507.25,A,D");
  s.latDeg = -0.5;
  s.lonDeg = 179.25;
  EXPECT_EQ(GllSentence(utc, s), "$GPGLL,0030.00000,S,17915.00000,E,090507.25,A,D");
}

TEST(SynthN183, SatellitesSplitIntoGroupsOfFour) {
  std::vector<Satellite> sats;
  for (uint8_t prn = 1; prn <= 9; ++prn) sats.push_back({prn, 45, 359.7, 40, true});
  const std::vector<std::string> group = GsvSentences(sats);
  ASSERT_EQ(group.size(), 3u);
  EXPECT_EQ(group[0], "$GPGSV,3,1,09,01,45,000,40,02,45,000,40,03,45,000,40,04,45,000,40");
  EXPECT_EQ(group[2], "$GPGSV,3,3,09,09,45,000,40");
}

}  // namespace
