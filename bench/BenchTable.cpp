#include "bench/BenchTable.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <ctime>

double ProcessCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

Stopwatch::Stopwatch() : wall_(std::chrono::steady_clock::now()), cpu_(ProcessCpuSeconds()) {}

Timing Stopwatch::Elapsed() const {
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_).count(), ProcessCpuSeconds() - cpu_};
}

std::string Cell(const char* format, ...) {
  char text[256];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return text;
}

Verdict Judge(bool met) { return met ? Verdict::kMet : Verdict::kMissed; }

void BenchTable::Print() const {
  size_t width[4] = {6, 8, 6, 8};
  for (const BenchRow& r : rows_) {
    width[0] = std::max(width[0], r.figure.size());
    width[1] = std::max(width[1], r.measured.size());
    width[2] = std::max(width[2], r.target.size());
    width[3] = std::max(width[3], r.baseline.size());
  }
  const auto line = [&](const std::string& a, const std::string& b, const std::string& c, const std::string& d,
                        const std::string& ratio, const char* verdict) {
    std::printf("%-*s | %-*s | %-*s | %-*s | %7s | %s\n", static_cast<int>(width[0]), a.c_str(),
                static_cast<int>(width[1]), b.c_str(), static_cast<int>(width[2]), c.c_str(),
                static_cast<int>(width[3]), d.c_str(), ratio.c_str(), verdict);
  };
  line("figure", "measured", "target", "baseline", "ratio", "");
  for (const BenchRow& r : rows_) {
    const char* verdict = r.verdict == Verdict::kMet ? "met" : r.verdict == Verdict::kMissed ? "MISSED" : "";
    line(r.figure, r.measured, r.target.empty() ? "-" : r.target, r.baseline.empty() ? "-" : r.baseline,
         std::isnan(r.ratio) ? "-" : Cell("%.3f", r.ratio), verdict);
  }
}
