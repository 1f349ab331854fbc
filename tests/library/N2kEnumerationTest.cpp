#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "library/N2kTables.h"

namespace {

TEST(N2kEnumerations, CatchAllRowFirst) {
  const EnumerationValue& row = kEnumerationValues[0];
  EXPECT_EQ(row.dictionaryNumber, 0u);
  EXPECT_EQ(row.value, 255u);
  EXPECT_STREQ(row.name, "DD000_NoModifier");
  EXPECT_STREQ(row.description, "Definition where there is no modifier");
}

TEST(N2kEnumerations, KeyedByExistingDictionaryNumbersInGroups) {
  std::set<uint32_t> numbers;
  for (const DataDictionaryEntry& dd : kDataDictionary) numbers.insert(dd.dictionaryNumber);
  std::set<uint32_t> seen;
  uint32_t previous = 0xFFFF;
  for (const EnumerationValue& row : kEnumerationValues) {
    EXPECT_TRUE(numbers.count(row.dictionaryNumber)) << row.dictionaryNumber;
    if (row.dictionaryNumber != previous) {
      EXPECT_TRUE(seen.insert(row.dictionaryNumber).second) << row.name;
    }
    previous = row.dictionaryNumber;
    EXPECT_STREQ(row.label, "Value");
    EXPECT_EQ(row.reserved, 0u);
    EXPECT_FALSE(std::string(row.description).empty()) << row.name;
  }
  const std::set<uint32_t> expected = {0,   2,   19,  25,  58,  59,  66,  67,  70,  72,  79,  117, 119, 122, 124, 126,
                                       128, 147, 153, 159, 183, 185, 189, 191, 193, 205, 207, 208, 218, 229, 230, 245,
                                       246, 253, 265, 275, 277, 282, 288, 293, 294, 295, 296, 297, 298, 299, 301, 502};
  EXPECT_EQ(seen, expected);
}

// Names spell the dictionary number and the value, except the extended
// temperature sources, which are filed under the 6-bit type's number.
TEST(N2kEnumerations, NamesCarryNumberAndValue) {
  for (uint32_t i = 1; i < kEnumerationCount; ++i) {
    const EnumerationValue& row = kEnumerationValues[i];
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "DD%03u_", row.dictionaryNumber);
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "_0x%02X", row.value);
    const std::string name = row.name;
    if (name.rfind("DD291_TemperatureSource_", 0) == 0) {
      EXPECT_EQ(row.dictionaryNumber, 229u);
    } else {
      EXPECT_EQ(name.rfind(prefix, 0), 0u) << name;
    }
    EXPECT_EQ(name.substr(name.size() - 5), suffix) << name;
  }
}

TEST(N2kEnumerations, OnlyTheKnownKeysOccurTwice) {
  std::map<std::pair<uint32_t, uint32_t>, int> count;
  for (const EnumerationValue& row : kEnumerationValues) ++count[{row.dictionaryNumber, row.value}];
  std::set<std::pair<uint32_t, uint32_t>> twice;
  for (const auto& [key, n] : count) {
    EXPECT_LE(n, 2);
    if (n == 2) twice.insert(key);
  }
  std::set<std::pair<uint32_t, uint32_t>> expected = {{70, 1}, {128, 0}, {208, 2}, {246, 0}, {246, 1}, {288, 254}};
  for (uint32_t v = 0; v <= 13; ++v) expected.insert({229, v});
  EXPECT_EQ(twice, expected);
}

}  // namespace
