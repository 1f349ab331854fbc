// Packs NMEA 2000 fields into a payload: bit 0 is the least significant bit
// of byte 0 and multi-byte fields are little-endian. Every byte starts as
// 0xFF, so reserved bits are set as the standard asks; spare fields must be
// written as 0 explicitly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class N2kFieldWriter {
 public:
  explicit N2kFieldWriter(size_t bytes) : data_(bytes, 0xFF) {}

  void PutRaw(uint32_t bitOffset, uint32_t bitLength, uint64_t raw);
  // value / resolution rounded to an integer, clamped to the range that
  // holds data so that a value never reads as "not available".
  void PutUnsigned(uint32_t bitOffset, uint32_t bitLength, double value, double resolution);
  void PutSigned(uint32_t bitOffset, uint32_t bitLength, double value, double resolution);

  const std::vector<uint8_t>& Data() const { return data_; }
  std::vector<uint8_t> Take() { return std::move(data_); }

 private:
  std::vector<uint8_t> data_;
};
