// Arbitrary bytes through the record parser: no crash, no hang, and every
// byte of the input shown at most once; a printable byte, which is never
// framing, exactly once.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "log/RecordParser.h"

namespace {

// A time tag takes its bytes into the log time, and it can only start with
// these bytes as they stand in the file.
bool MayHoldTimeTag(const uint8_t* data, size_t size) {
  static constexpr std::array<uint8_t, 3> kTimeTagStart = {0x1B, 0x01, 0x03};
  return std::search(data, data + size, kTimeTagStart.begin(), kTimeTagStart.end()) != data + size;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static RecordParser parser;  // reused, as the document reuses its parser
  parser.Reset();
  parser.Parse(data, size);

  std::array<size_t, 256> inFile{}, shown{};
  for (size_t i = 0; i < size; ++i) ++inFile[data[i]];
  for (size_t i = 0; i < parser.Count(); ++i) {
    const Record r = parser.At(i);
    for (uint8_t b : r.data) ++shown[b];
    if (r.group == MG_None && r.data.empty()) std::abort();
    if (r.group == MG_KVT && r.data.size() > 236) std::abort();
    if (r.group == MG_N183 && r.data.size() > 300) std::abort();
    if (r.group == MG_QLX && r.data.size() > 100) std::abort();
  }
  const bool exact = !MayHoldTimeTag(data, size);
  for (int v = 0; v < 256; ++v) {
    if (shown[v] > inFile[v]) std::abort();
    if (exact && v >= 0x20 && v <= 0x7D && shown[v] != inFile[v]) std::abort();
  }
  return 0;
}
