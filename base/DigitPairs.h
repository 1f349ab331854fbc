// Small tables for writing numbers without a division per digit: the two
// upper-case hex digits of every byte value, and the two decimal digits of
// every value below 100.
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

// The same digits of every byte followed by two spaces: a byte list writes
// four characters at once and the next byte's digits land on the second
// space.
inline constexpr auto kHexCells = [] {
  std::array<char, 1024> cells{};
  for (size_t b = 0; b < 256; ++b) {
    cells[4 * b] = kHexPairs[2 * b];
    cells[4 * b + 1] = kHexPairs[2 * b + 1];
    cells[4 * b + 2] = ' ';
    cells[4 * b + 3] = ' ';
  }
  return cells;
}();

inline constexpr auto kDecimalPairs = [] {
  std::array<char, 200> pairs{};
  for (size_t v = 0; v < 100; ++v) {
    pairs[2 * v] = static_cast<char>('0' + v / 10);
    pairs[2 * v + 1] = static_cast<char>('0' + v % 10);
  }
  return pairs;
}();
