// NMEA 0183 unit types and the factors that carry a value into the NMEA 2000
// base unit of its kind. The unit code is the row position in both unit tables.
#include "library/N183Tables.h"

constexpr UT183UnitName kUT183UnitNames[kUT183UnitCount] = {
    {"UT183_0", "No Units", "Entry for values without a unit; also the conversion used where no next unit is present", 0},
    {"UT183_AngleDeg", "Angle, Degrees", "Angle in degrees without a reference letter, to radians", 1},
    {"UT183_AngleDegMag", "Angle, Degrees Magnetic", "Angle in degrees referenced to magnetic north (M), to radians", 2},
    {"UT183_AngleDegTrue", "Angle, Degrees True", "Angle in degrees referenced to true north (T), to radians", 3},
    {"UT183_Bar", "Pressure, Bar", "Pressure in bar (B), to pascal", 4},
    {"UT183_DegC", "Temperature, Centigrade", "Temperature in degrees Celsius (C), to kelvin", 5},
    {"UT183_DegPerMin", "Angle Rate, Degrees Per Min", "Rate of turn in degrees per minute, to radians per second", 6},
    {"UT183_Distance", "Distance, Metres", "Link list entry, copies UT183_Metres entry with Link = 2", 7},
    {"UT183_ElapsedTime", "", "Elapsed time; the sign is changed so that time already passed counts negative", 8},
    {"UT183_Fathoms", "Fathoms", "Depth in fathoms (F), to metres", 9},
    {"UT183_Feet", "Feet", "Depth or height in feet (f), to metres", 10},
    {"UT183_Inch", "Inch", "Length in inches (I), to metres", 11},
    {"UT183_InchesHg", "Pressure, Inches Hg", "Pressure in inches of mercury (I), to pascal", 12},
    {"UT183_Knots", "Knots", "Speed in knots (N), to metres per second", 13},
    {"UT183_Kph", "Kph", "Speed in kilometres per hour (K), to metres per second", 14},
    {"UT183_Metres", "Metres", "Length or depth in metres (M), no conversion", 15},
    {"UT183_MetresPerSec", "Metres Per Second", "Speed in metres per second (M), no conversion", 16},
    {"UT183_Mph", "Miles Per Hour", "Speed in statute miles per hour (S), to metres per second", 17},
    {"UT183_Nm", "Nautical Miles", "Distance in nautical miles (N), to metres", 18},
    {"UT183_Pascal", "Pressure, Pascal", "Pressure in pascal (P), no conversion", 19},
    {"UT183_Pressure", "Pressure", "Link list entry, points first toUT183_Pascal entry with Link = 4", 20},
    {"UT183_Speed", "Speed", "Link list entry, points first to UT183_MetresPerSec entry with Link = 4", 21},
};

constexpr UT183Conversion kUT183Conversions[kUT183UnitCount] = {
    // factor row, unit letter, chain length, reserved, next unit
    {0, 0xFF, 1, 0, 0},   // UT183_0
    {1, 0xFF, 1, 0, 0},   // UT183_AngleDeg
    {1, 'M', 1, 0, 0},    // UT183_AngleDegMag
    {1, 'T', 1, 0, 0},    // UT183_AngleDegTrue
    {10, 'B', 1, 0, 0},   // UT183_Bar
    {15, 'C', 1, 0, 0},   // UT183_DegC
    {3, 'D', 1, 0, 0},    // UT183_DegPerMin
    {0, 'M', 2, 0, 10},   // UT183_Distance: metres, then feet
    {9, 0xFF, 1, 0, 0},   // UT183_ElapsedTime
    {4, 'F', 1, 0, 11},   // UT183_Fathoms
    {5, 'f', 1, 0, 9},    // UT183_Feet
    {6, 'I', 1, 0, 0},    // UT183_Inch
    {11, 'I', 1, 0, 4},   // UT183_InchesHg
    {12, 'N', 1, 0, 17},  // UT183_Knots
    {13, 'K', 1, 0, 15},  // UT183_Kph
    {0, 'M', 1, 0, 0},    // UT183_Metres
    {0, 'M', 1, 0, 0},    // UT183_MetresPerSec
    {14, 'S', 1, 0, 14},  // UT183_Mph
    {7, 'N', 1, 0, 0},    // UT183_Nm
    {0, 'P', 1, 0, 12},   // UT183_Pascal
    {0, 'P', 4, 0, 19},   // UT183_Pressure: pascal, inches Hg, bar
    {0, 'M', 5, 0, 13},   // UT183_Speed: m/s, knots, mph, km/h
};

constexpr N183ConversionFactor kN183ConversionFactors[kN183ConversionFactorCount] = {
    // numerator, denominator, offset, offset exponent, NMEA 2000 unit code
    {1, 1, 0, 0, 0},               // identity
    {1256637, 71999996, 0, 0, 20}, // degrees to radians
    {1, 60, 0, 0, 20},             // minutes of arc to degrees
    {288, 990071, 0, 0, 21},       // degrees per minute to radians per second
    {60000, 32808, 0, 0, 8},       // fathoms to metres
    {10000, 32808, 0, 0, 8},       // feet to metres
    {254, 10000, 0, 0, 8},         // inches to metres
    {1852, 1, 0, 0, 8},            // nautical miles to metres
    {288, 22178866, 0, 0, 21},     // squared AIS rate-of-turn steps to radians per second
    {-1, 1, 0, 0, 0},              // sign change: elapsed time counts negative
    {100000, 1, 0, 0, 17},         // bar to pascal
    {3386389, 1000, 0, 0, 17},     // inches of mercury to pascal
    {1852, 3600, 0, 0, 11},        // knots to metres per second
    {10, 36, 0, 0, 11},            // km/h to metres per second
    {44704, 100000, 0, 0, 11},     // miles per hour to metres per second
    {1, 1, 27315, -2, 7},          // degrees Celsius to kelvin (+273.15)
};

// Short initializer lists would leave zeroed rows at the end.
static_assert(kUT183UnitNames[kUT183UnitCount - 1].code == kUT183UnitCount - 1);
static_assert(kUT183Conversions[kUT183UnitCount - 1].chainLength == 5);
static_assert(kN183ConversionFactors[kN183ConversionFactorCount - 1].offset == 27315);
