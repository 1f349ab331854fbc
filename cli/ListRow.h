// One row of qlx list: number, time, type name and summary, tab-separated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "log/Record.h"

// Writes rows in file order. The log time changes only at time tags, so
// most rows repeat the time of the row before and reuse its text.
class ListRowWriter {
 public:
  // The summary is written with its control characters escaped, in UTF-8
  // when `utf8` is set and as the 8-bit text otherwise.
  explicit ListRowWriter(bool utf8) : utf8_(utf8) {}

  // `row` counts from 1.
  void Append(std::string& out, size_t row, const Record& r, const std::string& summary);

 private:
  bool utf8_;
  bool timeKnown_ = false;
  uint64_t time_ = 0;
  std::string timeText_;
};
