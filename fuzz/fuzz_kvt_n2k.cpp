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
  // The record list's line, written in place, is the appended one; a frame
  // the decoder refuses writes nothing in place.
  std::string appended;
  AppendKvtN2kSummary(appended, body.data(), static_cast<uint32_t>(body.size()));
  std::vector<char> room(kKvtN2kSummaryRoom);
  char* end = PutKvtN2kSummary(room.data(), body.data(), static_cast<uint32_t>(body.size()));
  N2kMessage message;
  const bool parsed = ParseKvtN2k(body.data(), static_cast<uint32_t>(body.size()), message, 0) == 0;
  if ((end != nullptr) != parsed || (end != nullptr && std::string(room.data(), end) != appended)) __builtin_trap();
  return 0;
}
