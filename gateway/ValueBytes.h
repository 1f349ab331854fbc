// A number's bytes in a repository slot or a message field, least
// significant first. Every value read or written by the gateway passes
// through here, mostly as 1, 2 or 4 bytes, so those widths are single moves.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

// The first `width` bytes (at most 8) at p as an unsigned number.
inline uint64_t LoadValueBytes(const uint8_t* p, uint32_t width) {
  if constexpr (std::endian::native == std::endian::little) {
    switch (width) {
      case 1:
        return p[0];
      case 2: {
        uint16_t v;
        std::memcpy(&v, p, 2);
        return v;
      }
      case 4: {
        uint32_t v;
        std::memcpy(&v, p, 4);
        return v;
      }
      case 8: {
        uint64_t v;
        std::memcpy(&v, p, 8);
        return v;
      }
      default:
        break;
    }
  }
  uint64_t v = 0;
  for (uint32_t i = 0; i < width && i < 8; ++i) v |= static_cast<uint64_t>(p[i]) << (8 * i);
  return v;
}

// The low `width` bytes (at most 8) of value to p.
inline void StoreValueBytes(uint8_t* p, uint64_t value, uint32_t width) {
  if constexpr (std::endian::native == std::endian::little) {
    switch (width) {
      case 1:
        p[0] = static_cast<uint8_t>(value);
        return;
      case 2: {
        const auto v = static_cast<uint16_t>(value);
        std::memcpy(p, &v, 2);
        return;
      }
      case 4: {
        const auto v = static_cast<uint32_t>(value);
        std::memcpy(p, &v, 4);
        return;
      }
      case 8:
        std::memcpy(p, &value, 8);
        return;
      default:
        break;
    }
  }
  for (uint32_t i = 0; i < width && i < 8; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}
