#include "cli/ListRow.h"

#include <charconv>
#include <cstring>

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
  // The cells before the summary are short; they are written in place in
  // one go, as a tiny record's row is mostly these.
  const char* name = MessageTypeName(r.type);  // ASCII, the same in UTF-8
  const size_t nameLength = std::strlen(name);
  constexpr size_t kRowDigits = 20;  // any size_t
  const size_t at = out.size();
  out.resize(at + kRowDigits + 1 + timeText_.size() + 1 + nameLength + 1);
  char* const begin = out.data() + at;
  char* p = std::to_chars(begin, begin + kRowDigits, row).ptr;
  *p++ = '\t';
  p = std::copy(timeText_.begin(), timeText_.end(), p);
  *p++ = '\t';
  p = std::copy(name, name + nameLength, p);
  *p++ = '\t';
  out.resize(static_cast<size_t>(p - out.data()));
  AppendTerminalText(out, summary, utf8_);
  out += '\n';
}
