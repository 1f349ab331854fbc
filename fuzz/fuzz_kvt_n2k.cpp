// Arbitrary frame bodies through the NMEA 2000 decoder in every mode: every
// read stays inside the body and every tree renders.
#include <cstdint>
#include <string>
#include <vector>

#include "decode/N2kDecoder.h"
#include "base/OutputTree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A frame body never exceeds 236 bytes; the run's length limit keeps to it.
  if (size > 236) return 0;
  // An exact-size copy, so that the sanitizer sees any read past the body.
  const std::vector<uint8_t> body(data, data + size);
  for (int mode : {DM_Summary, DM_Full, DM_Gateway}) {
    CTreeNodeMFC root;
    DecodeKvtN2k(body.data(), static_cast<uint32_t>(body.size()), root, mode, nullptr, 0);
    std::string text;
    RenderText(root, text, 9, 2, 0);
  }
  return 0;
}
