#include <gtest/gtest.h>

#include "base/OutputTree.h"
#include "base/RepositoryCatalogue.h"
#include "library/DBBuilder.h"
#include "library/N2kLookup.h"
#include "tests/wizard/CsvReader.h"
#include "tests/wizard/WizardImage.h"
#include "wizard/ConversionLists.h"
#include "wizard/Coverage.h"
#include "wizard/EntryLabels.h"

using namespace wizard_test;

namespace {

std::vector<FieldCoverage> Fields(std::initializer_list<FieldCoverage> fields) { return fields; }

TEST(Coverage, ClassifiesByDataMandatoryAndOtherFields) {
  const DatatypeSet received = MakeDatatypeSet(Fields({{RD_LatitudeWGS84, false, false},
                                                       {RD_LongitudeWGS84, false, false},
                                                       {RD_UTC, false, false},
                                                       {RD_NONE, false, false},
                                                       {200, false, false}}));
  EXPECT_EQ(received.count(), 3u) << "RD_NONE and datatypes past the catalogue stay out of the set";

  struct Case {
    const char* what;
    std::vector<FieldCoverage> tx;
    CoverageClass expected;
  };
  const Case cases[] = {
      {"data covered", {{RD_LatitudeWGS84, true, true}, {RD_LongitudeWGS84, true, true}}, CoverageClass::kDefinite},
      {"data covered, mandatory missing after",
       {{RD_LatitudeWGS84, true, true}, {RD_SOG, true, false}}, CoverageClass::kPartial},
      {"mandatory missing before data covered",
       {{RD_SOG, true, false}, {RD_LatitudeWGS84, false, true}}, CoverageClass::kPartial},
      {"only a non-data field covered", {{RD_UTC, true, false}, {RD_SOG, false, true}}, CoverageClass::kPartial},
      {"nothing covered", {{RD_SOG, false, true}, {RD_COGTrue, true, true}}, CoverageClass::kNone},
      {"optional missing field does not matter",
       {{RD_LatitudeWGS84, false, true}, {RD_SOG, false, true}}, CoverageClass::kDefinite},
      {"RD_NONE and unknown mandatory fields are ignored",
       {{RD_NONE, true, true}, {200, true, true}, {RD_UTC, false, true}}, CoverageClass::kDefinite},
      {"no fields", {}, CoverageClass::kNone},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassifyCoverage(received, c.tx), c.expected) << c.what;
}

TEST(EntryLabels, TrailerCharacterFollowsTheFormatter) {
  const std::vector<uint8_t> rmc = TxSentence("RMC", 0, 0, 12, 'A');
  const std::vector<uint8_t> gll = TxSentence("GLL", 0, 0);
  EXPECT_EQ(N183TxLabel(ReadN183TxSentence(rmc.data())), "RMC(A)");
  EXPECT_EQ(N183TxLabel(ReadN183TxSentence(gll.data())), "GLL");
  EXPECT_EQ(N2KTxLabel(ReadN2KTxPGN(Pgn(129025, 0, 0).data())), "129025");
}

// Receive PGNs 129025 (position), 130306 (wind), 126992 (time) and 127250
// (heading); transmit sentences GLL, MWV, RMC(A), VTG; one receive sentence
// HDG and one transmit PGN 127250.
SectionEntries Sample() {
  SectionEntries s;
  s[kViewN2KRxPGNs] = {Pgn(129025, 0, 2), Pgn(130306, 2, 2), Pgn(126992, 4, 1), Pgn(127250, 5, 1)};
  s[kViewN2KRxFields] = {N2KField(RD_LatitudeWGS84, 0), N2KField(RD_LongitudeWGS84, 0),
                         N2KField(RD_WindSpeedApparent, 0), N2KField(RD_WindDirectionApparent, 0),
                         N2KField(RD_UTC, 0), N2KField(RD_HeadingSensorTrue, 0)};
  s[kViewN183TxSentences] = {TxSentence("GLL", 0, 3), TxSentence("MWV", 3, 2), TxSentence("RMC", 5, 2, 12, 'A'),
                             TxSentence("VTG", 7, 1)};
  s[kViewN183TxFields] = {N183Field(RD_LatitudeWGS84, kMandatory | kData),
                          N183Field(RD_LongitudeWGS84, kMandatory | kData),
                          N183Field(RD_UTC, kMandatory),
                          N183Field(RD_WindSpeedApparent, kData),
                          N183Field(RD_WindDirectionApparent, kData),
                          N183Field(RD_LatitudeWGS84, kData),
                          N183Field(RD_LongitudeWGS84, kData),
                          N183Field(RD_LatitudeWGS84, 0)};
  s[kViewN183RxSentences] = {RxSentence("HDG", 0, 1), RxSentence("XDR", 1, 1)};
  s[kViewN183RxFields] = {N183Field(RD_HeadingSensorMag, 0), N183Field(RD_NONE, 0)};
  s[kViewN2KTxPGNs] = {Pgn(127250, 0, 1)};
  s[kViewN2KTxFields] = {N2KField(RD_HeadingSensorMag, kData)};
  return s;
}

std::vector<std::string> ChildTexts(const CTreeNode& node) {
  std::vector<std::string> texts;
  for (const CTreeNode& child : node.Children()) texts.push_back(child.Text());
  return texts;
}

std::string Description(uint32_t pgn) { return FindPGN(pgn)->description; }

TEST(ConversionLists, N2kTreeListsDefiniteThenPartialEntries) {
  const OpenedImage image(Sample());
  ASSERT_EQ(image.result, kDBImageOpened);
  CTreeNode tree;
  ListN2kToN183(image.view, tree);
  EXPECT_EQ(tree.Text(), "NMEA 2000 Rx PGN to NMEA 0183 Tx List");
  EXPECT_TRUE(tree.Expand());
  ASSERT_EQ(tree.Children().size(), 4u);

  const CTreeNode& position = tree.Children()[0];
  EXPECT_EQ(position.Text(), "PGN [129025][1F801] " + Description(129025));
  ASSERT_EQ(position.Children().size(), 2u);
  EXPECT_EQ(position.Children()[0].Text(), "RMC(A)");
  EXPECT_EQ(position.Children()[1].Text(), "Partial [2]");
  EXPECT_EQ(ChildTexts(position.Children()[1]), (std::vector<std::string>{"GLL", "VTG"}));

  EXPECT_EQ(ChildTexts(tree.Children()[1]), (std::vector<std::string>{"MWV"}));
  const CTreeNode& time = tree.Children()[2];
  ASSERT_EQ(time.Children().size(), 1u);
  EXPECT_EQ(ChildTexts(time.Children()[0]), (std::vector<std::string>{"GLL"}));
  EXPECT_TRUE(tree.Children()[3].Children().empty()) << "heading feeds no sentence of this database";
}

TEST(ConversionLists, N183TreeListsLibraryPgnsOfSentencesThatStoreSomething) {
  const OpenedImage image(Sample());
  CTreeNode tree;
  ListN183ToPgns(image.view, tree);
  EXPECT_EQ(tree.Text(), "N183 Target Formatter List to N2K PGN List [2]");
  ASSERT_EQ(tree.Children().size(), 1u) << "XDR stores nothing, so it is not listed";
  const CTreeNode& hdg = tree.Children()[0];
  EXPECT_EQ(hdg.Text().substr(0, 6), "HDG : ");
  ASSERT_EQ(hdg.Children().size(), 1u);
  EXPECT_EQ(hdg.Children()[0].Text(), "Library PGNs");
  std::set<uint32_t> expected;
  CollectPGNsUsingRepository(RD_HeadingSensorMag, expected);
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(hdg.Children()[0].Children().size(), expected.size());
}

TEST(ConversionLists, CsvRowsHaveTheirColumnsAndQuotedCells) {
  const OpenedImage image(Sample());
  const std::string csv = CsvN2kToN183(image.view);
  EXPECT_NE(csv.substr(csv.size() - 2), "\r\n");
  std::vector<CsvRow> rows;
  ASSERT_TRUE(ReadCsv(csv, rows)) << csv;
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0], CsvRow{"Database NMEA 2000 Rx PGN to NMEA 0183 Tx Formatter List"});
  EXPECT_EQ(rows[1], (CsvRow{"Received PGN", "Description", "Definite", "Partial"}));
  EXPECT_EQ(rows[2], (CsvRow{"129025 [1F801]", Description(129025), "RMC(A)", "GLL, VTG", ""}));
  EXPECT_EQ(rows[3], (CsvRow{"130306 [1FD02]", Description(130306), "MWV", ""}));
  EXPECT_EQ(rows[4], (CsvRow{"126992 [1F010]", Description(126992), "", "GLL", ""}));
  EXPECT_EQ(rows[5], (CsvRow{"127250 [1F112]", Description(127250), ""})) << "a PGN that feeds nothing";
  EXPECT_NE(csv.find(",\"RMC(A)\",\"GLL, VTG\","), std::string::npos);

  const std::string n183 = CsvN183ToN2k(image.view);
  ASSERT_TRUE(ReadCsv(n183, rows)) << n183;
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[1], (CsvRow{"Received Sentence", "Description", "Definite", "Partial"}));
  ASSERT_EQ(rows[2].size(), 4u);
  EXPECT_EQ(rows[2][0], "HDG");
  EXPECT_EQ(rows[2][2], "127250");
  EXPECT_EQ(rows[3].size(), 3u);
}

