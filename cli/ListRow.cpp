#include "cli/ListRow.h"

#include <charconv>

#include "cli/TerminalText.h"
#include "log/LogTime.h"
#include "log/MessageType.h"

void AppendListRow(std::string& out, size_t row, const Record& r, const std::string& summary, bool utf8) {
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, row).ptr);
  out += '\t';
  AppendLogTime(out, r.time);
  out += '\t';
  out += MessageTypeName(r.type);  // ASCII, the same in UTF-8
  out += '\t';
  AppendTerminalText(out, summary, utf8);
  out += '\n';
}
