#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <regex>
#include <string>
#include <tuple>

#include "library/N2kTables.h"

namespace {

uint32_t SizeBits(const FieldDefinition& f) { return f.sizeBits + 8u * f.sizeBytes; }
bool IsVariable(const FieldDefinition& f) { return f.sizeBits == 255 || f.sizeBytes == 255; }

const FieldDefinition& Field(uint32_t pgn, uint32_t number) {
  for (const FieldDefinition& f : kFieldDefinitions)
    if (f.pgn == pgn && f.fieldNumber == number) return f;
  ADD_FAILURE() << "no field " << pgn << "/" << number;
  return kFieldDefinitions[0];
}

TEST(N2kFieldTable, RunsFollowThePgnTable) {
  for (const PgnDefinition& pgn : kPgnDefinitions) {
    for (uint32_t i = 0; i < pgn.fieldCount; ++i) {
      const FieldDefinition& f = pgn.fields[i];
      EXPECT_EQ(f.pgn, pgn.pgn);
      EXPECT_EQ(f.fieldNumber, i);
      EXPECT_EQ(f.fieldNumberAgain, f.fieldNumber);
      EXPECT_EQ(f.reserved, 0u);
      EXPECT_LT(f.dictionaryIndex, kDataDictionaryCount);
    }
  }
}

// Positions are the running sum of the sizes; once a field has no fixed
// size, no later field of the PGN has a fixed position.
TEST(N2kFieldTable, PositionsAreConsistentWithSizes) {
  uint32_t notFixed = 0;
  for (const PgnDefinition& pgn : kPgnDefinitions) {
    int32_t position = 0;
    bool afterVariable = false;
    for (uint32_t i = 0; i < pgn.fieldCount; ++i) {
      const FieldDefinition& f = pgn.fields[i];
      SCOPED_TRACE(std::to_string(pgn.pgn) + "/" + std::to_string(i));
      EXPECT_EQ(f.bitPosition, afterVariable ? -1 : position);
      if (f.bitPosition == -1) ++notFixed;
      if (IsVariable(f)) {
        afterVariable = true;
      } else {
        position += static_cast<int32_t>(SizeBits(f));
      }
    }
    if (!afterVariable && pgn.length != 255) {
      EXPECT_LE(position, static_cast<int32_t>(pgn.length * 8)) << pgn.pgn;
    }
  }
  EXPECT_EQ(notFixed, 37u);
}

// The decoder takes a value's width from the dictionary row and only moves
// the position by the field's own size, so the two must agree.
TEST(N2kFieldTable, FixedSizeDictionaryRowsMatchTheFieldWidth) {
  for (const FieldDefinition& f : kFieldDefinitions) {
    const DataDictionaryEntry& dd = kDataDictionary[f.dictionaryIndex];
    const bool sizedByField = f.dictionaryIndex == 0 || f.dictionaryIndex == 1 || f.dictionaryIndex == 301 ||
                              dd.defaultSizeBytes == 255 || dd.dataType == 3;
    if (sizedByField) continue;
    SCOPED_TRACE(std::to_string(f.pgn) + "/" + std::to_string(f.fieldNumber) + " " + f.name);
    EXPECT_EQ(SizeBits(f), dd.defaultSizeBits + 8u * dd.defaultSizeBytes);
    if (dd.dataType == 7 || dd.dataType == 8) {
      EXPECT_EQ(f.sizeBytes, 0u);
    } else {
      EXPECT_EQ(f.sizeBits, 0u);
    }
  }
}

TEST(N2kFieldTable, ExactlyFiveRepeatingGroups) {
  std::map<uint32_t, std::tuple<uint32_t, uint32_t, uint32_t>> groups;
  for (const FieldDefinition& f : kFieldDefinitions) {
    if (f.groupSize == 0) {
      EXPECT_EQ(f.repeatCountField, 255u);
      continue;
    }
    EXPECT_TRUE(groups.emplace(f.pgn, std::make_tuple(f.fieldNumber, f.repeatCountField, f.groupSize)).second);
  }
  const std::map<uint32_t, std::tuple<uint32_t, uint32_t, uint32_t>> expected = {
      {126208, {5, 4, 2}}, {127503, {2, 1, 10}}, {127504, {2, 1, 10}}, {129029, {15, 14, 3}}, {129540, {4, 3, 7}}};
  EXPECT_EQ(groups, expected);
  uint32_t bits = 0;
  for (uint32_t n = 4; n <= 10; ++n) bits += SizeBits(Field(129540, n));
  EXPECT_EQ(bits, 96u);
}

TEST(N2kFieldTable, SizeFromContextOnlyWhereTheMessageSaysIt) {
  uint32_t count = 0;
  for (const FieldDefinition& f : kFieldDefinitions) {
    if (!f.sizeFromContext) continue;
    ++count;
    EXPECT_EQ(SizeBits(f), 0u);
  }
  EXPECT_EQ(count, 2u);
  EXPECT_EQ(Field(126208, 6).sizeFromContext, 1u);
  EXPECT_STREQ(Field(129808, 21).name, "DSC Expansion Field Data");
  EXPECT_EQ(Field(129808, 21).sizeFromContext, 1u);
}

TEST(N2kFieldTable, WidthsStoredEitherWay) {
  for (uint32_t pgn : {59392u, 59904u, 126208u, 126464u}) {
    bool seen = false;
    for (const FieldDefinition& f : kFieldDefinitions) {
      if (f.pgn != pgn || std::strcmp(kDataDictionary[f.dictionaryIndex].name, "PGN") != 0) continue;
      seen = true;
      EXPECT_EQ(f.sizeBits, 24u);
      EXPECT_EQ(f.sizeBytes, 0u);
    }
    EXPECT_TRUE(seen) << pgn;
  }
  EXPECT_EQ(Field(129027, 2).sizeBytes, 3u);
  EXPECT_EQ(Field(129027, 3).sizeBytes, 3u);
  EXPECT_EQ(Field(129028, 6).sizeBytes, 3u);
}

TEST(N2kFieldTable, NamesAreReal) {
  for (const FieldDefinition& f : kFieldDefinitions) {
    const std::string name = f.name;
    EXPECT_FALSE(name.empty());
    EXPECT_EQ(name.find("TBD"), std::string::npos);
    EXPECT_EQ(name.find("nknown"), std::string::npos);
    EXPECT_FALSE(std::regex_match(name, std::regex("Field [0-9]+"))) << name;
  }
}

struct TellingField {
  uint32_t pgn, number;
  const char* name;
  uint32_t bits, bytes;
  int32_t position;
  uint32_t dictionary, repeat, group, context;
};

TEST(N2kFieldTable, TellingRows) {
  const TellingField rows[] = {
      {60928, 0, "Unique Number (ISO Identity Number)", 21, 0, 0, 172, 255, 0, 0},
      {60928, 1, "Manufacturer Code", 11, 0, 21, 171, 255, 0, 0},
      {61184, 3, "Manufacturer defined field(s)", 255, 0, 16, 141, 255, 0, 0},
      {126208, 5, "Field number of first requested parameter", 0, 1, 88, 5, 4, 2, 0},
      {126208, 6, "Value of first requested parameter", 0, 0, 96, 0, 255, 0, 1},
      {126998, 2, "Manufacturer Information, Field 3", 0, 255, -1, 4, 255, 0, 0},
      {127250, 1, "Heading Sensor Reading", 0, 2, 8, 117, 255, 0, 0},
      {129540, 4, "PRN (Sat ID)", 0, 1, 24, 74, 3, 7, 0},
  };
  for (const TellingField& t : rows) {
    const FieldDefinition& f = Field(t.pgn, t.number);
    SCOPED_TRACE(t.name);
    EXPECT_STREQ(f.name, t.name);
    EXPECT_EQ(f.sizeBits, t.bits);
    EXPECT_EQ(f.sizeBytes, t.bytes);
    EXPECT_EQ(f.bitPosition, t.position);
    EXPECT_EQ(f.dictionaryIndex, t.dictionary);
    EXPECT_EQ(f.repeatCountField, t.repeat);
    EXPECT_EQ(f.groupSize, t.group);
    EXPECT_EQ(f.sizeFromContext, t.context);
  }
  for (uint32_t n = 0; n < 5; ++n) EXPECT_GE(Field(126992, n).bitPosition, 0);
}

}  // namespace
