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

void ListRowWriter::Append(std::string& out, size_t row, const Record& r, std::string_view summary) {
  if (!timeKnown_ || r.time != time_) {
    timeText_.clear();
    AppendLogTime(timeText_, r.time);
    time_ = r.time;
    timeKnown_ = true;
  }
  if (!typeKnown_ || r.type != type_) {
    typeName_ = MessageTypeName(r.type);  // ASCII, the same in UTF-8
    type_ = r.type;
    typeKnown_ = true;
  }
  // A row is mostly written in place in one go: the cells before the
  // summary are short, and a summary is nearly always plain ASCII that
  // needs no escape.
  SetRow(row);
  const size_t at = out.size();
  out.resize(at + rowLength_ + 1 + timeText_.size() + 1 + typeName_.size() + 1 + summary.size() + 1);
  char* const begin = out.data() + at;
  std::memcpy(begin, rowText_, rowLength_);
  char* p = begin + rowLength_;
  const auto put = [&p](std::string_view cell) {
    *p++ = '\t';
    std::memcpy(p, cell.data(), cell.size());
    p += cell.size();
  };
  put(timeText_);
  put(typeName_);
  if (PlainTerminalRun(summary) == summary.size()) {
    put(summary);
    *p++ = '\n';
    out.resize(static_cast<size_t>(p - out.data()));
    return;
  }
  *p++ = '\t';
  out.resize(static_cast<size_t>(p - out.data()));
  AppendTerminalText(out, summary, utf8_);
  out += '\n';
}
