#include "cli/ListRow.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "cli/TerminalText.h"
#include "decode/RecordDecoder.h"
#include "log/LogTime.h"
#include "log/MessageType.h"

void ListRowWriter::SetRow(size_t row) {
  size_t digits = rowLength_ > 0 ? rowLength_ - 1 : 0;
  if (row == row_ + 1 && digits > 0) {
    size_t i = digits;
    while (i > 0 && rowCell_[i - 1] == '9') rowCell_[--i] = '0';
    if (i > 0) {
      ++rowCell_[i - 1];
    } else {
      std::memmove(rowCell_ + 1, rowCell_, digits);
      rowCell_[0] = '1';
      ++digits;
    }
  } else {
    digits = static_cast<size_t>(std::to_chars(rowCell_, rowCell_ + kRowCell - 1, row).ptr - rowCell_);
  }
  rowCell_[digits] = '\t';
  rowLength_ = digits + 1;
  row_ = row;
}

void ListRowWriter::SetTime(uint64_t time) {
  char* end = PutLogTime(timeCell_, time);
  *end = '\t';
  timeLength_ = static_cast<size_t>(end + 1 - timeCell_);
  time_ = time;
  timeKnown_ = true;
}

void ListRowWriter::SetType(TypeCell& cell, uint32_t type) {
  const char* name = MessageTypeName(type);  // ASCII, the same in UTF-8
  cell.length = std::min(std::strlen(name), kTypeCell - 1);
  std::memcpy(cell.text, name, cell.length);
  cell.text[cell.length++] = '\t';
  cell.type = type;
  cell.known = true;
}

inline char* ListRowWriter::PutHead(char* p, size_t row, const Record& r) {
  if (row == row_ + 1 && rowLength_ > 1 && rowCell_[rowLength_ - 2] != '9') {
    ++rowCell_[rowLength_ - 2];  // most rows: no carry
    row_ = row;
  } else {
    SetRow(row);
  }
  std::memcpy(p, rowCell_, kRowCell);
  p += rowLength_;

  if (!timeKnown_ || r.time != time_) SetTime(r.time);
  std::memcpy(p, timeCell_, kTimeCell);
  p += timeLength_;

  // Type codes put their group in the third hex digit and their number
  // within it in the last: both pick the slot, so no two types in use share
  // one.
  TypeCell& cell = typeCells_[((r.type >> 8) | (r.type << 3)) % typeCells_.size()];
  if (!cell.known || cell.type != r.type) SetType(cell, r.type);
  std::memcpy(p, cell.text, kTypeCell);
  return p + cell.length;
}

void ListRowWriter::EndRow(std::string& out, size_t summaryAt, bool printable) {
  // A summary is nearly always plain ASCII that needs no escape.
  if (!printable && out.size() != summaryAt) {
    const std::string_view summary(out.data() + summaryAt, out.size() - summaryAt);
    if (PlainTerminalRun(summary) != summary.size()) {
      escaping_.assign(summary);
      out.resize(summaryAt);
      AppendTerminalText(out, escaping_, utf8_);
    }
  }
  out += '\n';
}

void ListRowWriter::AppendRows(std::string& out, const RecordList& records, size_t from, size_t to) {
  // Nearly every row has a summary of bounded length: such rows are made in
  // a block on the stack and appended to the text a block at a time. A row
  // whose summary has no bound, or needs escapes, goes to the text itself,
  // after the block.
  constexpr size_t kRowRoom = kHeadRoom + kBoundedSummaryRoom + 1;
  char block[4096];
  static_assert(sizeof block >= 4 * kRowRoom);
  char* p = block;
  records.ForEach(from, to, [&](size_t i, const Record& r) {
    if (static_cast<size_t>(block + sizeof block - p) < kRowRoom) {
      out.append(block, p);
      p = block;
    }
    char* const summary = PutHead(p, i + 1, r);
    if (char* end = PutBoundedSummary(summary, r)) {
      const std::string_view text(summary, static_cast<size_t>(end - summary));
      if (text.empty() || SummaryIsPrintable(r) || PlainTerminalRun(text) == text.size()) {
        *end = '\n';
        p = end + 1;
        return;
      }
      out.append(block, summary);
      p = block;
      AppendTerminalText(out, text, utf8_);
      out += '\n';
      return;
    }
    out.append(block, summary);
    p = block;
    const size_t summaryAt = out.size();
    AppendRecordSummary(out, r);
    EndRow(out, summaryAt, SummaryIsPrintable(r));
  });
  out.append(block, p);
}

void ListRowWriter::Append(std::string& out, size_t row, const Record& r, std::string_view summary) {
  char head[kHeadRoom];
  out.append(head, PutHead(head, row, r));
  const size_t summaryAt = out.size();
  out += summary;
  EndRow(out, summaryAt, false);
}
