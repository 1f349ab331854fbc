// Arbitrary bytes through the sentence decoder in every mode, as the record
// dispatcher hands them over.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "decode/N183Decoder.h"
#include "decode/DecodeMode.h"
#include "base/OutputTree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  for (int mode : {DM_Summary, DM_Full, DM_Gateway}) {
    CTreeNodeMFC root;
    DecodeN183Record(bytes.data(), static_cast<uint32_t>(bytes.size()), root, mode, 0, nullptr);
    std::string text;
    RenderText(root, text, 9, 2, 0);
  }
  // The summary written in place is the appended one.
  std::string appended;
  AppendSentenceSummary(appended, bytes.data(), static_cast<uint32_t>(bytes.size()));
  std::vector<char> room(kSentenceSummaryRoom);
  const char* end = PutSentenceSummary(room.data(), bytes.data(), static_cast<uint32_t>(bytes.size()));
  if (std::string_view(room.data(), static_cast<size_t>(end - room.data())) != appended) __builtin_trap();
  return 0;
}
