#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "base/RepositoryCatalogue.h"
#include "library/N2kLookup.h"

namespace {

const FieldDefinition* FieldOf(uint32_t pgn, uint32_t number) {
  const PgnDefinition* row = FindPGN(pgn);
  if (!row || row->pgn != pgn || number >= row->fieldCount) return nullptr;
  return &row->fields[number];
}

TEST(N2kConversionMap, SortedAndPointingAtRealFieldsAndDatatypes) {
  for (uint32_t i = 0; i < kN2kConversionMapCount; ++i) {
    const N2kConversionMapRow& row = kN2kConversionMap[i];
    SCOPED_TRACE(std::to_string(row.pgn) + "/" + std::to_string(row.fieldNumber));
    if (i > 0) {
      const N2kConversionMapRow& prev = kN2kConversionMap[i - 1];
      EXPECT_LE(std::make_pair(prev.pgn, prev.fieldNumber), std::make_pair(row.pgn, row.fieldNumber));
    }
    ASSERT_NE(FieldOf(row.pgn, row.fieldNumber), nullptr);
    ASSERT_LT(row.repositoryIndex, kRepositoryDatatypeCount);
    EXPECT_NE(row.repositoryIndex, static_cast<uint32_t>(RD_NONE));
    EXPECT_STREQ(row.repositoryName, GetRepositoryName(row.repositoryIndex));
    EXPECT_STREQ(row.developmentStatus, "Yes");
    if (row.modifierField == 0xFF) {
      EXPECT_EQ(row.modifierValue, 0xFF);
      EXPECT_EQ(row.modifierValueSigned, -1);
      EXPECT_STREQ(row.modifierName, "DD000_NoModifier");
    } else {
      ASSERT_NE(FieldOf(row.pgn, row.modifierField), nullptr);
      EXPECT_NE(row.modifierField, row.fieldNumber);
    }
  }
}

// A modifier names the enumeration value of its own field's dictionary type.
TEST(N2kConversionMap, ModifierNamesMatchTheModifierField) {
  int signedDiffers = 0;
  for (const N2kConversionMapRow& row : kN2kConversionMap) {
    if (row.modifierField == 0xFF) continue;
    const FieldDefinition& modifier = *FieldOf(row.pgn, row.modifierField);
    const uint16_t number = static_cast<uint16_t>(kDataDictionary[modifier.dictionaryIndex].dictionaryNumber);
    const uint16_t key = number == 291 ? 229 : number;
    const EnumerationValue* value = FindEnumValue(key, row.modifierValue);
    ASSERT_NE(value, nullptr) << row.pgn << " " << row.modifierName;
    EXPECT_STREQ(value->name, row.modifierName);
    if (row.modifierValueSigned != row.modifierValue) ++signedDiffers;
  }
  EXPECT_EQ(signedDiffers, 3);
}

// The repository rescales by powers of ten only: a field must carry the
// datatype's multiplier, unit and sign, at the same or a coarser exponent.
TEST(N2kConversionMap, FieldsFeedDatatypesOfTheSameScaling) {
  for (const N2kConversionMapRow& row : kN2kConversionMap) {
    const DataDictionaryEntry& field = kDataDictionary[FieldOf(row.pgn, row.fieldNumber)->dictionaryIndex];
    const DataDictionaryEntry& target = kDataDictionary[GetRepositoryDatatype(row.repositoryIndex)->dictionaryIndex];
    SCOPED_TRACE(std::string(row.repositoryName) + " from " + std::to_string(row.pgn));
    EXPECT_EQ(field.resolutionMultiplier, target.resolutionMultiplier);
    EXPECT_GE(field.resolutionExponent, target.resolutionExponent);
    EXPECT_EQ(field.unitCode, target.unitCode);
    EXPECT_EQ(kBasicDataTypes[field.dataType].typeClass, kBasicDataTypes[target.dataType].typeClass);
  }
}

// With the null check on, a field of all ones reads "Not Available"; for a
// one-bit flag that would hide every set flag.
TEST(N2kConversionMap, NullCheckOnlyOnBitFieldsWithASpareTopValue) {
  int on = 0;
  for (const N2kConversionMapRow& row : kN2kConversionMap) {
    if (!row.useNullCheck) continue;
    ++on;
    const DataDictionaryEntry& dd = kDataDictionary[FieldOf(row.pgn, row.fieldNumber)->dictionaryIndex];
    SCOPED_TRACE(row.repositoryName);
    EXPECT_TRUE(dd.dataType == 7 || dd.dataType == 8);
    EXPECT_GE(dd.defaultSizeBits, 2u);
  }
  EXPECT_GT(on, 0);
  int32_t first = 0;
  int32_t count = 0;
  ASSERT_EQ(FindConversionMapRows(129038, 5, first, count), 0);  // position accuracy, one bit
  EXPECT_EQ(kN2kConversionMap[first].useNullCheck, 0u);
}

TEST(N2kConversionMap, PerPgnCountsAndTags) {
  const std::map<uint32_t, int> expected = {
      {126992, 3}, {127237, 2}, {127245, 2}, {127250, 4}, {127251, 1},  {127257, 3}, {127258, 1}, {127488, 2},
      {128259, 1}, {128267, 2}, {128275, 2}, {129025, 2}, {129026, 3},  {129029, 16}, {129033, 3}, {129038, 16},
      {129039, 20}, {129040, 21}, {129283, 2}, {129284, 15}, {129291, 3}, {129539, 5}, {129540, 8}, {129793, 12},
      {129794, 19}, {129809, 4}, {129810, 11}, {130306, 8}, {130310, 3}, {130311, 5}, {130312, 2}, {130578, 6}};
  std::map<uint32_t, int> counts;
  std::map<std::string, int> tags;
  int counted = 0;
  for (const N2kConversionMapRow& row : kN2kConversionMap) {
    ++counts[row.pgn];
    ++tags[row.listTags];
    counted += row.includeInValidCount;
  }
  EXPECT_EQ(counts, expected);
  const std::map<std::string, int> expectedTags = {
      {"Tx,AIS", 103}, {"Rx,Tx,Std,AIS", 71}, {"Rx,Tx,Std", 24}, {"Rx,Tx", 6}, {"Rx,Std", 3}};
  EXPECT_EQ(tags, expectedTags);
  EXPECT_EQ(counted, 194);
}

TEST(N2kConversionMap, TellingRows) {
  struct Telling {
    uint32_t pgn, field, modifierField, modifierValue;
    const char* repository;
  };
  const Telling rows[] = {{126992, 1, 0xFF, 0xFF, "RD_TimeSource"},  {127237, 10, 6, 0, "RD_HeadingToSteerTrue"},
                          {127237, 10, 6, 1, "RD_HeadingToSteerMag"}, {127245, 4, 0, 0, "RD_RudderAngle1"},
                          {127245, 4, 0, 1, "RD_RudderAngle2"},       {129026, 3, 1, 0, "RD_COGTrue"},
                          {129026, 3, 1, 1, "RD_COGMag"}};
  for (const Telling& t : rows) {
    int32_t first = 0;
    int32_t count = 0;
    ASSERT_EQ(FindConversionMapRows(t.pgn, t.field, first, count), 0);
    bool found = false;
    for (int32_t r = first; r < first + count; ++r) {
      const N2kConversionMapRow& row = kN2kConversionMap[r];
      if (row.modifierField == t.modifierField && row.modifierValue == t.modifierValue) {
        EXPECT_STREQ(row.repositoryName, t.repository);
        found = true;
      }
    }
    EXPECT_TRUE(found) << t.repository;
  }
  EXPECT_STREQ(kN2kConversionMap[3].modifierName, "DD117_DirectionReference_0x00");
  EXPECT_NE(std::string(kN2kConversionMap[5].comment), "");
}

}  // namespace
