#include "bench/DecodeBench.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "log/RecordDecoder.h"
#include "log/RecordParser.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

enum Kind { kN2k, kN183, kHox, kOther, kKinds };
constexpr const char* kKindNames[kKinds] = {"N2K", "N183", "HOX", "other"};

Kind KindOf(const Record& r) {
  if (r.type == MT_N2K) return kN2k;
  if (r.group == MG_N183) return kN183;
  if (r.type >= MT_HoxCmd && r.type <= MT_HoxBoot) return kHox;
  return kOther;
}

// Decodes every record of the list at the level, several passes for small
// lists, and gives decodes per second.
double DecodeRate(const RecordParser& parser, const std::vector<size_t>& rows, int level) {
  if (rows.empty()) return 0;
  DecodeContext context;
  size_t decoded = 0;
  const auto start = Clock::now();
  do {
    for (size_t row : rows) DecodeRecord(level, context, parser.At(row), nullptr);
    decoded += rows.size();
  } while (Since(start) < 0.5);
  return static_cast<double>(decoded) / Since(start);
}

// Runs `qlx list` on the log with its output thrown away.
double TimeQlxList(const std::filesystem::path& log) {
  const std::filesystem::path qlx = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "qlx";
  std::fflush(stdout);
  const auto start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    const int devnull = open("/dev/null", O_WRONLY);
    dup2(devnull, STDOUT_FILENO);
    execl(qlx.c_str(), "qlx", "list", log.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  const double seconds = Since(start);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}

}  // namespace

void MeasureDecode(const RecordParser& parser, const std::filesystem::path& log, double parseSeconds) {
  // Up to 200000 records of each kind, spread over the whole log.
  constexpr size_t kPerKind = 200000;
  std::vector<size_t> rows[kKinds];
  size_t counts[kKinds] = {};
  for (size_t i = 0; i < parser.Count(); ++i) ++counts[KindOf(parser.At(i))];
  const size_t stride[kKinds] = {counts[kN2k] / kPerKind + 1, counts[kN183] / kPerKind + 1,
                                 counts[kHox] / kPerKind + 1, counts[kOther] / kPerKind + 1};
  size_t seen[kKinds] = {};
  size_t largest = 0;
  size_t largestBytes = 0;
  for (size_t i = 0; i < parser.Count(); ++i) {
    const Record r = parser.At(i);
    const Kind k = KindOf(r);
    if (seen[k]++ % stride[k] == 0) rows[k].push_back(i);
    if (k == kN2k && r.data.size() > largestBytes) {
      largest = i;
      largestBytes = r.data.size();
    }
  }

  double summary[kKinds];
  for (int k = 0; k < kKinds; ++k) {
    summary[k] = DecodeRate(parser, rows[k], DM_Summary);
    std::printf("summary %-5s       %11.0f decodes/s (%zu records of %zu)\n", kKindNames[k], summary[k],
                rows[k].size(), counts[k]);
  }
  std::vector<size_t> mixed;
  for (size_t i = 0; i < parser.Count(); i += parser.Count() / 100000 + 1) mixed.push_back(i);
  std::printf("full decode         %11.0f decodes/s (every kind, %zu records)\n", DecodeRate(parser, mixed, DM_Full),
              mixed.size());

  if (largestBytes > 0) {
    const double rate = DecodeRate(parser, {largest}, DM_Full);
    DecodeContext context;
    DecodeRecord(DM_Summary, context, parser.At(largest), nullptr);
    std::printf("largest N2K         %.1f us per full decode (record %zu, %zu bytes: %.24s)\n", 1e6 / rate,
                largest + 1, largestBytes, context.text.c_str());
    std::printf("target              summary N2K >= 1000000/s: %s; largest PGN < 50 us: %s\n",
                summary[kN2k] >= 1e6 ? "met" : "MISSED",
                1e6 / rate < 50 ? "met" : "MISSED");
  }

  const double list = TimeQlxList(log);
  std::printf("qlx list > /dev/null %.3f s wall (parse alone %.3f s)\n", list, parseSeconds);
}
