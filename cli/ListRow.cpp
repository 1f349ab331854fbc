#include "cli/ListRow.h"

#include <charconv>
#include <cstring>

#include "cli/TerminalText.h"
#include "log/LogTime.h"
#include "log/MessageType.h"

void ListRowWriter::SetRow(size_t row) {
  if (row == row_ + 1 && rowLength_ > 0) {
    size_t i = rowLength_;
    while (i > 0 && rowText_[i - 1] == '9') rowText_[--i] = '0';
    if (i > 0) {
      ++rowText_[i - 1];
    } else {
      std::memmove(rowText_ + 1, rowText_, rowLength_++);
      rowText_[0] = '1';
    }
  } else {
    rowLength_ = static_cast<size_t>(std::to_chars(rowText_, rowText_ + sizeof rowText_, row).ptr - rowText_);
  }
  row_ = row;
}

void ListRowWriter::AppendHead(std::string& out, size_t row, const Record& r) {
  if (!cellsKnown_ || r.time != time_ || r.type != type_) {
    if (!cellsKnown_ || r.time != time_) {
      timeText_.clear();
      AppendLogTime(timeText_, r.time);
    }
    cells_ = '\t';
    cells_ += timeText_;
    cells_ += '\t';
    cells_ += MessageTypeName(r.type);  // ASCII, the same in UTF-8
    cells_ += '\t';
    time_ = r.time;
    type_ = r.type;
    cellsKnown_ = true;
  }
  SetRow(row);
  const size_t at = out.size();
  out.resize(at + rowLength_ + cells_.size());
  char* const p = out.data() + at;
  std::memcpy(p, rowText_, rowLength_);
  std::memcpy(p + rowLength_, cells_.data(), cells_.size());
}

void ListRowWriter::EndRow(std::string& out, size_t summaryAt, bool printable) {
  // A summary is nearly always plain ASCII that needs no escape.
  if (!printable) {
    const std::string_view summary(out.data() + summaryAt, out.size() - summaryAt);
    if (PlainTerminalRun(summary) != summary.size()) {
      escaping_.assign(summary);
      out.resize(summaryAt);
      AppendTerminalText(out, escaping_, utf8_);
    }
  }
  out += '\n';
}

void ListRowWriter::Append(std::string& out, size_t row, const Record& r, std::string_view summary) {
  AppendHead(out, row, r);
  const size_t summaryAt = out.size();
  out += summary;
  EndRow(out, summaryAt, false);
}
