#include "decode/NumberFormat.h"

#include <charconv>
#include <cmath>

#include "base/SafeFormat.h"

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

// printf's "%0*lld": the sign, then zeros up to the width.
void AppendSigned(std::string& text, int64_t v, unsigned width) {
  if (v < 0) {
    text += '-';
    width = width > 0 ? width - 1 : 0;
  }
  AppendUnsigned(text, Magnitude(v), width);
}

uint64_t PowerOfTen(unsigned n) {
  uint64_t p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

// The reading in extended floating point, as positions were first shown.
std::string ExtendedPositionText(const RepositoryValue& value, char positive, char negative) {
  long double q = static_cast<long double>(value.value) * std::pow(10.0L, value.exponent);
  char hemisphere = positive;
  if (q < 0) {
    hemisphere = negative;
    q = -q;
  }
  const long double degrees = std::trunc(q);
  const long double minutes = (q - degrees) * 60;
  std::string text;
  AppendFormat(text, "%02.0Lf\xB0 %09.6Lf' %c", degrees, minutes, hemisphere);
  return text;
}

// Degrees and minutes in exact integer arithmetic. Below 1000 degrees the
// extended reading differs from the exact one by less than 1e-15 of a
// degree, so the exact result is taken wherever no rounding step (the whole
// degree, the sixth decimal of the minutes) lies within 1e-12 of the value;
// those rare values, larger angles and exponents beyond 64-bit integers take
// the extended path, so every text stays as it always was.
std::string PositionText(const RepositoryValue& value, char positive, char negative) {
  if (value.exponent > 0 || value.exponent < -19) return ExtendedPositionText(value, positive, negative);
  const uint64_t magnitude = Magnitude(value.value);
  const uint64_t scale = PowerOfTen(static_cast<unsigned>(-value.exponent));
  const uint64_t degrees = magnitude / scale;
  if (degrees >= 1000) return ExtendedPositionText(value, positive, negative);
  const unsigned __int128 fraction = magnitude % scale;
  constexpr unsigned __int128 kMargin = 1000000000000ULL;  // 1e12
  if (scale > 1 && (fraction * kMargin < scale || (scale - fraction) * kMargin < scale))
    return ExtendedPositionText(value, positive, negative);
  // Minutes in millionths, rounded half up, unless the value sits on the half.
  const unsigned __int128 scaled = fraction * 60000000u;
  uint64_t micro = static_cast<uint64_t>(scaled / scale);
  const unsigned __int128 twiceRest = (scaled % scale) * 2;
  const unsigned __int128 distance = twiceRest > scale ? twiceRest - scale : scale - twiceRest;
  if (distance * 1000000u < 2 * static_cast<unsigned __int128>(scale))
    return ExtendedPositionText(value, positive, negative);
  if (twiceRest > scale) ++micro;

  std::string text;
  text.reserve(20);
  AppendUnsigned(text, degrees, 2);
  text += "\xB0 ";
  AppendUnsigned(text, micro / 1000000, 2);
  text += '.';
  AppendUnsigned(text, micro % 1000000, 6);
  text += "' ";
  text += value.value < 0 ? negative : positive;
  return text;
}

}  // namespace

void AppendUnsigned(std::string& text, uint64_t v, unsigned width, char fill) {
  char digits[20];
  const char* end = std::to_chars(digits, digits + sizeof digits, v).ptr;
  const size_t count = static_cast<size_t>(end - digits);
  if (width > count) text.append(width - count, fill);
  text.append(digits, count);
}

void AppendHex(std::string& text, uint64_t v, unsigned width) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  char digits[16];
  size_t count = 0;
  do {
    digits[sizeof digits - ++count] = kDigits[v & 0x0F];
    v >>= 4;
  } while (v != 0);
  if (width > count) text.append(width - count, '0');
  text.append(digits + sizeof digits - count, count);
}

std::string NumberText(const RepositoryValue& value, int8_t decimals) {
  std::string text;
  AppendNumberText(text, value, decimals);
  return text;
}

void AppendNumberText(std::string& text, const RepositoryValue& value, int8_t decimals) {
  const bool negative = value.value < 0;
  uint64_t magnitude = Magnitude(value.value);
  const int factor = value.resolutionFactor;
  if (factor > 1) magnitude *= static_cast<uint64_t>(factor);
  if (factor < -1) magnitude /= static_cast<uint64_t>(-factor);

  RepositoryValue copy = value;
  copy.value = static_cast<int64_t>(magnitude);
  if (decimals >= 0) Rescale(copy, -decimals);

  char digits[20];
  const char* end = std::to_chars(digits, digits + sizeof digits, static_cast<uint64_t>(copy.value)).ptr;
  const size_t count = static_cast<size_t>(end - digits);
  if (negative) text += '-';
  if (copy.exponent >= 0) {
    text.append(digits, count);
    text.append(static_cast<size_t>(copy.exponent), '0');
  } else {
    // At least one digit stands before the point.
    const size_t places = static_cast<size_t>(-copy.exponent);
    if (count <= places) {
      text += "0.";
      text.append(places - count, '0');
      text.append(digits, count);
    } else {
      text.append(digits, count - places);
      text += '.';
      text.append(end - places, places);
    }
  }
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
  std::string text;
  AppendUnsigned(text, day, 2);
  text += '/';
  AppendUnsigned(text, month, 2);
  text += '/';
  AppendSigned(text, year, 2);
  return text;
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
  std::string text;
  if (copy.value < 0 && magnitude >= 1000) text += '-';
  AppendUnsigned(text, hours, 2);
  text += ':';
  AppendUnsigned(text, minutes, 2);
  text += ':';
  AppendUnsigned(text, seconds, 2);
  if (micro / 1000 != 0) {
    text += '.';
    AppendUnsigned(text, micro / 1000, 3);
  }
  return text;
}

std::string LatitudeText(const RepositoryValue& value) { return PositionText(value, 'N', 'S'); }

std::string LongitudeText(const RepositoryValue& value) { return PositionText(value, 'E', 'W'); }
