#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "library/N2kTables.h"

namespace {

const PgnDefinition& Row(uint32_t pgn) {
  for (const PgnDefinition& row : kPgnDefinitions)
    if (row.pgn == pgn) return row;
  ADD_FAILURE() << "no row for " << pgn;
  return kPgnDefinitions[0];
}

bool HasVariableField(const PgnDefinition& row) {
  for (uint32_t i = 0; i < row.fieldCount; ++i) {
    const FieldDefinition& f = row.fields[i];
    if (f.sizeBits == 255 || f.sizeBytes == 255 || f.sizeFromContext) return true;
  }
  return false;
}

TEST(N2kPgnTable, DescriptorNamesTheTableAndVersion) {
  EXPECT_EQ(kN2kLibrary.versionMajor, 1u);
  EXPECT_EQ(kN2kLibrary.versionMinor, 13000u);
  EXPECT_EQ(kN2kLibrary.reserved, 1u);
  EXPECT_EQ(kN2kLibrary.pgnCount, 120u);
  EXPECT_EQ(kN2kLibrary.pgns, kPgnDefinitions);
}

TEST(N2kPgnTable, RowsInOrderWithRunningIndices) {
  uint32_t firstField = 0;
  for (uint32_t i = 0; i < kPgnCount; ++i) {
    const PgnDefinition& row = kPgnDefinitions[i];
    SCOPED_TRACE(row.pgn);
    if (i > 0) {
      EXPECT_LT(kPgnDefinitions[i - 1].pgn, row.pgn);
    }
    EXPECT_EQ(row.libraryIndex, i);
    EXPECT_EQ(row.firstFieldIndex, firstField);
    EXPECT_EQ(row.fields, &kFieldDefinitions[firstField]);
    EXPECT_GE(row.fieldCount, 1u);
    EXPECT_LE(row.fieldCount, 29u);
    firstField += row.fieldCount;
  }
  EXPECT_EQ(firstField, kFieldCount);
}

TEST(N2kPgnTable, NamesAndFieldCountsAreTheLibrarysOwn) {
  const std::vector<std::pair<uint32_t, uint32_t>> counts = {
      {59392, 4},   {59904, 1},   {60928, 10},  {61184, 4},   {65280, 4},   {126208, 7},  {126464, 2},  {126720, 4},
      {126992, 5},  {126996, 8},  {126998, 3},  {127237, 18}, {127245, 6},  {127250, 6},  {127251, 3},  {127257, 5},
      {127258, 5},  {127488, 5},  {127489, 14}, {127493, 7},  {127496, 4},  {127497, 5},  {127498, 4},  {127501, 29},
      {127502, 29}, {127503, 12}, {127504, 12}, {127505, 5},  {127506, 7},  {127507, 8},  {127508, 5},  {127509, 6},
      {127510, 11}, {127511, 8},  {127512, 3},  {127513, 10}, {127514, 6},  {128259, 5},  {128267, 4},  {128275, 4},
      {128520, 14}, {129025, 2},  {129026, 6},  {129027, 4},  {129028, 7},  {129029, 18}, {129033, 3},  {129038, 19},
      {129039, 22}, {129040, 26}, {129041, 21}, {129044, 5},  {129045, 10}, {129283, 6},  {129284, 15}, {129285, 13},
      {129291, 6},  {129301, 5},  {129302, 10}, {129538, 10}, {129539, 7},  {129540, 11}, {129541, 14}, {129542, 8},
      {129545, 10}, {129546, 5},  {129547, 8},  {129549, 11}, {129550, 7},  {129551, 14}, {129556, 14}, {129792, 12},
      {129793, 15}, {129794, 20}, {129795, 12}, {129796, 12}, {129797, 8},  {129798, 16}, {129799, 6},  {129800, 8},
      {129801, 11}, {129802, 7},  {129803, 20}, {129804, 13}, {129805, 23}, {129806, 22}, {129807, 18}, {129808, 22},
      {129809, 4},  {129810, 13}, {130052, 15}, {130053, 15}, {130054, 5},  {130064, 12}, {130065, 9},  {130066, 13},
      {130067, 9},  {130068, 7},  {130069, 9},  {130070, 7},  {130071, 6},  {130072, 5},  {130073, 7},  {130074, 9},
      {130306, 5},  {130310, 5},  {130311, 6},  {130312, 6},  {130313, 6},  {130314, 5},  {130315, 5},  {130320, 11},
      {130321, 10}, {130322, 13}, {130323, 15}, {130324, 18}, {130576, 3},  {130577, 10}, {130578, 6},  {130816, 4}};
  ASSERT_EQ(counts.size(), kPgnCount);
  for (uint32_t i = 0; i < kPgnCount; ++i) {
    EXPECT_EQ(kPgnDefinitions[i].pgn, counts[i].first);
    EXPECT_EQ(kPgnDefinitions[i].fieldCount, counts[i].second) << counts[i].first;
    EXPECT_GT(std::strlen(kPgnDefinitions[i].name), 0u);
    EXPECT_GT(std::strlen(kPgnDefinitions[i].description), 20u) << counts[i].first;
  }
  EXPECT_STREQ(Row(126208).name, "NMEA -  Request group function");
  EXPECT_STREQ(Row(130321).name, "Salinity Station  Data");
  EXPECT_STREQ(Row(129809).name, "AIS Class B \"CS\" Static Data Report, Part A");
  EXPECT_STREQ(Row(126464).name, "PGN List - Transmit PGN's group function");
}

TEST(N2kPgnTable, DerivedColumnsFollowTheirRules) {
  const std::set<uint32_t> ranges = {59392, 59904, 60928, 61184, 126208, 126464, 126720, 65280, 130816};
  const std::set<uint32_t> addressed = {59392, 59904, 60928, 61184, 126208, 126464, 126720};
  for (const PgnDefinition& row : kPgnDefinitions) {
    SCOPED_TRACE(row.pgn);
    EXPECT_EQ(row.rangeMask, ranges.count(row.pgn) ? 0x03FF0000u : 0x03FFFF00u);
    const uint32_t i = row.interval;
    EXPECT_EQ(row.secondInterval, i == 0 ? 0u : std::max(i / 10, 50u));
    EXPECT_EQ(row.timeout, std::min(i * 10, 60000u));
    ASSERT_TRUE(row.transport == 1 || row.transport == 2);
    EXPECT_GE(row.priority, 2u);
    EXPECT_LE(row.priority, 7u);
    const uint16_t expectedClass = (addressed.count(row.pgn) ? 2 : 4) + (row.transport - 1);
    EXPECT_EQ(row.messageClass, expectedClass);
    if (row.sidField != 0xFF) {
      EXPECT_STREQ(row.fields[row.sidField].name, "SID");
    }
    if (row.instanceField != 0xFF) {
      EXPECT_LT(row.instanceField, row.fieldCount);
    }
    if (HasVariableField(row)) {
      EXPECT_TRUE(row.length == 255 || row.transport == 1);
    }
    if (row.length != 255 && row.transport == 1) {
      EXPECT_LE(row.length, 8u);
    }
  }
}

struct TellingPgn {
  uint32_t pgn, mask, interval, second, timeout, transport, priority, sid, instance, messageClass, length, fields;
};

TEST(N2kPgnTable, TellingRows) {
  const TellingPgn rows[] = {
      {59392, 0x03FF0000, 0, 0, 0, 1, 6, 0xFF, 0xFF, 2, 8, 4},
      {60928, 0x03FF0000, 0, 0, 0, 1, 6, 0xFF, 7, 2, 8, 10},
      {126208, 0x03FF0000, 0, 0, 0, 2, 3, 0xFF, 0xFF, 3, 255, 7},
      {126992, 0x03FFFF00, 1000, 100, 10000, 1, 3, 0, 0xFF, 4, 8, 5},
      {127245, 0x03FFFF00, 100, 50, 1000, 1, 2, 0xFF, 0, 4, 8, 6},
      {127506, 0x03FFFF00, 1500, 150, 15000, 2, 6, 0, 1, 5, 9, 7},
      {129029, 0x03FFFF00, 1000, 100, 10000, 2, 3, 0, 0xFF, 5, 255, 18},
      {129044, 0x03FFFF00, 10000, 1000, 60000, 2, 6, 0xFF, 0xFF, 5, 20, 5},
      {130816, 0x03FF0000, 0, 0, 0, 2, 7, 0xFF, 0xFF, 5, 255, 4},
  };
  for (const TellingPgn& t : rows) {
    SCOPED_TRACE(t.pgn);
    const PgnDefinition& row = Row(t.pgn);
    EXPECT_EQ(row.rangeMask, t.mask);
    EXPECT_EQ(row.interval, t.interval);
    EXPECT_EQ(row.secondInterval, t.second);
    EXPECT_EQ(row.timeout, t.timeout);
    EXPECT_EQ(row.transport, t.transport);
    EXPECT_EQ(row.priority, t.priority);
    EXPECT_EQ(row.sidField, t.sid);
    EXPECT_EQ(row.instanceField, t.instance);
    EXPECT_EQ(row.messageClass, t.messageClass);
    EXPECT_EQ(row.length, t.length);
    EXPECT_EQ(row.fieldCount, t.fields);
  }
  EXPECT_STREQ(Row(126992).name, "System Time");
  EXPECT_STREQ(Row(130816).name, "Manu. Proprietary fast-packet non-addressed");
}

}  // namespace
