// One row of qlx list: number, time, type name and summary, tab-separated.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "log/Record.h"
#include "log/RecordList.h"

// Writes rows in file order.
class ListRowWriter {
 public:
  // The summary is written with its control characters escaped, in UTF-8
  // when `utf8` is set and as the 8-bit text otherwise.
  explicit ListRowWriter(bool utf8) : utf8_(utf8) {}

  // `row` counts from 1.
  void Append(std::string& out, size_t row, const Record& r, std::string_view summary);
  // The rows of records [from, to) of the list with their own summaries,
  // numbered from from + 1.
  void AppendRows(std::string& out, const RecordList& records, size_t from, size_t to);

 private:
  // The cells before the summary, written at p, which has room for
  // kHeadRoom; returns their end.
  char* PutHead(char* p, size_t row, const Record& r);
  void SetRow(size_t row);
  void SetTime(uint64_t time);
  struct TypeCell;
  static void SetType(TypeCell& cell, uint32_t type);
  void EndRow(std::string& out, size_t summaryAt, bool printable);

  // Each cell is copied whole, its tab included, and the pointer then
  // moves on by the cell's length.
  static constexpr size_t kRowCell = 24;   // the digits of any size_t and a tab
  static constexpr size_t kTimeCell = 16;  // "hh:mm:ss.mmm" and a tab
  static constexpr size_t kTypeCell = 16;  // a type's name and a tab
  static constexpr size_t kHeadRoom = kRowCell + kTimeCell + kTypeCell;

  bool utf8_;
  // The cells as the last row had them: rows mostly count up by one, which
  // is a carry through the digits of the number rather than a conversion;
  // the log time changes only at time tags; types come in runs, or
  // alternate among a few.
  size_t row_ = 0;
  size_t rowLength_ = 0;
  char rowCell_[kRowCell] = {};
  bool timeKnown_ = false;
  uint64_t time_ = 0;
  size_t timeLength_ = 0;
  char timeCell_[kTimeCell] = {};
  struct TypeCell {
    bool known = false;
    uint32_t type = 0;
    size_t length = 0;
    char text[kTypeCell] = {};
  };
  std::array<TypeCell, 64> typeCells_;
  std::string escaping_;  // a summary being escaped, reused
};
