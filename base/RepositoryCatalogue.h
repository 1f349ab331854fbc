// The static catalogue of repository datatypes: what the gateway stores, how
// many instances of each, and where each slot lies in the 1191-byte data
// area that both repositories share as their layout.
#pragma once

#include <cstdint>

// Row indices of the catalogue, also the datatype numbers the converters,
// builders and database entries use.
enum RepositoryIndex : uint8_t {
  RD_AIS_COG = 0,
  RD_AIS_CallSign = 1,
  RD_AIS_ClassBBandFlag = 2,
  RD_AIS_ClassBDSCFlag = 3,
  RD_AIS_ClassBDisplayFlag = 4,
  RD_AIS_ClassBMsg22Flag = 5,
  RD_AIS_ClassBUnitFlag = 6,
  RD_AIS_CommStateSelFlag = 7,
  RD_AIS_CommunicationState = 8,
  RD_AIS_DTE = 9,
  RD_AIS_Destination = 10,
  RD_AIS_Draft = 11,
  RD_AIS_EPFDeviceType = 12,
  RD_AIS_EstimatedArrivalDate = 13,
  RD_AIS_EstimatedArrivalTime = 14,
  RD_AIS_HeadingTrue = 15,
  RD_AIS_IMO_ID = 16,
  RD_AIS_LatitudeWGS84 = 17,
  RD_AIS_LongitudeWGS84 = 18,
  RD_AIS_MessageID = 19,
  RD_AIS_ModeFlag = 20,
  RD_AIS_MotherMMSI = 21,
  RD_AIS_Name = 22,
  RD_AIS_NavStatus = 23,
  RD_AIS_PositionAccuracy = 24,
  RD_AIS_PositionDate = 25,
  RD_AIS_PositionRefAft = 26,
  RD_AIS_PositionRefStarboard = 27,
  RD_AIS_PositionTime = 28,
  RD_AIS_RAIMFlag = 29,
  RD_AIS_RateOfTurn = 30,
  RD_AIS_RepeatIndicator = 31,
  RD_AIS_SOG = 32,
  RD_AIS_ShipBeam = 33,
  RD_AIS_ShipLength = 34,
  RD_AIS_ShipOrCargoType = 35,
  RD_AIS_SpecialManoeuvre = 36,
  RD_AIS_TimeStamp = 37,
  RD_AIS_TransceiverInfo = 38,
  RD_AIS_UTC_Date = 39,
  RD_AIS_UTC_Time = 40,
  RD_AIS_UserID = 41,
  RD_AIS_VendorID = 42,
  RD_AIS_Version = 43,
  RD_AirTemp = 44,
  RD_Altitude = 45,
  RD_ArrivalCircleEntered = 46,
  RD_AtmosphericPressure = 47,
  RD_BearingOriginToDestWptMag = 48,
  RD_BearingOriginToDestWptTrue = 49,
  RD_BearingToDestWptMag = 50,
  RD_BearingToDestWptTrue = 51,
  RD_COGMag = 52,
  RD_COGTrue = 53,
  RD_CalculationType = 54,
  RD_Date = 55,
  RD_DistanceSinceReset = 56,
  RD_DistanceToDestWpt = 57,
  RD_DistanceTotal = 58,
  RD_DistanceWaterRefSinceReset = 59,
  RD_DistanceWaterRefTotal = 60,
  RD_ETADate = 61,
  RD_ETATime = 62,
  RD_EngineSpeedRPM = 63,
  RD_EngineSpeedRPMInstance = 64,
  RD_GNSSGeoidalSeparation = 65,
  RD_GNSSHDOP = 66,
  RD_GNSSIntegrity = 67,
  RD_GNSSNumRefStations = 68,
  RD_GNSSNumSVsInUse = 69,
  RD_GNSSNumSVsInView = 70,
  RD_GNSSOpMode = 71,
  RD_GNSSPDOP = 72,
  RD_GNSSQualityMethod = 73,
  RD_GNSSRangeResidualMode = 74,
  RD_GNSSSetMode = 75,
  RD_GNSSSystemType = 76,
  RD_GNSSTDOP = 77,
  RD_GNSSVDOP = 78,
  RD_GNSS_RefStationAge = 79,
  RD_GNSS_RefStationID = 80,
  RD_GNSS_RefStationType = 81,
  RD_GNSS_SatAzimuth = 82,
  RD_GNSS_SatElevation = 83,
  RD_GNSS_SatPRN = 84,
  RD_GNSS_SatPRNStatus = 85,
  RD_GNSS_SatRangeResidual = 86,
  RD_GNSS_SatSNR = 87,
  RD_GNSS_SatSolutionPRN = 88,
  RD_HeadingSensorMag = 89,
  RD_HeadingSensorTrue = 90,
  RD_HeadingToSteerMag = 91,
  RD_HeadingToSteerTrue = 92,
  RD_HumidityInside = 93,
  RD_HumidityOutside = 94,
  RD_LatitudeWGS84 = 95,
  RD_LocalTimeOffset = 96,
  RD_LongitudeWGS84 = 97,
  RD_MagneticDeviation = 98,
  RD_MagneticVariation = 99,
  RD_NONE = 100,
  RD_PerpendicularCrossed = 101,
  RD_Pitch = 102,
  RD_RateOfTurn = 103,
  RD_Roll = 104,
  RD_RudderAngle1 = 105,
  RD_RudderAngle2 = 106,
  RD_SOG = 107,
  RD_SetDriftDirMag = 108,
  RD_SetDriftDirTrue = 109,
  RD_SetDriftSpeed = 110,
  RD_SpeedGroundLongitudinal = 111,
  RD_SpeedGroundTransverse = 112,
  RD_SpeedGroundTransverseStern = 113,
  RD_SpeedWaterLongitudinal = 114,
  RD_SpeedWaterRef = 115,
  RD_SpeedWaterTransverse = 116,
  RD_SpeedWaterTransverseStern = 117,
  RD_TimeSource = 118,
  RD_UTC = 119,
  RD_UTCLocalOffset = 120,
  RD_WaterDepth = 121,
  RD_WaterDepthOffset = 122,
  RD_WaterDepthRange = 123,
  RD_WaterTemp = 124,
  RD_WindDirectionApparent = 125,
  RD_WindDirectionMag = 126,
  RD_WindDirectionTrue = 127,
  RD_WindDirectionTrueBoatRef = 128,
  RD_WindSpeedApparent = 129,
  RD_WindSpeedGround = 130,
  RD_WindSpeedTrueBoatRef = 131,
  RD_WptClosingVelocity = 132,
  RD_WptDestLatitudeWGS84 = 133,
  RD_WptDestLongitudeWGS84 = 134,
  RD_WptIDDest = 135,
  RD_WptIDOrigin = 136,
  RD_XTE = 137,
  RD_XTEPosMode = 138,
  RD_Yaw = 139,
};

