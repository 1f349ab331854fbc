// Arbitrary bytes as a KVT-HOX frame body, in all three decode modes: no
// crash, no read outside the frame, and a tree that is always filled in.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "decode/HoxDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A frame body never exceeds 236 bytes; the run's length limit keeps to it.
  if (size > 236) return 0;
  // An exact-size copy, so that the sanitizer sees any read past the body.
  const std::vector<uint8_t> body(data, data + size);
  for (int mode : {DM_Summary, DM_Full, DM_Gateway}) {
    CTreeNode node;
    const int32_t result = DecodeHoxBytes(node, body.data(), body.size(), mode);
    if (result != 0 && result != kKvtWrongLength && result != kKvtCommandUnknown) std::abort();
    if (node.Text().empty()) std::abort();
    // A decode never lists more lines than the bytes could fill: header
    // lines, fields of at least one byte each, and the capped byte dump.
    if (node.Children().size() > 300) std::abort();
    std::string text;
    RenderText(node, text, 9, 2, 0);
  }
  return 0;
}
