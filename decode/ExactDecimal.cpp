#include "decode/ExactDecimal.h"

#include <algorithm>
#include <cstdint>

namespace {

std::string Digits(unsigned __int128 n) {
  std::string text;
  do {
    text += static_cast<char>('0' + static_cast<int>(n % 10));
    n /= 10;
  } while (n != 0);
  std::reverse(text.begin(), text.end());
  return text;
}

}  // namespace

std::string ExactDecimal(const RepositoryValue& value) {
  // The magnitude is taken unsigned so that the most negative number has one,
  // and widened so that a multiplying factor cannot overflow it.
  const uint64_t magnitude =
      value.value < 0 ? 0 - static_cast<uint64_t>(value.value) : static_cast<uint64_t>(value.value);
  const int factor = value.resolutionFactor;
  std::string digits;
  int exponent = value.exponent;
  if (factor > 1) {
    digits = Digits(static_cast<unsigned __int128>(magnitude) * static_cast<unsigned>(factor));
  } else if (factor < -1) {
    const uint64_t divisor = static_cast<uint64_t>(-factor);
    digits = Digits(magnitude / divisor);
    uint64_t remainder = magnitude % divisor;
    for (size_t i = 0; remainder != 0 && i < kMaxQuotientDecimals; ++i) {
      remainder *= 10;
      digits += static_cast<char>('0' + remainder / divisor);
      remainder %= divisor;
      --exponent;
    }
  } else {
    digits = Digits(magnitude);
  }

  // digits x 10^exponent, written out in place.
  if (exponent >= 0) {
    digits.append(static_cast<size_t>(exponent), '0');
  } else {
    const size_t places = static_cast<size_t>(-exponent);
    if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
    digits.insert(digits.size() - places, 1, '.');
  }
  const size_t leading = std::min(digits.find_first_not_of('0'), digits.size() - 1);
  if (leading > 0 && digits[leading] != '.') digits.erase(0, leading);
  else if (leading > 1) digits.erase(0, leading - 1);
  const bool zero = digits.find_first_not_of("0.") == std::string::npos;
  if (value.value < 0 && !zero) digits.insert(0, 1, '-');
  return digits;
}
