#include "bench/FilterBench.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "log/RecordParser.h"
#include "log/synth/SyntheticLog.h"
#include "query/FieldSeries.h"
#include "query/FilterRun.h"

namespace {

using Clock = std::chrono::steady_clock;

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

struct Timing {
  double wall;
  double cpu;
};

template <typename Work>
Timing Time(Work&& work) {
  const auto wall = Clock::now();
  const double cpu = CpuSeconds();
  work();
  return {std::chrono::duration<double>(Clock::now() - wall).count(), CpuSeconds() - cpu};
}

// The log is made fresh in a folder of its own under the system's temporary
// folder and removed afterwards: a build tree is no place for 500 MB.
class TemporaryLog {
 public:
  explicit TemporaryLog(uint64_t bytes) {
    std::string pattern = (std::filesystem::temp_directory_path() / "qlx-filter-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      std::perror("mkdtemp");
      std::exit(1);
    }
    dir_ = pattern;
    path_ = dir_ / "synthetic.qlx";
    SynthOptions options;
    options.targetBytes = bytes;
    std::FILE* f = std::fopen(path_.c_str(), "wb");
    if (f == nullptr || !WriteSyntheticLog(options, f) || std::fclose(f) != 0) {
      std::perror(path_.c_str());
      std::exit(1);
    }
  }
  ~TemporaryLog() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  TemporaryLog(const TemporaryLog&) = delete;
  TemporaryLog& operator=(const TemporaryLog&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path dir_;
  std::filesystem::path path_;
};

void Print(const char* label, Timing t, size_t records, size_t matched) {
  std::printf("%-34s %7.3f s wall %7.3f s cpu %12.0f records/s wall %10zu matched\n", label, t.wall, t.cpu,
              static_cast<double>(records) / t.wall, matched);
}

void MeasureOne(const char* label, const char* expression, const RecordList& records, unsigned threads) {
  FilterError error;
  const std::optional<Filter> filter = Filter::Parse(expression, error);
  if (!filter) {
    std::fprintf(stderr, "%s: %s\n", expression, error.Message().c_str());
    std::exit(1);
  }
  FilterRunControl control;
  control.threads = threads;
  size_t matched = 0;
  const Timing t = Time([&] { matched = RunFilter(*filter, records, control)->size(); });
  Print(label, t, records.Count(), matched);
}

void MeasureSeries(const char* label, const SeriesField& field, const RecordList& records, unsigned threads) {
  ChunkRunControl control;
  control.threads = threads;
  size_t points = 0;
  const Timing t = Time([&] { points = GatherSeries(field, records, control)->size(); });
  Print(label, t, records.Count(), points);
}

}  // namespace

void MeasureFilter(uint64_t bytes) {
  std::printf("generating a %.0f MB synthetic log in %s ...\n", bytes / 1e6,
              std::filesystem::temp_directory_path().c_str());
  std::fflush(stdout);
  const TemporaryLog log(bytes);
  LogFileImage image;
  RecordParser parser;
  const Timing parse = Time([&] {
    if (image.Load(log.Path().c_str()) != 0) {
      std::fprintf(stderr, "%s: %s\n", log.Path().c_str(), image.FailureReason().c_str());
      std::exit(1);
    }
    parser.Reset();
    parser.Parse(image.Data(), image.Length());
  });
  const RecordList& records = parser.Records();
  std::printf("log                                %.1f MB, %zu records\n", image.Length() / 1e6, records.Count());
  Print("baseline: load + parse", parse, records.Count(), records.Count());
  const char* index = "n2k && src == 20 && time >= 09:31:00 && time < 09:32:00";
  const char* sentence = "sentence == GGA || pgn in {127250 127251}";
  const char* text = "text contains \"WP017\"";
  std::printf("index filter:    %s\nsentence filter: %s\ntext filter:     %s\n", index, sentence, text);
  MeasureOne("index filter, 1 thread", index, records, 1);
  MeasureOne("index filter, all cores", index, records, 0);
  MeasureOne("sentence/PGN filter, all cores", sentence, records, 0);
  MeasureOne("text filter, 1 thread", text, records, 1);
  MeasureOne("text filter, all cores", text, records, 0);
  // A plot's series: the heading of one compass, and the altitude of the
  // GNSS fix sentences, whose numbers are text.
  std::printf("series: 127250 source 20 field 2 (heading); GPGGA field 8 (altitude)\n");
  const SeriesField heading{{true, 127250, 20, {}}, 0, 2};
  const SeriesField altitude{{false, 0, 0, "GPGGA"}, 0, 8};
  MeasureSeries("heading series, 1 thread", heading, records, 1);
  MeasureSeries("heading series, all cores", heading, records, 0);
  MeasureSeries("altitude series, all cores", altitude, records, 0);
}
