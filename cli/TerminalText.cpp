#include "cli/TerminalText.h"

#include <cstdio>

std::string EscapeControls(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendEscapedControls(out, text);
  return out;
}

void AppendEscapedControls(std::string& out, std::string_view text) {
  // Runs of plain characters are copied whole: most texts have no control
  // character at all.
  size_t plain = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto b = static_cast<unsigned char>(c);
    if (c != '\\' && b >= 0x20 && (b < 0x7F || b >= 0xA0)) continue;
    out.append(text.substr(plain, i - plain));
    plain = i + 1;
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\\') {
      out += "\\\\";
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      out += hex;
    }
  }
  out.append(text.substr(plain));
}

namespace {

size_t ContinuationIndent(std::string_view line) {
  const size_t text = line.find_first_not_of(' ');
  if (text == std::string_view::npos) return 0;
  const size_t gap = line.find("  ", text);
  if (gap != std::string_view::npos) {
    const size_t described = line.find_first_not_of(' ', gap);
    if (described != std::string_view::npos) return described;
  }
  return text;
}

void WrapLine(std::string_view first, size_t width, std::string& out) {
  const size_t indent = ContinuationIndent(first);
  // An indent that leaves no room for words would never end the line.
  const size_t hang = indent * 2 < width ? indent : 0;
  std::string line(first);
  while (line.size() > width) {
    size_t cut = line.rfind(' ', width);
    if (cut == std::string::npos || cut <= hang) cut = line.find(' ', width);
    if (cut == std::string::npos) break;
    size_t end = cut;
    while (end > 0 && line[end - 1] == ' ') --end;
    out.append(line, 0, end);
    out += '\n';
    const size_t next = line.find_first_not_of(' ', cut);
    if (next == std::string::npos) return;
    line = std::string(hang, ' ') + line.substr(next);
  }
  out += line;
}

}  // namespace

std::string WrapLines(std::string_view text, size_t width) {
  std::string out;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = text.find('\n', start);
    WrapLine(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start), width, out);
    if (end == std::string_view::npos) break;
    out += '\n';
    start = end + 1;
  }
  return out;
}
