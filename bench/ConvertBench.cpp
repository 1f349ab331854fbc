#include "bench/ConvertBench.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <optional>

#include "bench/BenchTable.h"

namespace {

// The command's processor and wall time; none when it did not succeed.
std::optional<Timing> RunTimed(const std::filesystem::path& qlx, const char* command,
                               const std::filesystem::path& log) {
  std::fflush(stdout);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    if (null < 0 || dup2(null, STDOUT_FILENO) < 0) _exit(127);
    execl(qlx.c_str(), "qlx", command, log.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  if (child < 0) return std::nullopt;
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "qlx %s %s failed\n", command, log.c_str());
    return std::nullopt;
  }
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return Timing{std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

std::string RateCell(Timing t, double records) {
  return Cell("%.0f records/s cpu (%.2f s cpu, %.2f s wall)", records / t.cpu, t.cpu, t.wall);
}

}  // namespace

void MeasureConvert(const std::filesystem::path& qlx, const std::filesystem::path& log, size_t records,
                    BenchTable& table) {
  const std::optional<Timing> list = RunTimed(qlx, "list", log);
  const std::optional<Timing> convert = RunTimed(qlx, "convert", log);
  if (!list || !convert) return;
  const double n = static_cast<double>(records);
  table.Add({"qlx list", RateCell(*list, n), "", "", NAN, Verdict::kNone});
  // Converting a record costs processor time per record; the ratio compares
  // the rates, so above 1 is faster than the listing.
  const double ratio = list->cpu / convert->cpu;
  table.Add({"qlx convert", RateCell(*convert, n), ">= 1.0 x qlx list", "qlx list " + Cell("%.0f records/s", n / list->cpu),
             ratio, Judge(ratio >= 1.0)});
}
