#include "query/ExportText.h"

#include <cstdint>

#include "decode/Latin1Text.h"

void AppendCsvCell(std::string& out, std::string_view latin1) {
  if (latin1.find_first_of(",\"\r\n") == std::string_view::npos) {
    for (char c : latin1) AppendLatin1AsUtf8(out, c);
    return;
  }
  out += '"';
  for (char c : latin1) {
    if (c == '"') out += '"';
    AppendLatin1AsUtf8(out, c);
  }
  out += '"';
}

void AppendJsonString(std::string& out, std::string_view latin1) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  for (char c : latin1) {
    const uint8_t b = static_cast<uint8_t>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (b < 0x20) {
      out += "\\u00";
      out += kHex[b >> 4];
      out += kHex[b & 0xF];
    } else {
      AppendLatin1AsUtf8(out, c);
    }
  }
  out += '"';
}
