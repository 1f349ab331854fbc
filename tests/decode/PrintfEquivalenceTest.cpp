// The hand-written number writers must give exactly the bytes printf gave:
// each is compared with printf (or, for positions, with the extended
// floating-point reading) over many random values and the edges of its
// arithmetic.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "decode/N2kDecoder.h"
#include "decode/NumberFormat.h"
#include "base/OutputTree.h"
#include "base/SafeFormat.h"
#include "library/N2kLookup.h"

namespace {

RepositoryValue Value(int64_t number, int exponent) {
  RepositoryValue v;
  v.value = number;
  v.exponent = static_cast<int8_t>(exponent);
  return v;
}

std::string Printf(const char* format, ...) QLX_PRINTF(1, 2);
std::string Printf(const char* format, ...) {
  char text[256];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return text;
}

std::string Unsigned(uint64_t v, unsigned width, char fill) {
  std::string text;
  AppendUnsigned(text, v, width, fill);
  return text;
}

std::string Hex(uint64_t v, unsigned width) {
  std::string text;
  AppendHex(text, v, width);
  return text;
}

TEST(IntegerWriters, MatchPrintfForEveryWidthAndMagnitude) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    // Spread over every digit count, not just the large numbers.
    const uint64_t v = random() >> (random() % 64);
    const unsigned width = static_cast<unsigned>(random() % 22);
    ASSERT_EQ(Unsigned(v, width, '0'), Printf("%0*" PRIu64, static_cast<int>(width), v));
    ASSERT_EQ(Unsigned(v, width, ' '), Printf("%*" PRIu64, static_cast<int>(width), v));
    ASSERT_EQ(Hex(v, width), Printf("%0*" PRIX64, static_cast<int>(width), v));
  }
  EXPECT_EQ(Unsigned(0, 0, '0'), "0");
  EXPECT_EQ(Hex(0, 0), "0");
  EXPECT_EQ(Unsigned(std::numeric_limits<uint64_t>::max(), 2, '0'), "18446744073709551615");
  EXPECT_EQ(Hex(std::numeric_limits<uint64_t>::max(), 2), "FFFFFFFFFFFFFFFF");
}

// The reading positions were always given: extended floating point.
std::string ExtendedPosition(int64_t number, int exponent, char positive, char negative) {
  long double q = static_cast<long double>(number) * std::pow(10.0L, exponent);
  char hemisphere = positive;
  if (q < 0) {
    hemisphere = negative;
    q = -q;
  }
  const long double degrees = std::trunc(q);
  return Printf("%02.0Lf\xB0 %09.6Lf' %c", degrees, (q - degrees) * 60, hemisphere);
}

TEST(PositionText, MatchesTheExtendedReadingAtEveryResolution) {
  std::mt19937_64 random(11);
  // 1e-7 and 1e-16 degrees are the library's resolutions; the others cover
  // the exponents a stored value can carry.
  for (int exponent : {-16, -7, -19, -12, -9, -5, -2, 0, 2}) {
    const int64_t limit = exponent >= -7 ? 1800000000 : std::numeric_limits<int64_t>::max();
    std::uniform_int_distribution<int64_t> any(-limit, limit);
    for (int i = 0; i < 5000; ++i) {
      const int64_t n = any(random);
      ASSERT_EQ(LatitudeText(Value(n, exponent)), ExtendedPosition(n, exponent, 'N', 'S'))
          << n << "e" << exponent;
      ASSERT_EQ(LongitudeText(Value(n, exponent)), ExtendedPosition(n, exponent, 'E', 'W'))
          << n << "e" << exponent;
    }
  }
}

TEST(PositionText, MatchesTheExtendedReadingOnRoundingEdges) {
  // Whole degrees, values a hair either side of them, minutes that end on a
  // half of the sixth decimal, and the extremes of the 64-bit range.
  const struct {
    int64_t number;
    int exponent;
  } cases[] = {
      {0, -7},
      {500000000, -7},
      {499999999, -7},
      {500000001, -7},
      {-1800000000, -7},
      {1800000000, -7},
      {500000000000000000, -16},
      {499999999999999999, -16},
      {500000000000000001, -16},
      {500000000000000083, -16},  // 0.0000000000000083 degrees: a half of 1e-6 minutes
      {125000000000000000, -16},
      {-5000000, -7},
      {std::numeric_limits<int64_t>::max(), -16},
      {std::numeric_limits<int64_t>::min(), -16},
      {std::numeric_limits<int64_t>::min(), -19},
      {std::numeric_limits<int64_t>::max(), 0},
      {12345, 5},
      {12345, -25},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LatitudeText(Value(c.number, c.exponent)), ExtendedPosition(c.number, c.exponent, 'N', 'S'))
        << c.number << "e" << c.exponent;
  }
  EXPECT_EQ(LatitudeText(Value(-5000000, -7)), "00\xB0 30.000000' S");
}

