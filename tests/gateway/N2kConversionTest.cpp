// NMEA 2000 both ways: received PGNs into the NMEA 2000 repository, and
// outgoing PGNs built byte for byte from the NMEA 0183 repository.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decode/N2kDecoder.h"
#include "gateway/DatatypeFormat.h"
#include "gateway/N2kMessageBuilder.h"
#include "gateway/N2kToRepository.h"
#include "tests/gateway/GatewayDatabase.h"

namespace {

constexpr uint32_t kNow = 10000;

struct PgnReceiver {
  PgnReceiver() {
    SetGatewayClock(kNow);
    ctx.repository = &repository;
    ctx.database = &FullDatabase();
  }
  void Receive(uint32_t pgn, std::vector<uint8_t> bytes, uint8_t source = 10) {
    N2kMessage m;
    m.time = kNow;
    m.pgn = pgn;
    m.source = source;
    m.length = static_cast<int32_t>(bytes.size());
    m.data = bytes.data();
    ConvertPgnToRepository(ctx, m);
  }
  RepositoryValue Read(uint32_t datatype, uint32_t instance = 0) {
    RepositoryValue v;
    GetValue(&repository, datatype, instance, false, v);
    return v;
  }
  Repository repository = MakeRepository(kN2kRepository);
  N2kReceiveContext ctx;
};

TEST(PgnToRepository, SelectorFieldsChooseTheDatatype) {
  struct Case {
    uint32_t pgn;
    std::vector<uint8_t> data;
    uint32_t written;
    int64_t value;
    std::vector<uint32_t> untouched;
  };
  const Case cases[] = {
      // Heading 1.0000 rad referenced to magnetic north.
      {127250, {0x01, 0x10, 0x27, 0xFF, 0x7F, 0xFF, 0x7F, 0xFD}, RD_HeadingSensorMag, 10000, {RD_HeadingSensorTrue}},
      {127250, {0x01, 0x10, 0x27, 0xFF, 0x7F, 0xFF, 0x7F, 0xFC}, RD_HeadingSensorTrue, 10000, {RD_HeadingSensorMag}},
      // Rudder instance 1 is the second rudder.
      {127245, {0x01, 0xFF, 0xFF, 0xFF, 0x64, 0x00, 0xFF, 0xFF}, RD_RudderAngle2, 100, {RD_RudderAngle1}},
      {127245, {0x00, 0xFF, 0xFF, 0xFF, 0x64, 0x00, 0xFF, 0xFF}, RD_RudderAngle1, 100, {RD_RudderAngle2}},
      // Wind reference 2 is apparent wind; 3 true wind referenced to the boat.
      {130306, {0x00, 0x02, 0x02, 0xAE, 0x1E, 0xFA, 0xFF, 0xFF}, RD_WindSpeedApparent, 514,
       {RD_WindSpeedGround, RD_WindSpeedTrueBoatRef, RD_WindDirectionTrue, RD_WindDirectionTrueBoatRef}},
      {130306, {0x00, 0x02, 0x02, 0xAE, 0x1E, 0xFB, 0xFF, 0xFF}, RD_WindDirectionTrueBoatRef, 7854,
       {RD_WindSpeedApparent, RD_WindDirectionApparent, RD_WindDirectionTrue}},
      // Temperature source 1 is the outside air.
      {130312, {0x00, 0x00, 0x01, 0x19, 0x73, 0xFF, 0xFF, 0xFF}, RD_AirTemp, 29465, {RD_WaterTemp}},
  };
  for (const Case& c : cases) {
    PgnReceiver rx;
    rx.Receive(c.pgn, c.data);
    ASSERT_NE(rx.ctx.matched, nullptr) << c.pgn;
    EXPECT_EQ(rx.Read(c.written).status, VS_Valid) << c.pgn << " " << GetRepositoryName(c.written);
    EXPECT_EQ(rx.Read(c.written).value, c.value) << c.pgn << " " << GetRepositoryName(c.written);
    for (uint32_t d : c.untouched) EXPECT_EQ(rx.Read(d).status, VS_NoDataYet) << c.pgn << " " << GetRepositoryName(d);
  }
}

TEST(PgnToRepository, ReservedPatternsGiveTheirStatus) {
  struct Case {
    std::vector<uint8_t> data;
    uint32_t datatype;
    ValueStatus status;
  };
  const Case cases[] = {
      {{0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF}, RD_WaterDepth, VS_NotAvailable},
      {{0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF}, RD_WaterDepth, VS_OutOfRange},
      {{0x00, 0xFD, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF}, RD_WaterDepth, VS_Reserved},
      {{0x00, 0x77, 0x01, 0x00, 0x00, 0xFF, 0x7F, 0xFF}, RD_WaterDepthOffset, VS_NotAvailable},
      {{0x00, 0x77, 0x01, 0x00, 0x00, 0x2C, 0xFF, 0xFF}, RD_WaterDepthOffset, VS_Valid},
      // A message shorter than its fields reads them as not available.
      {{0x00, 0x77, 0x01}, RD_WaterDepth, VS_NotAvailable},
  };
  for (const Case& c : cases) {
    PgnReceiver rx;
    rx.Receive(128267, c.data);
    EXPECT_EQ(rx.Read(c.datatype).status, c.status) << GetRepositoryName(c.datatype);
  }
  PgnReceiver rx;
  rx.Receive(128267, {0x00, 0x77, 0x01, 0x00, 0x00, 0x2C, 0xFF, 0xFF});
  EXPECT_EQ(rx.Read(RD_WaterDepth).value, 375);
  EXPECT_EQ(rx.Read(RD_WaterDepthOffset).value, -212);
}

TEST(PgnToRepository, UnknownPgnsAndRefusedSourcesConvertNothing) {
  PgnReceiver rx;
  rx.Receive(65280, {1, 2, 3, 4, 5, 6, 7, 8});
  EXPECT_EQ(rx.ctx.matched, nullptr);
  rx.Receive(128267, {0x00, 0x77, 0x01, 0x00, 0x00, 0x2C, 0xFF, 0xFF}, 10);
  rx.Receive(128267, {0x00, 0x00, 0x02, 0x00, 0x00, 0x2C, 0xFF, 0xFF}, 20);
  EXPECT_EQ(rx.Read(RD_WaterDepth).value, 375);
}

std::vector<uint8_t> Satellite(uint8_t prn, uint8_t usage, bool withSnr) {
  return {prn, 0x10, 0x00, 0x20, 0x00, static_cast<uint8_t>(withSnr ? 0x10 : 0xFF), static_cast<uint8_t>(withSnr ? 0x0E : 0xFF),
          0xFF, 0xFF, 0xFF, 0x7F, static_cast<uint8_t>(0xF0 | usage)};
}

std::vector<uint8_t> SatellitesInView(uint8_t count, const std::vector<std::vector<uint8_t>>& satellites) {
  std::vector<uint8_t> data = {0x00, 0xFF, count};
  for (const auto& s : satellites) data.insert(data.end(), s.begin(), s.end());
  return data;
}

TEST(PgnToRepository, SolutionPrnsAreTheSatellitesUsed) {
  PgnReceiver rx;
  // Usage 2 is "Used", 5 "Used+Diff"; 0 "Not tracked" and 4 "Tracked+Diff" are not in the solution.
  rx.Receive(129540, SatellitesInView(4, {Satellite(7, 2, true), Satellite(9, 0, false), Satellite(12, 4, true),
                                          Satellite(30, 5, true)}));
  EXPECT_EQ(rx.Read(RD_GNSS_SatPRN, 2).value, 12);
  EXPECT_EQ(rx.Read(RD_GNSS_SatPRNStatus, 3).value, 5);
  EXPECT_EQ(rx.Read(RD_GNSS_SatSolutionPRN, 0).value, 7);
  EXPECT_EQ(rx.Read(RD_GNSS_SatSolutionPRN, 1).value, 30);
  for (uint32_t i = 2; i < 12; ++i) EXPECT_EQ(rx.Read(RD_GNSS_SatSolutionPRN, i).status, VS_NotAvailable) << i;
}

TEST(PgnToRepository, RepetitionsStopAtTheEndOfTheMessage) {
  PgnReceiver rx;
  // The count says 12 satellites; the message carries one.
  rx.Receive(129540, SatellitesInView(12, {Satellite(7, 2, true)}));
  EXPECT_EQ(rx.Read(RD_GNSS_SatPRN, 0).value, 7);
  EXPECT_EQ(rx.Read(RD_GNSS_SatPRN, 1).status, VS_NoDataYet);
  // A count that cannot be read still converts the first repetition.
  PgnReceiver again;
  again.Receive(129540, SatellitesInView(0xFF, {Satellite(8, 2, true)}));
  EXPECT_EQ(again.Read(RD_GNSS_SatPRN, 0).value, 8);
}

struct Transmitter {
  Transmitter() {
    SetGatewayClock(kNow);
    UpdateSource(&repository, 1, 0, kNow);
    builder.repository = &repository;
    builder.database = &FullDatabase();
  }
  void Set(uint32_t datatype, int64_t value, int exponent, uint32_t instance = 0) {
    SetValue(&repository, datatype, instance, Value(value, exponent), 1);
  }
  int32_t Build(uint32_t pgn, uint32_t instance = 0) {
    return BuildPgn(builder, FindN2KTxPGN(FullDatabase(), pgn), instance);
  }
  std::string Bytes() const {
    std::string hex;
    for (uint32_t i = 0; i < builder.length; ++i) {
      static const char kDigits[] = "0123456789ABCDEF";
      if (i) hex += ' ';
      hex += kDigits[builder.data[i] >> 4];
      hex += kDigits[builder.data[i] & 15];
    }
    return hex;
  }
  Repository repository = MakeRepository(kN183Repository);
  N2kMessageBuilder builder;
};

TEST(RepositoryToPgn, BytesOfEachPgn) {
  struct Case {
    const char* what;
    uint32_t pgn;
    uint32_t instance;
    std::vector<std::pair<uint32_t, int64_t>> values;  // datatype, number at its own exponent
    const char* bytes;
  };
  const Case cases[] = {
      {"depth", 128267, 0, {{RD_WaterDepth, 375}}, "FF 77 01 00 00 FF 7F FF"},
      {"position", 129025, 0, {{RD_LatitudeWGS84, 481173000000000000}, {RD_LongitudeWGS84, 115166660000000000}},
       "08 1E AE 1C C4 4D DD 06"},
      {"cross-track error", 129283, 0, {{RD_XTE, -124084}, {RD_XTEPosMode, 1}}, "FF F1 4C 1B FE FF FF FF"},
      {"rate of turn", 127251, 0, {{RD_RateOfTurn, 27936}}, "FF 20 6D 00 00 FF FF FF"},
      {"water speed", 128259, 0, {{RD_SpeedWaterRef, 514}}, "FF 02 02 FF FF FF FF"},
      {"dilution of precision", 129539, 0, {{RD_GNSSSetMode, 3}, {RD_GNSSOpMode, 2}, {RD_GNSSHDOP, 90}, {RD_GNSSVDOP, 210}},
       "FF D3 5A 00 D2 00 FF 7F"},
      {"true wind", 130306, 0, {{RD_WindSpeedGround, 514}, {RD_WindDirectionTrue, 7854}, {RD_WindSpeedApparent, 300}},
       "FF 02 02 AE 1E F8 FF FF"},
      {"apparent wind", 130306, 2, {{RD_WindSpeedGround, 514}, {RD_WindSpeedApparent, 300}, {RD_WindDirectionApparent, 100}},
       "FF 2C 01 64 00 FA FF FF"},
      {"second rudder", 127245, 1, {{RD_RudderAngle1, 5}, {RD_RudderAngle2, 100}}, "01 FF FF 7F 64 00 FF FF"},
      {"air temperature", 130312, 1, {{RD_AirTemp, 29465}, {RD_WaterTemp, 28815}}, "FF 01 01 19 73 FF FF FF"},
  };
  for (const Case& c : cases) {
    Transmitter tx;
    for (const auto& [datatype, value] : c.values) tx.Set(datatype, value, FormatOfDatatype(datatype).exponent);
    EXPECT_EQ(tx.Build(c.pgn, c.instance), 0) << c.what;
    EXPECT_EQ(tx.Bytes(), c.bytes) << c.what;
    EXPECT_EQ(tx.builder.pgn, c.pgn);
    EXPECT_EQ(tx.builder.destination, 255);
  }
}

TEST(RepositoryToPgn, NothingToSendAndInstanceRules) {
  Transmitter tx;
  EXPECT_EQ(tx.Build(128267), kBuildNothingToSend);
  EXPECT_EQ(BuildPgn(tx.builder, nullptr, 0), kBuildNoEntry);
  tx.Set(RD_WaterDepth, 375, -2);
  SetGatewayClock(kNow + 4001);
  EXPECT_EQ(tx.Build(128267), kBuildNothingToSend);
  // The engine instance comes from the repository, never from the request.
  Transmitter engine;
  engine.Set(RD_EngineSpeedRPMInstance, 7, 0);
  engine.Set(RD_EngineSpeedRPM, 4000, 0);
  ASSERT_EQ(engine.Build(127488, 1), 0);
  EXPECT_EQ(engine.builder.data[0], 7);
}

TEST(RepositoryToPgn, RepeatingSetsFitTheBufferOrStop) {
  // Reference stations repeat from bit 344 in 32-bit sets after the fixed part.
  Transmitter tx;
  tx.Set(RD_Date, 11872, 0);
  tx.Set(RD_UTC, 453190000, -4);
  tx.Set(RD_LatitudeWGS84, 481173000000000000, -16);
  tx.Set(RD_LongitudeWGS84, 115166660000000000, -16);
  tx.Set(RD_GNSSNumRefStations, 2, 0);
  tx.Set(RD_GNSS_RefStationType, 1, 0, 0);
  tx.Set(RD_GNSS_RefStationID, 0x123, 0, 0);
  ASSERT_EQ(tx.Build(129029), 0);
  EXPECT_EQ(tx.builder.length, (344u + 2u * 32u) / 8u);
  EXPECT_EQ(tx.builder.data[43], 0x31);
  EXPECT_EQ(tx.builder.data[44], 0x12);
  tx.Set(RD_GNSSNumRefStations, 45, 0);
  ASSERT_EQ(tx.Build(129029), 0);
  EXPECT_EQ(tx.builder.length, 223u);
  // One more set would end past byte 224 once the fixed part is counted.
  tx.Set(RD_GNSSNumRefStations, 46, 0);
  EXPECT_EQ(tx.Build(129029), kBuildRepeatsTooLong);
}

TEST(RepositoryToPgn, StaleTextKeepsTheFill) {
  Transmitter tx;
  tx.Set(RD_AIS_UserID, 351759000, 0);
  SlotCursor name;
  ASSERT_EQ(OpenSlot(&tx.repository, RD_AIS_Name, 0, 1, false, name), 0);
  for (char c : std::string("EVER DIADEM")) name.PutByte(static_cast<uint8_t>(c));
  name.SetStatus(VS_Valid);
  ASSERT_EQ(tx.Build(129794), 0);
  const std::string withName = tx.Bytes();
  EXPECT_NE(withName.find("45 56 45 52"), std::string::npos);  // "EVER"
  name.SetStatus(VS_NotAvailable);
  tx.Set(RD_AIS_UserID, 351759000, 0);
  ASSERT_EQ(tx.Build(129794), 0);
  EXPECT_EQ(tx.Bytes().find("45 56 45 52"), std::string::npos);
}

TEST(RepositoryToPgn, PendingPgnIsSentOnce) {
  Transmitter tx;
  tx.Set(RD_AIS_UserID, 351759000, 0);
  tx.builder.pendingPgn = 129794;
  int sent = 0;
  EXPECT_TRUE(SendPendingPgn(tx.builder, [&](const N2kMessageBuilder& b) { sent += b.pgn == 129794; }));
  EXPECT_EQ(sent, 1);
  EXPECT_FALSE(SendPendingPgn(tx.builder, [&](const N2kMessageBuilder&) { ++sent; }));
  EXPECT_EQ(sent, 1);
}

}  // namespace
