// qlx count: how many records of each kind, PGN and sentence a log holds,
// or the part of it a filter selects; a quick summary of a log.
#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>

#include "cli/Command.h"
#include "cli/FilterOption.h"
#include "cli/LogFile.h"
#include "library/N2kLookup.h"
#include "query/FilterRun.h"
#include "query/RecordFacts.h"

namespace {

struct KindName {
  RecordKind kind;
  const char* name;
};
constexpr std::array<KindName, 7> kKinds{{
    {RecordKind::N2k, "n2k"},
    {RecordKind::N183, "n183"},
    {RecordKind::Ais, "ais"},
    {RecordKind::Hox, "hox"},
    {RecordKind::Qlx, "qlx"},
    {RecordKind::Bad, "bad"},
    {RecordKind::Unknown, "unknown"},
}};

struct Tally {
  size_t records = 0;
  std::array<size_t, kKinds.size()> kinds{};
  std::map<uint32_t, size_t> pgns;
  // Views into the record list, which outlives the tally.
  std::map<std::string_view, size_t> sentences;

  void Add(const Record& r) {
    ++records;
    for (size_t k = 0; k < kKinds.size(); ++k) kinds[k] += IsOfKind(r, kKinds[k].kind) ? 1 : 0;
    N2kHeader header;
    if (ReadN2kHeader(r, header)) ++pgns[header.pgn];
    SentenceAddress address;
    if (ReadSentenceAddress(r, address)) ++sentences[address.formatter];
  }
};

void Print(const Tally& t, size_t total) {
  std::printf("records\t%zu\t%zu\n", t.records, total);
  for (size_t k = 0; k < kKinds.size(); ++k) std::printf("kind\t%s\t%zu\n", kKinds[k].name, t.kinds[k]);
  for (const auto& [pgn, n] : t.pgns) {
    const char* name = GetPGNName(pgn);
    std::printf("pgn\t%u\t%zu\t%s\n", pgn, n, name != nullptr ? name : "");
  }
  for (const auto& [formatter, n] : t.sentences)
    std::printf("sentence\t%.*s\t%zu\n", static_cast<int>(formatter.size()), formatter.data(), n);
}

int RunCount(const CommandArgs& options) {
  CommandArgs args;
  std::optional<Filter> filter;
  if (!TakeFilterOption(options, args, filter)) return kExitBadInput;
  if (args.size() != 1) return Fail("usage: qlx count FILE [--filter EXPR]");
  OpenedLog log;
  if (!OpenLog(args[0], log)) return kExitBadInput;
  const RecordList& records = log.parser.Records();
  Tally tally;
  if (filter) {
    const std::vector<uint32_t> rows = *RunFilter(*filter, records);
    for (uint32_t i : rows) tally.Add(records.At(i));
  } else {
    for (size_t i = 0; i < records.Count(); ++i) tally.Add(records.At(i));
  }
  Print(tally, records.Count());
  return 0;
}

const CommandRegistration kCount{{
    "count",
    "qlx count FILE [--filter EXPR]",
    "how many records of each kind, PGN and sentence (all, or those matching)",
    "Tab-separated lines: 'records' with the matching and the total counts, then\n"
    "'kind' for each record kind, 'pgn' with number, count and library name, and\n"
    "'sentence' with formatter and count. A record can be of several kinds (an\n"
    "AIS sentence is also n183; a sentence with a checksum error is also bad).\n\n"
    "EXPR is a filter such as 'n2k && src == 20 && time >= 09:31 && time < 09:32':\n"
    "  kinds      n2k n183 ais hox qlx bad unknown\n"
    "  numbers    pgn src dst prio line, e.g. prio <= 3\n"
    "  time       hh:mm, hh:mm:ss or hh:mm:ss.mmm; a time stands for all of its\n"
    "             minute or second, so time == 09:31 is the whole minute\n"
    "  names      sentence talker, with == and != only, e.g. sentence == GGA\n"
    "  compare    == != < <= > >=, and pgn in {127250 127251}\n"
    "  text       text contains \"WP017\" (over the summary line, case sensitive)\n"
    "  combine    && || ! and ( ); && binds tighter than ||\n"
    "A term on a field a record lacks is false: pgn != 1 selects only NMEA 2000\n"
    "records. A bad expression is reported with its column and exit status 2.",
    &RunCount,
}};

}  // namespace