TEST(ConversionLists, RealDatabasesGiveWellFormedTables) {
  // Every selection's descriptions are paragraphs with commas: the reader
  // must get each back whole.
  for (const char* word : {"Std", "AIS", ""}) {
    CDBBuilder builder;
    builder.SelectDatabase(word);
    uint32_t size = 0;
    const uint8_t* bytes = builder.GetImage(size);
    DatabaseImageView view{};
    ASSERT_EQ(OpenDatabaseImage(view, bytes, size), kDBImageOpened);
    std::vector<CsvRow> rows;
    ASSERT_TRUE(ReadCsv(CsvN2kToN183(view), rows)) << word;
    ASSERT_EQ(rows.size(), 2 + CountN2KRxPGNs(view)) << word;
    for (size_t i = 2; i < rows.size(); ++i) {
      const uint32_t pgn = ReadN2KRxPGN(GetN2KRxPGN(view, static_cast<uint32_t>(i - 2))).pgn;
      ASSERT_GE(rows[i].size(), 3u) << word << " row " << i;
      EXPECT_LE(rows[i].size(), 5u) << word << " row " << i;
      EXPECT_EQ(rows[i][1], Description(pgn)) << word << " row " << i;
      EXPECT_EQ(rows[i].back(), "") << "every row ends with a comma";
    }
    ASSERT_TRUE(ReadCsv(CsvN183ToN2k(view), rows)) << word;
    EXPECT_EQ(rows.size(), 2 + CountN183RxSentences(view)) << word;
  }
}

}  // namespace
