// Arbitrary text as a filter expression: it parses or names a column inside
// the text (or just past it), and a parsed filter is asked of records of
// every kind.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "log/Framing.h"
#include "log/RecordParser.h"
#include "query/Filter.h"

namespace {

const RecordParser& SomeRecords() {
  static const Bytes log = [] {
    Bytes out;
    AppendVersionTag(out, 1250);
    AppendSentence(out, WithChecksum("$GPGGA,093100,5230.1,N,00410.2,E,1,08,0.9,5.0,M,46.0,M,,"));
    AppendSentence(out, "!AIVDM,1,1,,A,13aG?P0P00PD;88MD5MTDww@2<0L,0*00");
    const Bytes n2k = {2, 0x10, 0xF1, 0x01, 0xFF, 0x23, 1, 2, 3, 4, 3, 0xAA, 0xBB, 0xCC};
    AppendKvtFrame(out, MakeKvtBody(0x93, n2k));
    out.push_back(0x07);
    return out;
  }();
  static RecordParser parser;
  if (parser.Count() == 0) parser.Parse(log.data(), log.size());
  return parser;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  FilterError error;
  const std::optional<Filter> filter = Filter::Parse(text, error);
  if (!filter) {
    if (error.column < 1 || error.column > size + 1 || error.expected.empty()) std::abort();
    return 0;
  }
  const std::string summary = "PGN: 127250";
  const Filter::SummaryFunction summaryOf = [&summary](const Record&) -> const std::string& { return summary; };
  const RecordParser& records = SomeRecords();
  for (size_t i = 0; i < records.Count(); ++i) filter->Matches(records.At(i), i + 1, summaryOf);
  return 0;
}
