// The simulated gateway end to end: database selection, receive, the time
// source, both transmit schedules and what they emit.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "decode/N2kDecoder.h"
#include "gateway/ClockAge.h"
#include "gateway/RepositoryRows.h"
#include "gateway/WXN.h"
#include "library/DBImageView.h"

namespace {

void ReceiveSentence(CWXN& gateway, const std::string& text, uint32_t now) {
  gateway.ConvertN183(text.c_str(), static_cast<uint32_t>(text.size()), now);
}

void ReceivePgn(CWXN& gateway, uint32_t pgn, std::vector<uint8_t> bytes, uint32_t now) {
  N2kMessage m;
  m.time = now;
  m.pgn = pgn;
  m.source = 7;
  m.length = static_cast<int32_t>(bytes.size());
  m.data = bytes.data();
  gateway.ConvertN2k(m, now);
}

std::vector<uint32_t> Pgns(const CWXN& gateway) {
  std::vector<uint32_t> pgns;
  for (const N2kOutputMessage& m : gateway.N2kOutput()) pgns.push_back(m.pgn);
  return pgns;
}

bool Contains(const std::vector<uint32_t>& v, uint32_t x) { return std::find(v.begin(), v.end(), x) != v.end(); }

const std::string kGll = "$GPGLL,4916.45,N,12311.12,W,225444,A,A*5C";

TEST(GatewayEngine, SelectingADatabaseStartsAfresh) {
  CWXN gateway;
  ReceiveSentence(gateway, kGll, 1000);
  ASSERT_FALSE(RepositoryRows(gateway.Engine().n183Repository, 1000).empty());

  gateway.SelectDatabase("Std", 5000);
  GatewayEngine& engine = gateway.Engine();
  EXPECT_TRUE(RepositoryRows(engine.n183Repository, 5000).empty());
  EXPECT_TRUE(RepositoryRows(engine.n2kRepository, 5000).empty());
  for (uint32_t d = 0; d < kRepositoryDatatypeCount; ++d) {
    RepositoryValue v;
    if (GetValue(&engine.n183Repository, d, 0, false, v) == 0) {
      EXPECT_EQ(v.status, VS_NoDataYet) << d;
    }
  }
  ASSERT_EQ(engine.n2kController.lastSent.size(), CountN2KTxPGNs(engine.database));
  ASSERT_EQ(engine.n183Controller.lastSent.size(), CountN183TxSentences(engine.database));
  ASSERT_GT(engine.n2kController.lastSent.size(), 2u);
  for (uint32_t i = 0; i < engine.n2kController.lastSent.size(); ++i)
    EXPECT_EQ(engine.n2kController.lastSent[i], 5000 + 10 * i);
  for (uint32_t i = 0; i < engine.n183Controller.lastSent.size(); ++i)
    EXPECT_EQ(engine.n183Controller.lastSent[i], 5000 + 10 * i);
}

TEST(GatewayEngine, TimeSourcePrefersTheNmea2000Date) {
  CWXN gateway;
  const TimeSourceSelector& selector = gateway.Engine().timeSource;
  EXPECT_EQ(selector.selection.date.status, VS_NoDataYet);

  // A sentence without a date leaves the selection alone.
  ReceiveSentence(gateway, kGll, 1000);
  EXPECT_EQ(selector.selection.date.status, VS_NoDataYet);
  EXPECT_EQ(selector.datatype, uint32_t{RD_NONE});

  // 19 November 1994 arrives as NMEA 0183 ...
  ReceiveSentence(gateway, "$GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E,A*68", 2000);
  EXPECT_EQ(selector.from, &gateway.Engine().n183Repository);
  EXPECT_EQ(selector.selection.date.value, 9088);
  EXPECT_EQ(selector.selection.selectedAt, 2000u);

  // ... then day 9324 as NMEA 2000: both are valid, the NMEA 2000 one wins.
  ReceivePgn(gateway, 129033, {0x6C, 0x24, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, 3000);
  EXPECT_EQ(selector.from, &gateway.Engine().n2kRepository);
  EXPECT_EQ(selector.datatype, uint32_t{RD_Date});
  EXPECT_EQ(selector.selection.date.value, 9324);
  EXPECT_EQ(selector.selection.selectedAt, 3000u);
}

TEST(GatewayEngine, UnforcedRunsSendOnlyWhatIsDue) {
  CWXN gateway;
  ReceiveSentence(gateway, kGll, 0);
  gateway.RunN2kController(true, 0);
  ASSERT_TRUE(Contains(Pgns(gateway), 129025));
  const uint8_t* entry = FindN2KTxPGN(gateway.Engine().database, 129025);
  ASSERT_NE(entry, nullptr);
  const uint32_t interval = ReadN2KTxPGN(entry).transmitInterval;
  ASSERT_GT(interval, 1u);

  gateway.N2kOutput().clear();
  gateway.RunN2kController(false, interval - 1);
  EXPECT_FALSE(Contains(Pgns(gateway), 129025));
  gateway.RunN2kController(false, interval);
  EXPECT_TRUE(Contains(Pgns(gateway), 129025));
}

// Unforced cycles at an unchanged instant are skipped; what can still be
// sent at that instant must not be lost by it.
TEST(GatewayEngine, RepeatedInstantSendsOnlyWhatArrivedSince) {
  CWXN gateway;
  ReceiveSentence(gateway, kGll, 5000);
  gateway.RunN2kController(false, 5000);
  gateway.RunN183Controller(false, 5000);
  ASSERT_TRUE(Contains(Pgns(gateway), 129025));
  gateway.N2kOutput().clear();
  gateway.N183Output().clear();

  gateway.RunN2kController(false, 5000);
  gateway.RunN183Controller(false, 5000);
  EXPECT_TRUE(gateway.N2kOutput().empty());
  EXPECT_TRUE(gateway.N183Output().empty());

  // An AIS report asks for its PGN at once.
  ReceiveSentence(gateway, "!AIVDM,1,1,,A,13Hm317v@ewbwavLVSw0O@H00srD,0*1E", 5000);
  gateway.RunN2kController(false, 5000);
  EXPECT_EQ(Pgns(gateway), std::vector<uint32_t>{129038});

  gateway.N2kOutput().clear();
  gateway.RunN2kController(true, 5000);
  EXPECT_TRUE(Contains(Pgns(gateway), 129025)) << "a forced run is never skipped";
}

TEST(GatewayEngine, ClockSteppingBackNeitherSendsNorAgesNegatively) {
  CWXN gateway;
  ReceiveSentence(gateway, kGll, 60000);
  ReceivePgn(gateway, 129033, {0x6C, 0x24, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, 60000);
  gateway.RunN2kController(true, 60000);
  gateway.RunN183Controller(true, 60000);
  gateway.N2kOutput().clear();
  gateway.N183Output().clear();
  // An earlier record selected: nothing has become due by going back in time.
  gateway.RunN2kController(false, 1000);
  gateway.RunN183Controller(false, 1000);
  EXPECT_TRUE(gateway.N2kOutput().empty());
  EXPECT_TRUE(gateway.N183Output().empty());
  const std::vector<RepositoryRow> rows = RepositoryRows(gateway.Engine().n2kRepository, 1000);
  ASSERT_FALSE(rows.empty());
  for (const RepositoryRow& row : rows) {
    EXPECT_EQ(row.age, "0") << row.name;
    EXPECT_EQ(row.status, "Valid") << row.name;
  }

  EXPECT_EQ(ElapsedMs(1000, 60000), 0u);
  EXPECT_EQ(ElapsedMs(60000, 1000), 59000u);
  // Forward across the 32-bit wrap of the clock.
  EXPECT_EQ(ElapsedMs(5, 0xFFFFFFF0u), 21u);
}

TEST(GatewayEngine, EmptyTransmitListsFinishTheirCycle) {
  // An image that is refused leaves a database with no entries at all.
  GatewayEngine engine;
  const uint8_t image[16] = {};
  EXPECT_NE(InitEngine(engine, image, sizeof image, 0), kDBImageOpened);
  ASSERT_EQ(engine.n183Controller.lastSent.size(), 0u);
  ASSERT_EQ(engine.n2kController.lastSent.size(), 0u);
  uint32_t emitted = 0;
  const EmitSentence sentence = [&](const N183OutputSentence&) { ++emitted; };
  const EmitPgn pgn = [&](const N2kMessageBuilder&) { ++emitted; };
  engine.n183Controller.forced = engine.n2kController.forced = true;
  EXPECT_NO_THROW(RunToCycleEnd([&] { return StepN183Controller(engine.n183Controller, engine.database, 0, sentence); },
                                "N183Controller frozen"));
  EXPECT_NO_THROW(RunToCycleEnd([&] { return StepN2kController(engine.n2kController, engine.database, 0, pgn); },
                                "N2KController frozen"));
  EXPECT_EQ(emitted, 0u);
}

TEST(GatewayEngine, AControllerThatNeverFinishesIsReportedFrozen) {
  uint32_t steps = 0;
  try {
    RunToCycleEnd([&] { return ++steps, false; }, "N2KController frozen");
    FAIL() << "no exception";
  } catch (const CInstrumentErr& e) {
    EXPECT_STREQ(e.what(), "N2KController frozen");
  }
  EXPECT_EQ(steps, kFrozenSteps);

  steps = 0;
  EXPECT_NO_THROW(RunToCycleEnd([&] { return ++steps == kFrozenSteps; }, "N183Controller frozen"));
}

TEST(GatewayEngine, ForcedCyclesOfTheFullDatabaseComplete) {
  CWXN gateway;
  // Every datatype of GSV present makes the satellite PGNs as long as they get.
  ReceiveSentence(gateway, kGll, 0);
  ReceiveSentence(gateway, "$GPGSV,1,1,04,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75", 0);
  ReceivePgn(gateway, 129033, {0x6C, 0x24, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, 0);
  EXPECT_NO_THROW(gateway.RunN2kController(true, 0));
  EXPECT_NO_THROW(gateway.RunN183Controller(true, 0));
  EXPECT_FALSE(gateway.N183Output().empty());
  EXPECT_FALSE(gateway.N2kOutput().empty());
  // A forced run sends every instance of an entry and moves on: it ends
  // where it started, with nothing left in progress.
  EXPECT_EQ(gateway.Engine().n2kController.position, 0u);
  EXPECT_EQ(gateway.Engine().n2kController.inProgress, nullptr);
  EXPECT_FALSE(gateway.Engine().n2kController.forced);
}

TEST(GatewayEngine, AnOverfullMessageIsKeptWithoutData) {
  N2kMessageBuilder builder;
  builder.pgn = 129540;
  builder.source = 3;
  builder.length = kPgnBufferBytes;
  builder.data.fill(0xAB);
  const N2kOutputMessage full = OutputMessageOf(builder, 42);
  EXPECT_EQ(full.pgn, 129540u);
  EXPECT_EQ(full.source, 3);
  EXPECT_EQ(full.time, 42u);
  EXPECT_EQ(full.length, 0u);
  EXPECT_EQ(full.data[0], 0);

  builder.length = kPgnBufferBytes - 1;
  const N2kOutputMessage fits = OutputMessageOf(builder, 42);
  EXPECT_EQ(fits.length, kPgnBufferBytes - 1);
  EXPECT_EQ(fits.data[kPgnBufferBytes - 2], 0xAB);
}

}  // namespace
