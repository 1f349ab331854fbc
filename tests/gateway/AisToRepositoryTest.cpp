// Real AIS sentences of the shared corpus through the receive direction,
// checked against the independent expected decodes that come with them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "gateway/AisPayload.h"
#include "gateway/N183ToRepository.h"
#include "gateway/TimeSource.h"
#include "tests/gateway/GatewayDatabase.h"

namespace {

const std::filesystem::path kAisCorpus =
    std::filesystem::path(QLX_SOURCE_DIR) / ".." / "shared" / "corpus" / "real-nmea0183-ais" / "ais.jsonl";

// The few JSON shapes of the corpus file: an object of scalars, strings
// without escapes, and the "sentences" array of strings.
struct Expected {
  std::string object;
  bool Has(const std::string& key) const { return object.find("\"" + key + "\":") != std::string::npos; }
  std::string Raw(const std::string& key) const {
    const size_t at = object.find("\"" + key + "\":");
    if (at == std::string::npos) return "";
    size_t begin = at + key.size() + 3;
    if (object[begin] == '"') {
      const size_t end = object.find('"', begin + 1);
      return object.substr(begin + 1, end - begin - 1);
    }
    const size_t end = object.find_first_of(",}", begin);
    return object.substr(begin, end - begin);
  }
  double Number(const std::string& key) const { return std::strtod(Raw(key).c_str(), nullptr); }
  // Some decodes are given in the message's own steps: 1/10 000 minute, 0.1 knot, 0.1 degree.
  double Scaled(const std::string& key, double step) const {
    return Raw("scaled") == "false" ? Number(key) * step : Number(key);
  }
};

struct CorpusMessage {
  int type = 0;
  std::vector<std::string> sentences;
  Expected expected;  // empty object when the corpus has no decode
  std::string mmsi;
};

std::vector<CorpusMessage> ReadCorpus() {
  std::vector<CorpusMessage> messages;
  std::ifstream in(kAisCorpus);
  std::string line;
  while (std::getline(in, line)) {
    CorpusMessage m;
    const size_t s = line.find("\"sentences\":[");
    const size_t e = line.find(']', s);
    for (size_t q = line.find('"', s + 13); q < e; q = line.find('"', q + 1)) {
      const size_t close = line.find('"', q + 1);
      m.sentences.push_back(line.substr(q + 1, close - q - 1));
      q = close;
    }
    const size_t x = line.find("\"expected\":{");
    if (x != std::string::npos) m.expected.object = line.substr(x + 11, line.find('}', x) - x - 10);
    const size_t t = line.rfind("\"type\":");
    m.type = std::atoi(line.c_str() + t + 7);
    const size_t k = line.rfind("\"mmsi\":");
    m.mmsi = line.substr(k + 7, line.find_first_of(",}", k) - k - 7);
    messages.push_back(m);
  }
  return messages;
}

struct AisReceiver {
  AisReceiver() {
    SetGatewayClock(1000);
    ctx.repository = &repository;
    ctx.database = &FullDatabase();
    ctx.pendingPgn = &pendingPgn;
  }
  void Receive(const std::vector<std::string>& sentences) {
    for (const std::string& s : sentences) {
      ConvertSentenceToRepository(ctx, s.c_str(), static_cast<uint32_t>(s.size()), 1000);
    }
  }
  RepositoryValue Read(uint32_t datatype) {
    RepositoryValue v;
    GetValue(&repository, datatype, 0, false, v);
    return v;
  }
  std::string Text(uint32_t datatype) {
    SlotCursor c;
    OpenSlotRaw(&repository, datatype, 0, false, c);
    std::string text;
    while (!c.AtEnd()) text += static_cast<char>(c.GetByte(0));
    // "@" ends an AIS text, as the expected decodes read it.
    text = text.substr(0, text.find('@'));
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
  }
  Repository repository = MakeRepository(kN183Repository);
  uint32_t pendingPgn = 0;
  N183ReceiveContext ctx;
};

double Scaled(const RepositoryValue& v) { return static_cast<double>(v.value) * std::pow(10.0, v.exponent); }
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kKnotsPerMetrePerSecond = 3600.0 / 1852.0;

void CheckPosition(AisReceiver& rx, const Expected& e, const std::string& where) {
  const RepositoryValue lat = rx.Read(RD_AIS_LatitudeWGS84);
  const RepositoryValue lon = rx.Read(RD_AIS_LongitudeWGS84);
  if (e.Scaled("lat", 1.0 / 600000) > 90.5) {
    EXPECT_EQ(lat.status, VS_NotAvailable) << where;
  } else {
    ASSERT_EQ(lat.status, VS_Valid) << where;
    EXPECT_NEAR(Scaled(lat), e.Scaled("lat", 1.0 / 600000), 1e-6) << where;
  }
  if (e.Scaled("lon", 1.0 / 600000) > 180.5) {
    EXPECT_EQ(lon.status, VS_NotAvailable) << where;
  } else {
    ASSERT_EQ(lon.status, VS_Valid) << where;
    EXPECT_NEAR(Scaled(lon), e.Scaled("lon", 1.0 / 600000), 1e-6) << where;
  }
  const RepositoryValue sog = rx.Read(RD_AIS_SOG);
  if (e.Scaled("speed", 0.1) > 102.25) {
    EXPECT_EQ(sog.status, VS_NotAvailable) << where;
  } else {
    EXPECT_NEAR(Scaled(sog) * kKnotsPerMetrePerSecond, e.Scaled("speed", 0.1), 0.01) << where;
  }
  const RepositoryValue cog = rx.Read(RD_AIS_COG);
  if (e.Scaled("course", 0.1) >= 360.0) {
    EXPECT_EQ(cog.status, VS_NotAvailable) << where;
  } else {
    EXPECT_NEAR(Scaled(cog) * kDegreesPerRadian, e.Scaled("course", 0.1), 0.01) << where;
  }
  const RepositoryValue heading = rx.Read(RD_AIS_HeadingTrue);
  if (e.Number("heading") == 511) {
    EXPECT_EQ(heading.status, VS_NotAvailable) << where;
  } else {
    EXPECT_NEAR(Scaled(heading) * kDegreesPerRadian, e.Number("heading"), 0.01) << where;
  }
}

// gpsd reports an absent dimension as 0; the gateway sums only two present ones.
void CheckDimensions(AisReceiver& rx, const Expected& e, const std::string& where) {
  const double bow = e.Number("to_bow"), stern = e.Number("to_stern");
  const double port = e.Number("to_port"), starboard = e.Number("to_starboard");
  const RepositoryValue length = rx.Read(RD_AIS_ShipLength);
  const RepositoryValue beam = rx.Read(RD_AIS_ShipBeam);
  if (bow > 0 && stern > 0) {
    EXPECT_NEAR(Scaled(length), bow + stern, 1e-9) << where;
  } else {
    EXPECT_EQ(length.status, VS_NotAvailable) << where;
  }
  if (port > 0 && starboard > 0) {
    EXPECT_NEAR(Scaled(beam), port + starboard, 1e-9) << where;
  } else {
    EXPECT_EQ(beam.status, VS_NotAvailable) << where;
  }
}

TEST(AisToRepository, CorpusMessagesMatchTheirExpectedDecodes) {
  if (!std::filesystem::exists(kAisCorpus)) GTEST_SKIP() << "no corpus beside the repository";
  std::map<std::string, std::vector<std::string>> partA;
  std::map<int, int> checked;
  for (const CorpusMessage& m : ReadCorpus()) {
    if (m.type == 24 && m.expected.object.empty()) partA[m.mmsi] = m.sentences;
    if (m.expected.object.empty()) continue;
    if (m.type != 1 && m.type != 5 && m.type != 18 && m.type != 19 && m.type != 24) continue;
    const Expected& e = m.expected;
    const std::string where = m.sentences.front();
    AisReceiver rx;
    if (m.type == 24) {
      if (!partA.count(m.mmsi) || !e.Has("shipname")) continue;
      rx.Receive(partA[m.mmsi]);
    }
    rx.Receive(m.sentences);
    ASSERT_EQ(rx.Read(RD_AIS_MessageID).value, m.type) << where;
    EXPECT_EQ(std::to_string(rx.Read(RD_AIS_UserID).value), e.Raw("mmsi")) << where;
    if (m.type == 1 || m.type == 18 || m.type == 19) CheckPosition(rx, e, where);
    if (m.type == 5 || m.type == 19 || m.type == 24) {
      EXPECT_EQ(rx.Text(RD_AIS_Name), e.Raw("shipname")) << where;
      EXPECT_EQ(rx.Read(RD_AIS_ShipOrCargoType).value, e.Number("shiptype")) << where;
      CheckDimensions(rx, e, where);
    }
    if (m.type == 5 || m.type == 24) {
      EXPECT_EQ(rx.Text(RD_AIS_CallSign), e.Raw("callsign")) << where;
    }
    if (m.type == 5) {
      EXPECT_EQ(rx.Text(RD_AIS_Destination), e.Raw("destination")) << where;
      EXPECT_EQ(rx.Read(RD_AIS_IMO_ID).value, e.Number("imo")) << where;
      EXPECT_EQ(rx.pendingPgn, 129794u);
      // Without a current date the arrival date has no year.
      const bool noMonth = e.Raw("eta").rfind("00-", 0) == 0;
      EXPECT_EQ(rx.Read(RD_AIS_EstimatedArrivalDate).status, noMonth ? VS_NotAvailable : VS_TimeOut) << where;
    }
    ++checked[m.type];
  }
  for (int type : {1, 5, 18, 19, 24}) EXPECT_GT(checked[type], 0) << type;
}

TEST(AisToRepository, ValuesAreUsedOnceReadAndAskForTheirPgn) {
  AisReceiver rx;
  rx.Receive({"!AIVDM,1,1,,A,15RTgt0PAso;90TKcjM8h6g208CQ,0*4A"});
  EXPECT_EQ(rx.pendingPgn, 129038u);
  EXPECT_EQ(rx.Read(RD_AIS_UserID).status, VS_Valid);
  EXPECT_EQ(rx.Read(RD_AIS_UserID).status, VS_Used);
  // Turning fast left: the rate of turn is the fast-turn square with its sign.
  const RepositoryValue rot = rx.Read(RD_AIS_RateOfTurn);
  EXPECT_EQ(rot.status, VS_Valid);
  EXPECT_LT(rot.value, 0);
}

TEST(AisToRepository, PayloadsThatOverflowOrStopShortWriteNothingStale) {
  AisReceiver rx;
  // A message 5 whose second fragment never comes decodes nothing.
  rx.Receive({"!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0*1C"});
  EXPECT_EQ(rx.Read(RD_AIS_Name).status, VS_NoDataYet);
  // Fragments that together pass the 1600-bit accumulator are abandoned.
  const std::string fill(60, 'w');
  rx.Receive({"!AIVDM,5,1,2,A,5" + fill + ",0", "!AIVDM,5,2,2,A," + fill + ",0", "!AIVDM,5,3,2,A," + fill + ",0",
              "!AIVDM,5,4,2,A," + fill + ",0", "!AIVDM,5,5,2,A," + fill + ",0"});
  EXPECT_EQ(rx.Read(RD_AIS_MessageID).status, VS_NoDataYet);
  // A full message 5, then a message 5 cut after the call sign: the name
  // past the filled bits is not available, not the earlier ship's name.
  rx.Receive({"!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0*1C",
              "!AIVDM,2,2,1,A,88888888880,2*25"});
  EXPECT_EQ(rx.Text(RD_AIS_Name), "EVER DIADEM");
  rx.Receive({"!AIVDM,1,1,,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn22,0*1C"});
  EXPECT_EQ(rx.Read(RD_AIS_Name).status, VS_NotAvailable);
  EXPECT_EQ(rx.Read(RD_AIS_Destination).status, VS_NotAvailable);
}

TEST(AisToRepository, ArrivalDateTakesTheYearOfTheCurrentDate) {
  const std::vector<std::string> message5 = {
      "!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0*1C",
      "!AIVDM,2,2,1,A,88888888880,2*25"};  // arrival 15 May, 14:00
  struct Case {
    int64_t today;    // days since 1970
    int64_t arrival;  // days since 1970
  };
  // 1 June 2024: May has passed, so 15 May 2025; 1 March 2024: 15 May 2024.
  for (const Case c : {Case{19875, 20223}, Case{19783, 19858}}) {
    AisReceiver rx;
    TimeSourceSelection today;
    MakeValue(today.date, c.today, 0);
    today.selectedAt = 1000;
    rx.ctx.timeSource = &today;
    rx.Receive(message5);
    EXPECT_EQ(rx.Read(RD_AIS_EstimatedArrivalDate).value, c.arrival);
    EXPECT_EQ(rx.Read(RD_AIS_EstimatedArrivalTime).value, 14 * 3600 * 10000);
  }
  // A date selected more than an hour ago no longer gives the year.
  AisReceiver late;
  TimeSourceSelection old;
  MakeValue(old.date, 19875, 0);
  old.selectedAt = 1000;
  late.ctx.timeSource = &old;
  SetGatewayClock(1000 + 3600000);
  late.Receive(message5);
  EXPECT_EQ(late.Read(RD_AIS_EstimatedArrivalDate).status, VS_TimeOut);
}

TEST(AisPayload, ArmourRoundTripsEverySixBitValue) {
  AisAccumulator acc;
  std::string text;
  for (int v = 0; v < 64; ++v) text += static_cast<char>(v < 40 ? v + 48 : v + 56);
  ASSERT_TRUE(AppendArmoured(acc, text.c_str()));
  ASSERT_EQ(acc.bits, 384u);
  for (uint32_t v = 0; v < 64; ++v) {
    uint64_t bits = 0;
    ASSERT_TRUE(PayloadBits(acc, 6 * v, 6, bits));
    EXPECT_EQ(bits, v);
  }
  uint64_t bits = 0;
  EXPECT_FALSE(PayloadBits(acc, 380, 6, bits));
}

}  // namespace
