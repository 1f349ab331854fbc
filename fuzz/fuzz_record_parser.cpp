// Arbitrary bytes through the record parser: no crash, no hang, and the
// record list stays within what the input could have produced.
#include <cstdint>
#include <cstdlib>

#include "log/RecordParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static RecordParser parser;  // reused, as the document reuses its parser
  parser.Reset();
  parser.Parse(data, size);

  size_t total = 0;
  for (size_t i = 0; i < parser.Count(); ++i) {
    const Record r = parser.At(i);
    total += r.data.size();
    if (r.group == MG_None) {
      // Unrecognised data is never empty, and stands last or directly before
      // the unit that ended it.
      if (r.data.empty()) std::abort();
      if (i + 1 < parser.Count() && parser.At(i + 1).group == MG_None) std::abort();
    }
    if (r.group == MG_KVT && r.data.size() > 236) std::abort();
    if (r.group == MG_N183 && r.data.size() > 300) std::abort();
    if (r.group == MG_QLX && r.data.size() > 100) std::abort();
  }
  if (total > size) std::abort();
  return 0;
}
