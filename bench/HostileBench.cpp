#include "bench/HostileBench.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "log/RecordParser.h"

namespace {

constexpr uint64_t kBytes = LogFileImage::kSizeLimit - 1;
constexpr double kMB = 1e6;
// The sample log is small; listed this many times over it gives a time per
// byte that the clock resolves and the program's start does not distort.
constexpr int kSampleRepeats = 100;
// Any input costs at most this many times the sample's processor time per byte.
constexpr double kOverBaseTarget = 3;

struct Input {
  const char* name;
  void (*fill)(uint8_t* chunk, size_t n, uint64_t& state);
};

void Zeros(uint8_t* p, size_t n, uint64_t&) { std::memset(p, 0x00, n); }
void Escapes(uint8_t* p, size_t n, uint64_t&) { std::memset(p, 0x1B, n); }
void FrameEscapes(uint8_t* p, size_t n, uint64_t&) { std::memset(p, 0x10, n); }
void FrameStarts(uint8_t* p, size_t n, uint64_t&) {
  for (size_t i = 0; i < n; ++i) p[i] = i % 2 ? 0x02 : 0x10;
}
void EndlessSentence(uint8_t* p, size_t n, uint64_t& state) {
  static const char kText[] = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";
  for (size_t i = 0; i < n; ++i) p[i] = static_cast<uint8_t>(kText[state++ % (sizeof kText - 1)]);
}
// "$", then tags that outgrow their buffer inside the open sentence.
void OverflowingTags(uint8_t* p, size_t n, uint64_t& state) {
  constexpr uint64_t kUnit = 104;  // 01 1B 01 and 101 bytes of tag body
  for (size_t i = 0; i < n; ++i, ++state) {
    const uint64_t k = state % kUnit;
    p[i] = state == 0 ? '$' : k == 0 ? 0x01 : k == 1 ? 0x1B : k == 2 ? 0x01 : 'U';
  }
}
// The most records a file can hold: a stray byte and an empty tag, two
// records in five bytes.
void TinyRecords(uint8_t* p, size_t n, uint64_t& state) {
  static constexpr uint8_t kUnit[] = {'X', 0x1B, 0x01, 0x1B, 0x0A};
  for (size_t i = 0; i < n; ++i) p[i] = kUnit[state++ % sizeof kUnit];
}
// A new log time before every tiny record: one time run per record.
void TimedTinyRecords(uint8_t* p, size_t n, uint64_t& state) {
  // 1B 01, time tag type 03, eight time bytes (never 0x1B), 1B 0A, then a
  // stray byte and an empty tag.
  constexpr uint64_t kUnit = 13 + 5;
  for (size_t i = 0; i < n; ++i, ++state) {
    const uint64_t k = state % kUnit;
    const uint64_t time = state / kUnit;
    static constexpr uint8_t kTail[] = {0x1B, 0x0A, 'X', 0x1B, 0x01, 0x1B, 0x0A};
    p[i] = k == 0 ? 0x1B : k == 1 ? 0x01 : k == 2 ? 0x03
         : k < 11 ? static_cast<uint8_t>(((time >> (7 * (k - 3))) & 0x7F) | 0x80) : kTail[k - 11];
  }
}
void Random(uint8_t* p, size_t n, uint64_t& state) {
  if (state == 0) state = 1;
  for (size_t i = 0; i < n; ++i) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    p[i] = static_cast<uint8_t>(state >> 56);
  }
}

const Input kInputs[] = {
    {"zeros", Zeros},
    {"0x1B", Escapes},
    {"0x10", FrameEscapes},
    {"10 02 10 02 ...", FrameStarts},
    {"endless sentence", EndlessSentence},
    {"overflowing tags", OverflowingTags},
    {"tiny records", TinyRecords},
    {"timed tiny records", TimedTinyRecords},
    {"random", Random},
};

void Generate(const Input& input, const std::filesystem::path& path) {
  std::ofstream out(path, std::ios::binary);
  std::vector<uint8_t> chunk(size_t{1} << 20);
  uint64_t state = 0;
  for (uint64_t left = kBytes; left > 0;) {
    const size_t n = left < chunk.size() ? static_cast<size_t>(left) : chunk.size();
    input.fill(chunk.data(), n, state);
    out.write(reinterpret_cast<const char*>(chunk.data()), static_cast<std::streamsize>(n));
    left -= n;
  }
  if (!out) {
    std::fprintf(stderr, "%s: cannot write\n", path.c_str());
    std::exit(1);
  }
}

struct Figures {
  double cpu = 0;  // user + system
  double wall = 0;
  double peakMB = 0;
  uint64_t bytes = 0;
};

