#include "bench/DecodeBench.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "bench/QlxRun.h"
#include "bench/RecordKind.h"
#include "log/LogTime.h"
#include "decode/RecordDecoder.h"
#include "log/RecordParser.h"

namespace {

// Twice the best open decoder's full decode on this machine kind (427 k
// frames/s of processor time).
constexpr double kFullN2kTarget = 854000;
constexpr double kLargestTargetMicroseconds = 50;
constexpr double kListTargetOverParse = 2;

struct Rate {
  double cpu;   // decodes per processor second
  double wall;  // decodes per wall second
};

// Decodes every record of the list at the level, several passes for small
// lists, until half a second of processor time has gone.
Rate DecodeRate(const RecordParser& parser, const std::vector<size_t>& rows, int level) {
  if (rows.empty()) return {0, 0};
  DecodeContext context;
  size_t decoded = 0;
  const Stopwatch watch;
  do {
    for (size_t row : rows) DecodeRecord(level, context, parser.At(row), nullptr);
    decoded += rows.size();
  } while (watch.Elapsed().cpu < 0.5);
  const Timing t = watch.Elapsed();
  return {static_cast<double>(decoded) / t.cpu, static_cast<double>(decoded) / t.wall};
}

std::string RateCell(Rate r, const char* unit) { return Cell("%.0f %s cpu, %.0f wall", r.cpu, unit, r.wall); }

// What the record list computes for its rows: the time and the summary of
// every record, without the writing.
Timing ListSummaries(const RecordParser& parser) {
  DecodeContext context;
  std::string time;
  const Stopwatch watch;
  for (size_t i = 0; i < parser.Count(); ++i) {
    const Record r = parser.At(i);
    time = FormatLogTime(r.time);
    DecodeRecord(DM_Summary, context, r, nullptr);
  }
  return watch.Elapsed();
}

}  // namespace

void MeasureDecode(const RecordParser& parser, const std::filesystem::path& log, Timing parse, BenchTable& table) {
  // Up to 200000 records of each kind, spread over the whole log.
  constexpr size_t kPerKind = 200000;
  std::vector<size_t> rows[kKinds];
  size_t counts[kKinds] = {};
  for (size_t i = 0; i < parser.Count(); ++i) ++counts[KindOf(parser.At(i))];
  size_t seen[kKinds] = {};
  size_t largest = 0;
  size_t largestBytes = 0;
  for (size_t i = 0; i < parser.Count(); ++i) {
    const Record r = parser.At(i);
    const RecordKind k = KindOf(r);
    if (seen[k]++ % (counts[k] / kPerKind + 1) == 0) rows[k].push_back(i);
    if (k == kN2k && r.data.size() > largestBytes) {
      largest = i;
      largestBytes = r.data.size();
    }
  }

  for (int k = 0; k < kKinds; ++k) {
    table.Add({Cell("summary %s (%zu of %zu)", kKindNames[k], rows[k].size(), counts[k]),
               RateCell(DecodeRate(parser, rows[k], DM_Summary), "/s"), "", "", NAN, Verdict::kNone});
  }
  const Timing summaries = ListSummaries(parser);
  table.Add({Cell("list rows: time + summary of %zu records", parser.Count()),
             Cell("%.3f s cpu, %.3f s wall", summaries.cpu, summaries.wall), "",
             Cell("parse %.3f s cpu", parse.cpu), summaries.cpu / parse.cpu, Verdict::kNone});

  const Rate fullN2k = DecodeRate(parser, rows[kN2k], DM_Full);
  table.Add({Cell("full decode N2K (%zu frames)", rows[kN2k].size()), RateCell(fullN2k, "frames/s"),
             Cell(">= %.0f frames/s cpu", kFullN2kTarget), "", NAN, Judge(fullN2k.cpu >= kFullN2kTarget)});
  std::vector<size_t> mixed;
  for (size_t i = 0; i < parser.Count(); i += parser.Count() / 100000 + 1) mixed.push_back(i);
  table.Add({Cell("full decode, every kind (%zu records)", mixed.size()),
             RateCell(DecodeRate(parser, mixed, DM_Full), "/s"), "", "", NAN, Verdict::kNone});

  if (largestBytes > 0) {
    const Rate rate = DecodeRate(parser, {largest}, DM_Full);
    table.Add({Cell("largest N2K full decode (record %zu, %zu bytes)", largest + 1, largestBytes),
               Cell("%.1f us cpu, %.1f us wall", 1e6 / rate.cpu, 1e6 / rate.wall),
               Cell("< %.0f us", kLargestTargetMicroseconds), "", NAN,
               Judge(1e6 / rate.cpu < kLargestTargetMicroseconds)});
  }

  // The listing against what it does before its first row, whole process
  // against whole process: loading the log and parsing it in slices (this
  // benchmark run as a child for that alone). `qlx count`, which also
  // tallies every record, is shown beside them. Each is the best of three
  // runs, as one run on a shared machine can take twice its time.
  const std::filesystem::path qlx = QlxBesideBench();
  const auto best = [](const std::filesystem::path& program, const std::vector<std::string>& args) {
    std::optional<Timing> fastest;
    for (int run = 0; run < 3; ++run) {
      const std::optional<Timing> t = RunQlx(program, args);
      if (!t) return t;
      if (!fastest || t->cpu < fastest->cpu) fastest = t;
    }
    return fastest;
  };
  const std::optional<Timing> parsed = best(std::filesystem::read_symlink("/proc/self/exe"), {"--parse-only", log.string()});
  const std::optional<Timing> count = best(qlx, {"count", log.string()});
  if (!parsed || !count) {
    table.Add({"load and parse alone / qlx count, whole process", "failed", "", "", NAN, Verdict::kNone});
    return;
  }
  table.Add({"load and parse alone (qlx_bench --parse-only), whole process",
             Cell("%.3f s cpu, %.3f s wall", parsed->cpu, parsed->wall), "", "", NAN, Verdict::kNone});
  table.Add({"qlx count > /dev/null, whole process", Cell("%.3f s cpu, %.3f s wall", count->cpu, count->wall), "",
             Cell("load and parse %.3f s cpu", parsed->cpu), count->cpu / parsed->cpu, Verdict::kNone});
  // The target is the listing as it runs by default; a second worker is
  // there for whoever has a core to spare, and is shown for its wall time.
  const struct {
    const char* figure;
    std::vector<std::string> args;
    bool judged;
  } lists[] = {
      {"qlx list > /dev/null, whole process", {"list", log.string()}, true},
      {"qlx list --threads 2 > /dev/null, whole process", {"list", "--threads", "2", log.string()}, false},
  };
  for (const auto& l : lists) {
    const std::optional<Timing> list = best(qlx, l.args);
    if (!list) {
      table.Add({l.figure, "failed", "", "", NAN, Verdict::kNone});
      continue;
    }
    table.Add({l.figure, Cell("%.3f s cpu, %.3f s wall", list->cpu, list->wall),
               l.judged ? Cell("<= %.0f x load and parse", kListTargetOverParse) : "-",
               Cell("load and parse %.3f s cpu", parsed->cpu), list->cpu / parsed->cpu,
               l.judged ? Judge(list->cpu <= kListTargetOverParse * parsed->cpu) : Verdict::kNone});
  }
}
