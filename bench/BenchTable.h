// The benchmark's clocks and its one results table. The machines are shared,
// so every figure is taken in processor time (user + system) beside wall
// time, and targets are judged on processor time.
#pragma once

#include <chrono>
#include <cmath>
#include <string>
#include <vector>

struct Timing {
  double wall;
  double cpu;
};

class Stopwatch {
 public:
  Stopwatch();
  Timing Elapsed() const;

 private:
  std::chrono::steady_clock::time_point wall_;
  double cpu_;
};

// Processor time of this process so far, in seconds.
double ProcessCpuSeconds();

enum class Verdict { kNone, kMet, kMissed };

struct BenchRow {
  std::string figure;
  std::string measured;  // processor-time figure first, wall time after it
  std::string target;
  std::string baseline;  // what the ratio divides by, measured in the same run
  double ratio = NAN;
  Verdict verdict = Verdict::kNone;
};

class BenchTable {
 public:
  void Add(BenchRow row) { rows_.push_back(std::move(row)); }
  void Print() const;

 private:
  std::vector<BenchRow> rows_;
};

// printf into a string, for the table's cells.
std::string Cell(const char* format, ...) __attribute__((format(printf, 1, 2)));
Verdict Judge(bool met);
