#include "cli/TerminalText.h"

#include <array>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// What each byte becomes: itself, an escape, or (for UTF-8 output) two
// bytes. Control characters are C0, DEL and C1.
enum class ByteClass : uint8_t { Plain, Escape, Latin1 };

constexpr auto kByteClasses = [] {
  std::array<ByteClass, 256> classes{};
  for (size_t b = 0; b < 256; ++b) {
    if (b < 0x20 || b == '\\' || (b >= 0x7F && b < 0xA0))
      classes[b] = ByteClass::Escape;
    else if (b >= 0xA0)
      classes[b] = ByteClass::Latin1;
  }
  return classes;
}();

void AppendEscape(std::string& out, unsigned char b) {
  switch (b) {
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    case '\\':
      out += "\\\\";
      return;
    default:
      break;
  }
  static constexpr char kDigits[] = "0123456789ABCDEF";
  const char hex[4] = {'\\', 'x', kDigits[b >> 4], kDigits[b & 0x0F]};
  out.append(hex, sizeof hex);
}

// Index of the first byte of p[0, n) that may need a second look: below
// 0x20, 0x7F and above, or the backslash; n when there is none. Summaries
// are almost always plain ASCII, so this is where the time goes.
size_t FirstToLookAt(const char* p, size_t n) {
  size_t i = 0;
#if defined(__SSE2__)
  const auto look = [p](size_t at) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
    // As signed bytes, 0x80 and above are negative, so one compare finds
    // them with the C0 controls.
    const __m128i flagged =
        _mm_or_si128(_mm_cmplt_epi8(v, _mm_set1_epi8(0x20)),
                     _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(0x7F)), _mm_cmpeq_epi8(v, _mm_set1_epi8('\\'))));
    return static_cast<unsigned>(_mm_movemask_epi8(flagged));
  };
  if (n >= 16) {
    for (; n - i >= 16; i += 16) {
      if (const unsigned mask = look(i); mask != 0) return i + static_cast<size_t>(__builtin_ctz(mask));
    }
    // The last sixteen bytes, overlapping what is already known to be plain.
    if (i == n) return n;
    const unsigned mask = look(n - 16);
    return mask == 0 ? n : n - 16 + static_cast<size_t>(__builtin_ctz(mask));
  }
#endif
  for (; i < n; ++i) {
    const auto b = static_cast<unsigned char>(p[i]);
    if (b < 0x20 || b >= 0x7F || b == '\\') return i;
  }
  return n;
}

}  // namespace

size_t PlainTerminalRun(std::string_view text) { return FirstToLookAt(text.data(), text.size()); }

void AppendTerminalText(std::string& out, std::string_view text, bool utf8) {
  const char* run = text.data();
  const char* const end = text.data() + text.size();
  // Runs of bytes that stay as they are are copied whole.
  for (const char* p = run; p != end; ++p) {
    p += FirstToLookAt(p, static_cast<size_t>(end - p));
    if (p == end) break;
    const auto b = static_cast<unsigned char>(*p);
    const ByteClass kind = kByteClasses[b];
    if (kind == ByteClass::Plain || (kind == ByteClass::Latin1 && !utf8)) continue;
    out.append(run, static_cast<size_t>(p - run));
    run = p + 1;
    if (kind == ByteClass::Escape)
      AppendEscape(out, b);
    else
      AppendLatin1AsUtf8(out, *p);
  }
  out.append(run, static_cast<size_t>(end - run));
}

std::string EscapeControls(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendTerminalText(out, text, false);
  return out;
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
