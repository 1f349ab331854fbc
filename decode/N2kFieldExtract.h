// Reading one NMEA 2000 field value out of a message, least significant bit
// first. The decoder and the gateway's receive direction use the same rules,
// including the reserved patterns that mean "not available", "out of range"
// and "reserved".
#pragma once

#include <cstdint>

#include "base/RepositoryValue.h"

struct DataDictionaryEntry;

// A read that would pass the end of the message: nothing is read beyond it.
struct FieldRead {
  RepositoryValue value;
  bool truncated = false;
};

// Data formats of the basic data type table that carry a sign.
inline bool IsSignedFormat(uint32_t format) { return format >= 9 && format <= 13; }
inline bool IsBitFieldFormat(uint32_t format) { return format == 7 || format == 8; }
inline bool IsIntegerFormat(uint32_t format) { return format >= 9 && format <= 17; }

// width bits (at most 56) from bit position bit. With the check on, all ones
// is "Not Available" and all ones but the lowest bit "Out of range".
FieldRead ExtractBitField(const uint8_t* data, uint32_t length, uint32_t bit, uint32_t width, bool check);
// bytes bytes from byte position at, sign-extended for signed formats, scaled
// by the dictionary entry.
FieldRead ExtractByteField(const uint8_t* data, uint32_t length, const DataDictionaryEntry& entry, uint32_t bytes,
                           uint32_t at);
