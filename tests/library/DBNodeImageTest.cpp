// Small databases built by hand from single library rows, checked byte by
// byte in the image: the layout the gateway firmware reads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/OutputTree.h"
#include "library/DBBuilder.h"
#include "log/ByteOrder.h"
#include "library/DBImageView.h"
#include "library/DBN183Nodes.h"
#include "library/DBN2KNodes.h"
#include "library/N183Lookup.h"
#include "library/N2kLookup.h"

namespace {

const TagFilter kFullReceive = {"+Rx", "+"};
const TagFilter kFullTransmit = {"+Tx", "+"};

template <typename List>
List& ListOf(CDBBuilder& builder, const char* name) {
  return dynamic_cast<List&>(*builder.GetRoot().FindByKey(0, 0, name));
}

void Number(CDBBuilder& builder) {
  for (const CDBNodePtr& list : builder.GetRoot().GetChildren()) {
    std::vector<int32_t> counters;
    list->AssignFinalIndex(counters, 0);
  }
}

// Offset of the section with this id, walking the root's headers.
size_t SectionAt(const uint8_t* image, uint32_t id) {
  size_t offset = 12;
  while (LoadU32(image + offset + 4) != id) offset += LoadU32(image + offset);
  return offset;
}

std::vector<uint8_t> Bytes(const uint8_t* p, size_t n) { return std::vector<uint8_t>(p, p + n); }

TEST(DBNodeImage, AnEmptyTreeGivesTheRootNameInformationAndEightEmptyLists) {
  CDBBuilder builder;
  builder.SetDatabaseName("ABCDE");
  builder.BuildImage();
  uint32_t size = 0;
  const uint8_t* image = builder.GetImage(size);
  EXPECT_EQ(size, 12u + 20u + 44u + 8u * 12u);
  EXPECT_EQ(Bytes(image, 12), (std::vector<uint8_t>{172, 0, 0, 0, 0x00, 0x00, 0x01, 0x00, 1, 0, 0, 0}));
  // The name: 5 characters padded with 0xFF to 8 bytes, section size 20.
  EXPECT_EQ(Bytes(image + 12, 20), (std::vector<uint8_t>{20, 0, 0, 0, 0x00, 0x02, 0x01, 0x00, 1, 0, 0, 0, 'A', 'B',
                                                          'C', 'D', 'E', 0xFF, 0xFF, 0xFF}));
  const uint8_t* info = image + 32;
  EXPECT_EQ(LoadU32(info), 44u);
  EXPECT_EQ(LoadU32(info + 4), 0x00010100u);
  EXPECT_EQ(LoadU32(info + 12), 1u);
  EXPECT_EQ(LoadU32(info + 16), 1u);
  EXPECT_EQ(LoadU32(info + 28), 3u);
  EXPECT_EQ(LoadU32(info + 32), 3010u);
  EXPECT_EQ(LoadU32(info + 36), 1u);
  EXPECT_EQ(LoadU32(info + 40), 13000u);
  // A build time in this century, in 100-ns units since 1601.
  const uint64_t year2000 = 125911584000000000ull;
  EXPECT_GT(LoadU64(info + 20), year2000);
  const uint32_t ids[] = {0x00010500, 0x00010501, 0x00010600, 0x00010601,
                          0x00010700, 0x00010701, 0x00010800, 0x00010801};
  for (int i = 0; i < 8; ++i) {
    const uint8_t* header = image + 76 + 12 * i;
    EXPECT_EQ(LoadU32(header), 12u);
    EXPECT_EQ(LoadU32(header + 4), ids[i]);
    EXPECT_EQ(LoadU32(header + 8), 0u);
  }
  EXPECT_EQ(image[size], 0xFF);

  // What the builder writes, the gateway reads: empty lists included.
  DatabaseImageView view;
  EXPECT_EQ(OpenDatabaseImage(view, image, size), kDBImageOpened);
}

TEST(DBNodeImage, ReceiveSentenceAndFieldEntries) {
  CDBBuilder builder;
  auto& list = ListOf<CDBN183Sentences>(builder, "N183Rx");
  const SentenceDefinition* gga = FindSentence("GGA");
  boost::shared_ptr<CDBN183Sentence> sentence(new CDBN183Sentence(gga->libraryIndex, &list, "N183Rx"));
  sentence->AddMatchingFields(kFullReceive);
  list.AddChild(sentence);
  Number(builder);
  builder.BuildImage();
  uint32_t size = 0;
  const uint8_t* image = builder.GetImage(size);

  const size_t sentences = SectionAt(image, 0x00010500);
  EXPECT_EQ(sentences, 92u);  // after the root, the 22-character name and the information
  EXPECT_EQ(LoadU32(image + sentences), 32u);
  EXPECT_EQ(LoadU32(image + sentences + 8), 1u);
  const uint8_t count = static_cast<uint8_t>(sentence->GetChildCount());
  ASSERT_GE(count, 5);
  EXPECT_EQ(Bytes(image + sentences + 12, 20),
            (std::vector<uint8_t>{0x00, 'A', 'G', 'G', 'G', 'P', 0, 0, count, '$', 0xFF, '!', 0, 0xFF, 0, 100, 0xFF,
                                  0xFF, 0, 0}));
  EXPECT_EQ(sentence->GetGroupId(), 0);

  const size_t fields = SectionAt(image, 0x00010501);
  EXPECT_EQ(LoadU32(image + fields), 12u + 12u * count);
  EXPECT_EQ(LoadU32(image + fields + 8), count);
  // Field 0, UTC of position: time, no unit, RD_UTC, 2 places, included in the valid count.
  EXPECT_EQ(Bytes(image + fields + 12, 12),
            (std::vector<uint8_t>{0, DT0183_Time, 0, 0xFF, 119, 2, 0xFF, 0, 0x02, 0, 0, 0}));
  // Field 5, the quality indicator: critical and left out of the valid count.
  EXPECT_EQ(Bytes(image + fields + 12 + 3 * 12, 12),
            (std::vector<uint8_t>{5, DT0183_VariableNumber, 0, 0xFF, 73, 0xFF, 0xFF, 0, 0x01, 0, 0, 0}));
}

TEST(DBNodeImage, TransmitSentenceEntryCarriesTheIntervalAndTheNextUnitOfAChain) {
  CDBBuilder builder;
  auto& list = ListOf<CDBN183Sentences>(builder, "N183Tx");
  const SentenceDefinition* mwv = FindSentence("MWV");
  boost::shared_ptr<CDBN183Sentence> sentence(new CDBN183Sentence(mwv->libraryIndex, &list, "N183Tx"));
  sentence->AddMatchingFields(kFullTransmit);
  list.AddChild(sentence);
  Number(builder);
  builder.BuildImage();
  uint32_t size = 0;
  const uint8_t* image = builder.GetImage(size);
  const uint8_t* entry = image + SectionAt(image, 0x00010600) + 12;
  EXPECT_EQ(LoadU32(entry), FormatterKeyOf("MWV"));
  EXPECT_EQ(Bytes(entry + 8, 4), (std::vector<uint8_t>{static_cast<uint8_t>(sentence->GetChildCount()), '$', 1, 'R'}));
  EXPECT_EQ(LoadU32(entry + 12), 1000u);
  EXPECT_EQ(Bytes(entry + 16, 8), (std::vector<uint8_t>{0, 0xFF, 0, 100, 0xFF, 0, 0, 0}));
  // The wind speed is given in UT183_Speed, the head of a chain: the
  // transmit entry names the unit sent, knots.
  const uint8_t* fields = image + SectionAt(image, 0x00010601) + 12;
  int speedFields = 0;
  for (const CDBNodePtr& child : sentence->GetChildren()) {
    const auto& field = dynamic_cast<const CDBN183Field&>(*child);
    if (field.GetDefinition().unitType != UT183_Speed) continue;
    ++speedFields;
    EXPECT_EQ(fields[12 * child->GetPositionInParent() + 2], UT183_Knots);
  }
  EXPECT_EQ(speedFields, 1);
}

TEST(DBNodeImage, ReceiveAndTransmitPGNEntriesOfTheRudder) {
  CDBBuilder builder;
  auto& rx = ListOf<CDBN2KPGNs>(builder, "N2KRx");
  auto& tx = ListOf<CDBN2KPGNs>(builder, "N2KTx");
  const PgnDefinition* rudder = FindPGN(127245);
  boost::shared_ptr<CDBN2KPGN> received(new CDBN2KPGN(rudder->libraryIndex, &rx, "N2KRx"));
  received->AddMatchingFields(kFullReceive);
  rx.AddChild(received);
  boost::shared_ptr<CDBN2KPGN> sent(new CDBN2KPGN(rudder->libraryIndex, &tx, "N2KTx"));
  sent->AddMatchingFields(kFullTransmit);
  sent->AddFillerFields();
  tx.AddChild(sent);
  Number(builder);
  builder.BuildImage();
  uint32_t size = 0;
  const uint8_t* image = builder.GetImage(size);

  const uint8_t* rxEntry = image + SectionAt(image, 0x00010700) + 12;
  EXPECT_EQ(Bytes(rxEntry, 16),
            (std::vector<uint8_t>{0x0D, 0xF1, 0x01, 0x00, 0, 0, 2, 8, 0xFF, 0, 0, 100, 0, 0, 0, 0}));
  const uint8_t* rxFields = image + SectionAt(image, 0x00010701) + 12;
  // Field 4 twice, told apart by the rudder instance in field 0, which has
  // no node of its own: no modifier field index.
  EXPECT_EQ(Bytes(rxFields, 12), (std::vector<uint8_t>{4, 0x02, 0, 2, 32, 0, 105, 0xFF, 0x00, 0, 145, 0}));
  EXPECT_EQ(Bytes(rxFields + 12, 12), (std::vector<uint8_t>{4, 0x02, 0, 2, 32, 0, 106, 0xFF, 0x01, 1, 145, 0}));

  const uint8_t* txEntry = image + SectionAt(image, 0x00010800) + 12;
  EXPECT_EQ(Bytes(txEntry, 16),
            (std::vector<uint8_t>{0x0D, 0xF1, 0x01, 0x00, 0, 0, 3, 8, 0xFF, 0, 0, 100, 2, 2, 100, 0}));
  // The filler for the signed angle order comes first, unmapped.
  const uint8_t* txFields = image + SectionAt(image, 0x00010801) + 12;
  EXPECT_EQ(Bytes(txFields, 12), (std::vector<uint8_t>{3, 0x02, 0, 2, 16, 0, 100, 0xFF, 0xFF, 255, 145, 0}));
  EXPECT_EQ(txFields[12 + 9], 0);
  EXPECT_EQ(txFields[24 + 9], 1);
}

TEST(DBNodeImage, AModifierFieldWithANodeIsReferencedByPosition) {
  CDBBuilder builder;
  auto& rx = ListOf<CDBN2KPGNs>(builder, "N2KRx");
  const PgnDefinition* control = FindPGN(127237);
  boost::shared_ptr<CDBN2KPGN> pgn(new CDBN2KPGN(control->libraryIndex, &rx, "N2KRx"));
  pgn->AddMatchingFields(kFullReceive);
  // The heading reference (field 6) tells true from magnetic; give it a node.
  pgn->AddChild(CDBNodePtr(new CDBN2KField(control->firstFieldIndex + 6, 255, CDBN2KField::kFillerRow, pgn.get(), "N2KRx")));
  ASSERT_EQ(pgn->GetChildCount(), 3);
  for (const CDBNodePtr& child : pgn->GetChildren()) {
    const auto& field = dynamic_cast<const CDBN2KField&>(*child);
    if (field.GetDefinition().fieldNumber == 10) {
      EXPECT_EQ(field.GetModifierFieldIndex(), 0);
    } else {
      EXPECT_EQ(field.GetModifierFieldIndex(), 0xFF);
    }
  }
}

TEST(DBNodeImage, NodesThatCannotBeMadeSaySo) {
  try {
    CDBN2KField field(kFieldCount, 255, CDBN2KField::kFillerRow, nullptr, "N2KRx");
    ADD_FAILURE();
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "CDBN2KField construction failed");
  }
  try {
    CDBN2KField field(0, 255, static_cast<int32_t>(kN2kConversionMapCount), nullptr, "N2KRx");
    ADD_FAILURE();
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "CDBN2KField constructor : Invalid repository datatype");
  }
}

