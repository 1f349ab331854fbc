// Whole-library builds of the three databases: what each list admits, the
// values the gateway depends on, and the image read back as the gateway
// reads it.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "base/RepositoryCatalogue.h"
#include "library/DBBuilder.h"
#include "library/DBImageView.h"
#include "library/DBN183Nodes.h"
#include "library/DBN2KNodes.h"
#include "library/N183Lookup.h"
#include "library/N2kLookup.h"

namespace {

struct Selection {
  const char* word;
  const char* name;
};

const Selection kSelections[] = {
    {"Std", "Torvanode Std Database"},
    {"AIS", "Torvanode AIS Database"},
    {"", "Torvanode  Database"},
};

template <typename List>
const List& ListOf(CDBBuilder& builder, const char* name) {
  const CDBLeaf* list = builder.GetRoot().FindByKey(0, 0, name);
  EXPECT_NE(list, nullptr) << name;
  return dynamic_cast<const List&>(*list);
}

const CDBN2KPGN* PgnNode(CDBBuilder& builder, const char* list, uint32_t pgn) {
  for (const CDBNodePtr& child : ListOf<CDBN2KPGNs>(builder, list).GetChildren()) {
    const auto& node = dynamic_cast<const CDBN2KPGN&>(*child);
    if (node.GetDefinition()->pgn == pgn) return &node;
  }
  return nullptr;
}

const CDBN183Sentence* SentenceNode(CDBBuilder& builder, const char* list, const char* formatter) {
  for (const CDBNodePtr& child : ListOf<CDBN183Sentences>(builder, list).GetChildren()) {
    const auto& node = dynamic_cast<const CDBN183Sentence&>(*child);
    if (std::strncmp(FormatterOf(*node.GetDefinition()), formatter, 3) == 0) return &node;
  }
  return nullptr;
}

std::vector<int> FieldNumbers(const CDBComposite& message) {
  std::vector<int> numbers;
  for (const CDBNodePtr& child : message.GetChildren()) {
    if (const auto* field = dynamic_cast<const CDBN2KField*>(child.get())) {
      numbers.push_back(field->GetDefinition().fieldNumber);
    } else {
      numbers.push_back(static_cast<int>(dynamic_cast<const CDBN183Field&>(*child).GetDefinition().fieldNumber));
    }
  }
  return numbers;
}

// Admission written out independently of the filter code: a row belongs to
// a list when its tags are empty, or name both the direction and the word.
bool Admitted(const std::string& tags, const char* direction, const std::string& word) {
  return tags.empty() || (tags.find(direction) != std::string::npos && tags.find(word) != std::string::npos);
}

TEST(DBBuilder, TagsMatchRequiresAndForbidsPiecesOfText) {
  const TagFilter std = {"+Rx", "+Std"};
  for (const char* tags : {"Rx,Tx,Std,AIS", "Rx,Std", ""}) EXPECT_TRUE(CDBBuilder::TagsMatch(std, tags)) << tags;
  for (const char* tags : {"Tx,Std", "Rx,AIS", "Rx,Tx", "Xclude"}) EXPECT_FALSE(CDBBuilder::TagsMatch(std, tags)) << tags;
  const TagFilter fullTransmit = {"+Tx", "+"};
  EXPECT_TRUE(CDBBuilder::TagsMatch(fullTransmit, "Tx,AIS"));
  EXPECT_FALSE(CDBBuilder::TagsMatch(fullTransmit, "Rx,AIS"));
  EXPECT_TRUE(CDBBuilder::TagsMatch({"Rx", "-AIS", ""}, "Rx,Std"));
  EXPECT_FALSE(CDBBuilder::TagsMatch({"Rx", "-AIS"}, "Rx,AIS"));
  // Pieces of text, not whole items.
  EXPECT_TRUE(CDBBuilder::TagsMatch({"+St"}, "Rx,Std"));
}

class DBSelection : public ::testing::TestWithParam<Selection> {
 protected:
  void SetUp() override {
    builder_.SelectDatabase(GetParam().word);
    const uint8_t* image = builder_.GetImage(size_);
    image_.assign(image, image + size_);
    ASSERT_EQ(OpenDatabaseImage(view_, image_.data(), image_.size()), kDBImageOpened);
  }

