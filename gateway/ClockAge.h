// Time elapsed on the gateway clock. The clock is the time of the record
// being converted, so it steps back whenever an earlier record is taken up;
// a stamp from the "future" is then simply no time ago, never a negative or
// wrapped-around age. The 32-bit clock itself may wrap, so a forward step is
// measured modulo 2^32.
#pragma once

#include <cstdint>

constexpr uint32_t ElapsedMs(uint32_t now, uint32_t then) {
  const uint32_t forward = now - then;
  return forward > 0x7FFFFFFFu ? 0 : forward;
}
