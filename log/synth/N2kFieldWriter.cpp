#include "log/synth/N2kFieldWriter.h"

#include <cmath>
#include <stdexcept>

void N2kFieldWriter::PutRaw(uint32_t bitOffset, uint32_t bitLength, uint64_t raw) {
  if (bitLength == 0 || bitLength > 64 || bitOffset + bitLength > data_.size() * 8)
    throw std::logic_error("NMEA 2000 field outside its payload");
  for (uint32_t i = 0; i < bitLength; ++i) {
    const uint32_t bit = bitOffset + i;
    const uint8_t mask = static_cast<uint8_t>(1u << (bit % 8));
    if ((raw >> i) & 1)
      data_[bit / 8] |= mask;
    else
      data_[bit / 8] &= static_cast<uint8_t>(~mask);
  }
}

void N2kFieldWriter::PutUnsigned(uint32_t bitOffset, uint32_t bitLength, double value, double resolution) {
  // The top three values of a field mean "reserved", "out of range" and
  // "not available"; data stops below them.
  const double highest = std::ldexp(1.0, static_cast<int>(bitLength)) - 4.0;
  const double raw = std::llround(value / resolution);
  PutRaw(bitOffset, bitLength, static_cast<uint64_t>(raw < 0 ? 0 : (raw > highest ? highest : raw)));
}

void N2kFieldWriter::PutSigned(uint32_t bitOffset, uint32_t bitLength, double value, double resolution) {
  // Likewise below the largest positive value; the most negative one is
  // left unused, as the published ranges do.
  const double highest = std::ldexp(1.0, static_cast<int>(bitLength) - 1) - 4.0;
  const double lowest = 1.0 - std::ldexp(1.0, static_cast<int>(bitLength) - 1);
  double raw = static_cast<double>(std::llround(value / resolution));
  raw = raw < lowest ? lowest : (raw > highest ? highest : raw);
  PutRaw(bitOffset, bitLength, static_cast<uint64_t>(static_cast<int64_t>(raw)));
}
