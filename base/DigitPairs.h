// Two-character tables for writing numbers without a division per digit:
// the two upper-case hex digits of every byte value, and the two decimal
// digits of every value below 100.
#pragma once

#include <array>
#include <cstddef>

inline constexpr auto kHexPairs = [] {
  std::array<char, 512> pairs{};
  constexpr char kDigits[] = "0123456789ABCDEF";
  for (size_t b = 0; b < 256; ++b) {
    pairs[2 * b] = kDigits[b >> 4];
    pairs[2 * b + 1] = kDigits[b & 0x0F];
  }
  return pairs;
}();

inline constexpr auto kDecimalPairs = [] {
  std::array<char, 200> pairs{};
  for (size_t v = 0; v < 100; ++v) {
    pairs[2 * v] = static_cast<char>('0' + v / 10);
    pairs[2 * v + 1] = static_cast<char>('0' + v % 10);
  }
  return pairs;
}();
