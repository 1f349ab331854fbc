#include "decode/NumberFormat.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>

#include "decode/SafeFormat.h"

namespace {

// Magnitudes are carried unsigned so that the most negative 64-bit number
// still has one.
uint64_t Magnitude(int64_t v) {
  return v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
}

int64_t FloorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::string Formatted(const char* format, ...) QLX_PRINTF(1, 2);
std::string Formatted(const char* format, ...) {
  va_list args;
  va_start(args, format);
  CSafeFormat f;
  f.Format(format, args);
  va_end(args);
  return f.Get();
}

std::string PositionText(const RepositoryValue& value, char positive, char negative) {
  long double q = static_cast<long double>(value.value) * std::pow(10.0L, value.exponent);
  char hemisphere = positive;
  if (q < 0) {
    hemisphere = negative;
    q = -q;
  }
  const long double degrees = std::trunc(q);
  const long double minutes = (q - degrees) * 60;
  return Formatted("%02.0Lf\xB0 %09.6Lf' %c", degrees, minutes, hemisphere);
}

}  // namespace

std::string NumberText(const RepositoryValue& value, int8_t decimals) {
  const bool negative = value.value < 0;
  uint64_t magnitude = Magnitude(value.value);
  const int factor = value.resolutionFactor;
  if (factor > 1) magnitude *= static_cast<uint64_t>(factor);
  if (factor < -1) magnitude /= static_cast<uint64_t>(-factor);

  RepositoryValue copy = value;
  copy.value = static_cast<int64_t>(magnitude);
  if (decimals >= 0) Rescale(copy, -decimals);

  std::string text = Formatted("%" PRIu64, static_cast<uint64_t>(copy.value));
  if (copy.exponent > 0) {
    text.append(static_cast<size_t>(copy.exponent), '0');
  } else if (copy.exponent < 0) {
    const size_t places = static_cast<size_t>(-copy.exponent);
    if (text.size() <= places) text.insert(0, places + 1 - text.size(), '0');
    text.insert(text.size() - places, 1, '.');
  }
  if (negative) text.insert(0, 1, '-');
  return text;
}

std::string DateText(const RepositoryValue& value) {
  // A date stored at another exponent is still a count of whole days.
  RepositoryValue copy = value;
  Rescale(copy, 0);
  // Civil date from a day count, in 400-year eras starting 1 March 0000;
  // the era is split off first so that no sum can overflow.
  constexpr int64_t kDaysPerEra = 146097;
  constexpr int64_t kEpochShift = 719468;  // 1 March 0000 to 1 January 1970
  const int64_t outerEra = FloorDiv(copy.value, kDaysPerEra);
  const int64_t remainder = copy.value % kDaysPerEra;
  const int64_t shifted = (remainder < 0 ? remainder + kDaysPerEra : remainder) + kEpochShift;
  const int64_t era = outerEra + shifted / kDaysPerEra;
  const int64_t dayOfEra = shifted % kDaysPerEra;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
  const unsigned day = static_cast<unsigned>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  const unsigned month = static_cast<unsigned>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  return Formatted("%02u/%02u/%02" PRId64, day, month, year);
}

std::string TimeText(const RepositoryValue& value) {
  RepositoryValue copy = value;
  Rescale(copy, -6);
  const uint64_t magnitude = Magnitude(copy.value);
  const unsigned micro = static_cast<unsigned>(magnitude % 1000000);
  const uint64_t totalSeconds = magnitude / 1000000;
  const uint64_t hours = totalSeconds / 3600;
  const unsigned minutes = static_cast<unsigned>(totalSeconds % 3600 / 60);
  const unsigned seconds = static_cast<unsigned>(totalSeconds % 60);
  // The sign goes only on a time that shows something other than zero.
  const char* sign = copy.value < 0 && magnitude >= 1000 ? "-" : "";
  if (micro / 1000 != 0)
    return Formatted("%s%02" PRIu64 ":%02u:%02u.%03u", sign, hours, minutes, seconds, micro / 1000);
  return Formatted("%s%02" PRIu64 ":%02u:%02u", sign, hours, minutes, seconds);
}

std::string LatitudeText(const RepositoryValue& value) { return PositionText(value, 'N', 'S'); }

std::string LongitudeText(const RepositoryValue& value) { return PositionText(value, 'E', 'W'); }
