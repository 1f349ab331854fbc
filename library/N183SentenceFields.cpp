// Fields of the sentences the gateway converts. Each sentence's fields are a
// contiguous run in sentence-table order; field numbers count from the first
// field after the address and skip fields that need no row of their own: unit
// letters, hemispheres and most status fields are read through the value
// they qualify (unit field, validity field, or the span of the value's type).
#include "base/RepositoryCatalogue.h"
#include "library/N183Tables.h"

constexpr SentenceFieldDefinition kSentenceFieldDefinitions[kSentenceFieldCount] = {
    // field, DT0183 type, UT183 unit, repository, unit field, decimals, group size, group max, group repository,
    // validity field, reserved, validity rule, tags, framing, critical, in valid count, reserved, status, name, description, notes
    // APB: rows 0..10
    {2, DT0183_XTE, UT183_Nm, RD_XTE, 4, 2, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Magnitude of Cross track Error, Nautical", "Signed by the L/R field that follows; nautical miles to metres", ""},
    {5, DT0183_Status, UT183_0, RD_ArrivalCircleEntered, kNoSentenceField, 0, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Status, Arrival Circle Entered", "A = 1, V = 0", ""},
    {6, DT0183_Status, UT183_0, RD_PerpendicularCrossed, kNoSentenceField, 0, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Status, Perpendicular passed at waypoint", "A = 1, V = 0", ""},
    {7, DT0183_VariableNumber, UT183_AngleDegTrue, RD_BearingOriginToDestWptTrue, 8, 1, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Bearing origin to destination, True", "Degrees true to radians conversion required", ""},
    {7, DT0183_VariableNumber, UT183_AngleDegMag, RD_BearingOriginToDestWptMag, 8, 1, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Bearing origin to destination, Magnetic", "Degrees magnetic to radians conversion required", ""},
    {9, DT0183_WaypointID, UT183_0, RD_WptIDDest, kNoSentenceField, 0, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Destination Waypoint ID", "Waypoint name taken as a number", ""},
    {10, DT0183_VariableNumber, UT183_AngleDegTrue, RD_BearingToDestWptTrue, 11, 1, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Bearing, present position to destination, True", "Degrees true to radians conversion required", ""},
    {10, DT0183_VariableNumber, UT183_AngleDegMag, RD_BearingToDestWptMag, 11, 1, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Bearing, present position to destination, Magnetic", "Degrees magnetic to radians conversion required", ""},
    {12, DT0183_VariableNumber, UT183_AngleDegTrue, RD_HeadingToSteerTrue, 13, 1, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Heading to steer to destination waypoint, True", "Degrees true to radians conversion required", ""},
    {12, DT0183_VariableNumber, UT183_AngleDegMag, RD_HeadingToSteerMag, 13, 1, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Heading to steer to destination waypoint, Magnetic", "Degrees magnetic to radians conversion required", ""},
    {14, DT0183_PosModeIndicator, UT183_0, RD_XTEPosMode, kNoSentenceField, 0, 0, 0, RD_NONE, 0, {0, 0, 0}, 3, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Mode Indicator", "Mode letter to mode code", ""},
    // BWC: rows 11..18
    {0, DT0183_Time, UT183_0, RD_UTC, kNoSentenceField, 2, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "UTC of observation", "hhmmss.ss to seconds since midnight", ""},
    {1, DT0183_Latitude, UT183_0, RD_WptDestLatitudeWGS84, kNoSentenceField, 4, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Waypoint latitude", "ddmm.mmm and hemisphere to signed degrees", ""},
    {3, DT0183_Longitude, UT183_0, RD_WptDestLongitudeWGS84, kNoSentenceField, 4, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Waypoint longitude", "dddmm.mmm and hemisphere to signed degrees", ""},
    {5, DT0183_VariableNumber, UT183_AngleDegTrue, RD_BearingToDestWptTrue, 6, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Bearing, degrees True", "Degrees true to radians conversion required", ""},
    {7, DT0183_VariableNumber, UT183_AngleDegMag, RD_BearingToDestWptMag, 8, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Bearing, degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    {9, DT0183_VariableNumber, UT183_Nm, RD_DistanceToDestWpt, 10, 2, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Distance, nautical miles", "Nautical miles to metres conversion required", ""},
    {11, DT0183_WaypointID, UT183_0, RD_WptIDDest, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Waypoint ID", "Waypoint name taken as a number", ""},
    {12, DT0183_PosModeIndicator, UT183_0, RD_XTEPosMode, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Mode Indicator", "Mode letter to mode code; no NMEA 2000 field carries the mode of this bearing", ""},
    // BWR: rows 19..26
    {0, DT0183_Time, UT183_0, RD_UTC, kNoSentenceField, 2, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "UTC of observation", "hhmmss.ss to seconds since midnight", ""},
    {1, DT0183_Latitude, UT183_0, RD_WptDestLatitudeWGS84, kNoSentenceField, 4, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Waypoint latitude", "ddmm.mmm and hemisphere to signed degrees", ""},
    {3, DT0183_Longitude, UT183_0, RD_WptDestLongitudeWGS84, kNoSentenceField, 4, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Waypoint longitude", "dddmm.mmm and hemisphere to signed degrees", ""},
    {5, DT0183_VariableNumber, UT183_AngleDegTrue, RD_BearingToDestWptTrue, 6, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Bearing, degrees True", "Degrees true to radians conversion required", ""},
    {7, DT0183_VariableNumber, UT183_AngleDegMag, RD_BearingToDestWptMag, 8, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Bearing, degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    {9, DT0183_VariableNumber, UT183_Nm, RD_DistanceToDestWpt, 10, 2, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Distance, nautical miles", "Nautical miles to metres conversion required", ""},
    {11, DT0183_WaypointID, UT183_0, RD_WptIDDest, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Waypoint ID", "Waypoint name taken as a number", ""},
    {12, DT0183_PosModeIndicator, UT183_0, RD_XTEPosMode, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Mode Indicator", "Mode letter to mode code; no NMEA 2000 field carries the mode of this bearing", ""},
    // DBT: rows 27..29
    {0, DT0183_VariableNumber, UT183_Feet, RD_WaterDepth, 1, 2, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Depth, Feet", "Feet to metres conversion required", ""},
    {2, DT0183_VariableNumber, UT183_Metres, RD_WaterDepth, 3, 2, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Depth, Metres", "Metres, no conversion required", ""},
    {4, DT0183_VariableNumber, UT183_Fathoms, RD_WaterDepth, 5, 2, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Depth, Fathoms", "Fathoms to metres conversion required", ""},
    // DPT: rows 30..32
    {0, DT0183_VariableNumber, UT183_Metres, RD_WaterDepth, kNoSentenceField, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Water depth relative to the transducer, metres", "Metres, no conversion required", ""},
    {1, DT0183_VariableNumber, UT183_Metres, RD_WaterDepthOffset, kNoSentenceField, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Offset from transducer, metres", "Metres, no conversion required", "Positive to the waterline, negative to the keel"},
    {2, DT0183_VariableNumber, UT183_Metres, RD_WaterDepthRange, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Maximum range scale in use", "Metres, no conversion required", ""},
    // GGA: rows 33..42
    {0, DT0183_Time, UT183_0, RD_UTC, kNoSentenceField, 2, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "UTC Of Position", "hhmmss.ss to seconds since midnight", ""},
    {1, DT0183_Latitude, UT183_0, RD_LatitudeWGS84, kNoSentenceField, 4, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Latitude", "ddmm.mmm and hemisphere to signed degrees", ""},
    {3, DT0183_Longitude, UT183_0, RD_LongitudeWGS84, kNoSentenceField, 4, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Longitude", "dddmm.mmm and hemisphere to signed degrees", ""},
    {5, DT0183_VariableNumber, UT183_0, RD_GNSSQualityMethod, kNoSentenceField, kFixedOneDigit, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 1, 0, 0, "Yes", "GPS Quality indicator", "Quality digit taken as the GNSS method code", "0 marks a position that must not be used"},
    {6, DT0183_VariableNumber, UT183_0, RD_GNSSNumSVsInUse, kNoSentenceField, kFixedTwoDigits, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Number of satellites in use, 00-12", "Number taken as received", ""},
    {7, DT0183_VariableNumber, UT183_0, RD_GNSSHDOP, kNoSentenceField, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Horizontal dilution of precision", "Number taken as received", ""},
    {8, DT0183_VariableNumber, UT183_Metres, RD_Altitude, 9, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Antenna altitude above/below mean sea level (geoid)", "Metres, no conversion required", ""},
    {10, DT0183_VariableNumber, UT183_Metres, RD_GNSSGeoidalSeparation, 11, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Geoidal separation", "Metres, no conversion required", "Negative when the geoid is below the WGS84 ellipsoid"},
    {12, DT0183_VariableNumber, UT183_0, RD_GNSS_RefStationAge, kNoSentenceField, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Age of Differential GPS data", "Seconds since the last differential update", ""},
    {13, DT0183_VariableNumber, UT183_0, RD_GNSS_RefStationID, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Differential reference station ID, 0000-1023", "Number taken as received", ""},
    // GLL: rows 43..47
    {0, DT0183_Latitude, UT183_0, RD_LatitudeWGS84, kNoSentenceField, 4, 0, 0, RD_NONE, 5, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Latitude", "ddmm.mmm and hemisphere to signed degrees", ""},
    {2, DT0183_Longitude, UT183_0, RD_LongitudeWGS84, kNoSentenceField, 4, 0, 0, RD_NONE, 5, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Longitude", "dddmm.mmm and hemisphere to signed degrees", ""},
    {4, DT0183_Time, UT183_0, RD_UTC, kNoSentenceField, 2, 0, 0, RD_NONE, 5, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "UTC of position", "hhmmss.ss to seconds since midnight", ""},
    {5, DT0183_GNSSStatus, UT183_0, RD_GNSSIntegrity, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Status", "A/V to a status code; stored as GNSS integrity until a datatype of its own exists", ""},
    {6, DT0183_GNSSPosModeIndicator, UT183_0, RD_GNSSQualityMethod, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Mode Indicator", "Mode letter to the GNSS method code; talker sets the system type", ""},
    // GSA: rows 48..53
    {0, DT0183_GNSSSetMode, UT183_0, RD_GNSSSetMode, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Mode, M = Manual, A = Automatic", "A = automatic; M takes the fix type that follows", ""},
    {1, DT0183_GNSSOpMode, UT183_0, RD_GNSSOpMode, kNoSentenceField, kFixedOneDigit, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Mode, 1 = Fix not available, 2 = 2D, 3 = 3D", "Fix type digit to the fix type code", ""},
    {2, DT0183_VariableNumber, UT183_0, RD_GNSS_SatSolutionPRN, kNoSentenceField, kFixedTwoDigits, 1, 12, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "GNSS Active Sat PRN used in solution", "Number taken as received", ""},
    {14, DT0183_VariableNumber, UT183_0, RD_GNSSPDOP, kNoSentenceField, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "PDOP", "Number taken as received", ""},
    {15, DT0183_VariableNumber, UT183_0, RD_GNSSHDOP, kNoSentenceField, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "HDOP", "Number taken as received", ""},
    {16, DT0183_VariableNumber, UT183_0, RD_GNSSVDOP, kNoSentenceField, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "VDOP", "Number taken as received", ""},
    // GSV: rows 54..60
    {0, DT0183_SentTotal, UT183_0, RD_NONE, kNoSentenceField, kFixedOneDigit, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 1, 0, 1, 0, "Yes", "Total number of sentences, 1 to 9", "Frames a multi-sentence message", ""},
    {1, DT0183_SentNum, UT183_0, RD_NONE, kNoSentenceField, kFixedOneDigit, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 1, 0, 1, 0, "Yes", "Sentence number, 1 to 9", "Frames a multi-sentence message", ""},
    {2, DT0183_VariableNumber, UT183_0, RD_GNSSNumSVsInView, kNoSentenceField, kFixedTwoDigits, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Number of satellites in view, 00-12", "Number taken as received", ""},
    {3, DT0183_VariableNumber, UT183_0, RD_GNSS_SatPRN, kNoSentenceField, kFixedTwoDigits, 4, 4, RD_GNSSNumSVsInView, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Satellite ID (PRN) number", "Number taken as received", ""},
    {4, DT0183_VariableNumber, UT183_AngleDeg, RD_GNSS_SatElevation, kNoSentenceField, kFixedTwoDigits, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Elevation, degrees, 90 maximum", "Degrees to radians conversion required", ""},
    {5, DT0183_VariableNumber, UT183_AngleDeg, RD_GNSS_SatAzimuth, kNoSentenceField, kFixedThreeDigits, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Azimuth, degrees True, 000 to 359", "Degrees to radians conversion required", ""},
    {6, DT0183_VariableNumber, UT183_0, RD_GNSS_SatSNR, kNoSentenceField, kFixedTwoDigits, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "SNR (C/No) 00-99 dB-Hz, null when not tracking", "Number taken as received", ""},
    // HDG: rows 61..63
    {0, DT0183_VariableNumber, UT183_AngleDeg, RD_HeadingSensorMag, kNoSentenceField, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Magnetic sensor heading, degrees", "Degrees to radians conversion required", ""},
    {1, DT0183_HeadingCorrection, UT183_AngleDeg, RD_MagneticDeviation, kNoSentenceField, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Magnetic deviation, degrees E/W", "Signed by the E/W field that follows; degrees to radians", ""},
    {3, DT0183_HeadingCorrection, UT183_AngleDeg, RD_MagneticVariation, kNoSentenceField, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Magnetic variation, degrees E/W", "Signed by the E/W field that follows; degrees to radians", ""},
    // HDM: rows 64..64
    {0, DT0183_VariableNumber, UT183_AngleDegMag, RD_HeadingSensorMag, 1, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Heading, degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    // HDT: rows 65..65
    {0, DT0183_VariableNumber, UT183_AngleDegTrue, RD_HeadingSensorTrue, 1, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Heading, degrees True", "Degrees true to radians conversion required", ""},
    // HSC: rows 66..67
    {0, DT0183_VariableNumber, UT183_AngleDegTrue, RD_HeadingToSteerTrue, 1, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Commanded heading, degrees True", "Degrees true to radians conversion required", ""},
    {2, DT0183_VariableNumber, UT183_AngleDegMag, RD_HeadingToSteerMag, 3, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Commanded heading, degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    // MDA: rows 68..78
    {0, DT0183_VariableNumber, UT183_InchesHg, RD_AtmosphericPressure, 1, 2, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx", 0, 0, 1, 0, "Yes", "Barometric pressure, inches of mercury", "Inches of mercury to pascal conversion required", ""},
    {2, DT0183_VariableNumber, UT183_Bar, RD_AtmosphericPressure, 3, 3, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Barometric pressure, bars", "Bar to pascal conversion required", ""},
    {4, DT0183_VariableNumber, UT183_DegC, RD_AirTemp, 5, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Air temperature, degrees C", "Celsius to kelvin conversion required", ""},
    {6, DT0183_VariableNumber, UT183_DegC, RD_WaterTemp, 7, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Tx,Std", 0, 0, 1, 0, "Yes", "Water temperature, degrees C", "Celsius to kelvin conversion required", "Received from MTW; sent in MDA only"},
    {8, DT0183_VariableNumber, UT183_0, RD_HumidityOutside, kNoSentenceField, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Relative humidity, percent", "Percent taken as received", ""},
    {9, DT0183_VariableNumber, UT183_0, RD_NONE, kNoSentenceField, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Absolute humidity, percent", "No repository datatype for absolute humidity yet", ""},
    {10, DT0183_VariableNumber, UT183_DegC, RD_NONE, 11, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Dew point, degrees C", "No repository datatype for the dew point yet", ""},
    {12, DT0183_VariableNumber, UT183_AngleDegTrue, RD_WindDirectionTrue, 13, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx", 0, 0, 1, 0, "Yes", "Wind direction, degrees True", "Degrees true to radians conversion required", ""},
    {14, DT0183_VariableNumber, UT183_AngleDegMag, RD_WindDirectionMag, 15, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx", 0, 0, 1, 0, "Yes", "Wind direction, degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    {16, DT0183_VariableNumber, UT183_Knots, RD_WindSpeedGround, 17, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx", 0, 0, 1, 0, "Yes", "Wind speed, knots", "Knots to metres per second conversion required", ""},
    {18, DT0183_VariableNumber, UT183_MetresPerSec, RD_WindSpeedGround, 19, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx", 0, 0, 1, 0, "Yes", "Wind speed, meters/second", "Metres per second, no conversion required", ""},
    // MTW: rows 79..79
    {0, DT0183_VariableNumber, UT183_DegC, RD_WaterTemp, 1, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Water Temperature, degrees C", "Celsius to kelvin conversion required", ""},
    // MWD: rows 80..83
    {0, DT0183_VariableNumber, UT183_AngleDegTrue, RD_WindDirectionTrue, 1, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Wind direction, 0 to 359 degrees True", "Degrees true to radians conversion required", ""},
    {2, DT0183_VariableNumber, UT183_AngleDegMag, RD_WindDirectionMag, 3, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Wind direction, 0 to 359 degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    {4, DT0183_VariableNumber, UT183_Knots, RD_WindSpeedGround, 5, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Wind speed, knots", "Knots to metres per second conversion required", ""},
    {6, DT0183_VariableNumber, UT183_MetresPerSec, RD_WindSpeedGround, 7, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Wind speed, meters/second", "Metres per second, no conversion required", ""},
    // MWV (R): rows 84..85
    {0, DT0183_VariableNumber, UT183_AngleDeg, RD_WindDirectionApparent, kNoSentenceField, 2, 0, 0, RD_NONE, 4, {0, 0, 0}, 2, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Wind angle relative to vessel, 0 to 359 degrees", "Degrees to radians conversion required", ""},
    {2, DT0183_VariableNumber, UT183_Speed, RD_WindSpeedApparent, 3, 1, 0, 0, RD_NONE, 4, {0, 0, 0}, 2, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Wind speed, relative", "Speed in the unit given by the unit letter, to metres per second", ""},
    // MWV (T): rows 86..87
    {0, DT0183_VariableNumber, UT183_AngleDeg, RD_WindDirectionTrueBoatRef, kNoSentenceField, 2, 0, 0, RD_NONE, 4, {0, 0, 0}, 2, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Wind angle theoretical, 0 to 359 degrees", "Degrees to radians conversion required", ""},
    {2, DT0183_VariableNumber, UT183_Speed, RD_WindSpeedTrueBoatRef, 3, 1, 0, 0, RD_NONE, 4, {0, 0, 0}, 2, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Wind speed, theoretical", "Speed in the unit given by the unit letter, to metres per second", ""},
    // RMA: rows 88..92
    {1, DT0183_Latitude, UT183_0, RD_LatitudeWGS84, kNoSentenceField, 4, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Latitude", "ddmm.mmm and hemisphere to signed degrees", "Loran-C receivers are no longer in service"},
    {3, DT0183_Longitude, UT183_0, RD_LongitudeWGS84, kNoSentenceField, 4, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Longitude", "dddmm.mmm and hemisphere to signed degrees", "Loran-C receivers are no longer in service"},
    {7, DT0183_VariableNumber, UT183_Knots, RD_SOG, kNoSentenceField, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Speed over ground, knots", "Knots to metres per second conversion required", ""},
    {8, DT0183_VariableNumber, UT183_AngleDegTrue, RD_COGTrue, kNoSentenceField, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Course over ground, degrees True", "Degrees true to radians conversion required", ""},
    {9, DT0183_HeadingCorrection, UT183_AngleDeg, RD_MagneticVariation, kNoSentenceField, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Magnetic variation, degrees E/W", "Signed by the E/W field that follows; degrees to radians", ""},
    // RMB: rows 93..102
    {1, DT0183_XTE, UT183_Nm, RD_XTE, kNoSentenceField, 2, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Cross track error, nautical miles", "Signed by the L/R field that follows; nautical miles to metres", "9.99 when the error is larger"},
    {3, DT0183_WaypointID, UT183_0, RD_WptIDOrigin, kNoSentenceField, 0, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Origin waypoint ID", "Waypoint name taken as a number", ""},
    {4, DT0183_WaypointID, UT183_0, RD_WptIDDest, kNoSentenceField, 0, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Destination waypoint ID", "Waypoint name taken as a number", ""},
    {5, DT0183_Latitude, UT183_0, RD_WptDestLatitudeWGS84, kNoSentenceField, 4, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Destination waypoint latitude", "ddmm.mmm and hemisphere to signed degrees", ""},
    {7, DT0183_Longitude, UT183_0, RD_WptDestLongitudeWGS84, kNoSentenceField, 4, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Destination waypoint longitude", "dddmm.mmm and hemisphere to signed degrees", ""},
    {9, DT0183_VariableNumber, UT183_Nm, RD_DistanceToDestWpt, kNoSentenceField, 1, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Range to destination, nautical miles", "Nautical miles to metres conversion required", ""},
    {10, DT0183_VariableNumber, UT183_AngleDegTrue, RD_BearingToDestWptTrue, kNoSentenceField, 1, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Bearing to destination, degrees True", "Degrees true to radians conversion required", ""},
    {11, DT0183_VariableNumber, UT183_Knots, RD_WptClosingVelocity, kNoSentenceField, 1, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Destination closing velocity, knots", "Knots to metres per second conversion required", ""},
    {12, DT0183_Status, UT183_0, RD_ArrivalCircleEntered, kNoSentenceField, 0, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Arrival status", "A = 1, V = 0", ""},
    {13, DT0183_PosModeIndicator, UT183_0, RD_XTEPosMode, kNoSentenceField, 0, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Mode Indicator", "Mode letter to mode code", ""},
    // RMC: rows 103..111
    {0, DT0183_Time, UT183_0, RD_UTC, kNoSentenceField, 2, 0, 0, RD_NONE, 1, {0, 0, 0}, 2, "Rx,Tx,Std,AIS", 0, 0, 1, 0, "Yes", "UTC of position fix", "hhmmss.ss to seconds since midnight", ""},
    {1, DT0183_GNSSStatus, UT183_0, RD_GNSSIntegrity, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Status", "A/V to a status code; stored as GNSS integrity until a datatype of its own exists", ""},
    {2, DT0183_Latitude, UT183_0, RD_LatitudeWGS84, kNoSentenceField, 4, 0, 0, RD_NONE, 1, {0, 0, 0}, 2, "Rx,Tx,Std,AIS", 0, 0, 1, 0, "Yes", "Latitude", "ddmm.mmm and hemisphere to signed degrees", ""},
    {4, DT0183_Longitude, UT183_0, RD_LongitudeWGS84, kNoSentenceField, 4, 0, 0, RD_NONE, 1, {0, 0, 0}, 2, "Rx,Tx,Std,AIS", 0, 0, 1, 0, "Yes", "Longitude", "dddmm.mmm and hemisphere to signed degrees", ""},
    {6, DT0183_VariableNumber, UT183_Knots, RD_SOG, kNoSentenceField, 1, 0, 0, RD_NONE, 1, {0, 0, 0}, 2, "Rx,Tx,Std,AIS", 0, 0, 1, 0, "Yes", "Speed over ground, knots", "Knots to metres per second conversion required", ""},
    {7, DT0183_VariableNumber, UT183_AngleDegTrue, RD_COGTrue, kNoSentenceField, 1, 0, 0, RD_NONE, 1, {0, 0, 0}, 2, "Rx,Tx,Std,AIS", 0, 0, 1, 0, "Yes", "Course over ground, degrees True", "Degrees true to radians conversion required", ""},
    {8, DT0183_DateDDMMYY, UT183_0, RD_Date, kNoSentenceField, 0, 0, 0, RD_NONE, 1, {0, 0, 0}, 2, "Rx,Tx,Std,AIS", 0, 0, 1, 0, "Yes", "Date: dd/mm/yy", "ddmmyy to days since 1970", ""},
    {9, DT0183_HeadingCorrection, UT183_AngleDeg, RD_MagneticVariation, kNoSentenceField, 1, 0, 0, RD_NONE, 1, {0, 0, 0}, 2, "Rx,Tx,Std,AIS", 0, 0, 1, 0, "Yes", "Magnetic variation, degrees E/W", "Signed by the E/W field that follows; degrees to radians", ""},
    {11, DT0183_GNSSPosModeIndicator, UT183_0, RD_GNSSQualityMethod, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std,AIS", 0, 0, 1, 0, "Yes", "Mode Indicator", "Mode letter to the GNSS method code; talker sets the system type", ""},
    // ROT: rows 112..112
    {0, DT0183_VariableNumber, UT183_DegPerMin, RD_RateOfTurn, kNoSentenceField, 1, 0, 0, RD_NONE, 1, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Rate of turn, degrees/minute, \"-\" = bow turns to port", "Degrees per minute to radians per second conversion required", ""},
    // RPM: rows 113..114
    {1, DT0183_VariableNumber, UT183_0, RD_EngineSpeedRPMInstance, kNoSentenceField, kFixedOneDigit, 0, 0, RD_NONE, 4, {0, 0, 0}, 2, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Engine or shaft number, numbered from centre-line", "Instance taken as received", ""},
    {2, DT0183_VariableNumber, UT183_0, RD_EngineSpeedRPM, kNoSentenceField, 1, 0, 0, RD_NONE, 4, {0, 0, 0}, 2, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Speed, revolutions/min, \"-\" = counter-clockwise", "Revolutions per minute taken as received", ""},
    // RSA: rows 115..116
    {0, DT0183_VariableNumber, UT183_AngleDeg, RD_RudderAngle1, kNoSentenceField, 1, 0, 0, RD_NONE, 1, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Starboard (or single) rudder sensor", "Degrees to radians conversion required", ""},
    {2, DT0183_VariableNumber, UT183_AngleDeg, RD_RudderAngle2, kNoSentenceField, 1, 0, 0, RD_NONE, 3, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Port rudder sensor", "Degrees to radians conversion required", ""},
    // VBW: rows 117..122
    {0, DT0183_VariableNumber, UT183_Knots, RD_SpeedWaterLongitudinal, kNoSentenceField, 2, 0, 0, RD_NONE, 2, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Longitudinal water speed, knots", "Knots to metres per second conversion required", ""},
    {1, DT0183_VariableNumber, UT183_Knots, RD_SpeedWaterTransverse, kNoSentenceField, 2, 0, 0, RD_NONE, 2, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Transverse water speed, knots", "Knots to metres per second conversion required", ""},
    {3, DT0183_VariableNumber, UT183_Knots, RD_SpeedGroundLongitudinal, kNoSentenceField, 2, 0, 0, RD_NONE, 5, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Longitudinal ground speed, knots", "Knots to metres per second conversion required", ""},
    {4, DT0183_VariableNumber, UT183_Knots, RD_SpeedGroundTransverse, kNoSentenceField, 2, 0, 0, RD_NONE, 5, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Transverse ground speed, knots", "Knots to metres per second conversion required", ""},
    {6, DT0183_VariableNumber, UT183_Knots, RD_SpeedWaterTransverseStern, kNoSentenceField, 2, 0, 0, RD_NONE, 7, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Stern transverse water speed, knots", "Knots to metres per second conversion required", ""},
    {8, DT0183_VariableNumber, UT183_Knots, RD_SpeedGroundTransverseStern, kNoSentenceField, 2, 0, 0, RD_NONE, 9, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Stern transverse ground speed, knots", "Knots to metres per second conversion required", ""},
    // VDM: rows 123..128
    {0, DT0183_SentTotal, UT183_0, RD_NONE, kNoSentenceField, kFixedOneDigit, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "Total number of sentences needed to transfer the message, 1 to 9", "Frames a multi-sentence message", ""},
    {1, DT0183_SentNum, UT183_0, RD_NONE, kNoSentenceField, kFixedOneDigit, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "Sentence number, 1 to 9", "Frames a multi-sentence message", ""},
    {2, DT0183_SeqMessageID, UT183_0, RD_NONE, kNoSentenceField, kFixedOneDigit, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "Sequential message identifier, 0 to 9", "Frames a multi-sentence message", ""},
    {3, DT0183_AISChannel, UT183_0, RD_AIS_TransceiverInfo, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "AIS Channel, A or B", "A or B to the transceiver channel; VDO marks own transmissions", ""},
    {4, DT0183_Enc_ITURM1371, UT183_0, RD_NONE, kNoSentenceField, 0, 1, 1, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "ITU-R M.1371 Message", "Payload collected over the group and decoded as an AIS message", ""},
    {5, DT0183_Enc_FillBits, UT183_0, RD_NONE, kNoSentenceField, kFixedOneDigit, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "Number of fill-bits, 0 to 5", "Completes the last payload character", ""},
    // VDO: rows 129..134
    {0, DT0183_SentTotal, UT183_0, RD_NONE, kNoSentenceField, kFixedOneDigit, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "Total number of sentences needed to transfer the message, 1 to 9", "Frames a multi-sentence message", ""},
    {1, DT0183_SentNum, UT183_0, RD_NONE, kNoSentenceField, kFixedOneDigit, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "Sentence number, 1 to 9", "Frames a multi-sentence message", ""},
    {2, DT0183_SeqMessageID, UT183_0, RD_NONE, kNoSentenceField, kFixedOneDigit, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "Sequential message identifier, 0 to 9", "Frames a multi-sentence message", ""},
    {3, DT0183_AISChannel, UT183_0, RD_AIS_TransceiverInfo, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "AIS Channel, A or B", "A or B to the transceiver channel; VDO marks own transmissions", ""},
    {4, DT0183_Enc_ITURM1371, UT183_0, RD_NONE, kNoSentenceField, 0, 1, 1, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "ITU-R M.1371 Message", "Payload collected over the group and decoded as an AIS message", ""},
    {5, DT0183_Enc_FillBits, UT183_0, RD_NONE, kNoSentenceField, kFixedOneDigit, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "Number of fill-bits, 0 to 5", "Completes the last payload character", ""},
    // VDR: rows 135..137
    {0, DT0183_VariableNumber, UT183_AngleDegTrue, RD_SetDriftDirTrue, 1, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Direction, degrees True", "Degrees true to radians conversion required", ""},
    {2, DT0183_VariableNumber, UT183_AngleDegMag, RD_SetDriftDirMag, 3, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Direction, degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    {4, DT0183_VariableNumber, UT183_Knots, RD_SetDriftSpeed, 5, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Current speed, knots", "Knots to metres per second conversion required", ""},
    // VHW: rows 138..141
    {0, DT0183_VariableNumber, UT183_AngleDegTrue, RD_HeadingSensorTrue, 1, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Heading, degrees True", "Degrees true to radians conversion required", ""},
    {2, DT0183_VariableNumber, UT183_AngleDegMag, RD_HeadingSensorMag, 3, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Heading, degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    {4, DT0183_VariableNumber, UT183_Knots, RD_SpeedWaterRef, 5, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Speed, knots", "Knots to metres per second conversion required", ""},
    {6, DT0183_VariableNumber, UT183_Kph, RD_SpeedWaterRef, 7, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Speed, km/hr", "Kilometres per hour to metres per second conversion required", ""},
    // VLW: rows 142..145
    {0, DT0183_VariableNumber, UT183_Nm, RD_DistanceWaterRefTotal, 1, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Total cumulative water distance, nautical miles", "Nautical miles to metres conversion required", ""},
    {2, DT0183_VariableNumber, UT183_Nm, RD_DistanceWaterRefSinceReset, 3, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Water distance since reset, nautical miles", "Nautical miles to metres conversion required", ""},
    {4, DT0183_VariableNumber, UT183_Nm, RD_DistanceTotal, 5, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Total cumulative ground distance, nautical miles", "Nautical miles to metres conversion required", ""},
    {6, DT0183_VariableNumber, UT183_Nm, RD_DistanceSinceReset, 7, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Ground distance since reset, nautical miles", "Nautical miles to metres conversion required", ""},
    // VTG: rows 146..150
    {0, DT0183_VariableNumber, UT183_AngleDegTrue, RD_COGTrue, 1, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Course over ground, degrees True", "Degrees true to radians conversion required", ""},
    {2, DT0183_VariableNumber, UT183_AngleDegMag, RD_COGMag, 3, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Course over ground, degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    {4, DT0183_VariableNumber, UT183_Knots, RD_SOG, 5, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Speed over ground, knots", "Knots to metres per second conversion required", ""},
    {6, DT0183_VariableNumber, UT183_Kph, RD_SOG, 7, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Speed over ground, km/hr", "Kilometres per hour to metres per second conversion required", ""},
    {8, DT0183_GNSSPosModeIndicator, UT183_0, RD_GNSSQualityMethod, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Mode Indicator", "Mode letter to the GNSS method code; RMC and GGA already supply it", ""},
    // VWR: rows 151..154
    {0, DT0183_AngleLR, UT183_AngleDeg, RD_WindDirectionApparent, kNoSentenceField, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Measured wind angle relative to the vessel, 0 to 180, left/right of bow", "L/R angle to a clockwise angle 0 to 360; degrees to radians", ""},
    {2, DT0183_VariableNumber, UT183_Knots, RD_WindSpeedApparent, 3, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Measured wind speed, knots", "Knots to metres per second conversion required", ""},
    {4, DT0183_VariableNumber, UT183_MetresPerSec, RD_WindSpeedApparent, 5, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Measured wind speed, meters/second", "Metres per second, no conversion required", ""},
    {6, DT0183_VariableNumber, UT183_Kph, RD_WindSpeedApparent, 7, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Measured wind speed, km/hr", "Kilometres per hour to metres per second conversion required", ""},
    // WCV: rows 155..156
    {0, DT0183_VariableNumber, UT183_Knots, RD_WptClosingVelocity, 1, 1, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Velocity component, knots", "Knots to metres per second conversion required", ""},
    {2, DT0183_WaypointID, UT183_0, RD_WptIDDest, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Waypoint identifier", "Waypoint name taken as a number", ""},
    // WPL: rows 157..159
    {0, DT0183_Latitude, UT183_0, RD_WptDestLatitudeWGS84, kNoSentenceField, 4, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Waypoint latitude", "ddmm.mmm and hemisphere to signed degrees", ""},
    {2, DT0183_Longitude, UT183_0, RD_WptDestLongitudeWGS84, kNoSentenceField, 4, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Waypoint longitude", "dddmm.mmm and hemisphere to signed degrees", ""},
    {4, DT0183_WaypointID, UT183_0, RD_WptIDDest, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Waypoint identifier", "Waypoint name taken as a number", ""},
    // XTE: rows 160..161
    {2, DT0183_XTE, UT183_Nm, RD_XTE, 4, 2, 0, 0, RD_NONE, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Magnitude of Cross track Error, Nautical", "Signed by the L/R field that follows; nautical miles to metres", ""},
    {5, DT0183_PosModeIndicator, UT183_0, RD_XTEPosMode, kNoSentenceField, 0, 0, 0, RD_NONE, 0, {0, 0, 0}, 3, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Mode Indicator", "Mode letter to mode code", ""},
    // ZDA: rows 162..164
    {0, DT0183_TimeAndTalkerID, UT183_0, RD_UTC, kNoSentenceField, 2, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "UTC", "hhmmss.ss to seconds since midnight; talker sets the time source", ""},
    {1, DT0183_Date, UT183_0, RD_Date, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Date: day 01 to 31, month 01 to 12, year", "Day, month and year to days since 1970", ""},
    {4, DT0183_TimeOffset, UT183_0, RD_UTCLocalOffset, kNoSentenceField, kFixedTwoDigits, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Local zone hours, 00 to +/-13, and minutes", "Hours and minutes to an offset in minutes", ""},
    // ZFO: rows 165..167
    {0, DT0183_Time, UT183_0, RD_UTC, kNoSentenceField, 2, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "UTC of observation", "hhmmss.ss to seconds since midnight", ""},
    {1, DT0183_Time, UT183_ElapsedTime, RD_NONE, kNoSentenceField, 2, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Elapsed time", "Time since leaving the origin waypoint; no repository datatype for it yet", ""},
    {2, DT0183_WaypointID, UT183_0, RD_WptIDOrigin, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Origin waypoint ID", "Waypoint name taken as a number", ""},
    // ZTG: rows 168..170
    {0, DT0183_Time, UT183_0, RD_UTC, kNoSentenceField, 2, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "UTC of observation", "hhmmss.ss to seconds since midnight", ""},
    {1, DT0183_Time, UT183_0, RD_NONE, kNoSentenceField, 2, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Time to go, hhmmss.ss", "Time remaining to the destination waypoint; no repository datatype for it yet", ""},
    {2, DT0183_WaypointID, UT183_0, RD_WptIDDest, kNoSentenceField, 0, 0, 0, RD_NONE, kNoSentenceField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Destination waypoint ID", "Waypoint name taken as a number", ""},
};

// A short initializer list would leave zeroed rows at the end.
static_assert(kSentenceFieldDefinitions[kSentenceFieldCount - 1].fieldNumber == 2);
static_assert(*kSentenceFieldDefinitions[kSentenceFieldCount - 1].developmentStatus == 'Y');
