// The field whose value selects which datatype a PGN field carries (the
// direction reference of a heading, the wind reference, a rudder's
// instance). The database image names it when the field has an entry of
// its own; otherwise the library's conversion map still knows it.
#pragma once

#include <cstdint>

struct N2KFieldEntry;

struct FieldSelector {
  bool present = false;
  uint32_t bitPosition = 0;  // from the start of the PGN data, without repetition offset
  uint32_t bitWidth = 0;
  uint8_t value = 0;
  int32_t entryIndex = -1;   // field entry of the same message, -1 when it has none
};

// entries: the message's field entries; count: how many.
FieldSelector ResolveFieldSelector(uint32_t pgn, const N2KFieldEntry& field, const N2KFieldEntry* entries,
                                   uint32_t count);

// The general cases of the two below, for fields that cross a byte
// boundary; position and width already checked.
uint64_t ReadBitsAcrossBytes(const uint8_t* data, uint32_t position, uint32_t width);
void WriteBitsAcrossBytes(uint8_t* data, uint32_t position, uint32_t width, uint64_t value);

// Bits [position, position + width) of data, least significant first; false
// when they pass the length. Inline for the fields within one byte, as most
// selectors and bit fields are: every message built or received reads or
// writes some.
inline bool ReadBitsLE(const uint8_t* data, uint32_t length, uint32_t position, uint32_t width, uint64_t& out) {
  out = 0;
  if (width > 64 || static_cast<uint64_t>(position) + width > static_cast<uint64_t>(length) * 8) return false;
  if (width == 0) return true;
  if (position % 8 + width <= 8) {
    out = (data[position / 8] >> (position % 8)) & ((1u << width) - 1u);
    return true;
  }
  out = ReadBitsAcrossBytes(data, position, width);
  return true;
}

// Writes the low width bits of value; the other bits of the touched bytes
// keep theirs. False, and nothing written, when they pass the length.
inline bool WriteBitsLE(uint8_t* data, uint32_t length, uint32_t position, uint32_t width, uint64_t value) {
  if (width > 64 || static_cast<uint64_t>(position) + width > static_cast<uint64_t>(length) * 8) return false;
  if (width == 0) return true;
  if (position % 8 + width <= 8) {
    const uint32_t low = (1u << width) - 1u;
    const uint8_t mask = static_cast<uint8_t>(low << (position % 8));
    const uint8_t bits = static_cast<uint8_t>((static_cast<uint32_t>(value) & low) << (position % 8));
    data[position / 8] = static_cast<uint8_t>((data[position / 8] & ~mask) | bits);
    return true;
  }
  WriteBitsAcrossBytes(data, position, width, value);
  return true;
}
