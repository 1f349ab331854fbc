// qlx_bench: how fast a log is opened (loaded and parsed into records), how
// much memory that takes, and how close parsing comes to a plain pass over
// the same bytes. The synthetic log it measures is cached beside the
// program, so repeated runs skip generating it.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/DecodeBench.h"
#include "bench/HostileBench.h"
#include "log/RecordParser.h"
#include "log/synth/SyntheticLog.h"

namespace {

constexpr uint64_t kDefaultBytes = 200000000;
// The largest log the reader opens is one byte below its size limit.
constexpr uint64_t kOpenBytes = LogFileImage::kSizeLimit - 1;
constexpr uint32_t kSeed = 1;
constexpr double kMB = 1e6;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// The machine is shared, so wall time alone can mislead: each figure is
// also given in processor time of this process.
double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

struct Timing {
  double wall;
  double cpu;
};

class Stopwatch {
 public:
  Stopwatch() : wall_(Clock::now()), cpu_(CpuSeconds()) {}
  Timing Elapsed() const { return {Seconds(wall_), CpuSeconds() - cpu_}; }

 private:
  Clock::time_point wall_;
  double cpu_;
};

void PrintRate(const char* label, Timing t, double mb, double records) {
  std::printf("%-19s %7.3f s wall %8.1f MB/s %11.0f records/s | %7.3f s cpu %8.1f MB/s %11.0f records/s\n", label,
              t.wall, mb / t.wall, records / t.wall, t.cpu, mb / t.cpu, records / t.cpu);
}

// Peak resident memory of this process, in bytes.
uint64_t PeakResident() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtoull(line.c_str() + 6, nullptr, 10) * 1024;
  return 0;
}

std::filesystem::path CachedLog(uint64_t bytes) {
  const std::filesystem::path dir = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  const std::filesystem::path path = dir / ("bench-" + std::to_string(bytes) + "-seed" + std::to_string(kSeed) + ".qlx");
  std::error_code ec;
  const uint64_t size = std::filesystem::file_size(path, ec);
  // A complete log fills its size to within a tenth of a second of traffic.
  if (!ec && size <= bytes && size + 100000 > bytes) return path;
  std::printf("generating %s ...\n", path.c_str());
  std::fflush(stdout);
  const auto start = Clock::now();
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) {
    std::perror(path.c_str());
    std::exit(1);
  }
  SynthOptions options;
  options.seed = kSeed;
  options.targetBytes = bytes;
  SynthStats stats;
  const bool ok = WriteSyntheticLog(options, f, &stats);
  if (std::fclose(f) != 0 || !ok) {
    std::perror(path.c_str());
    std::filesystem::remove(path, ec);
    std::exit(1);
  }
  std::printf("  %.1f MB in %.1f s\n", stats.bytes / kMB, Seconds(start));
  return path;
}

// The floor: one pass over the bytes that looks at each, as the parser must.
uint64_t CountFramingBytes(const uint8_t* data, size_t length) {
  uint64_t dle = 0, esc = 0, dollar = 0;
  for (size_t i = 0; i < length; ++i) {
    dle += data[i] == 0x10;
    esc += data[i] == 0x1B;
    dollar += data[i] == '$';
  }
  return dle + esc + dollar;
}

void MeasureParse(uint64_t bytes) {
  const std::filesystem::path path = CachedLog(bytes);

  Stopwatch watch;
  LogFileImage image;
  if (image.Load(path.c_str()) != 0) {
    std::fprintf(stderr, "%s: cannot load\n", path.c_str());
    std::exit(1);
  }
  const Timing load = watch.Elapsed();
  RecordParser parser;
  watch = Stopwatch();
  parser.Reset();
  parser.Parse(image.Data(), image.Length());
  const Timing parse = watch.Elapsed();

  watch = Stopwatch();
  const uint64_t framing = CountFramingBytes(image.Data(), image.Length());
  const Timing floor = watch.Elapsed();

  const double mb = image.Length() / kMB;
  const double records = static_cast<double>(parser.Count());
  std::printf("log                 %s\n", path.c_str());
  std::printf("size                %.1f MB, %.0f records, %llu framing bytes\n", mb, records,
              static_cast<unsigned long long>(framing));
  PrintRate("load + parse", {load.wall + parse.wall, load.cpu + parse.cpu}, mb, records);
  PrintRate("parse alone", parse, mb, records);
  PrintRate("floor (plain pass)", floor, mb, records);
  std::printf("parse / floor       %.3f wall, %.3f cpu\n", floor.wall / parse.wall, floor.cpu / parse.cpu);
  std::printf("index bytes/record  %.1f (plus %.1f bytes of record data)\n",
              static_cast<double>(sizeof(RecordList::IndexEntry)),
              static_cast<double>(parser.Records().ByteCount()) / records);
  std::printf("peak resident       %.1f MB (%.2f x the file)\n", PeakResident() / kMB, PeakResident() / kMB / mb);
  std::printf("target              parse >= 250 MB/s: %s\n", mb / parse.cpu >= 250 ? "met" : "MISSED");
  MeasureDecode(parser, path, parse.wall);
}

// Opening as the document does, in a child process of its own so that its
// peak memory is its own.
void MeasureOpen() {
  const std::filesystem::path path = CachedLog(kOpenBytes);
  std::fflush(stdout);
  const pid_t child = fork();
  if (child == 0) {
    const Stopwatch watch;
    LogFileImage image;
    RecordParser parser;
    parser.Reset();
    if (image.Load(path.c_str()) != 0) _exit(1);
    parser.Parse(image.Data(), image.Length());
    const Timing open = watch.Elapsed();
    const double mb = image.Length() / kMB;
    std::printf("open %.1f MB       %.3f s wall, %.3f s cpu, %zu records, peak resident %.1f MB (%.2f x the file)\n",
                mb, open.wall, open.cpu, parser.Count(), PeakResident() / kMB, PeakResident() / kMB / mb);
    std::printf("target              open within 3 s: %s; peak at most 3 x: %s\n", open.cpu <= 3 ? "met" : "MISSED",
                PeakResident() / kMB <= 3 * mb ? "met" : "MISSED");
    std::fflush(stdout);
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::fprintf(stderr, "opening %s failed\n", path.c_str());
}

int Usage() {
  std::fprintf(stderr, "usage: qlx_bench [--bytes N] [--open500] | --hostile\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  uint64_t bytes = kDefaultBytes;
  bool open500 = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--bytes") == 0 && i + 1 < argc) {
      char* end = nullptr;
      bytes = std::strtoull(argv[++i], &end, 10);
      if (*end != '\0' || bytes < 1000 || bytes >= LogFileImage::kSizeLimit) return Usage();
    } else if (std::strcmp(argv[i], "--open500") == 0) {
      open500 = true;
    } else if (std::strcmp(argv[i], "--hostile") == 0) {
      RunHostileBench();
      return 0;
    } else {
      return Usage();
    }
  }
  // Opening first, while this process is still small.
  if (open500) MeasureOpen();
  MeasureParse(bytes);
  return 0;
}
