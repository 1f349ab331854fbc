#include "cli/ListRow.h"

#include <charconv>
#include <cstring>

#include "cli/TerminalText.h"
#include "log/LogTime.h"
#include "log/MessageType.h"

void ListRowWriter::SetRow(size_t row) {
  if (row == row_ + 1 && rowLength_ > 0) {
    size_t i = rowLength_;
    while (i > 0 && head_[i - 1] == '9') head_[--i] = '0';
    if (i > 0) {
      ++head_[i - 1];
    } else {
      head_.insert(head_.begin(), '1');
      ++rowLength_;
      ++timeEnd_;
    }
  } else {
    char digits[20];  // any size_t
    const size_t length = static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, row).ptr - digits);
    head_.replace(0, rowLength_, digits, length);
    timeEnd_ = timeEnd_ - rowLength_ + length;
    rowLength_ = length;
  }
  row_ = row;
}

void ListRowWriter::AppendHead(std::string& out, size_t row, const Record& r) {
  if (row == row_ + 1 && rowLength_ > 0 && head_[rowLength_ - 1] != '9') {
    ++head_[rowLength_ - 1];  // most rows: no carry
    row_ = row;
  } else {
    SetRow(row);
  }
  const bool newTime = !timeKnown_ || r.time != time_;
  if (newTime) {
    head_.resize(rowLength_);
    head_ += '\t';
    AppendLogTime(head_, r.time);
    head_ += '\t';
    timeEnd_ = head_.size();
    time_ = r.time;
    timeKnown_ = true;
  }
  if (newTime || r.type != type_) {
    // Type codes put their group in the third hex digit and their number
    // within it in the last: both pick the slot, so no two types in use
    // share one.
    TypeCell& cell = typeCells_[((r.type >> 8) | (r.type << 3)) % typeCells_.size()];
    if (!cell.known || cell.type != r.type) {
      cell.text = MessageTypeName(r.type);  // ASCII, the same in UTF-8
      cell.text += '\t';
      cell.type = r.type;
      cell.known = true;
    }
    head_.resize(timeEnd_);
    head_ += cell.text;
    type_ = r.type;
  }
  out += head_;
}

void ListRowWriter::EscapeSummary(std::string& out, size_t summaryAt) {
  // A summary is nearly always plain ASCII that needs no escape.
  const std::string_view summary(out.data() + summaryAt, out.size() - summaryAt);
  if (PlainTerminalRun(summary) == summary.size()) return;
  escaping_.assign(summary);
  out.resize(summaryAt);
  AppendTerminalText(out, escaping_, utf8_);
}

void ListRowWriter::Append(std::string& out, size_t row, const Record& r, std::string_view summary) {
  AppendHead(out, row, r);
  const size_t summaryAt = out.size();
  out += summary;
  EndRow(out, summaryAt, false);
}
