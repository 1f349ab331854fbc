#include <gtest/gtest.h>

#include <set>

#include "base/OutputTree.h"
#include "library/N2kLibrary.h"
#include "library/N2kLookup.h"

namespace {

TEST(N2kLookup, FindPgnCoversRangesAndNothingElse) {
  ASSERT_NE(FindPGN(59904 + 0x23), nullptr);
  EXPECT_EQ(FindPGN(59904 + 0x23)->pgn, 59904u);
  EXPECT_EQ(FindPGN(130816 + 5)->pgn, 130816u);
  EXPECT_EQ(FindPGN(61184 + 255)->pgn, 61184u);
  EXPECT_EQ(FindPGN(61440), nullptr);
  EXPECT_EQ(FindPGN(0), nullptr);
  EXPECT_EQ(FindPGN(127249), nullptr);
  EXPECT_EQ(FindPGN(127251 + 1), nullptr);
  EXPECT_EQ(FindPGN(130816 + 256), nullptr);
  EXPECT_EQ(FindPGN(0xFFFFFFFFu), nullptr);
  for (const PgnDefinition& row : kPgnDefinitions) {
    EXPECT_EQ(FindPGN(row.pgn), &row);
    EXPECT_EQ(TheN2kLibraryIndex().Pgn(row.pgn), &row);
  }
  EXPECT_EQ(TheN2kLibraryIndex().PgnCount(), kPgnCount);
}

TEST(N2kLookup, IndexedAccessorsStopAtTheTableEnd) {
  EXPECT_EQ(GetPGNByIndex(0)->pgn, 59392u);
  EXPECT_EQ(GetPGNByIndex(119)->pgn, 130816u);
  EXPECT_EQ(GetPGNByIndex(120), nullptr);
  EXPECT_STREQ(GetPGNName(126992), "System Time");
  EXPECT_STREQ(GetPGNName(60928 + 7), "ISO Address Claim");
  EXPECT_STREQ(GetPGNName(1), "");
  EXPECT_EQ(GetDDEntry(309), &kDataDictionary[309]);
  EXPECT_EQ(GetDDEntry(310), nullptr);
  EXPECT_EQ(GetDataType(17), &kBasicDataTypes[17]);
  EXPECT_EQ(GetDataType(18), nullptr);
  EXPECT_EQ(GetConversionMapRow(206), &kN2kConversionMap[206]);
  EXPECT_EQ(GetConversionMapRow(207), nullptr);
  EXPECT_EQ(GetDDEntryOfField(nullptr), nullptr);
  const uint16_t heading = 117;
  EXPECT_EQ(GetDDEntryOfField(&heading)->dictionaryNumber, 118u);
  const uint16_t beyond = 310;
  EXPECT_EQ(GetDDEntryOfField(&beyond), nullptr);
}

TEST(N2kLookup, EnumerationLookupTakesTheLastMatch) {
  const EnumerationValue* source = FindEnumValue(229, 0);
  ASSERT_NE(source, nullptr);
  EXPECT_STREQ(source->name, "DD291_TemperatureSource_0x00");
  EXPECT_STREQ(FindEnumValue(229, 15)->name, "DD229_TemperatureSource_0x0F");
  EXPECT_EQ(FindEnumValue(0, 255), &kEnumerationValues[0]);
  EXPECT_EQ(FindEnumValue(25, 200), nullptr);
  // The heading reference of 127250 sits on dictionary row 116, number 117.
  const FieldDefinition& reference = FindPGN(127250)->fields[4];
  EXPECT_EQ(reference.dictionaryIndex, 116u);
  const auto number = static_cast<uint16_t>(GetDDEntry(reference.dictionaryIndex)->dictionaryNumber);
  EXPECT_EQ(number, 117u);
  EXPECT_STREQ(FindEnumValue(number, 1)->description, "Magnetic");
  EXPECT_STREQ(FindEnumValue(25, 0)->description, "Autonomous mode");
}

TEST(N2kLookup, ConversionMapRuns) {
  int32_t first = 99;
  int32_t count = 99;
  EXPECT_EQ(FindConversionMapRows(127237, 10, first, count), 0);
  EXPECT_EQ(first, 3);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(FindConversionMapRows(127237, 11, first, count), -1797);
  EXPECT_EQ(first, -1);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(FindConversionMapRows(130578, 5, first, count), 0);
  EXPECT_EQ(first, 206);
  EXPECT_EQ(count, 1);
}

TEST(N2kLookup, RepeatingGroups) {
  EXPECT_TRUE(IsInRepeatGroup(129540, 4));
  EXPECT_TRUE(IsInRepeatGroup(129540, 10));
  EXPECT_FALSE(IsInRepeatGroup(129540, 3));
  EXPECT_FALSE(IsInRepeatGroup(129540, 11));
  EXPECT_FALSE(IsInRepeatGroup(126992, 1));
  EXPECT_FALSE(IsInRepeatGroup(61440, 0));
  const FieldDefinition* first = nullptr;
  EXPECT_EQ(GetRepeatGroupBits(129540, first), 96u);
  ASSERT_NE(first, nullptr);
  EXPECT_STREQ(first->name, "PRN (Sat ID)");
  EXPECT_EQ(GetRepeatGroupBits(129029, first), 4u + 12u + 16u);
  EXPECT_EQ(first->fieldNumber, 15u);
  EXPECT_EQ(GetRepeatGroupBits(126992, first), 0u);
  EXPECT_EQ(first, nullptr);
  EXPECT_EQ(GetRepeatGroupBits(61440, first), 0u);
  EXPECT_EQ(first, nullptr);
}

TEST(N2kLookup, ManufacturerNames) {
  EXPECT_STREQ(GetManufacturerName(273), "Torvanode");
  EXPECT_STREQ(GetManufacturerName(1851), "Raymarine, Inc.");
  EXPECT_STRNE(GetManufacturerName(199), "");
  EXPECT_STREQ(GetManufacturerName(2047), "");
  EXPECT_EQ(TheN2kLibraryIndex().ManufacturerCount(), kManufacturerCount);
}

TEST(N2kLookup, CollectPgnsUsingRepository) {
  std::set<uint32_t> indices;
  CollectPGNsUsingRepository(53, indices);  // RD_COGTrue
  EXPECT_EQ(indices, (std::set<uint32_t>{FindPGN(129026)->libraryIndex}));
  indices.clear();
  CollectPGNsUsingRepository(55, indices);  // RD_Date: system time, GNSS fix, time and date
  EXPECT_EQ(indices, (std::set<uint32_t>{FindPGN(126992)->libraryIndex, FindPGN(129029)->libraryIndex,
                                         FindPGN(129033)->libraryIndex}));
  indices.clear();
  CollectPGNsUsingRepository(100, indices);
  EXPECT_TRUE(indices.empty());
  CollectPGNsUsingRepository(88, indices);  // RD_GNSS_SatSolutionPRN: no PGN feeds it
  EXPECT_TRUE(indices.empty());
}

TEST(N2kLookup, ListLibraryPgns) {
  CTreeNode verbose;
  ListLibraryPGNs(verbose, {8, 0, 500}, true);
  EXPECT_EQ(verbose.Text(), "Library PGNs");
  ASSERT_EQ(verbose.Children().size(), 2u);
  EXPECT_EQ(verbose.Children()[0].Text(), "59392 : ISO Acknowledgment");
  EXPECT_EQ(verbose.Children()[1].Text(), "126992 : System Time");
  CTreeNode terse;
  ListLibraryPGNs(terse, {119}, false);
  ASSERT_EQ(terse.Children().size(), 1u);
  EXPECT_EQ(terse.Children()[0].Text(), "130816");
}

}  // namespace
