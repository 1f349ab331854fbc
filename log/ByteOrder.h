// Every multi-byte number in a log, a message and the database image is
// little-endian whatever the host: values are packed and unpacked byte by
// byte, never through casts of the bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

inline void StoreU16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

inline void StoreU32(uint8_t* p, uint32_t v) {
  StoreU16(p, static_cast<uint16_t>(v));
  StoreU16(p + 2, static_cast<uint16_t>(v >> 16));
}

inline void StoreU64(uint8_t* p, uint64_t v) {
  StoreU32(p, static_cast<uint32_t>(v));
  StoreU32(p + 4, static_cast<uint32_t>(v >> 32));
}

inline uint16_t LoadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

inline uint32_t LoadU32(const uint8_t* p) {
  return static_cast<uint32_t>(LoadU16(p)) | (static_cast<uint32_t>(LoadU16(p + 2)) << 16);
}

inline uint64_t LoadU64(const uint8_t* p) {
  return static_cast<uint64_t>(LoadU32(p)) | (static_cast<uint64_t>(LoadU32(p + 4)) << 32);
}

// An unsigned number of `width` bytes (at most 8).
inline uint64_t LoadLE(const uint8_t* p, size_t width) {
  uint64_t v = 0;
  for (size_t i = 0; i < width; ++i) v |= static_cast<uint64_t>(p[i]) << (8 * i);
  return v;
}

// The same at an offset of a byte run, reading bytes past its end as 0: the
// layouts of short tags and frames say missing bytes count as zero.
inline uint64_t LoadLEPadded(std::span<const uint8_t> bytes, size_t offset, size_t width) {
  uint64_t v = 0;
  for (size_t i = 0; i < width; ++i)
    if (offset + i < bytes.size()) v |= static_cast<uint64_t>(bytes[offset + i]) << (8 * i);
  return v;
}
