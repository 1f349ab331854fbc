// The enumeration and conversion-map indexes must answer every key exactly
// as a scan of the tables does, duplicate keys included: each is compared
// with the scan over every key the tables hold and their neighbours.
#include <gtest/gtest.h>

#include <set>

#include "library/N2kLookup.h"

namespace {

// The last row of the key, as the table is read top to bottom.
const EnumerationValue* ScanEnumValue(uint16_t dictionaryNumber, uint8_t value) {
  const EnumerationValue* found = nullptr;
  for (const EnumerationValue& row : kEnumerationValues)
    if (row.dictionaryNumber == dictionaryNumber && row.value == value) found = &row;
  return found;
}

TEST(N2kLookupIndex, EnumerationNamesMatchAScanOfTheTable) {
  std::set<uint16_t> numbers = {0, 0xFFFF};
  for (const EnumerationValue& row : kEnumerationValues) {
    numbers.insert(row.dictionaryNumber);
    numbers.insert(static_cast<uint16_t>(row.dictionaryNumber + 1));
    numbers.insert(static_cast<uint16_t>(row.dictionaryNumber - 1));
  }
  size_t found = 0;
  for (uint16_t number : numbers) {
    for (unsigned value = 0; value < 256; ++value) {
      const EnumerationValue* expected = ScanEnumValue(number, static_cast<uint8_t>(value));
      ASSERT_EQ(FindEnumValue(number, static_cast<uint8_t>(value)), expected) << number << "/" << value;
      found += expected != nullptr;
    }
  }
  EXPECT_GT(found, kEnumerationCount / 2) << "the comparison must cover real rows, not only misses";
}

// The first run of rows of the key, as a scan from the top finds it.
int32_t ScanConversionMapRows(uint32_t pgn, uint32_t field, int32_t& first, int32_t& count) {
  first = -1;
  count = 0;
  for (uint32_t i = 0; i < kN2kConversionMapCount; ++i) {
    if (kN2kConversionMap[i].pgn != pgn || kN2kConversionMap[i].fieldNumber != field) continue;
    first = static_cast<int32_t>(i);
    while (i < kN2kConversionMapCount && kN2kConversionMap[i].pgn == pgn && kN2kConversionMap[i].fieldNumber == field) {
      ++count;
      ++i;
    }
    return 0;
  }
  return kNoConversionMapRows;
}

TEST(N2kLookupIndex, ConversionMapRowsMatchAScanOfTheTable) {
  std::set<uint32_t> pgns = {0, 0xFFFFFFFFu};
  for (const N2kConversionMapRow& row : kN2kConversionMap) {
    pgns.insert(row.pgn);
    pgns.insert(row.pgn + 1);
  }
  for (const PgnDefinition& row : kPgnDefinitions) pgns.insert(row.pgn);
  size_t runs = 0;
  for (uint32_t pgn : pgns) {
    // Fields past 255 cannot name a row: the table's field is one byte.
    for (uint32_t field = 0; field <= 260; ++field) {
      int32_t first = 7, count = 7, expectedFirst = 0, expectedCount = 0;
      const int32_t expected = ScanConversionMapRows(pgn, field, expectedFirst, expectedCount);
      ASSERT_EQ(FindConversionMapRows(pgn, field, first, count), expected) << pgn << "/" << field;
      EXPECT_EQ(first, expectedFirst) << pgn << "/" << field;
      EXPECT_EQ(count, expectedCount) << pgn << "/" << field;
      runs += expected == 0;
    }
  }
  EXPECT_GT(runs, 50u) << "the comparison must cover real rows, not only misses";
}

}  // namespace
