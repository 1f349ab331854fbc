// A whole log, end to end: parse arbitrary bytes into records and decode
// every record at every level, as scrolling and selecting in the list would.
#include <cstdint>

#include "decode/RecordDecoder.h"
#include "log/RecordParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static RecordParser parser;
  static DecodeContext context;
  parser.Reset();
  parser.Parse(data, size);
  for (size_t i = 0; i < parser.Count(); ++i)
    for (int level : {DM_Summary, DM_Full, DM_Gateway}) DecodeRecord(level, context, parser.At(i), nullptr);
  return 0;
}
