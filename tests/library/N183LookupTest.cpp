#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/OutputTree.h"
#include "base/RepositoryCatalogue.h"
#include "library/N183Lookup.h"

namespace {

TEST(FindSentence, UsesExactlyThreeCharacters) {
  const SentenceDefinition* gga = FindSentence("GGA,123519,4807.038,N");
  ASSERT_NE(gga, nullptr);
  EXPECT_STREQ(gga->address, "GPGGA");
  EXPECT_EQ(FindSentence("ZZU"), &kSentenceDefinitions[142]);
  EXPECT_EQ(FindSentence("AAM"), &kSentenceDefinitions[0]);
  EXPECT_EQ(FindSentence("AAA"), nullptr);
  EXPECT_EQ(FindSentence("ZZZ"), nullptr);
  EXPECT_EQ(FindSentence("gga"), nullptr);
  EXPECT_EQ(FindSentence("GG"), nullptr);
  EXPECT_EQ(FindSentence(""), nullptr);
  EXPECT_EQ(FindSentence(nullptr), nullptr);
}

TEST(FindSentence, FindsEveryFormatterOfTheTable) {
  for (const SentenceDefinition& row : kSentenceDefinitions) {
    const SentenceDefinition* found = FindSentence(FormatterOf(row));
    ASSERT_NE(found, nullptr) << row.address;
    EXPECT_STREQ(FormatterOf(*found), FormatterOf(row));
    if (std::string(FormatterOf(row)) != "MWV") {
      EXPECT_EQ(found, &row);
    }
  }
  // Of the two MWV rows the bisection meets the relative one.
  EXPECT_EQ(FindSentence("MWV"), &kSentenceDefinitions[73]);
}

TEST(FormatterKey, PacksTheTopThreeBytes) {
  EXPECT_EQ(PackFormatterKey('G', 'G', 'A'), 0x47474100u);
  EXPECT_EQ(FormatterKeyOf("VDM"), 0x56444D00u);
  EXPECT_EQ(FormatterKeyOf("VD"), 0u);
  char text[4];
  UnpackFormatterKey(0x5A5A5500u, text);
  EXPECT_STREQ(text, "ZZU");
  EXPECT_EQ(FindSentenceByKey(FormatterKeyOf("RMC")), FindSentence("RMC"));
  EXPECT_EQ(FindSentenceByKey(0), nullptr);
  EXPECT_EQ(FindSentenceByKey(0x41414100u), nullptr);
  EXPECT_STREQ(GetSentenceName(FormatterKeyOf("GSV")), "GNSS Satellites in View");
  EXPECT_STREQ(GetSentenceName(FormatterKeyOf("HCC")), "");
  EXPECT_STREQ(GetSentenceName(FormatterKeyOf("QQQ")), "");
}

TEST(IndexLookups, StopAtTheEndOfEachTable) {
  EXPECT_EQ(GetSentenceByIndex(142), &kSentenceDefinitions[142]);
  EXPECT_EQ(GetSentenceByIndex(143), nullptr);
  EXPECT_EQ(GetSentenceField(170), &kSentenceFieldDefinitions[170]);
  EXPECT_EQ(GetSentenceField(171), nullptr);
  EXPECT_EQ(GetUT183Conversion(21), &kUT183Conversions[21]);
  EXPECT_EQ(GetUT183Conversion(22), nullptr);
  EXPECT_STREQ(GetUT183UnitName(13)->name, "UT183_Knots");
  EXPECT_EQ(GetUT183UnitName(22), nullptr);
  EXPECT_EQ(GetConversionFactor(15), &kN183ConversionFactors[15]);
  EXPECT_EQ(GetConversionFactor(16), nullptr);
  EXPECT_EQ(GetAISMessage(26)->messageId, 26);
  EXPECT_EQ(GetAISMessage(27), nullptr);
  EXPECT_EQ(GetAISFieldDefinition(63), &kAISFieldDefinitions[63]);
  EXPECT_EQ(GetAISFieldDefinition(64), nullptr);
  EXPECT_EQ(GetAISFieldListRow(116), &kAISFieldList[116]);
  EXPECT_EQ(GetAISFieldListRow(117), nullptr);
  EXPECT_EQ(GetAISRange(17)->maximum, 9999);
  EXPECT_EQ(GetAISRange(18), nullptr);
}

TEST(GetDT0183Type, LooksUpByCodeNotByRow) {
  ASSERT_NE(GetDT0183Type(19), nullptr);
  EXPECT_STREQ(GetDT0183Type(19)->name, "DT0183_XTE");
  EXPECT_EQ(GetDT0183Type(19)->fieldSpan, 2u);
  ASSERT_NE(GetDT0183Type(35), nullptr);
  EXPECT_STREQ(GetDT0183Type(35)->name, "DT0183_Enc_FillBits");
  EXPECT_EQ(GetDT0183Type(35)->fieldSpan, 1u);
  EXPECT_STREQ(GetDT0183Type(9)->name, "DT0183_FixedSixBit");
  EXPECT_STREQ(GetDT0183Type(11)->name, "DT0183_VarText");
  EXPECT_EQ(GetDT0183Type(10), nullptr);
  EXPECT_EQ(GetDT0183Type(36), nullptr);
  EXPECT_EQ(GetDT0183Type(0xFFFFFFFFu), nullptr);
}

TEST(CountCoveredFields, LastDefinitionPlusItsSpan) {
  EXPECT_EQ(CountCoveredFields(*FindSentence("GSV")), 7u);
  EXPECT_EQ(CountCoveredFields(*FindSentence("VDM")), 6u);
  EXPECT_EQ(CountCoveredFields(*FindSentence("ZDA")), 6u);
  EXPECT_EQ(CountCoveredFields(*FindSentence("RMC")), 12u);
  EXPECT_EQ(CountCoveredFields(*FindSentence("GSA")), 17u);
  EXPECT_EQ(CountCoveredFields(*FindSentence("AAM")), 0u);
}

TEST(CollectSentencesUsingRepository, GathersEverySentenceStoringTheDatatype) {
  std::set<uint32_t> indices;
  CollectSentencesUsingRepository(RD_WaterDepth, indices);
  std::set<std::string> formatters;
  for (uint32_t i : indices) formatters.insert(FormatterOf(kSentenceDefinitions[i]));
  EXPECT_EQ(formatters, (std::set<std::string>{"DBT", "DPT"}));

  indices.clear();
  CollectSentencesUsingRepository(RD_WindSpeedApparent, indices);
  EXPECT_EQ(indices, (std::set<uint32_t>{73, FindSentence("VWR")->libraryIndex}));

  indices = {5};
  CollectSentencesUsingRepository(RD_NONE, indices);
  EXPECT_EQ(indices, std::set<uint32_t>{5});
  CollectSentencesUsingRepository(RD_Yaw, indices);
  EXPECT_EQ(indices, std::set<uint32_t>{5});
}

TEST(ListLibrarySentences, OneChildPerIndexInOrder) {
  CTreeNode node;
  ListLibrarySentences(node, {73, 0, 142, 999}, true);
  ASSERT_EQ(node.Children().size(), 3u);
  EXPECT_EQ(node.Children()[0].Text(), "AAM : Waypoint Arrival Alarm");
  EXPECT_EQ(node.Children()[1].Text(), "MWV : Wind Speed and Angle (Relative)");
  EXPECT_EQ(node.Children()[2].Text(), "ZZU : Time, UTC");

  CTreeNode brief;
  ListLibrarySentences(brief, {33, 43}, false);
  ASSERT_EQ(brief.Children().size(), 2u);
  EXPECT_EQ(brief.Children()[0].Text(), "GGA");
  EXPECT_EQ(brief.Children()[1].Text(), "HCC");
}

}  // namespace
