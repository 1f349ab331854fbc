// Fields of the sentences the gateway converts. Each sentence's fields are a
// contiguous run in sentence-table order; field numbers count from the first
// field after the address and skip fields that need no conversion (unit
// letters, hemisphere and status fields are read through the row they serve).
#include "library/N183Tables.h"

const SentenceFieldDefinition kSentenceFieldDefinitions[kSentenceFieldCount] = {
    // field, DT0183 type, UT183 unit, repository, unit field, decimals, group size, group max, group repository,
    // validity field, reserved, validity rule, tags, framing, critical, in valid count, reserved, status, name, description, notes
    // APB: rows 0..10
    {2, 19, 18, 137, 4, 2, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Magnitude of Cross track Error, Nautical", "Signed by the L/R field that follows; nautical miles to metres", ""},
    {5, 1, 0, 46, kNoField, 0, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Status, Arrival Circle Entered", "A = 1, V = 0", ""},
    {6, 1, 0, 101, kNoField, 0, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Status, Perpendicular passed at waypoint", "A = 1, V = 0", ""},
    {7, 6, 3, 49, 8, 1, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Bearing origin to destination, True", "Degrees true to radians conversion required", ""},
    {7, 6, 2, 48, 8, 1, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Bearing origin to destination, Magnetic", "Degrees magnetic to radians conversion required", ""},
    {9, 21, 0, 135, kNoField, 0, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Destination Waypoint ID", "Waypoint name taken as a number", ""},
    {10, 6, 3, 51, 11, 1, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Bearing, present position to destination, True", "Degrees true to radians conversion required", ""},
    {10, 6, 2, 50, 11, 1, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Bearing, present position to destination, Magnetic", "Degrees magnetic to radians conversion required", ""},
    {12, 6, 3, 92, 13, 1, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Heading to steer to destination waypoint, True", "Degrees true to radians conversion required", ""},
    {12, 6, 2, 91, 13, 1, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Heading to steer to destination waypoint, Magnetic", "Degrees magnetic to radians conversion required", ""},
    {14, 20, 0, 138, kNoField, 0, 0, 0, 100, 0, {0, 0, 0}, 3, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Mode Indicator", "Mode letter to mode code", ""},
    // BWC: rows 11..18
    {0, 4, 0, 119, kNoField, 2, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "UTC of observation", "hhmmss.ss to seconds since midnight", ""},
    {1, 2, 0, 133, kNoField, 4, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Waypoint latitude", "ddmm.mmm and hemisphere to signed degrees", ""},
    {3, 3, 0, 134, kNoField, 4, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Waypoint longitude", "dddmm.mmm and hemisphere to signed degrees", ""},
    {5, 6, 3, 51, 6, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Bearing, degrees True", "Degrees true to radians conversion required", ""},
    {7, 6, 2, 50, 8, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Bearing, degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    {9, 6, 18, 57, 10, 2, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Distance, nautical miles", "Nautical miles to metres conversion required", ""},
    {11, 21, 0, 135, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Waypoint ID", "Waypoint name taken as a number", ""},
    {12, 20, 0, 138, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Mode Indicator", "Mode letter to mode code; no NMEA 2000 field carries the mode of this bearing", ""},
    // BWR: rows 19..26
    {0, 4, 0, 119, kNoField, 2, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "UTC of observation", "hhmmss.ss to seconds since midnight", ""},
    {1, 2, 0, 133, kNoField, 4, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Waypoint latitude", "ddmm.mmm and hemisphere to signed degrees", ""},
    {3, 3, 0, 134, kNoField, 4, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Waypoint longitude", "dddmm.mmm and hemisphere to signed degrees", ""},
    {5, 6, 3, 51, 6, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Bearing, degrees True", "Degrees true to radians conversion required", ""},
    {7, 6, 2, 50, 8, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Bearing, degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    {9, 6, 18, 57, 10, 2, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Distance, nautical miles", "Nautical miles to metres conversion required", ""},
    {11, 21, 0, 135, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Waypoint ID", "Waypoint name taken as a number", ""},
    {12, 20, 0, 138, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Mode Indicator", "Mode letter to mode code; no NMEA 2000 field carries the mode of this bearing", ""},
    // DBT: rows 27..29
    {0, 6, 10, 121, 1, 2, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Depth, Feet", "Feet to metres conversion required", ""},
    {2, 6, 15, 121, 3, 2, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Depth, Metres", "Metres, no conversion required", ""},
    {4, 6, 9, 121, 5, 2, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Depth, Fathoms", "Fathoms to metres conversion required", ""},
    // DPT: rows 30..32
    {0, 6, 15, 121, kNoField, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Water depth relative to the transducer, metres", "Metres, no conversion required", ""},
    {1, 6, 15, 122, kNoField, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Offset from transducer, metres", "Metres, no conversion required", "Positive to the waterline, negative to the keel"},
    {2, 6, 15, 123, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Maximum range scale in use", "Metres, no conversion required", ""},
    // GGA: rows 33..42
    {0, 4, 0, 119, kNoField, 2, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "UTC Of Position", "hhmmss.ss to seconds since midnight", ""},
    {1, 2, 0, 95, kNoField, 4, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Latitude", "ddmm.mmm and hemisphere to signed degrees", ""},
    {3, 3, 0, 97, kNoField, 4, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Longitude", "dddmm.mmm and hemisphere to signed degrees", ""},
    {5, 6, 0, 73, kNoField, kFixedOneDigit, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 1, 0, 0, "Yes", "GPS Quality indicator", "Quality digit taken as the GNSS method code", "0 marks a position that must not be used"},
    {6, 6, 0, 69, kNoField, kFixedTwoDigits, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Number of satellites in use, 00-12", "Number taken as received", ""},
    {7, 6, 0, 66, kNoField, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Horizontal dilution of precision", "Number taken as received", ""},
    {8, 6, 15, 45, 9, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Antenna altitude above/below mean sea level (geoid)", "Metres, no conversion required", ""},
    {10, 6, 15, 65, 11, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Geoidal separation", "Metres, no conversion required", "Negative when the geoid is below the WGS84 ellipsoid"},
    {12, 6, 0, 79, kNoField, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Age of Differential GPS data", "Seconds since the last differential update", ""},
    {13, 6, 0, 80, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Differential reference station ID, 0000-1023", "Number taken as received", ""},
    // GLL: rows 43..47
    {0, 2, 0, 95, kNoField, 4, 0, 0, 100, 5, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Latitude", "ddmm.mmm and hemisphere to signed degrees", ""},
    {2, 3, 0, 97, kNoField, 4, 0, 0, 100, 5, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Longitude", "dddmm.mmm and hemisphere to signed degrees", ""},
    {4, 4, 0, 119, kNoField, 2, 0, 0, 100, 5, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "UTC of position", "hhmmss.ss to seconds since midnight", ""},
    {5, 26, 0, 67, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Status", "A/V to a status code; stored as GNSS integrity until a datatype of its own exists", ""},
    {6, 27, 0, 73, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Mode Indicator", "Mode letter to the GNSS method code; talker sets the system type", ""},
    // GSA: rows 48..53
    {0, 29, 0, 75, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Mode, M = Manual, A = Automatic", "A = automatic; M takes the fix type that follows", ""},
    {1, 28, 0, 71, kNoField, kFixedOneDigit, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Mode, 1 = Fix not available, 2 = 2D, 3 = 3D", "Fix type digit to the fix type code", ""},
    {2, 6, 0, 88, kNoField, kFixedTwoDigits, 1, 12, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "GNSS Active Sat PRN used in solution", "Number taken as received", ""},
    {14, 6, 0, 72, kNoField, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "PDOP", "Number taken as received", ""},
    {15, 6, 0, 66, kNoField, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "HDOP", "Number taken as received", ""},
    {16, 6, 0, 78, kNoField, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "VDOP", "Number taken as received", ""},
    // GSV: rows 54..60
    {0, 30, 0, 100, kNoField, kFixedOneDigit, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 1, 0, 1, 0, "Yes", "Total number of sentences, 1 to 9", "Frames a multi-sentence message", ""},
    {1, 31, 0, 100, kNoField, kFixedOneDigit, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 1, 0, 1, 0, "Yes", "Sentence number, 1 to 9", "Frames a multi-sentence message", ""},
    {2, 6, 0, 70, kNoField, kFixedTwoDigits, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Number of satellites in view, 00-12", "Number taken as received", ""},
    {3, 6, 0, 84, kNoField, kFixedTwoDigits, 4, 4, 70, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Satellite ID (PRN) number", "Number taken as received", ""},
    {4, 6, 1, 83, kNoField, kFixedTwoDigits, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Elevation, degrees, 90 maximum", "Degrees to radians conversion required", ""},
    {5, 6, 1, 82, kNoField, kFixedThreeDigits, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Azimuth, degrees True, 000 to 359", "Degrees to radians conversion required", ""},
    {6, 6, 0, 87, kNoField, kFixedTwoDigits, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "SNR (C/No) 00-99 dB-Hz, null when not tracking", "Number taken as received", ""},
    // HDG: rows 61..63
    {0, 6, 1, 89, kNoField, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Magnetic sensor heading, degrees", "Degrees to radians conversion required", ""},
    {1, 15, 1, 98, kNoField, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Magnetic deviation, degrees E/W", "Signed by the E/W field that follows; degrees to radians", ""},
    {3, 15, 1, 99, kNoField, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Magnetic variation, degrees E/W", "Signed by the E/W field that follows; degrees to radians", ""},
    // HDM: rows 64..64
    {0, 6, 2, 89, 1, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Heading, degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    // HDT: rows 65..65
    {0, 6, 3, 90, 1, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Heading, degrees True", "Degrees true to radians conversion required", ""},
    // HSC: rows 66..67
    {0, 6, 3, 92, 1, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Commanded heading, degrees True", "Degrees true to radians conversion required", ""},
    {2, 6, 2, 91, 3, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Commanded heading, degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    // MDA: rows 68..78
    {0, 6, 12, 47, 1, 2, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx", 0, 0, 1, 0, "Yes", "Barometric pressure, inches of mercury", "Inches of mercury to pascal conversion required", ""},
    {2, 6, 4, 47, 3, 3, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Barometric pressure, bars", "Bar to pascal conversion required", ""},
    {4, 6, 5, 44, 5, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Air temperature, degrees C", "Celsius to kelvin conversion required", ""},
    {6, 6, 5, 124, 7, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Tx,Std", 0, 0, 1, 0, "Yes", "Water temperature, degrees C", "Celsius to kelvin conversion required", "Received from MTW; sent in MDA only"},
    {8, 6, 0, 94, kNoField, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Relative humidity, percent", "Percent taken as received", ""},
    {9, 6, 0, 100, kNoField, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Absolute humidity, percent", "No repository datatype for absolute humidity yet", ""},
    {10, 6, 5, 100, 11, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Dew point, degrees C", "No repository datatype for the dew point yet", ""},
    {12, 6, 3, 127, 13, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx", 0, 0, 1, 0, "Yes", "Wind direction, degrees True", "Degrees true to radians conversion required", ""},
    {14, 6, 2, 126, 15, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx", 0, 0, 1, 0, "Yes", "Wind direction, degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    {16, 6, 13, 130, 17, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx", 0, 0, 1, 0, "Yes", "Wind speed, knots", "Knots to metres per second conversion required", ""},
    {18, 6, 16, 130, 19, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx", 0, 0, 1, 0, "Yes", "Wind speed, meters/second", "Metres per second, no conversion required", ""},
    // MTW: rows 79..79
    {0, 6, 5, 124, 1, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Water Temperature, degrees C", "Celsius to kelvin conversion required", ""},
    // MWD: rows 80..83
    {0, 6, 3, 127, 1, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Wind direction, 0 to 359 degrees True", "Degrees true to radians conversion required", ""},
    {2, 6, 2, 126, 3, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Wind direction, 0 to 359 degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    {4, 6, 13, 130, 5, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Wind speed, knots", "Knots to metres per second conversion required", ""},
    {6, 6, 16, 130, 7, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Wind speed, meters/second", "Metres per second, no conversion required", ""},
    // MWV (R): rows 84..85
    {0, 6, 1, 125, kNoField, 2, 0, 0, 100, 4, {0, 0, 0}, 2, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Wind angle relative to vessel, 0 to 359 degrees", "Degrees to radians conversion required", ""},
    {2, 6, 21, 129, 3, 1, 0, 0, 100, 4, {0, 0, 0}, 2, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Wind speed, relative", "Speed in the unit given by the unit letter, to metres per second", ""},
    // MWV (T): rows 86..87
    {0, 6, 1, 128, kNoField, 2, 0, 0, 100, 4, {0, 0, 0}, 2, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Wind angle theoretical, 0 to 359 degrees", "Degrees to radians conversion required", ""},
    {2, 6, 21, 131, 3, 1, 0, 0, 100, 4, {0, 0, 0}, 2, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Wind speed, theoretical", "Speed in the unit given by the unit letter, to metres per second", ""},
    // RMA: rows 88..92
    {1, 2, 0, 95, kNoField, 4, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Latitude", "ddmm.mmm and hemisphere to signed degrees", "Loran-C receivers are no longer in service"},
    {3, 3, 0, 97, kNoField, 4, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Longitude", "dddmm.mmm and hemisphere to signed degrees", "Loran-C receivers are no longer in service"},
    {7, 6, 13, 107, kNoField, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Speed over ground, knots", "Knots to metres per second conversion required", ""},
    {8, 6, 3, 53, kNoField, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Course over ground, degrees True", "Degrees true to radians conversion required", ""},
    {9, 15, 1, 99, kNoField, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Magnetic variation, degrees E/W", "Signed by the E/W field that follows; degrees to radians", ""},
    // RMB: rows 93..102
    {1, 19, 18, 137, kNoField, 2, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Cross track error, nautical miles", "Signed by the L/R field that follows; nautical miles to metres", "9.99 when the error is larger"},
    {3, 21, 0, 136, kNoField, 0, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Origin waypoint ID", "Waypoint name taken as a number", ""},
    {4, 21, 0, 135, kNoField, 0, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Destination waypoint ID", "Waypoint name taken as a number", ""},
    {5, 2, 0, 133, kNoField, 4, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Destination waypoint latitude", "ddmm.mmm and hemisphere to signed degrees", ""},
    {7, 3, 0, 134, kNoField, 4, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Destination waypoint longitude", "dddmm.mmm and hemisphere to signed degrees", ""},
    {9, 6, 18, 57, kNoField, 1, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Range to destination, nautical miles", "Nautical miles to metres conversion required", ""},
    {10, 6, 3, 51, kNoField, 1, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Bearing to destination, degrees True", "Degrees true to radians conversion required", ""},
    {11, 6, 13, 132, kNoField, 1, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Destination closing velocity, knots", "Knots to metres per second conversion required", ""},
    {12, 1, 0, 46, kNoField, 0, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Arrival status", "A = 1, V = 0", ""},
    {13, 20, 0, 138, kNoField, 0, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Mode Indicator", "Mode letter to mode code", ""},
    // RMC: rows 103..111
    {0, 4, 0, 119, kNoField, 2, 0, 0, 100, 1, {0, 0, 0}, 2, "Rx,Tx,Std,AIS", 0, 0, 1, 0, "Yes", "UTC of position fix", "hhmmss.ss to seconds since midnight", ""},
    {1, 26, 0, 67, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Status", "A/V to a status code; stored as GNSS integrity until a datatype of its own exists", ""},
    {2, 2, 0, 95, kNoField, 4, 0, 0, 100, 1, {0, 0, 0}, 2, "Rx,Tx,Std,AIS", 0, 0, 1, 0, "Yes", "Latitude", "ddmm.mmm and hemisphere to signed degrees", ""},
    {4, 3, 0, 97, kNoField, 4, 0, 0, 100, 1, {0, 0, 0}, 2, "Rx,Tx,Std,AIS", 0, 0, 1, 0, "Yes", "Longitude", "dddmm.mmm and hemisphere to signed degrees", ""},
    {6, 6, 13, 107, kNoField, 1, 0, 0, 100, 1, {0, 0, 0}, 2, "Rx,Tx,Std,AIS", 0, 0, 1, 0, "Yes", "Speed over ground, knots", "Knots to metres per second conversion required", ""},
    {7, 6, 3, 53, kNoField, 1, 0, 0, 100, 1, {0, 0, 0}, 2, "Rx,Tx,Std,AIS", 0, 0, 1, 0, "Yes", "Course over ground, degrees True", "Degrees true to radians conversion required", ""},
    {8, 24, 0, 55, kNoField, 0, 0, 0, 100, 1, {0, 0, 0}, 2, "Rx,Tx,Std,AIS", 0, 0, 1, 0, "Yes", "Date: dd/mm/yy", "ddmmyy to days since 1970", ""},
    {9, 15, 1, 99, kNoField, 1, 0, 0, 100, 1, {0, 0, 0}, 2, "Rx,Tx,Std,AIS", 0, 0, 1, 0, "Yes", "Magnetic variation, degrees E/W", "Signed by the E/W field that follows; degrees to radians", ""},
    {11, 27, 0, 73, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std,AIS", 0, 0, 1, 0, "Yes", "Mode Indicator", "Mode letter to the GNSS method code; talker sets the system type", ""},
    // ROT: rows 112..112
    {0, 6, 6, 103, kNoField, 1, 0, 0, 100, 1, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Rate of turn, degrees/minute, \"-\" = bow turns to port", "Degrees per minute to radians per second conversion required", ""},
    // RPM: rows 113..114
    {1, 6, 0, 64, kNoField, kFixedOneDigit, 0, 0, 100, 4, {0, 0, 0}, 2, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Engine or shaft number, numbered from centre-line", "Instance taken as received", ""},
    {2, 6, 0, 63, kNoField, 1, 0, 0, 100, 4, {0, 0, 0}, 2, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Speed, revolutions/min, \"-\" = counter-clockwise", "Revolutions per minute taken as received", ""},
    // RSA: rows 115..116
    {0, 6, 1, 105, kNoField, 1, 0, 0, 100, 1, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Starboard (or single) rudder sensor", "Degrees to radians conversion required", ""},
    {2, 6, 1, 106, kNoField, 1, 0, 0, 100, 3, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Port rudder sensor", "Degrees to radians conversion required", ""},
    // VBW: rows 117..122
    {0, 6, 13, 114, kNoField, 2, 0, 0, 100, 2, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Longitudinal water speed, knots", "Knots to metres per second conversion required", ""},
    {1, 6, 13, 116, kNoField, 2, 0, 0, 100, 2, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Transverse water speed, knots", "Knots to metres per second conversion required", ""},
    {3, 6, 13, 111, kNoField, 2, 0, 0, 100, 5, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Longitudinal ground speed, knots", "Knots to metres per second conversion required", ""},
    {4, 6, 13, 112, kNoField, 2, 0, 0, 100, 5, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Transverse ground speed, knots", "Knots to metres per second conversion required", ""},
    {6, 6, 13, 117, kNoField, 2, 0, 0, 100, 7, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Stern transverse water speed, knots", "Knots to metres per second conversion required", ""},
    {8, 6, 13, 113, kNoField, 2, 0, 0, 100, 9, {0, 0, 0}, 2, "", 0, 0, 1, 0, "Yes", "Stern transverse ground speed, knots", "Knots to metres per second conversion required", ""},
    // VDM: rows 123..128
    {0, 30, 0, 100, kNoField, kFixedOneDigit, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "Total number of sentences needed to transfer the message, 1 to 9", "Frames a multi-sentence message", ""},
    {1, 31, 0, 100, kNoField, kFixedOneDigit, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "Sentence number, 1 to 9", "Frames a multi-sentence message", ""},
    {2, 32, 0, 100, kNoField, kFixedOneDigit, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "Sequential message identifier, 0 to 9", "Frames a multi-sentence message", ""},
    {3, 34, 0, 38, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "AIS Channel, A or B", "A or B to the transceiver channel; VDO marks own transmissions", ""},
    {4, 33, 0, 100, kNoField, 0, 1, 1, 100, kNoField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "ITU-R M.1371 Message", "Payload collected over the group and decoded as an AIS message", ""},
    {5, 35, 0, 100, kNoField, kFixedOneDigit, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "Number of fill-bits, 0 to 5", "Completes the last payload character", ""},
    // VDO: rows 129..134
    {0, 30, 0, 100, kNoField, kFixedOneDigit, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "Total number of sentences needed to transfer the message, 1 to 9", "Frames a multi-sentence message", ""},
    {1, 31, 0, 100, kNoField, kFixedOneDigit, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "Sentence number, 1 to 9", "Frames a multi-sentence message", ""},
    {2, 32, 0, 100, kNoField, kFixedOneDigit, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "Sequential message identifier, 0 to 9", "Frames a multi-sentence message", ""},
    {3, 34, 0, 38, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "AIS Channel, A or B", "A or B to the transceiver channel; VDO marks own transmissions", ""},
    {4, 33, 0, 100, kNoField, 0, 1, 1, 100, kNoField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "ITU-R M.1371 Message", "Payload collected over the group and decoded as an AIS message", ""},
    {5, 35, 0, 100, kNoField, kFixedOneDigit, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,AIS", 1, 0, 1, 0, "Yes", "Number of fill-bits, 0 to 5", "Completes the last payload character", ""},
    // VDR: rows 135..137
    {0, 6, 3, 109, 1, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Direction, degrees True", "Degrees true to radians conversion required", ""},
    {2, 6, 2, 108, 3, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Direction, degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    {4, 6, 13, 110, 5, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Current speed, knots", "Knots to metres per second conversion required", ""},
    // VHW: rows 138..141
    {0, 6, 3, 90, 1, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Heading, degrees True", "Degrees true to radians conversion required", ""},
    {2, 6, 2, 89, 3, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Heading, degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    {4, 6, 13, 115, 5, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Speed, knots", "Knots to metres per second conversion required", ""},
    {6, 6, 14, 115, 7, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Speed, km/hr", "Kilometres per hour to metres per second conversion required", ""},
    // VLW: rows 142..145
    {0, 6, 18, 60, 1, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Total cumulative water distance, nautical miles", "Nautical miles to metres conversion required", ""},
    {2, 6, 18, 59, 3, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Water distance since reset, nautical miles", "Nautical miles to metres conversion required", ""},
    {4, 6, 18, 58, 5, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Total cumulative ground distance, nautical miles", "Nautical miles to metres conversion required", ""},
    {6, 6, 18, 56, 7, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Ground distance since reset, nautical miles", "Nautical miles to metres conversion required", ""},
    // VTG: rows 146..150
    {0, 6, 3, 53, 1, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Course over ground, degrees True", "Degrees true to radians conversion required", ""},
    {2, 6, 2, 52, 3, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Course over ground, degrees Magnetic", "Degrees magnetic to radians conversion required", ""},
    {4, 6, 13, 107, 5, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Speed over ground, knots", "Knots to metres per second conversion required", ""},
    {6, 6, 14, 107, 7, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Speed over ground, km/hr", "Kilometres per hour to metres per second conversion required", ""},
    {8, 27, 0, 73, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Mode Indicator", "Mode letter to the GNSS method code; RMC and GGA already supply it", ""},
    // VWR: rows 151..154
    {0, 22, 1, 125, kNoField, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Measured wind angle relative to the vessel, 0 to 180, left/right of bow", "L/R angle to a clockwise angle 0 to 360; degrees to radians", ""},
    {2, 6, 13, 129, 3, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Measured wind speed, knots", "Knots to metres per second conversion required", ""},
    {4, 6, 16, 129, 5, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Measured wind speed, meters/second", "Metres per second, no conversion required", ""},
    {6, 6, 14, 129, 7, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Measured wind speed, km/hr", "Kilometres per hour to metres per second conversion required", ""},
    // WCV: rows 155..156
    {0, 6, 13, 132, 1, 1, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Velocity component, knots", "Knots to metres per second conversion required", ""},
    {2, 21, 0, 135, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Waypoint identifier", "Waypoint name taken as a number", ""},
    // WPL: rows 157..159
    {0, 2, 0, 133, kNoField, 4, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Waypoint latitude", "ddmm.mmm and hemisphere to signed degrees", ""},
    {2, 3, 0, 134, kNoField, 4, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Waypoint longitude", "dddmm.mmm and hemisphere to signed degrees", ""},
    {4, 21, 0, 135, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Waypoint identifier", "Waypoint name taken as a number", ""},
    // XTE: rows 160..161
    {2, 19, 18, 137, 4, 2, 0, 0, 100, 0, {0, 0, 0}, 1, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Magnitude of Cross track Error, Nautical", "Signed by the L/R field that follows; nautical miles to metres", ""},
    {5, 20, 0, 138, kNoField, 0, 0, 0, 100, 0, {0, 0, 0}, 3, "Rx,Tx,Std", 0, 0, 1, 0, "Yes", "Mode Indicator", "Mode letter to mode code", ""},
    // ZDA: rows 162..164
    {0, 5, 0, 119, kNoField, 2, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "UTC", "hhmmss.ss to seconds since midnight; talker sets the time source", ""},
    {1, 17, 0, 55, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Date: day 01 to 31, month 01 to 12, year", "Day, month and year to days since 1970", ""},
    {4, 18, 0, 120, kNoField, kFixedTwoDigits, 0, 0, 100, kNoField, {0, 0, 0}, 0, "", 0, 0, 1, 0, "Yes", "Local zone hours, 00 to +/-13, and minutes", "Hours and minutes to an offset in minutes", ""},
    // ZFO: rows 165..167
    {0, 4, 0, 119, kNoField, 2, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "UTC of observation", "hhmmss.ss to seconds since midnight", ""},
    {1, 4, 8, 100, kNoField, 2, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Elapsed time", "Time since leaving the origin waypoint; no repository datatype for it yet", ""},
    {2, 21, 0, 136, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Origin waypoint ID", "Waypoint name taken as a number", ""},
    // ZTG: rows 168..170
    {0, 4, 0, 119, kNoField, 2, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "UTC of observation", "hhmmss.ss to seconds since midnight", ""},
    {1, 4, 0, 100, kNoField, 2, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Xclude", 0, 0, 1, 0, "WIP", "Time to go, hhmmss.ss", "Time remaining to the destination waypoint; no repository datatype for it yet", ""},
    {2, 21, 0, 135, kNoField, 0, 0, 0, 100, kNoField, {0, 0, 0}, 0, "Rx,Std", 0, 0, 1, 0, "Yes", "Destination waypoint ID", "Waypoint name taken as a number", ""},
};
