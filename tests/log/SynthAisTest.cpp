// The AIS armour against real transponder output: fields read by hand from
// a captured !AIVDM line, and the same fields encoded back into that line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "log/synth/AisPayloads.h"

namespace {

// Bits of an armoured payload, most significant first, read independently
// of the encoder: '0'..'W' are 0..39, '`'..'w' are 40..63.
std::vector<int> Dearmour(const std::string& payload, int fillBits) {
  std::vector<int> bits;
  for (char c : payload) {
    int v = c - 48;
    if (v > 40) v -= 8;
    for (int i = 5; i >= 0; --i) bits.push_back((v >> i) & 1);
  }
  bits.resize(bits.size() - static_cast<size_t>(fillBits));
  return bits;
}

int64_t Field(const std::vector<int>& bits, size_t start, size_t width, bool isSigned = false) {
  int64_t v = 0;
  for (size_t i = 0; i < width; ++i) v = (v << 1) | bits.at(start + i);
  if (isSigned && bits[start]) v -= int64_t{1} << width;
  return v;
}

// From the corpus of real captures: the sentence and the expected decode.
// {"type":1,"mmsi":371798000,"status":0,"turn":-127,"speed":123,
//  "accuracy":true,"lon":-74037230,"lat":29028980,"course":2240,
//  "heading":215,"second":33,"maneuver":0,"raim":false,"radio":34017}
constexpr const char* kRealType1 = "!AIVDM,1,1,,A,15RTgt0PAso;90TKcjM8h6g208CQ,0*4A";
constexpr const char* kRealType1Payload = "15RTgt0PAso;90TKcjM8h6g208CQ";

AisPositionReport RealType1Fields() {
  AisPositionReport r;
  r.messageType = 1;
  r.mmsi = 371798000;
  r.navStatus = 0;
  r.rateOfTurn = -127;
  r.sog = 123;
  r.accuracy = true;
  r.lon = -74037230;
  r.lat = 29028980;
  r.cog = 2240;
  r.heading = 215;
  r.second = 33;
  r.maneuver = 0;
  r.raim = false;
  r.radio = 34017;
  return r;
}

TEST(SynthAis, RealPositionReportReadsAsItsExpectedDecode) {
  const std::vector<int> bits = Dearmour(kRealType1Payload, 0);
  ASSERT_EQ(bits.size(), 168u);
  EXPECT_EQ(Field(bits, 0, 6), 1);
  EXPECT_EQ(Field(bits, 8, 30), 371798000);
  EXPECT_EQ(Field(bits, 42, 8, true), -127);
  EXPECT_EQ(Field(bits, 50, 10), 123);
  EXPECT_EQ(Field(bits, 61, 28, true), -74037230);
  EXPECT_EQ(Field(bits, 89, 27, true), 29028980);
  EXPECT_EQ(Field(bits, 116, 12), 2240);
  EXPECT_EQ(Field(bits, 128, 9), 215);
  EXPECT_EQ(Field(bits, 149, 19), 34017);
}

TEST(SynthAis, PositionReportEncodesToTheRealSentence) {
  const AisArmoured armoured = EncodePositionReport(RealType1Fields());
  EXPECT_EQ(armoured.payload, kRealType1Payload);
  EXPECT_EQ(armoured.fillBits, 0);
  const std::vector<std::string> sentences = AivdmSentences(armoured, 'A', 0);
  ASSERT_EQ(sentences.size(), 1u);
  EXPECT_EQ(sentences[0] + "*4A", kRealType1);
}

// {"type":5,"mmsi":351759000,"imo":9134270,"ais_version":0,"callsign":"3FOF8",
//  "shipname":"EVER DIADEM","shiptype":70,"to_bow":225,"to_stern":70,
//  "to_port":1,"to_starboard":31,"epfd":1,"eta":"05-15T14:00Z",
//  "draught":122,"destination":"NEW YORK","dte":0}
TEST(SynthAis, StaticDataSplitsIntoTheRealTwoFragments) {
  AisStaticVoyage d;
  d.mmsi = 351759000;
  d.imo = 9134270;
  d.callSign = "3FOF8";
  d.name = "EVER DIADEM";
  d.shipType = 70;
  d.toBow = 225;
  d.toStern = 70;
  d.toPort = 1;
  d.toStarboard = 31;
  d.epfd = 1;
  d.etaMonth = 5;
  d.etaDay = 15;
  d.etaHour = 14;
  d.etaMinute = 0;
  d.draught = 122;
  d.destination = "NEW YORK";
  const AisArmoured armoured = EncodeStaticVoyage(d);
  EXPECT_EQ(armoured.fillBits, 2);
  const std::vector<std::string> sentences = AivdmSentences(armoured, 'A', 1);
  ASSERT_EQ(sentences.size(), 2u);
  EXPECT_EQ(sentences[0], "!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0");
  EXPECT_EQ(sentences[1], "!AIVDM,2,2,1,A,88888888880,2");
}

TEST(SynthAis, RateOfTurnIndicatorFollowsTheSquareRootLaw) {
  EXPECT_EQ(AisRateOfTurn(0), 0);
  EXPECT_EQ(AisRateOfTurn(10), 15);     // 4.733 * sqrt(10) = 14.97
  EXPECT_EQ(AisRateOfTurn(-10), -15);
  EXPECT_EQ(AisRateOfTurn(720), 127);   // beyond 708 degrees a minute
  EXPECT_EQ(AisRateOfTurn(-720), -127);
}

}  // namespace
