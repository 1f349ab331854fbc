// Exact text of scaled values: numbers, calendar dates, clock times and
// positions. Everything but the latitude/longitude minutes is integer
// arithmetic on the scaled value, so a log value is shown to its last digit.
// None of these needs the NMEA 2000 tables.
#pragma once

#include <cstdint>
#include <string>

#include "base/RepositoryValue.h"

// The fixed integer formats of the decoders' lines, without printf: v in
// decimal or upper-case hex, padded on the left with `fill` to at least
// `width` characters ("%0*llu", "%*llu", "%0*llX").
void AppendUnsigned(std::string& text, uint64_t v, unsigned width = 0, char fill = '0');
void AppendHex(std::string& text, uint64_t v, unsigned width = 0);

// Decimals for NumberText meaning "as stored" (callers holding the old
// unsigned 255 get the same meaning).
constexpr int8_t kDecimalsAsStored = -1;

// The value with its resolution factor applied, rounded to the given number
// of decimals (half away from zero) or left at its stored exponent when
// decimals is negative. No separators, no exponent notation.
std::string NumberText(const RepositoryValue& value, int8_t decimals);
void AppendNumberText(std::string& text, const RepositoryValue& value, int8_t decimals);

// "dd/mm/yyyy" of a count of days since 1 January 1970. Uses the full
// Gregorian leap-year rule, so dates after 28 February 2100 and before 1901
// come out right; days before 1970 count backwards. A year before 1 prints
// as an astronomical (zero or negative) year number.
std::string DateText(const RepositoryValue& value);

// "hh:mm:ss" of a count of seconds at any exponent, with ".mmm" when there
// are milliseconds. Hours do not wrap at 24. A negative duration shows the
// time of its magnitude behind a leading "-".
std::string TimeText(const RepositoryValue& value);

// "dd\xB0 mm.mmmmmm' N" of degrees at any exponent (the resolution factor is
// not applied).
std::string LatitudeText(const RepositoryValue& value);
std::string LongitudeText(const RepositoryValue& value);