double CpuSeconds(const rusage& u) {
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// `qlx list LOG > /dev/null` in a child process, so that the peak memory
// and the processor time are those of the command; bytes 0 when it failed.
Figures List(const std::filesystem::path& qlx, const std::filesystem::path& log) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) return {};
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    if (null < 0 || dup2(null, STDOUT_FILENO) < 0) _exit(127);
    execl(qlx.c_str(), "qlx", "list", log.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "qlx list %s failed\n", log.c_str());
    return {};
  }
  Figures f;
  f.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  f.cpu = CpuSeconds(usage);
  f.peakMB = static_cast<double>(usage.ru_maxrss) * 1024 / kMB;
  f.bytes = std::filesystem::file_size(log);
  return f;
}

// The best of a few runs of an input, each beside a run of the baseline,
// so that both are measured in the same minutes: on a shared machine the
// same run can take twice its time for a minute or two, never less than it
// needs. The input's peak is the highest of its runs, as the memory a run
// needs does not shrink.
struct BesideBase {
  Figures input;
  Figures base;
};

BesideBase ListBesideBase(const std::filesystem::path& qlx, const std::filesystem::path& log,
                          const std::filesystem::path& base, int runs) {
  BesideBase best;
  double peak = 0;
  for (int run = 0; run < runs; ++run) {
    const Figures b = List(qlx, base);
    const Figures f = List(qlx, log);
    if (f.bytes == 0 || b.bytes == 0) return {};
    peak = std::max(peak, f.peakMB);
    if (best.input.bytes == 0 || f.cpu < best.input.cpu) best.input = f;
    if (best.base.bytes == 0 || b.cpu < best.base.cpu) best.base = b;
  }
  best.input.peakMB = peak;
  return best;
}

// The build folders sit in the source tree: the sample is beside them.
std::filesystem::path SampleLog() {
  const std::filesystem::path build = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  const std::filesystem::path beside = build.parent_path() / "samples" / "sample.qlx";
  return std::filesystem::exists(beside) ? beside : std::filesystem::path("samples") / "sample.qlx";
}

// The sample log written `repeats` times over into one file: its time per
// byte, without the fixed cost of starting the program weighing on a file
// of a few hundred kilobytes.
void RepeatSample(const std::filesystem::path& sample, const std::filesystem::path& path, int repeats) {
  std::ifstream in(sample, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::ofstream out(path, std::ios::binary);
  for (int i = 0; i < repeats; ++i) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (bytes.empty() || !out) {
    std::fprintf(stderr, "%s: cannot write\n", path.c_str());
    std::exit(1);
  }
}

}  // namespace

int RunHostileBench(const std::filesystem::path& qlx) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("qlx-hostile-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::filesystem::path sample = SampleLog();
  const std::filesystem::path repeated = dir / "sample-repeated.qlx";
  RepeatSample(sample, repeated, kSampleRepeats);
  constexpr int kRuns = 3;
  std::printf("qlx list FILE > /dev/null, by %s\n", qlx.c_str());
  std::printf("baseline: %s written %d times over, its time per byte measured beside each input; "
              "each figure the best of %d runs\n",
              sample.filename().c_str(), kSampleRepeats, kRuns);
  std::printf("%-18s %9s %9s %9s %10s %10s %11s %10s %11s\n", "input", "MB", "cpu s", "wall s", "ns/byte",
              "base ns/B", "x base <=3", "peak MB", "2N+64 MB");
  int result = 0;
  for (const Input& input : kInputs) {
    const std::filesystem::path path = dir / "input.bin";
    Generate(input, path);
    const BesideBase m = ListBesideBase(qlx, path, repeated, kRuns);
    std::filesystem::remove(path);
    const Figures& f = m.input;
    if (f.bytes == 0) {
      result = 1;
      continue;
    }
    const double baseNs = m.base.cpu / static_cast<double>(m.base.bytes) * 1e9;
    const double mb = static_cast<double>(f.bytes) / kMB;
    const double ns = f.cpu / static_cast<double>(f.bytes) * 1e9;
    const double bound = 2 * mb + 64 * 1.048576;
    const double overBase = ns / baseNs;
    std::printf("%-18s %9.1f %9.2f %9.2f %10.2f %10.2f %6.2f %-4s %10.1f %8.1f %-4s\n", input.name, mb, f.cpu, f.wall,
                ns, baseNs, overBase, overBase <= kOverBaseTarget ? "ok" : "OVER", f.peakMB, bound,
                f.peakMB <= bound ? "ok" : "OVER");
    std::fflush(stdout);
  }
  std::filesystem::remove_all(dir);
  return result;
}
