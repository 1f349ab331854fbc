#include "gateway/N183FieldParse.h"

#include <cstring>
#include <limits>

namespace {

constexpr uint32_t kMaxDecimalCharacters = 20;
constexpr int64_t kMaxYear = 9999;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// value x 10 + digit, or false when that passes 64 bits.
bool ShiftIn(int64_t& value, int digit) {
  if (value > (std::numeric_limits<int64_t>::max() - digit) / 10) return false;
  value = value * 10 + digit;
  return true;
}

int64_t DaysBeforeYear(int64_t year) {
  const int64_t years = year - 1970;
  // Leap years 1972, 1976, ... before this one.
  return years * 365 + (years + 1) / 4;
}

bool IsLeap(int64_t year) { return year % 4 == 0; }

constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

int32_t ParseDecimal(const char* text, RepositoryValue& out) {
  out.value = 0;
  out.exponent = 0;
  out.status = VS_NotAvailable;
  if (!text) return kN183NoText;
  const char* p = text;
  const bool negative = *p == '-';
  if (negative) ++p;
  bool point = false;
  bool digit = false;
  int64_t value = 0;
  int exponent = 0;
  for (uint32_t n = 0; *p; ++p, ++n) {
    if (n >= kMaxDecimalCharacters) {
      out.status = VS_OverflowError;
      return kN183Malformed;
    }
    if (*p == '.' && !point) {
      point = true;
      continue;
    }
    if (!IsDigit(*p)) {
      out.status = VS_Error;
      return kN183Malformed;
    }
    if (!ShiftIn(value, *p - '0')) {
      out.status = VS_OverflowError;
      return kN183Malformed;
    }
    digit = true;
    if (point) --exponent;
  }
  if (digit) out.status = VS_Valid;
  out.value = negative ? -value : value;
  out.exponent = static_cast<int8_t>(exponent);
  return 0;
}

int32_t ParseInteger(const char* text, uint32_t maxDigits, int64_t& out, ValueStatus& status) {
  out = 0;
  status = VS_NotAvailable;
  if (!text) return kN183NoText;
  const char* p = text;
  const bool negative = *p == '-';
  if (negative) ++p;
  int64_t value = 0;
  for (uint32_t n = 0; *p && n < maxDigits; ++p, ++n) {
    if (!IsDigit(*p)) {
      status = VS_Error;
      return kN183Malformed;
    }
    if (!ShiftIn(value, *p - '0')) {
      status = VS_OverflowError;
      return kN183Malformed;
    }
    status = VS_Valid;
  }
  out = status == VS_Valid && negative ? -value : value;
  return 0;
}

void DateToDays(int64_t day, int64_t month, int64_t year, RepositoryValue& out) {
  out.exponent = 0;
  out.resolutionFactor = 1;
  out.value = 0;
  if (year < 1970 || month > 12 || month < 0) {
    out.status = VS_Error;
    return;
  }
  if (year > kMaxYear || day > std::numeric_limits<int32_t>::max() || day < std::numeric_limits<int32_t>::min()) {
    out.status = VS_OverflowError;
    return;
  }
  int64_t days = DaysBeforeYear(year);
  for (int64_t m = 1; m < month; ++m) days += kMonthDays[m - 1] + (m == 2 && IsLeap(year) ? 1 : 0);
  out.value = days + day - 1;
  out.status = VS_Valid;
}

bool DaysToDate(int64_t days, int& day, int& month, int& year) {
  day = month = year = 0;
  if (days < 0 || days > std::numeric_limits<int32_t>::max()) return false;
  // Counted in four-year cycles from 1968, a leap year, so a cycle is 1461
  // days and starts with its leap year.
  int64_t d = days + 731;
  int64_t y = 1968 + 4 * (d / 1461);
  d %= 1461;
  if (d >= 366) {
    d -= 366;
    y += 1 + d / 365;
    d %= 365;
  }
  int m = 0;
  while (m < 11) {
    const int length = kMonthDays[m] + (m == 1 && IsLeap(y) ? 1 : 0);
    if (d < length) break;
    d -= length;
    ++m;
  }
  year = static_cast<int>(y);
  month = m + 1;
  day = static_cast<int>(d) + 1;
  return true;
}

int32_t ParseLatLong(const char* text, uint32_t degreeDigits, RepositoryValue& out) {
  out.value = 0;
  out.exponent = 0;
  out.status = VS_NotAvailable;
  if (!text) return kN183NoText;
  const size_t length = std::strlen(text);
  // Degrees and two minute digits at least; a shorter text has no pattern.
  if (length < degreeDigits + 2) {
    out.status = VS_Error;
    return kN183Malformed;
  }
  const char after = text[degreeDigits + 2];
  if (after != '.' && after != '\0') {
    out.status = VS_Error;
    return kN183Malformed;
  }
  int64_t degrees = 0;
  for (uint32_t i = 0; i < degreeDigits; ++i) {
    if (!IsDigit(text[i])) {
      out.status = VS_Error;
      return kN183Malformed;
    }
    degrees = degrees * 10 + (text[i] - '0');
  }
  RepositoryValue minutes;
  const int32_t r = ParseDecimal(text + degreeDigits, minutes);
  if (r != 0 || minutes.status != VS_Valid) {
    out.status = minutes.status == VS_NotAvailable ? VS_Error : minutes.status;
    return r != 0 ? r : kN183Malformed;
  }
  if (minutes.value > std::numeric_limits<int64_t>::max() / 100) {
    out.status = VS_OverflowError;
    return kN183Malformed;
  }
  out.value = minutes.value * 100 / 6;
  out.exponent = static_cast<int8_t>(minutes.exponent - 3);
  out.status = VS_Valid;
  AddScaled(out, degrees, 0);
  return 0;
}

int32_t ParseTimeOfDay(const char* text, RepositoryValue& out) {
  out.value = 0;
  out.exponent = 0;
  out.status = VS_NotAvailable;
  if (!text) return kN183NoText;
  const size_t length = std::strlen(text);
  if (length < 6) {
    out.status = VS_Error;
    return kN183Malformed;
  }
  for (int i = 0; i < 4; ++i) {
    if (!IsDigit(text[i])) {
      out.status = VS_Error;
      return kN183Malformed;
    }
  }
  const int64_t hours = (text[0] - '0') * 10 + (text[1] - '0');
  const int64_t minutes = (text[2] - '0') * 10 + (text[3] - '0');
  const int32_t r = ParseDecimal(text + 4, out);
  if (r != 0) return r;
  if (out.status != VS_Valid) {
    out.status = VS_Error;
    return kN183Malformed;
  }
  AddScaled(out, (hours * 60 + minutes) * 60, 0);
  return 0;
}

int32_t ParseTimeOffset(const char* hoursText, const char* minutesText, RepositoryValue& out) {
  out.value = 0;
  out.exponent = 0;
  out.status = VS_NotAvailable;
  if (!hoursText) return kN183NoText;
  int64_t hours = 0;
  ValueStatus hs;
  int32_t r = ParseInteger(hoursText, 3, hours, hs);
  if (r != 0 || hs != VS_Valid) {
    out.status = hs;
    return r;
  }
  int64_t minutes = 0;
  ValueStatus ms = VS_Valid;
  if (minutesText) {
    r = ParseInteger(minutesText, 2, minutes, ms);
    if (r != 0) {
      out.status = ms;
      return r;
    }
  }
  if (minutes >= 60 || minutes < 0) return 0;
  // The zone's sign covers its minutes too ("-03,30" is three and a half
  // hours west), and "-00" is west of Greenwich though its hours are 0.
  const bool west = hoursText[0] == '-';
  const int64_t magnitude = (west ? -hours : hours) * 60 + minutes;
  out.value = west ? magnitude : -magnitude;
  out.status = VS_Valid;
  return 0;
}
