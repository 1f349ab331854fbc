// The pieces a list row is written from: the cells kept from row to row
// (the number counted up through its carries, the time, the type), and the
// escapes of a summary, whichever of the sixteen bytes a vector look takes
// at once a byte falls in.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "cli/ListRow.h"
#include "cli/TerminalText.h"
#include "log/LogTime.h"
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

TEST(ListRow, CellsFollowRowsTimesAndTypes) {
  // Types alternate among more kinds than the writer keeps cells for, and
  // the time changes every few rows, sometimes with the type.
  static constexpr uint32_t kTypes[] = {MT_N2K, MT_N183, MT_QLX, MT_Unknown, 0x7FFF, MT_N2K + 8, MT_HoxCmd,
                                        MT_Reboot, MT_N183 + 8};
  ListRowWriter writer(true);
  std::string out;
  std::string want;
  size_t k = 0;
  const auto row = [&](size_t n) {
    Record r;
    r.type = kTypes[(k * 7 / 3) % std::size(kTypes)];
    r.time = (k / 5) * 1234567;
    ++k;
    writer.Append(out, n, r, "s\n");
    want += std::to_string(n) + "\t";
    AppendLogTime(want, r.time);
    want += std::string("\t") + MessageTypeName(r.type) + "\ts\\n\n";
  };
  for (size_t n = 1; n <= 1201; ++n) row(n);
  for (const size_t n : {size_t{5000}, size_t{5001}, size_t{99999}, size_t{100000}, size_t{100001}, size_t{7}, size_t{8},
                         size_t{9999999}, size_t{10000000}})
    row(n);
  EXPECT_TRUE(out == want) << out.substr(0, 400);
}

}  // namespace