constexpr uint32_t kRepositoryDatatypeCount = 140;
constexpr uint32_t kRepositoryDataSize = 1191;

// Row flags.
// The datatype has a second bank of slots: the NMEA 0183 repository fills it
// over a sentence group and commits it to the first bank when the group is
// complete, so a half-received group never shows.
constexpr uint8_t kRepositoryBanked = 0x01;
// AIS datatypes describe whichever target spoke last: no owner arbitration,
// and a Valid value turns to Used once read.
constexpr uint8_t kRepositoryAis = 0x02;

struct RepositoryDatatype {
  uint16_t dictionaryIndex;   // NMEA 2000 data dictionary entry: exponent, factor, format, units
  uint8_t countDatatype;      // datatype holding the number of instances in use; RD_NONE if none
  uint8_t instances;
  uint8_t slotSize;           // status byte + value bytes
  uint16_t offset;            // of the first slot in the data area
  uint8_t flags;              // kRepositoryBanked, kRepositoryAis
  uint32_t index;
  const char* name;
  const char* countDatatypeName;
  const char* description;
  const char* comment;
  uint32_t totalSize;         // instances x slot size, doubled when banked
};

extern const RepositoryDatatype kRepositoryDatatypes[kRepositoryDatatypeCount];

// Null for an index of 140 or more.
const RepositoryDatatype* GetRepositoryDatatype(uint32_t index);
// The datatype's name; "" for an index of 140 or more.
const char* GetRepositoryName(uint32_t index);
