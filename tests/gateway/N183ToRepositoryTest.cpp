// Received NMEA 0183 sentences into the NMEA 0183 repository: field types,
// letter tables, unit chains, validity, groups and the field readers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "gateway/N183FieldParse.h"
#include "gateway/N183ToRepository.h"
#include "tests/gateway/GatewayDatabase.h"

namespace {

constexpr uint32_t kNow = 1000;

struct Receiver {
  Receiver() {
    SetGatewayClock(kNow);
    ctx.repository = &repository;
    ctx.database = &FullDatabase();
    ctx.pendingPgn = &pendingPgn;
  }
  int32_t Receive(const std::string& text) {
    return ConvertSentenceToRepository(ctx, text.c_str(), static_cast<uint32_t>(text.size()), kNow);
  }
  RepositoryValue Read(uint32_t datatype, uint32_t instance = 0, bool secondBank = false) {
    RepositoryValue v;
    GetValue(&repository, datatype, instance, secondBank, v);
    return v;
  }
  Repository repository = MakeRepository(kN183Repository);
  uint32_t pendingPgn = 0;
  N183ReceiveContext ctx;
};

struct SlotCase {
  const char* sentence;
  uint32_t datatype;
  ValueStatus status;
  int64_t value;  // at the datatype's own exponent; ignored without a number
};

// Values worked out by hand from the field text, the unit factor and the
// datatype's exponent (radians 1e-4, metres 1e-2, m/s 1e-2, seconds 1e-4).
const SlotCase kSlotCases[] = {
    // Depth in each unit of its chain, a unit letter not in the chain, none at all.
    {"$SDDBT,10.0,f,,M,,F", RD_WaterDepth, VS_Valid, 305},
    {"$SDDBT,,f,3.0,M,,F", RD_WaterDepth, VS_Valid, 300},
    {"$SDDBT,,f,,M,1.0,F", RD_WaterDepth, VS_Valid, 183},
    {"$SDDBT,,f,5.0,X,,F", RD_WaterDepth, VS_NotAvailable, 0},
    {"$IIMWV,045.0,R,10.0,,A", RD_WindSpeedApparent, VS_N183UnitsMissing, 0},
    {"$SDDPT,4.5,-0.3,100", RD_WaterDepthOffset, VS_Valid, -300},
    // Fix: time, positions, integers, decimals, metres.
    {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47", RD_UTC, VS_Valid, 453190000},
    {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47", RD_LatitudeWGS84, VS_Valid, 481173000000000000},
    {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47", RD_LongitudeWGS84, VS_Valid, 115166660000000000},
    {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47", RD_GNSSNumSVsInUse, VS_Valid, 8},
    {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47", RD_GNSSHDOP, VS_Valid, 90},
    {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47", RD_Altitude, VS_Valid, 545400000},
    {"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47", RD_GNSS_RefStationAge, VS_NotAvailable, 0},
    {"$GPGGA,123519,,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", RD_LatitudeWGS84, VS_NotAvailable, 0},
    {"$GPGGA,123519,5130.000,S,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", RD_LatitudeWGS84, VS_Valid, -515000000000000000},
    {"$GPGGA,123519,48,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", RD_LatitudeWGS84, VS_NoDataYet, 0},
    {"$GPGGA,1235,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", RD_UTC, VS_NoDataYet, 0},
    // Validity field, status and GNSS letters, talker-derived system type, dates, E/W.
    {"$GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E,A*68", RD_SOG, VS_Valid, 26},
    {"$GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E,A*68", RD_COGTrue, VS_Valid, 9547},
    {"$GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E,A*68", RD_Date, VS_Valid, 9088},
    {"$GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E,A*68", RD_MagneticVariation, VS_Valid, 3543},
    {"$GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E,D*68", RD_GNSSQualityMethod, VS_Valid, 2},
    {"$GLRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E,A*68", RD_GNSSSystemType, VS_Valid, 1},
    {"$GPRMC,225446,V,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E,N*68", RD_SOG, VS_Invalid, 0},
    {"$GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,311299,020.3,E,A", RD_Date, VS_Valid, 10956},
    {"$GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,010170,020.3,E,A", RD_Date, VS_Valid, 0},
    {"$GPRMC,225446,A,4916.45,N,12311.12,W,000.5,054.7,1911,020.3,E,A", RD_Date, VS_NoDataYet, 0},
    {"$HCHDG,98.3,0.0,E,12.6,W", RD_HeadingSensorMag, VS_Valid, 17157},
    {"$HCHDG,98.3,0.0,E,12.6,W", RD_MagneticVariation, VS_Valid, -2198},
    {"$HCHDG,98.3,0.0,E,20.3,", RD_MagneticVariation, VS_Valid, 3543},
    // Date in three fields, time with the talker's time source, local zone.
    {"$GPZDA,201530.00,04,07,2002,-03,30", RD_Date, VS_Valid, 11872},
    {"$GPZDA,201530.00,04,07,2002,-03,30", RD_UTC, VS_Valid, 729300000},
    {"$GPZDA,201530.00,04,07,2002,-03,30", RD_TimeSource, VS_Valid, 0},
    {"$ZVZDA,201530.00,04,07,2002,-03,30", RD_TimeSource, VS_Valid, 2},
    {"$GPZDA,201530.00,04,07,2002,-03,30", RD_UTCLocalOffset, VS_Valid, 210},
    {"$GPZDA,201530.00,04,07,2002,03,30", RD_UTCLocalOffset, VS_Valid, -210},
    {"$GPZDA,201530.00,04,07,2002,-05,00", RD_UTCLocalOffset, VS_Valid, 300},
    {"$GPZDA,201530.00,04,07,2002,-00,30", RD_UTCLocalOffset, VS_Valid, 30},
    {"$GPZDA,201530.00,04,13,2002,00,00", RD_Date, VS_Error, 0},
    {"$GPZDA,201530.00,04,07,99999999999999999999,00,00", RD_Date, VS_NoDataYet, 0},
    // Pressure (inches of mercury, bar) and temperature chains.
    {"$IIMDA,30.1,I,,B,21.5,C,,,,,,,,,,,,,,", RD_AtmosphericPressure, VS_Valid, 1019},
    {"$IIMDA,,I,1.019,B,21.5,C,,,,,,,,,,,,,,", RD_AtmosphericPressure, VS_Valid, 1019},
    {"$IIMDA,,I,1.019,B,21.5,C,,,,,,,,,,,,,,", RD_AirTemp, VS_Valid, 29465},
    // Speed chain of the wind sentence; the reference letter picks the variant.
    {"$IIMWV,045.0,R,10.0,N,A", RD_WindDirectionApparent, VS_Valid, 7854},
    {"$IIMWV,045.0,R,10.0,N,A", RD_WindSpeedApparent, VS_Valid, 514},
    {"$IIMWV,045.0,R,10.0,K,A", RD_WindSpeedApparent, VS_Valid, 278},
    {"$IIMWV,045.0,R,10.0,S,A", RD_WindSpeedApparent, VS_Valid, 447},
    {"$IIMWV,045.0,R,10.0,M,A", RD_WindSpeedApparent, VS_Valid, 1000},
    {"$IIMWV,045.0,T,10.0,M,A", RD_WindSpeedTrueBoatRef, VS_Valid, 1000},
    {"$IIMWV,045.0,T,10.0,M,A", RD_WindSpeedApparent, VS_NoDataYet, 0},
    {"$IIVWR,045.0,L,10.0,N,,M,,K", RD_WindDirectionApparent, VS_Valid, 54978},
    // Rate of turn with its validity field, cross-track error with L/R and the mode letter.
    {"$TIROT,3.0,A", RD_RateOfTurn, VS_Valid, 873 * 32},
    {"$TIROT,3.0,V", RD_RateOfTurn, VS_Invalid, 0},
    {"$GPXTE,A,A,0.67,L,N,A", RD_XTE, VS_Valid, 124084},
    {"$GPXTE,A,A,0.67,R,N,A", RD_XTE, VS_Valid, -124084},
    {"$GPXTE,A,A,0.67,R,N,D", RD_XTEPosMode, VS_Valid, 1},
    {"$GPXTE,V,A,0.67,R,N,D", RD_XTE, VS_Invalid, 0},
    // Fix type and selection mode letters, DOPs.
    {"$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39", RD_GNSSSetMode, VS_Valid, 3},
    {"$GPGSA,M,2,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39", RD_GNSSSetMode, VS_Valid, 1},
    {"$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39", RD_GNSSOpMode, VS_Valid, 2},
    {"$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39", RD_GNSSPDOP, VS_Valid, 250},
    {"$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39", RD_GNSSVDOP, VS_Valid, 210},
    // Waypoint numbers and the arrival flag.
    {"$GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,V", RD_WptIDDest, VS_Valid, 4},
    {"$GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,A", RD_ArrivalCircleEntered, VS_Valid, 1},
    // A number too long for 64 bits is an overflow, not a wrapped number.
    {"$SDDPT,99999999999999999999,,", RD_WaterDepth, VS_NoDataYet, 0},
};

TEST(N183ToRepository, EachFieldTypeWritesItsSlot) {
  for (const SlotCase& c : kSlotCases) {
    Receiver rx;
    rx.Receive(c.sentence);
    const RepositoryValue v = rx.Read(c.datatype);
    EXPECT_EQ(v.status, c.status) << c.sentence << " " << GetRepositoryName(c.datatype);
    if (c.status == VS_Valid && v.status == VS_Valid) {
      EXPECT_EQ(v.value, c.value) << c.sentence << " " << GetRepositoryName(c.datatype);
    }
  }
}

TEST(N183ToRepository, UnknownSentenceMatchesNothingAndChangesNothing) {
  Receiver rx;
  rx.Receive("$GPXYZ,1,2,3");
  EXPECT_EQ(rx.ctx.matched, nullptr);
  rx.Receive("$G");
  EXPECT_EQ(rx.ctx.matched, nullptr);
  rx.Receive("");
  EXPECT_EQ(rx.ctx.matched, nullptr);
  rx.Receive("$IIMWV,045.0,X,10.0,M,A");
  EXPECT_EQ(rx.ctx.matched, nullptr);
  for (uint32_t d = 0; d < kRepositoryDatatypeCount; ++d) {
    if (d != RD_NONE) {
      EXPECT_EQ(rx.Read(d).status, VS_NoDataYet) << d;
    }
  }
}

TEST(N183ToRepository, SatellitesInViewJoinAcrossTheGroupAndCommitAtItsEnd) {
  Receiver rx;
  rx.Receive("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1");
  rx.Receive("$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00");
  EXPECT_EQ(rx.Read(RD_GNSS_SatPRN, 0).status, VS_NoDataYet);
  rx.Receive("$GPGSV,3,2,11,14,25,170,00,16,57,208,39,18,67,296,40,19,40,246,00");
  EXPECT_EQ(rx.Read(RD_GNSS_SatPRN, 5, true).value, 16);
  EXPECT_EQ(rx.Read(RD_GNSS_SatPRN, 5).status, VS_NoDataYet);
  rx.Receive("$GPGSV,3,3,11,22,42,067,42,24,14,311,43,27,05,244,00");
  const int64_t prns[] = {3, 4, 6, 13, 14, 16, 18, 19, 22, 24, 27};
  for (uint32_t i = 0; i < 11; ++i) {
    EXPECT_EQ(rx.Read(RD_GNSS_SatPRN, i).value, prns[i]) << i;
  }
  EXPECT_EQ(rx.Read(RD_GNSSNumSVsInView).value, 11);
  // Used: in the fix's list (4, 24); tracked: a signal-to-noise ratio; else 0.
  EXPECT_EQ(rx.Read(RD_GNSS_SatPRNStatus, 1).value, 2);
  EXPECT_EQ(rx.Read(RD_GNSS_SatPRNStatus, 9).value, 2);
  EXPECT_EQ(rx.Read(RD_GNSS_SatPRNStatus, 0).value, 1);
  EXPECT_EQ(rx.Read(RD_GNSS_SatSNR, 5).value, 3900);
  EXPECT_EQ(rx.Read(RD_GNSS_SatElevation, 0).status, VS_Valid);
}

TEST(N183ToRepository, BrokenGroupsStopAndCommitNothing) {
  Receiver rx;
  rx.Receive("$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00");
  EXPECT_EQ(rx.Receive("$GPGSV,3,3,11,22,42,067,42,24,14,311,43,27,05,244,00"), kGroupOutOfOrder);
  EXPECT_EQ(rx.Read(RD_GNSS_SatPRN, 0).status, VS_NoDataYet);
  EXPECT_EQ(rx.Receive("$GPGSV,3,2,11,14,25,170,00,16,57,208,39,18,67,296,40,19,40,246,00"), kGroupOutOfOrder);
  EXPECT_EQ(rx.Receive("$GPGSV,0,1,11,03,03,111,00"), kGroupWithoutTotal);
  EXPECT_EQ(rx.Receive("$GPGSV,,1,11,03,03,111,00"), kGroupWithoutTotal);
  // A sentence number past the total never completes a group.
  rx.Receive("$GPGSV,1,1,01,03,03,111,00");
  EXPECT_EQ(rx.Receive("$GPGSV,1,2,01,03,03,111,00"), kGroupOutOfOrder);
  EXPECT_EQ(rx.Read(RD_GNSS_SatPRN, 0).value, 3);
}

TEST(N183ToRepository, ShortAndOverlongSentencesStayInsideTheirFields) {
  Receiver rx;
  rx.Receive("$GPGSV,1,1,04");
  EXPECT_EQ(rx.Read(RD_GNSSNumSVsInView).value, 0);
  rx.Receive("$GPGSV,1,1");
  std::string longText = "$GPGSV,1,1,30";
  for (int i = 0; i < 40; ++i) longText += ",01,02,003,04";
  rx.Receive(longText);
  // At most 26 fields: five repetitions fit, four are taken per sentence.
  EXPECT_EQ(rx.Read(RD_GNSS_SatPRN, 3).value, 1);
  EXPECT_EQ(rx.Read(RD_GNSS_SatPRN, 4).status, VS_NoDataYet);
}

TEST(N183FieldParse, NumbersDatesAndTimes) {
  RepositoryValue v;
  EXPECT_EQ(ParseDecimal("-12.50", v), 0);
  EXPECT_EQ(v.value, -1250);
  EXPECT_EQ(v.exponent, -2);
  EXPECT_EQ(ParseDecimal("", v), 0);
  EXPECT_EQ(v.status, VS_NotAvailable);
  EXPECT_EQ(ParseDecimal("1.2.3", v), kN183Malformed);
  EXPECT_EQ(v.status, VS_Error);
  EXPECT_EQ(ParseDecimal(nullptr, v), kN183NoText);
  EXPECT_EQ(ParseDecimal("9223372036854775807", v), 0);
  EXPECT_EQ(v.value, 9223372036854775807);
  EXPECT_EQ(ParseDecimal("9223372036854775808", v), kN183Malformed);
  EXPECT_EQ(v.status, VS_OverflowError);
  EXPECT_EQ(ParseDecimal("123456789012345678901", v), kN183Malformed);
  EXPECT_EQ(v.status, VS_OverflowError);
  int64_t n = 0;
  ValueStatus s;
  EXPECT_EQ(ParseInteger("-42", 2, n, s), 0);
  EXPECT_EQ(n, -42);
  EXPECT_EQ(ParseInteger("4x", 2, n, s), kN183Malformed);
  EXPECT_EQ(ParseInteger("99999999999999999999", 20, n, s), kN183Malformed);
  EXPECT_EQ(s, VS_OverflowError);
  for (int64_t days : {0, 59, 789, 10956, 11016, 20000, 65532}) {
    int d, m, y;
    ASSERT_TRUE(DaysToDate(days, d, m, y));
    DateToDays(d, m, y, v);
    EXPECT_EQ(v.value, days) << d << "/" << m << "/" << y;
  }
  int d, m, y;
  DaysToDate(10956, d, m, y);
  EXPECT_EQ(d * 10000 + m * 100 + y % 100, 311299);
  EXPECT_FALSE(DaysToDate(-1, d, m, y));
  EXPECT_EQ(ParseLatLong("51", 2, v), kN183Malformed);
  EXPECT_EQ(ParseLatLong("5130", 2, v), 0);
  EXPECT_EQ(v.value, 51500);
  EXPECT_EQ(v.exponent, -3);
  EXPECT_EQ(ParseLatLong("51300", 2, v), kN183Malformed);
  EXPECT_EQ(ParseTimeOfDay("12", v), kN183Malformed);
  EXPECT_EQ(ParseTimeOfDay("12ab00", v), kN183Malformed);
  EXPECT_EQ(ParseTimeOffset("03", "60", v), 0);
  EXPECT_EQ(v.status, VS_NotAvailable);
}

}  // namespace