// The old way: printf the magnitude, then insert zeros and the point.
std::string InsertedNumber(const RepositoryValue& value) {
  const bool negative = value.value < 0;
  const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value.value) : static_cast<uint64_t>(value.value);
  std::string text = Printf("%" PRIu64, magnitude);
  if (value.exponent > 0) {
    text.append(static_cast<size_t>(value.exponent), '0');
  } else if (value.exponent < 0) {
    const size_t places = static_cast<size_t>(-value.exponent);
    if (text.size() <= places) text.insert(0, places + 1 - text.size(), '0');
    text.insert(text.size() - places, 1, '.');
  }
  if (negative) text.insert(0, 1, '-');
  return text;
}

TEST(NumberText, PlacesThePointAsInsertingIntoThePrintedDigitsDid) {
  std::mt19937_64 random(5);
  for (int i = 0; i < 20000; ++i) {
    const int64_t n = static_cast<int64_t>(random()) >> (random() % 64);
    const int exponent = static_cast<int>(random() % 41) - 25;
    const RepositoryValue v = Value(n, exponent);
    ASSERT_EQ(NumberText(v, kDecimalsAsStored), InsertedNumber(v)) << n << "e" << exponent;
  }
}

TEST(SafeFormat, TextsLongerThanTheStackAreFormattedWhole) {
  const std::string longWord(3000, 'x');
  CSafeFormat f;
  EXPECT_EQ(std::string(f.Format("<%s>%d", longWord.c_str(), 42)), "<" + longWord + ">42");
  EXPECT_EQ(f.Length(), longWord.size() + 5);
  // Now the buffer is large: a short text goes straight into it.
  EXPECT_STREQ(f.Format("%u-%s", 7u, "ab"), "7-ab");
  EXPECT_EQ(f.Length(), 5u);
  EXPECT_EQ(f.Capacity(), longWord.size() + 5) << "the buffer never shrinks";
  EXPECT_EQ(std::string(f.Format("%s%s", longWord.c_str(), longWord.c_str())), longWord + longWord);

  std::string appended = "head:";
  AppendFormat(appended, "%s|%03d", longWord.c_str(), 5);
  EXPECT_EQ(appended, "head:" + longWord + "|005");
  AppendFormat(appended, "%c", 'z');
  EXPECT_EQ(appended.back(), 'z');
  EXPECT_EQ(appended.size(), 5 + longWord.size() + 4 + 1);
}

TEST(N2kHeaderLines, ReadAsTheirPrintfFormatsForAnyHeader) {
  std::mt19937_64 random(3);
  const uint8_t data[8] = {0x01, 0xAB, 0xFF, 0x00, 0x10, 0x7E, 0x80, 0x09};
  for (int i = 0; i < 2000; ++i) {
    N2kMessage m;
    // Library PGNs, any 18-bit PGN, and any number a caller's message may carry.
    if (i % 3 == 0)
      m.pgn = kPgnDefinitions[random() % kPgnCount].pgn;
    else
      m.pgn = i % 3 == 1 ? static_cast<uint32_t>(random() & 0x3FFFF) : static_cast<uint32_t>(random());
    m.source = static_cast<uint8_t>(random());
    m.destination = static_cast<uint8_t>(random());
    m.priority = static_cast<uint8_t>(random() & 7);
    m.length = static_cast<int32_t>(random() % 9);
    m.data = data;
    std::string hex;
    AppendHexBytesCapped(hex, data, static_cast<size_t>(m.length));

    CTreeNode summary;
    DecodeN2kMessage(m, DM_Summary, summary, nullptr);
    ASSERT_EQ(summary.Text(), Printf("PGN: %6d (0x%05X), SRC = %u, DST = %u, Priority = %u, Len = %u, Data = ",
                                     static_cast<int>(m.pgn), m.pgn, m.source, m.destination, m.priority,
                                     static_cast<unsigned>(m.length)) +
                                  hex);

    const PgnDefinition* definition = FindPGN(m.pgn);
    CTreeNode header;
    AddPgnHeader(definition, m, header);
    ASSERT_EQ(header.Text(), Printf("NMEA 2000 PGN: %6d (0x%05X)", static_cast<int>(m.pgn), m.pgn));
    std::vector<std::string> lines;
    for (const CTreeNode& child : header.Children()) lines.push_back(child.Text());
    std::vector<std::string> expected;
    if (definition != nullptr) expected.push_back(Printf("Name: %s ", definition->name));
    expected.push_back(Printf("Source = %u, Destination = %u", m.source, m.destination));
    expected.push_back(Printf("Priority = %u, Length = %u", m.priority, static_cast<unsigned>(m.length)));
    if (definition != nullptr) expected.push_back(Printf("Number Of Fields = %u", definition->fieldCount & 0xFF));
    ASSERT_EQ(lines, expected) << m.pgn;
  }
}

}  // namespace
