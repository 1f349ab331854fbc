#include "cli/ListRow.h"

#include <charconv>

#include "cli/TerminalText.h"
#include "log/LogTime.h"
#include "log/MessageType.h"

void ListRowWriter::Append(std::string& out, size_t row, const Record& r, const std::string& summary) {
  if (!timeKnown_ || r.time != time_) {
    timeText_.clear();
    AppendLogTime(timeText_, r.time);
    time_ = r.time;
    timeKnown_ = true;
  }
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, row).ptr);
  out += '\t';
  out += timeText_;
  out += '\t';
  out += MessageTypeName(r.type);  // ASCII, the same in UTF-8
  out += '\t';
  AppendTerminalText(out, summary, utf8_);
  out += '\n';
}
