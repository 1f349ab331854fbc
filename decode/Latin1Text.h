// The decoders' text is 8-bit Latin-1, as the clipboard carries it (the
// degree sign is the byte 0xB0); terminals, spreadsheets and scripts want
// UTF-8, where every byte of 0x80 or more takes two bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline void AppendLatin1AsUtf8(std::string& out, char c) {
  const auto b = static_cast<uint8_t>(c);
  if (b < 0x80) {
    out += c;
    return;
  }
  out += static_cast<char>(0xC0 | (b >> 6));
  out += static_cast<char>(0x80 | (b & 0x3F));
}

inline std::string Latin1ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) AppendLatin1AsUtf8(out, c);
  return out;
}
