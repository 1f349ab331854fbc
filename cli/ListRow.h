// One row of qlx list: number, time, type name and summary, tab-separated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "log/Record.h"

// Writes rows in file order. The log time changes only at time tags, so
// most rows repeat the time of the row before and reuse its text.
class ListRowWriter {
 public:
  // The summary is written with its control characters escaped, in UTF-8
  // when `utf8` is set and as the 8-bit text otherwise.
  explicit ListRowWriter(bool utf8) : utf8_(utf8) {}

  // `row` counts from 1.
  void Append(std::string& out, size_t row, const Record& r, std::string_view summary);

 private:
  void SetRow(size_t row);

  bool utf8_;
  bool timeKnown_ = false;
  uint64_t time_ = 0;
  std::string timeText_;
  // The digits of the last row number: rows mostly count up by one, which
  // is a carry through the digits rather than a conversion.
  size_t row_ = 0;
  size_t rowLength_ = 0;
  char rowText_[20]{};
  bool typeKnown_ = false;
  uint32_t type_ = 0;
  std::string_view typeName_;
};
