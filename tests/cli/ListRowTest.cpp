// The pieces a list row is written from: the row number counted up through
// its carries, and the escapes of a summary, whichever of the sixteen bytes
// a vector look takes at once a byte falls in.
#include <gtest/gtest.h>

#include <string>

#include "cli/ListRow.h"
#include "cli/TerminalText.h"
#include "log/MessageType.h"

namespace {

// What one byte of a summary becomes, written out byte by byte.
std::string Expected(unsigned char b, bool utf8) {
  static const char kHex[] = "0123456789ABCDEF";
  if (b == '\n') return "\\n";
  if (b == '\r') return "\\r";
  if (b == '\t') return "\\t";
  if (b == '\\') return "\\\\";
  if (b < 0x20 || (b >= 0x7F && b < 0xA0)) return std::string("\\x") + kHex[b >> 4] + kHex[b & 0x0F];
  if (b >= 0xA0 && utf8) return {static_cast<char>(0xC0 | (b >> 6)), static_cast<char>(0x80 | (b & 0x3F))};
  return std::string(1, static_cast<char>(b));
}

TEST(TerminalText, EveryByteAtEveryPlaceOfALookIsEscapedAlike) {
  constexpr size_t kLength = 37;  // two whole looks and a tail that overlaps
  for (const bool utf8 : {false, true}) {
    for (unsigned b = 0; b < 256; ++b) {
      for (size_t at = 0; at < kLength; ++at) {
        std::string text(kLength, 'a');
        text[at] = static_cast<char>(b);
        std::string out = "x";
        AppendTerminalText(out, text, utf8);
        std::string want = "x";
        want.append(at, 'a');
        want += Expected(static_cast<unsigned char>(b), utf8);
        want.append(kLength - at - 1, 'a');
        ASSERT_EQ(out, want) << "byte " << b << " at " << at << (utf8 ? " utf8" : "");
        const bool plain = b >= 0x20 && b < 0x7F && b != '\\';
        ASSERT_EQ(PlainTerminalRun(text), plain ? kLength : at) << "byte " << b << " at " << at;
      }
    }
  }
  EXPECT_EQ(PlainTerminalRun(""), 0u);
  EXPECT_EQ(PlainTerminalRun("ab\n"), 2u);
}

TEST(ListRow, RowNumbersCarryAndJump) {
  ListRowWriter writer(true);
  Record r;
  r.type = MT_N2K;
  std::string out;
  std::string want;
  const auto row = [&](size_t n) {
    writer.Append(out, n, r, "s");
    want += std::to_string(n) + "\t00:00:00.000\tN2K\ts\n";
  };
  for (size_t n = 1; n <= 1201; ++n) row(n);
  for (const size_t n : {size_t{5000}, size_t{5001}, size_t{99999}, size_t{100000}, size_t{100001}, size_t{7}, size_t{8},
                         size_t{9999999}, size_t{10000000}})
    row(n);
  EXPECT_TRUE(out == want);
  r.type = 0x7FFF;  // a code without a name
  writer.Append(out, 10000001, r, "a\rb");
  EXPECT_EQ(out.substr(want.size()), "10000001\t00:00:00.000\tUNKNOWN\ta\\rb\n");
}

}  // namespace
