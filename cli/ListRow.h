// One row of qlx list: number, time, type name and summary, tab-separated.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "log/Record.h"

// Writes rows in file order.
class ListRowWriter {
 public:
  // The summary is written with its control characters escaped, in UTF-8
  // when `utf8` is set and as the 8-bit text otherwise.
  explicit ListRowWriter(bool utf8) : utf8_(utf8) {}

  // `row` counts from 1.
  void Append(std::string& out, size_t row, const Record& r, std::string_view summary);

  // The same in two steps around a summary written straight into `out`:
  // the cells before the summary, then the end of the row, which escapes
  // the summary written since `summaryAt` in place when it needs it.
  // `printable` says it cannot need it.
  void AppendHead(std::string& out, size_t row, const Record& r);
  void EndRow(std::string& out, size_t summaryAt, bool printable) {
    if (!printable && out.size() != summaryAt) EscapeSummary(out, summaryAt);
    out += '\n';
  }

 private:
  void SetRow(size_t row);
  void EscapeSummary(std::string& out, size_t summaryAt);

  bool utf8_;
  // The cells before the summary as the last row had them, with their
  // tabs: rows mostly count up by one, which is a carry through the digits
  // of the number rather than a conversion; the log time changes only at
  // time tags; types come in runs, or alternate among a few.
  std::string head_;
  size_t row_ = 0;
  size_t rowLength_ = 0;  // the digits at the start of head_
  size_t timeEnd_ = 0;    // the end of the time cell's tab in head_
  bool timeKnown_ = false;
  uint64_t time_ = 0;
  uint32_t type_ = 0;
  struct TypeCell {
    bool known = false;
    uint32_t type = 0;
    std::string text;
  };
  std::array<TypeCell, 64> typeCells_;
  std::string escaping_;  // a summary being escaped, reused
};
