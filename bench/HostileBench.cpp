#include "bench/HostileBench.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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
// The sample log is small; parsed this many times it gives a time per byte
// that the clock can resolve.
constexpr int kSampleRepeats = 300;
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
  uint64_t records = 0;
  uint64_t shown = 0;
};

double CpuSeconds(const rusage& u) {
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Opens the file as the document does, `repeats` times, in a child process
// of its own, so that the peak memory and the processor time are its own.
Figures Open(const std::filesystem::path& path, int repeats) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) std::exit(1);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    close(pipeFds[0]);
    Figures f;
    RecordParser parser;
    for (int i = 0; i < repeats; ++i) {
      parser.Reset();
      auto image = std::make_shared<LogFileImage>();
      if (image->Load(path.c_str()) != 0) _exit(1);
      f.bytes = image->Length();
      parser.Parse(std::move(image));
    }
    f.records = parser.Count();
    for (size_t i = 0; i < parser.Count(); ++i) f.shown += parser.At(i).data.size();
    if (write(pipeFds[1], &f, sizeof f) != static_cast<ssize_t>(sizeof f)) _exit(1);
    _exit(0);
  }
  close(pipeFds[1]);
  Figures f;
  const bool got = read(pipeFds[0], &f, sizeof f) == static_cast<ssize_t>(sizeof f);
  close(pipeFds[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  f.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!got || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "opening %s failed\n", path.c_str());
    f.bytes = 0;
    return f;
  }
  f.cpu = CpuSeconds(usage);
  f.peakMB = static_cast<double>(usage.ru_maxrss) * 1024 / kMB;
  return f;
}

// The build folders sit in the source tree: the sample is beside them.
std::filesystem::path SampleLog() {
  const std::filesystem::path build = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  const std::filesystem::path beside = build.parent_path() / "samples" / "sample.qlx";
  return std::filesystem::exists(beside) ? beside : std::filesystem::path("samples") / "sample.qlx";
}

}  // namespace

void RunHostileBench() {
  const std::filesystem::path sample = SampleLog();
  const Figures base = Open(sample, kSampleRepeats);
  if (base.bytes == 0) return;
  const double baseNs = base.cpu / (static_cast<double>(base.bytes) * kSampleRepeats) * 1e9;
  std::printf("baseline: %s, %.2f ns per byte (cpu, %d opens)\n", sample.filename().c_str(), baseNs,
              kSampleRepeats);
  std::printf("%-18s %9s %9s %9s %10s %11s %10s %11s %s\n", "input", "MB", "cpu s", "wall s", "ns/byte",
              "x base <=3", "peak MB", "2N+64 MB", "records / bytes shown");
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("qlx-hostile-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  for (const Input& input : kInputs) {
    const std::filesystem::path path = dir / "input.bin";
    Generate(input, path);
    const Figures f = Open(path, 1);
    std::filesystem::remove(path);
    if (f.bytes == 0) continue;
    const double mb = static_cast<double>(f.bytes) / kMB;
    const double ns = f.cpu / static_cast<double>(f.bytes) * 1e9;
    const double bound = 2 * mb + 64 * 1.048576;
    const double overBase = ns / baseNs;
    std::printf("%-18s %9.1f %9.2f %9.2f %10.2f %6.2f %-4s %10.1f %8.1f %-4s %llu / %llu\n", input.name, mb, f.cpu,
                f.wall, ns, overBase, overBase <= kOverBaseTarget ? "ok" : "OVER", f.peakMB, bound,
                f.peakMB <= bound ? "ok" : "OVER",
                static_cast<unsigned long long>(f.records), static_cast<unsigned long long>(f.shown));
    std::fflush(stdout);
  }
  std::filesystem::remove_all(dir);
}
