// Files that are not logs at all (zeros, escape bytes, endless frame starts,
// a sentence that never ends, noise) are parsed in memory and time bounded
// by their size: the record store holds their bytes once, and the cost per
// byte does not grow with the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <unistd.h>
#include <string>
#include <vector>

#include "log/RecordParser.h"
#include "tests/log/Resident.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Hostile {
  const char* name;
  std::function<Bytes(size_t)> make;
  // Bytes the records hold in all; 0 when only an upper bound is known.
  std::function<size_t(size_t)> shownBytes;
};

Bytes Filled(size_t n, uint8_t b) { return Bytes(n, b); }

Bytes Repeated(size_t n, const std::string& unit) {
  Bytes out(n);
  for (size_t i = 0; i < n; ++i) out[i] = static_cast<uint8_t>(unit[i % unit.size()]);
  return out;
}

Bytes Random(size_t n) {
  Bytes out(n);
  uint64_t state = 0x9E3779B97F4A7C15u;
  for (auto& b : out) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    b = static_cast<uint8_t>(state >> 56);
  }
  return out;
}

const Hostile kInputs[] = {
    {"zeros", [](size_t n) { return Filled(n, 0x00); }, [](size_t n) { return n; }},
    // Outside tags a doubled escape stands for one byte.
    {"escapes", [](size_t n) { return Filled(n, 0x1B); }, [](size_t n) { return n / 2; }},
    {"frame escapes", [](size_t n) { return Filled(n, 0x10); }, [](size_t n) { return n; }},
    {"frame starts", [](size_t n) { return Repeated(n, "\x10\x02"); }, [](size_t n) { return n; }},
    {"endless sentence",
     [](size_t n) {
       Bytes out = Repeated(n, "0123456789,");
       const std::string head = "$GPGGA,";
       std::copy(head.begin(), head.end(), out.begin());
       return out;
     },
     [](size_t n) { return n; }},
    // Tags that outgrow their buffer inside a sentence that never ends: each
    // becomes unrecognised data of its own while the sentence stays open.
    {"tags overflowing in a sentence",
     [](size_t n) {
       Bytes out = Repeated(n, "\x01\x1B\x01" + std::string(101, 'U'));
       out[0] = '$';
       return out;
     },
     [](size_t n) { return n; }},
    {"random", Random, [](size_t) { return size_t{0}; }},
};

// Peak resident memory since the last ResetPeak, or the present resident
// memory where the kernel does not let the peak be reset.
bool peakResettable = false;
size_t PeakOrResident() { return peakResettable ? PeakResident() : Resident(); }

double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

struct ParseRun {
  size_t records = 0;
  size_t bytes = 0;
  size_t growth = 0;  // peak resident memory above what was in use before
  double seconds = 0;
};

ParseRun ParseOnce(const Bytes& input) {
  ParseRun run;
  RecordParser parser;
  peakResettable = ResetPeak();
  const size_t before = Resident();
  const double start = ThreadSeconds();
  parser.Parse(input.data(), input.size());
  run.seconds = ThreadSeconds() - start;
  const size_t peak = PeakOrResident();
  run.growth = peak > before ? peak - before : 0;
  run.records = parser.Count();
  for (size_t i = 0; i < parser.Count(); ++i) run.bytes += parser.At(i).data.size();
  return run;
}

constexpr size_t kMB = 1 << 20;

TEST(HostileInput, BytesShownOnceInMemoryOfTheirSize) {
  for (const Hostile& h : kInputs) {
    for (size_t size : {kMB, 8 * kMB}) {
      const Bytes input = h.make(size);
      const ParseRun run = ParseOnce(input);
      SCOPED_TRACE(std::string(h.name) + ", " + std::to_string(size) + " bytes");
      ASSERT_GE(run.records, 1u);
      if (const size_t expected = h.shownBytes(size); expected != 0) {
        EXPECT_EQ(run.bytes, expected);
      } else {
        EXPECT_LE(run.bytes, size);
      }
      // The record store holds each byte once; a second copy of the
      // pending data would double this.
      EXPECT_LE(run.growth, size + size / 4 + 8 * kMB) << "grew by " << run.growth;
    }
  }
}

TEST(HostileInput, CostPerByteDoesNotGrowWithTheSize) {
  for (const Hostile& h : kInputs) {
    const Bytes small = h.make(kMB);
    const Bytes large = h.make(8 * kMB);
    // The best of three runs, so that a busy machine does not decide.
    double smallBest = 1e9, largeBest = 1e9;
    for (int i = 0; i < 3; ++i) {
      smallBest = std::min(smallBest, ParseOnce(small).seconds);
      largeBest = std::min(largeBest, ParseOnce(large).seconds);
    }
    const double ratio = (largeBest / 8) / std::max(smallBest, 1e-6);
    EXPECT_LT(ratio, 3.0) << h.name << ": " << smallBest << " s for 1 MB, " << largeBest << " s for 8 MB";
  }
}

}  // namespace