  CDBBuilder builder_;
  uint32_t size_ = 0;
  std::vector<uint8_t> image_;
  DatabaseImageView view_;
};

TEST_P(DBSelection, NamesTheDatabaseAndFillsEveryList) {
  EXPECT_EQ(builder_.GetRoot().GetName(), GetParam().name);
  const std::string name(reinterpret_cast<const char*>(image_.data() + 24), std::strlen(GetParam().name));
  EXPECT_EQ(name, GetParam().name);
  // The image is the root section, and fits the gateway's buffer.
  EXPECT_EQ(size_, image_[0] | image_[1] << 8 | image_[2] << 16);
  EXPECT_LE(size_, kDBImageCapacity);
  for (size_t s = 0; s < kViewSectionCount; ++s) EXPECT_GT(view_.sections[s].count, 0u) << s;
}

TEST_P(DBSelection, ListsHoldExactlyTheRowsTheirTagsAdmit) {
  const std::string word = GetParam().word;
  for (const char* direction : {"Rx", "Tx"}) {
    const std::string list = std::string("N2K") + direction;
    std::set<size_t> rows;
    for (const CDBNodePtr& pgn : ListOf<CDBN2KPGNs>(builder_, list.c_str()).GetChildren()) {
      for (const CDBNodePtr& child : dynamic_cast<const CDBN2KPGN&>(*pgn).GetChildren()) {
        const N2kConversionMapRow* row = dynamic_cast<const CDBN2KField&>(*child).GetMapRow();
        if (row) rows.insert(static_cast<size_t>(row - kN2kConversionMap));
      }
    }
    for (size_t r = 0; r < kN2kConversionMapCount; ++r) {
      EXPECT_EQ(rows.count(r) == 1, Admitted(kN2kConversionMap[r].listTags, direction, word)) << list << " row " << r;
      EXPECT_FALSE(rows.count(r) && std::strstr(kN2kConversionMap[r].listTags, "Xclude")) << r;
    }
  }
  for (const char* direction : {"Rx", "Tx"}) {
    const std::string list = std::string("N183") + direction;
    std::set<uint32_t> fields;
    for (const CDBNodePtr& sentence : ListOf<CDBN183Sentences>(builder_, list.c_str()).GetChildren()) {
      for (const CDBNodePtr& child : dynamic_cast<const CDBN183Sentence&>(*sentence).GetChildren()) {
        fields.insert(static_cast<uint32_t>(child->GetSourceIndex()));
      }
    }
    std::set<uint32_t> expected;
    for (const SentenceDefinition& sentence : kSentenceDefinitions) {
      std::set<uint32_t> own;
      for (uint32_t i = 0; i < sentence.fieldCount; ++i) {
        const SentenceFieldDefinition& f = sentence.fields[i];
        const bool framing = f.fieldType >= DT0183_SentTotal && f.fieldType <= DT0183_SeqMessageID;
        const bool carriesSomething = f.repositoryIndex != kRepositoryNone || f.multiSentenceFraming != 0;
        if (!framing && carriesSomething && Admitted(f.listTags, direction, word)) {
          own.insert(static_cast<uint32_t>(sentence.firstFieldIndex) + i);
        }
      }
      expected.insert(own.begin(), own.end());
    }
    EXPECT_EQ(fields, expected) << list;
    for (uint32_t index : fields) EXPECT_EQ(std::strstr(GetSentenceField(index)->listTags, "Xclude"), nullptr);
  }
}

// Every message entry points at its own contiguous run of field entries,
// in list order, and the runs cover the field section exactly.
void ExpectContiguousFields(const DatabaseImageView& view, DatabaseListSection messages, uint32_t firstOffset,
                            uint32_t countOffset, uint32_t none) {
  const DatabaseImageSection& section = view.sections[messages];
  uint32_t next = 0;
  for (uint32_t i = 0; i < section.count; ++i) {
    const uint8_t* entry = section.entries + i * section.entrySize;
    const uint32_t first = entry[firstOffset] | entry[firstOffset + 1] << 8;
    const uint32_t count = entry[countOffset];
    if (count == 0) {
      EXPECT_EQ(first, none);
      continue;
    }
    EXPECT_EQ(first, next) << "message " << i;
    next += count;
  }
  EXPECT_EQ(next, view.sections[messages + 1].count);
}

TEST_P(DBSelection, ImageEntriesAreConsistentAndSorted) {
  ExpectContiguousFields(view_, kViewN183RxSentences, 6, 8, 0x00FF);
  ExpectContiguousFields(view_, kViewN183TxSentences, 6, 8, 0x00FF);
  ExpectContiguousFields(view_, kViewN2KRxPGNs, 4, 6, 0xFFFF);
  ExpectContiguousFields(view_, kViewN2KTxPGNs, 4, 6, 0xFFFF);

  for (uint32_t i = 0; i < CountN183RxSentences(view_); ++i) {
    const N183SentenceEntry s = ReadN183RxSentence(GetN183RxSentence(view_, i));
    EXPECT_EQ(s.positionInList, i);
    if (i > 0) {
      EXPECT_LE(ReadN183RxSentence(GetN183RxSentence(view_, i - 1)).formatterKey, s.formatterKey);
    }
    EXPECT_TRUE(s.multiPartCode == 0 || s.multiPartCode == 1 || s.multiPartCode == 3);
    EXPECT_TRUE(s.groupFirstField == 0xFF || s.groupFirstField < s.fieldCount);
    EXPECT_TRUE(s.groupFieldIndex == 0xFF || s.groupFieldIndex < s.fieldCount);
    const N183FieldEntry last = ReadN183Field(GetN183RxField(view_, GetN183RxSentence(view_, i), s.fieldCount - 1u));
    EXPECT_GT(CountSentenceFields(view_, GetN183RxSentence(view_, i)), last.fieldNumber);
  }
  for (uint32_t i = 1; i < CountN183TxSentences(view_); ++i) {
    EXPECT_LE(ReadN183TxSentence(GetN183TxSentence(view_, i - 1)).formatterKey,
              ReadN183TxSentence(GetN183TxSentence(view_, i)).formatterKey);
  }
  // Units at the head of a chain never go out as such.
  for (uint32_t i = 0; i < view_.sections[kViewN183TxFields].count; ++i) {
    const uint8_t unit = view_.sections[kViewN183TxFields].entries[12 * i + 2];
    EXPECT_TRUE(unit != UT183_Distance && unit != UT183_Pressure && unit != UT183_Speed) << i;
  }
  for (uint32_t i = 0; i < CountN2KRxPGNs(view_); ++i) {
    const N2KPGNEntry p = ReadN2KRxPGN(GetN2KRxPGN(view_, i));
    EXPECT_EQ(p.positionInList, i);
    if (i > 0) {
      EXPECT_LT(ReadN2KRxPGN(GetN2KRxPGN(view_, i - 1)).pgn, p.pgn);
    }
    if (p.groupSize > 0) {
      EXPECT_LE(p.groupFieldIndex + p.groupSize, p.fieldCount);
      EXPECT_GT(p.groupBits, 0);
    }
  }
  for (uint32_t i = 0; i < CountN2KTxPGNs(view_); ++i) {
    const uint8_t* entry = GetN2KTxPGN(view_, i);
    const N2KPGNEntry p = ReadN2KTxPGN(entry);
    if (i > 0) {
      EXPECT_LT(ReadN2KTxPGN(GetN2KTxPGN(view_, i - 1)).pgn, p.pgn);
    }
    std::set<uint8_t> instances;
    for (uint32_t f = 0; f < p.fieldCount; ++f) {
      const uint8_t instance = ReadN2KField(GetN2KTxField(view_, entry, f)).instance;
      if (instance < 128) instances.insert(instance);
    }
    EXPECT_EQ(p.instances, instances.empty() ? 1u : instances.size()) << p.pgn;
    EXPECT_EQ(p.priority, FindPGN(p.pgn)->priority);
  }
}

TEST_P(DBSelection, TheGatewayFindsEveryNodeOfTheTreeInTheImage) {
  for (const CDBNodePtr& child : ListOf<CDBN2KPGNs>(builder_, "N2KRx").GetChildren()) {
    const auto& pgn = dynamic_cast<const CDBN2KPGN&>(*child);
    const uint8_t* entry = FindN2KRxPGN(view_, pgn.GetDefinition()->pgn);
    ASSERT_EQ(entry, GetN2KRxPGN(view_, static_cast<uint32_t>(pgn.GetPositionInParent())));
    std::vector<int> numbers;
    for (uint32_t f = 0; f < ReadN2KRxPGN(entry).fieldCount; ++f) {
      numbers.push_back(ReadN2KField(GetN2KRxField(view_, entry, f)).fieldNumber);
    }
    EXPECT_EQ(numbers, FieldNumbers(pgn)) << pgn.GetDefinition()->pgn;
  }
  for (const CDBNodePtr& child : ListOf<CDBN2KPGNs>(builder_, "N2KTx").GetChildren()) {
    const auto& pgn = dynamic_cast<const CDBN2KPGN&>(*child);
    EXPECT_EQ(FindN2KTxPGN(view_, pgn.GetDefinition()->pgn),
              GetN2KTxPGN(view_, static_cast<uint32_t>(pgn.GetPositionInParent())));
  }
  for (const CDBNodePtr& child : ListOf<CDBN183Sentences>(builder_, "N183Rx").GetChildren()) {
    const auto& sentence = dynamic_cast<const CDBN183Sentence&>(*child);
    const char* formatter = FormatterOf(*sentence.GetDefinition());
    const uint8_t* first = nullptr;
    const uint32_t run = FindN183RxSentences(view_, formatter[0], formatter[1], formatter[2], first);
    const uint8_t* own = GetN183RxSentence(view_, static_cast<uint32_t>(sentence.GetPositionInParent()));
    ASSERT_GE(run, 1u);
    EXPECT_TRUE(own >= first && own < first + run * kDBN183RxSentenceEntrySize) << formatter;
    EXPECT_EQ(sentence.GetGroupId(), sentence.GetPositionInParent());
    std::vector<int> numbers;
    for (uint32_t f = 0; f < ReadN183RxSentence(own).fieldCount; ++f) {
      numbers.push_back(ReadN183Field(GetN183RxField(view_, own, f)).fieldNumber);
    }
    EXPECT_EQ(numbers, FieldNumbers(sentence)) << formatter;
  }
}

TEST_P(DBSelection, SelectingAgainGivesTheSameImageApartFromTheBuildTime) {
  builder_.SelectDatabase(GetParam().word == std::string("AIS") ? "Std" : "AIS");
  builder_.SelectDatabase(GetParam().word);
  uint32_t size = 0;
  const uint8_t* again = builder_.GetImage(size);
  ASSERT_EQ(size, size_);
  constexpr size_t kBuildTime = 8;  // within the information section's body
  const size_t info = 12 + (12 + (std::strlen(GetParam().name) + 3) / 4 * 4);
  for (size_t i = 0; i < size; ++i) {
    if (i >= info + 12 + kBuildTime && i < info + 12 + kBuildTime + 8) continue;
    ASSERT_EQ(again[i], image_[i]) << "byte " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(AllDatabases, DBSelection, ::testing::ValuesIn(kSelections),
                         [](const ::testing::TestParamInfo<Selection>& info) {
                           return std::string(*info.param.word ? info.param.word : "Full");
                         });

TEST(DBBuilder, ConstructionGivesFourEmptyListsInOrder) {
  CDBBuilder builder;
  EXPECT_EQ(builder.GetRoot().GetName(), "Torvanode WXN Database");
  std::vector<std::string> names;
  for (const CDBNodePtr& list : builder.GetRoot().GetChildren()) {
    names.push_back(list->GetName());
    EXPECT_EQ(list->GetChildCount(), 0);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"N183Rx", "N183Tx", "N2KRx", "N2KTx"}));
}

TEST(DBBuilder, RepeatingGroupOfGNSSPositionData) {
  CDBBuilder builder;
  builder.SelectDatabase("");
  const CDBN2KPGN* gnss = PgnNode(builder, "N2KRx", 129029);
  ASSERT_NE(gnss, nullptr);
  EXPECT_EQ(gnss->GetGroupBits(), 4 + 12 + 16);
  EXPECT_EQ(gnss->GetGroupSize(), 3);
  EXPECT_EQ(gnss->GetRepeatRepository(), RD_GNSSNumRefStations);
  EXPECT_EQ(gnss->GetSize(), 255);
  const std::vector<int> numbers = FieldNumbers(*gnss);
  ASSERT_GE(numbers.size(), 3u);
  EXPECT_EQ(std::vector<int>(numbers.end() - 3, numbers.end()), (std::vector<int>{15, 16, 17}));
  EXPECT_EQ(gnss->GetGroupFieldIndex(), static_cast<int32_t>(numbers.size()) - 3);

  // The same values reach the image.
  uint32_t size = 0;
  const uint8_t* image = builder.GetImage(size);
  DatabaseImageView view;
  ASSERT_EQ(OpenDatabaseImage(view, image, size), kDBImageOpened);
  const N2KPGNEntry entry = ReadN2KRxPGN(FindN2KRxPGN(view, 129029));
  EXPECT_EQ(entry.groupBits, 32);
  EXPECT_EQ(entry.groupSize, 3);
  EXPECT_EQ(entry.groupFieldIndex, gnss->GetGroupFieldIndex());
  EXPECT_EQ(entry.repeatRepository, RD_GNSSNumRefStations);
  EXPECT_EQ(entry.size, 255);
}

TEST(DBBuilder, SatellitesInViewAreAMultiPartGroup) {
  CDBBuilder builder;
  builder.SelectDatabase("");
  const CDBN183Sentence* gsv = SentenceNode(builder, "N183Rx", "GSV");
  ASSERT_NE(gsv, nullptr);
  EXPECT_EQ(gsv->GetMultiPartCode(), kStdMultiPart);
  EXPECT_EQ(FieldNumbers(*gsv), (std::vector<int>{2, 3, 4, 5, 6}));
  EXPECT_EQ(gsv->GetGroupSize(), 4);
  EXPECT_EQ(gsv->GetGroupMaximum(), 4);
  EXPECT_EQ(gsv->GetGroupRepository(), RD_GNSSNumSVsInView);
  EXPECT_EQ(gsv->GetGroupFirstFieldPosition(), 1);

  uint32_t size = 0;
  const uint8_t* image = builder.GetImage(size);
  DatabaseImageView view;
  ASSERT_EQ(OpenDatabaseImage(view, image, size), kDBImageOpened);
  const uint8_t* first = nullptr;
  ASSERT_EQ(FindN183RxSentences(view, 'G', 'S', 'V', first), 1u);
  const N183SentenceEntry entry = ReadN183RxSentence(first);
  EXPECT_EQ(entry.multiPartCode, 1);
  EXPECT_EQ(entry.groupFirstField, 1);
  EXPECT_EQ(entry.groupSize, 4);
  EXPECT_EQ(entry.groupMaximum, 4);
  EXPECT_EQ(entry.groupRepository, RD_GNSSNumSVsInView);
}

TEST(DBBuilder, AISMessagesAreReceivedInTheAISAndFullDatabasesOnly) {
  for (const char* word : {"AIS", ""}) {
    CDBBuilder builder;
    builder.SelectDatabase(word);
    const CDBN183Sentence* vdm = SentenceNode(builder, "N183Rx", "VDM");
    ASSERT_NE(vdm, nullptr) << word;
    EXPECT_EQ(vdm->GetMultiPartCode(), kStdMultiPartSeqId);
    EXPECT_EQ(FieldNumbers(*vdm), (std::vector<int>{3, 4, 5}));
    EXPECT_NE(PgnNode(builder, "N2KTx", 129038), nullptr) << word;
    EXPECT_EQ(PgnNode(builder, "N2KRx", 129038), nullptr) << word;
  }
  CDBBuilder builder;
  builder.SelectDatabase("Std");
  EXPECT_EQ(SentenceNode(builder, "N183Rx", "VDM"), nullptr);
  EXPECT_EQ(PgnNode(builder, "N2KTx", 129038), nullptr);
  EXPECT_NE(SentenceNode(builder, "N183Rx", "GGA"), nullptr);
}

TEST(DBBuilder, BothWindSentencesAreFoundUnderOneFormatter) {
  CDBBuilder builder;
  builder.SelectDatabase("");
  uint32_t size = 0;
  const uint8_t* image = builder.GetImage(size);
  DatabaseImageView view;
  ASSERT_EQ(OpenDatabaseImage(view, image, size), kDBImageOpened);
  const uint8_t* first = nullptr;
  ASSERT_EQ(FindN183RxSentences(view, 'M', 'W', 'V', first), 2u);
  EXPECT_EQ(ReadN183RxSentence(first).modifierValue, 'R');
  EXPECT_EQ(ReadN183RxSentence(first + kDBN183RxSentenceEntrySize).modifierValue, 'T');
  EXPECT_EQ(ReadN183RxSentence(first).modifierField, 1);
}

TEST(DBBuilder, RudderInstancesAndTransmitFillers) {
  CDBBuilder builder;
  builder.SelectDatabase("Std");
  const CDBN2KPGN* rx = PgnNode(builder, "N2KRx", 127245);
  ASSERT_NE(rx, nullptr);
  EXPECT_EQ(rx->GetNumberOfInstances(), 2);
  std::vector<int32_t> instances;
  std::vector<int32_t> repositories;
  for (const CDBNodePtr& child : rx->GetChildren()) {
    instances.push_back(child->GetInstance());
    repositories.push_back(dynamic_cast<const CDBN2KField&>(*child).GetRepositoryIndex());
  }
  EXPECT_EQ(instances, (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(repositories, (std::vector<int32_t>{RD_RudderAngle1, RD_RudderAngle2}));

  // Transmitted: a filler for the signed angle order only; the instance
  // (unsigned), the direction order and the reserved bits (bit fields) get none.
  const CDBN2KPGN* tx = PgnNode(builder, "N2KTx", 127245);
  ASSERT_NE(tx, nullptr);
  EXPECT_EQ(FieldNumbers(*tx), (std::vector<int>{3, 4, 4}));
  const auto& filler = dynamic_cast<const CDBN2KField&>(**tx->GetChildren().begin());
  EXPECT_EQ(filler.GetInstance(), 255);
  EXPECT_EQ(filler.GetRepositoryIndex(), 100);
  EXPECT_EQ(filler.GetMapRow(), nullptr);

  // Heading/track control: fillers for its signed fields without rows, the
  // commanded rudder angle (9), the radius of turn (14), the rate of turn
  // (15) and the off-track limit (16).
  const CDBN2KPGN* control = PgnNode(builder, "N2KTx", 127237);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(FieldNumbers(*control), (std::vector<int>{9, 10, 10, 14, 15, 16}));
  EXPECT_EQ(FieldNumbers(*PgnNode(builder, "N2KRx", 127237)), (std::vector<int>{10, 10}));
}

TEST(DBBuilder, AMissingListStopsTheListsAfterItButNotTheBuild) {
  CDBBuilder builder;
  CDBComponent& root = builder.GetRoot();
  root.RemoveChild(*root.FindByKey(0, 0, "N2KRx"));
  builder.PopulateLists("+");
  EXPECT_GT(root.FindByKey(0, 0, "N183Rx")->GetChildCount(), 0);
  EXPECT_GT(root.FindByKey(0, 0, "N183Tx")->GetChildCount(), 0);
  EXPECT_EQ(root.FindByKey(0, 0, "N2KTx")->GetChildCount(), 0);
  builder.BuildImage();
  uint32_t size = 0;
  const uint8_t* image = builder.GetImage(size);
  DatabaseImageView view;
  ASSERT_EQ(OpenDatabaseImage(view, image, size), kDBImageOpened);
  EXPECT_GT(CountN183RxSentences(view), 0u);
  EXPECT_EQ(CountN2KRxPGNs(view), 0u);
  EXPECT_EQ(CountN2KTxPGNs(view), 0u);
}

TEST(DBBuilder, AFailedBuildLeavesAnImageNoReaderAccepts) {
  CDBBuilder builder;
  builder.SelectDatabase("Std");
  try {
    builder.SelectDatabase(std::string(kDBImageCapacity, 'W'));
    ADD_FAILURE() << "a name larger than the image was written";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "Database CDBMemImage outof memory!");
  }
  uint32_t size = 1;
  const uint8_t* image = builder.GetImage(size);
  EXPECT_EQ(size, 0u);
  DatabaseImageView view;
  EXPECT_EQ(OpenDatabaseImage(view, image, size), kDBImageWrongRoot);
  EXPECT_EQ(OpenDatabaseImage(view, image, kDBImageCapacity), kDBImageWrongRoot);
  // The tree is whole and can be printed and rebuilt.
  EXPECT_EQ(builder.GetRoot().GetChildCount(), 4);
  EXPECT_GT(builder.GetRoot().FindByKey(0, 0, "N183Rx")->GetChildCount(), 0);
  builder.SelectDatabase("Std");
  image = builder.GetImage(size);
  EXPECT_EQ(OpenDatabaseImage(view, image, size), kDBImageOpened);
}

}  // namespace