TEST(DBNodeImage, PrintLinesOfTheRudderNodes) {
  CDBBuilder builder;
  auto& rx = ListOf<CDBN2KPGNs>(builder, "N2KRx");
  boost::shared_ptr<CDBN2KPGN> pgn(new CDBN2KPGN(FindPGN(127245)->libraryIndex, &rx, "N2KRx"));
  pgn->AddMatchingFields(kFullReceive);
  rx.AddChild(pgn);
  Number(builder);
  CTreeNode tree;
  rx.DumpTree(tree);
  EXPECT_EQ(tree.Text(), "NMEA 2000 PGNs N2KRx");
  EXPECT_TRUE(tree.Expand());
  const CTreeNode& pgnNode = tree.Children().at(5);
  EXPECT_EQ(pgnNode.Text(), "127245:Rudder");
  std::vector<std::string> lines;
  for (size_t i = 5; i < 13; ++i) lines.push_back(pgnNode.Children().at(i).Text());
  EXPECT_EQ(lines, (std::vector<std::string>{"Number Instances: 2", "First Field index: 0", "Size(Bytes) 8",
                                             "Tx Rate 100 ms", "TupleIndex 255", "Tuple Size 0", "Tuple Bits 0",
                                             "Num Repeats RD_NONE"}));
  const CTreeNode& fieldNode = pgnNode.Children().at(13);
  EXPECT_EQ(fieldNode.Text(), "4: Position");
  EXPECT_EQ(fieldNode.Children().at(9).Text(), "FieldIndex As Bytes::Bits:4:0");
  EXPECT_EQ(fieldNode.Children().at(12).Text(), "Repository RD_RudderAngle1");
  EXPECT_EQ(fieldNode.Children().back().Text(), "DevStatus: Yes");
}

}  // namespace
