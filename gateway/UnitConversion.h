// Moving a value between an NMEA 0183 unit and the NMEA 2000 base unit of
// its datatype, both ways, with the library's conversion factors.
#pragma once

#include <cstdint>

#include "base/RepositoryValue.h"

struct N183ConversionFactor;
struct UT183Conversion;

// The conversion of the chain starting at unitRow whose letter is the
// given one; null when the chain has none. letter 0 takes the first row.
const N183ConversionFactor* FindUnitConversion(uint32_t unitRow, char letter, bool anyLetter);

// Received value (sentence units) into the datatype's exponent and factor.
void ConvertToBaseUnits(RepositoryValue& v, const N183ConversionFactor& conversion, int exponent, int factor);
// Stored value back into sentence units, at least as fine as `decimals`
// digits after the point; the result carries factor 1.
void ConvertFromBaseUnits(RepositoryValue& v, const N183ConversionFactor& conversion, int exponent, int factor,
                          int decimals);
