#include "bench/InstructionCount.h"

#include <valgrind/callgrind.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/RecordKind.h"
#include "log/LogTime.h"
#include "decode/RecordDecoder.h"
#include "log/RecordParser.h"

namespace {

// Decoding every record under callgrind would take minutes; a fixed stride
// over the whole log keeps the mix and the figure deterministic.
constexpr size_t kSamplePerKind = 4000;

// The dump's name carries the phase; the record count goes to stdout so the
// script can divide.
template <typename Work>
void Phase(const std::string& name, size_t records, Work work) {
  CALLGRIND_ZERO_STATS;
  work();
  CALLGRIND_DUMP_STATS_AT(name.c_str());
  std::printf("phase %s %zu\n", name.c_str(), records);
}

}  // namespace

int CountInstructions(const std::filesystem::path& log) {
  LogFileImage image;
  if (image.Load(log.c_str()) != 0) {
    std::fprintf(stderr, "%s: cannot load\n", log.c_str());
    return 1;
  }
  RecordParser parser;
  parser.Reset();
  Phase("parse", 0, [&] { parser.Parse(image.Data(), image.Length()); });
  std::printf("records %zu\n", parser.Count());

  std::vector<size_t> all[kKinds];
  for (size_t i = 0; i < parser.Count(); ++i) all[KindOf(parser.At(i))].push_back(i);
  std::vector<size_t> rows[kKinds];
  for (int k = 0; k < kKinds; ++k) {
    const size_t stride = all[k].size() / kSamplePerKind + 1;
    for (size_t i = 0; i < all[k].size(); i += stride) rows[k].push_back(all[k][i]);
  }

  // As the record list writes it: appended to a reused row.
  std::string sink;
  Phase("time", parser.Count(), [&] {
    for (size_t i = 0; i < parser.Count(); ++i) {
      sink.clear();
      AppendLogTime(sink, parser.At(i).time);
    }
  });
  DecodeContext context;
  for (int k = 0; k < kKinds; ++k) {
    Phase(std::string("summary-") + kKindNames[k], rows[k].size(), [&] {
      for (size_t row : rows[k]) DecodeRecord(DM_Summary, context, parser.At(row), nullptr);
    });
    Phase(std::string("full-") + kKindNames[k], rows[k].size(), [&] {
      for (size_t row : rows[k]) DecodeRecord(DM_Full, context, parser.At(row), nullptr);
    });
  }
  return 0;
}
