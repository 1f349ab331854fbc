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

// Bits [position, position + width) of data, least significant first; false
// when they pass the length.
bool ReadBitsLE(const uint8_t* data, uint32_t length, uint32_t position, uint32_t width, uint64_t& out);
// Writes the low width bits of value; the other bits of the touched bytes
// keep theirs. False, and nothing written, when they pass the length.
bool WriteBitsLE(uint8_t* data, uint32_t length, uint32_t position, uint32_t width, uint64_t value);
