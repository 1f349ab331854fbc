// Readers of NMEA 0183 field text into repository values: numbers, dates,
// positions and times of day. They never read past the text's NUL and
// never overflow: a number too long for 64 bits is reported, not wrapped.
#pragma once

#include <cstdint>

#include "base/RepositoryValue.h"

constexpr int32_t kN183Malformed = -890;
constexpr int32_t kN183NoText = -893;

// Optional "-", then digits with at most one "."; every digit after the
// point lowers the exponent. Status 5 without digits, 8 for any other
// character, 10 when the digits do not fit 64 bits or pass 20 characters.
int32_t ParseDecimal(const char* text, RepositoryValue& out);
// Optional "-", then at most maxDigits digits.
int32_t ParseInteger(const char* text, uint32_t maxDigits, int64_t& out, ValueStatus& status);
// Days since 1 January 1970, every fourth year a leap year; month 0 counts
// as January and any day number is accepted.
void DateToDays(int64_t day, int64_t month, int64_t year, RepositoryValue& out);
// The inverse; false for a negative day count.
bool DaysToDate(int64_t days, int& day, int& month, int& year);
// ddmm.mmm (degreeDigits 2) or dddmm.mmm (3) into degrees.
int32_t ParseLatLong(const char* text, uint32_t degreeDigits, RepositoryValue& out);
// hhmmss.sss into seconds since midnight.
int32_t ParseTimeOfDay(const char* text, RepositoryValue& out);
// Local zone hours (up to 3 characters, signed) and minutes into the
// minutes that turn local time into UTC: zone +03:30 gives -210.
int32_t ParseTimeOffset(const char* hours, const char* minutes, RepositoryValue& out);
