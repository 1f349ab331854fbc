// Arbitrary text through the 6-bit armour decoder: the output never exceeds
// three bytes for every four characters of the limit.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "decode/N183Decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  uint8_t out[225];
  uint32_t count = 0;
  DecodeArmour(text.c_str(), out, 300, count);
  if (count > sizeof out) std::abort();
  return 0;
}
