#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "base/RepositoryCatalogue.h"
#include "library/N183Lookup.h"
#include "library/N183Tables.h"

namespace {

uint32_t RunBits(const AISMessage& message) {
  uint32_t bits = 0;
  for (uint32_t i = 0; i < message.fieldCount; ++i) {
    bits += kAISFieldDefinitions[kAISFieldList[message.firstFieldRow + i].fieldDefinition].bitWidth;
  }
  return bits;
}

TEST(AISMessages, RowsFollowMessageIdentifiers) {
  std::vector<int> ids;
  for (const AISMessage& m : kAISMessages) ids.push_back(m.messageId);
  std::vector<int> expected;
  for (int id = 1; id <= 26; ++id) {
    expected.push_back(id);
    if (id == 24) expected.push_back(24);
  }
  EXPECT_EQ(ids, expected);
  for (const AISMessage& m : kAISMessages) {
    EXPECT_GE(m.priority, 1u);
    EXPECT_LE(m.priority, 4u);
    EXPECT_STREQ(m.sentences, "!VDM, !VDO");
    EXPECT_GT(std::strlen(m.name), 5u);
    const bool classB = m.messageId == 18 || m.messageId == 19 || m.messageId == 24;
    EXPECT_EQ(m.classB, classB ? 1u : 0u) << int(m.messageId);
    const bool noPgn = m.messageId == 21 || m.messageId == 25 || m.messageId == 26;
    EXPECT_EQ(m.pgn == 0, noPgn) << int(m.messageId);
  }
  EXPECT_STREQ(kAISMessages[0].name, "(Class A) Position report (Scheduled)");
  EXPECT_EQ(kAISMessages[0].pgn, 129038u);
  EXPECT_EQ(kAISMessages[4].pgn, 129794u);
  EXPECT_EQ(kAISMessages[23].pgn, 129809u);
  EXPECT_EQ(kAISMessages[24].pgn, 129810u);
}

TEST(AISMessages, FieldRunsHaveTheRealMessageLengths) {
  const std::map<int, uint32_t> lengths = {{1, 168}, {2, 168}, {3, 168}, {4, 168}, {5, 424},
                                           {11, 168}, {18, 168}, {19, 312}};
  for (const AISMessage& m : kAISMessages) {
    if (m.fieldCount == 0) continue;
    ASSERT_LE(m.firstFieldRow + m.fieldCount, kAISFieldListCount);
    const uint32_t expected = m.messageId == 24 ? (&m == &kAISMessages[23] ? 160u : 168u) : lengths.at(m.messageId);
    EXPECT_EQ(RunBits(m), expected) << int(m.messageId);
  }
}

TEST(AISMessages, RunsTileTheFieldListAndShareGroups) {
  std::vector<int> owner(kAISFieldListCount, -1);
  for (const AISMessage& m : kAISMessages) {
    for (uint32_t i = 0; i < m.fieldCount; ++i) {
      const AISFieldListRow& row = kAISFieldList[m.firstFieldRow + i];
      EXPECT_EQ(row.fieldPosition, i) << int(m.messageId);
      EXPECT_EQ(row.fieldGroup, m.fieldGroup) << int(m.messageId);
      owner[m.firstFieldRow + i] = m.messageId;
    }
    if (m.fieldCount) {
      EXPECT_EQ(kAISFieldList[m.firstFieldRow].fieldDefinition, 0u) << "message ID comes first";
      EXPECT_GT(std::strlen(kAISFieldList[m.firstFieldRow].comment), 0u);
    }
  }
  for (uint32_t i = 0; i < kAISFieldListCount; ++i) EXPECT_NE(owner[i], -1) << "row " << i << " in no run";
  EXPECT_EQ(kAISMessages[3].fieldGroup, kAISMessages[10].fieldGroup);
  EXPECT_EQ(kAISMessages[3].fieldGroup, 1u);
  EXPECT_EQ(kAISMessages[7].fieldGroup, 5u);
  EXPECT_EQ(kAISMessages[12].fieldGroup, 5u);
  const std::vector<std::pair<int, int>> runs = {{0, 16}, {0, 16}, {0, 16}, {16, 16}, {32, 22}};
  for (size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(kAISMessages[i].firstFieldRow, runs[i].first);
    EXPECT_EQ(kAISMessages[i].fieldCount, runs[i].second);
  }
  EXPECT_EQ(kAISMessages[17].firstFieldRow, 54);
  EXPECT_EQ(kAISMessages[18].firstFieldRow, 75);
  EXPECT_EQ(kAISMessages[23].firstFieldRow, 99);
  EXPECT_EQ(kAISMessages[24].firstFieldRow, 104);
  EXPECT_EQ(kAISMessages[24].fieldCount, 13);
}

TEST(AISFields, DefinitionsAndRowsStayInRange) {
  for (uint32_t i = 0; i < kAISFieldDefinitionCount; ++i) {
    const AISFieldDefinition& d = kAISFieldDefinitions[i];
    EXPECT_EQ(d.index, i);
    EXPECT_LT(d.rangeRow, kAISRangeCount) << d.name;
    EXPECT_LT(d.conversionRow, kN183ConversionFactorCount) << d.name;
    EXPECT_LE(d.bitWidth, 120u) << d.name;
    EXPECT_GT(std::strlen(d.description), 5u) << d.name;
  }
  for (const AISFieldListRow& row : kAISFieldList) {
    EXPECT_LT(row.fieldDefinition, kAISFieldDefinitionCount);
    EXPECT_LT(row.repositoryIndex, kRepositoryDatatypeCount);
    // The AIS fields land in the AIS block of the repository or nowhere.
    EXPECT_TRUE(row.repositoryIndex <= RD_AIS_Version || row.repositoryIndex == kRepositoryNone);
    if (std::strcmp(kAISFieldDefinitions[row.fieldDefinition].name, "Spare") == 0) {
      EXPECT_EQ(row.repositoryIndex, kRepositoryNone);
    }
  }
}

TEST(AISFields, TellingDefinitionsAndRanges) {
  auto byName = [](const char* name) -> const AISFieldDefinition& {
    for (const AISFieldDefinition& d : kAISFieldDefinitions) {
      if (std::strcmp(d.name, name) == 0) return d;
    }
    ADD_FAILURE() << name;
    return kAISFieldDefinitions[0];
  };
  const AISFieldDefinition& cog = byName("COG");
  EXPECT_EQ(cog.bitWidth, 12u);
  EXPECT_EQ(cog.conversionRow, 1u);
  EXPECT_EQ(cog.exponent, -1);
  EXPECT_STREQ(cog.rangeText, "0.0-359.9 or 360.0");
  EXPECT_EQ(kAISRanges[cog.rangeRow].notAvailable, 3600);
  EXPECT_EQ(byName("Call sign").bitWidth, 42u);
  EXPECT_EQ(byName("Name").bitWidth, 120u);
  EXPECT_EQ(byName("Destination").bitWidth, 120u);
  const AISFieldDefinition& lat = byName("Latitude");
  EXPECT_EQ(lat.bitWidth, 27u);
  EXPECT_EQ(lat.conversionRow, 2u);
  EXPECT_EQ(lat.exponent, -4);
  EXPECT_EQ(lat.isSigned, 1u);
  EXPECT_EQ(kAISRanges[lat.rangeRow].notAvailable, 54600000);
  EXPECT_EQ(byName("Longitude").bitWidth, 28u);
  EXPECT_EQ(kAISRanges[byName("Longitude").rangeRow].maximum, 108000000);
  EXPECT_EQ(byName("ROT").isSigned, 1u);
  EXPECT_EQ(byName("ROT").conversionRow, 8u);
  // +/-127 (turning faster than the sensor-less scale shows) must stay valid:
  // the gateway gives it its own value, which an out-of-range status would hide.
  const AISRange& rot = kAISRanges[byName("ROT").rangeRow];
  EXPECT_EQ(rot.notAvailable, -128);
  EXPECT_EQ(rot.minimum, -127);
  EXPECT_EQ(rot.maximum, 127);
  EXPECT_EQ(byName("SOG").conversionRow, 12u);
  EXPECT_EQ(kAISRanges[byName("SOG").rangeRow].notAvailable, 1023);
  EXPECT_EQ(kAISRanges[byName("True Heading").rangeRow].notAvailable, 511);
  EXPECT_EQ(kAISRanges[byName("Time Stamp").rangeRow].notAvailable, 60);
  EXPECT_EQ(kAISRanges[byName("UTC Year").rangeRow].maximum, 9999);
  EXPECT_EQ(byName("Maximum Present Static Draught").exponent, -1);
  int signedCount = 0;
  for (const AISFieldDefinition& d : kAISFieldDefinitions) signedCount += d.isSigned;
  EXPECT_EQ(signedCount, 3);
  EXPECT_EQ(kAISRanges[0].minimum, -2147483647);
  EXPECT_EQ(kAISRanges[0].maximum, 2147483647);
  for (const AISRange& r : kAISRanges) EXPECT_LT(r.minimum, r.maximum);
}

// Decodes a payload with the field list alone, the way the gateway walks it,
// and checks the values against independently decoded real traffic.
class PayloadDecode {
 public:
  PayloadDecode(const std::string& armoured, int fillBits) {
    for (char c : armoured) {
      int v = c - 48;
      if (v > 40) v -= 8;
      for (int b = 5; b >= 0; --b) bits_.push_back((v >> b) & 1);
    }
    bits_.resize(bits_.size() - fillBits);
  }

  // Walks the message's run; returns false when the widths do not use up
  // the payload exactly.
  bool Walk(const AISMessage& message) {
    size_t pos = 0;
    for (uint32_t i = 0; i < message.fieldCount; ++i) {
      const AISFieldDefinition& d = kAISFieldDefinitions[kAISFieldList[message.firstFieldRow + i].fieldDefinition];
      if (pos + d.bitWidth > bits_.size()) return false;
      int64_t value = 0;
      std::string text;
      for (uint32_t b = 0; b < d.bitWidth; ++b) value = (value << 1) | bits_[pos + b];
      for (uint32_t b = 0; b + 6 <= d.bitWidth; b += 6) {
        int code = 0;
        for (int k = 0; k < 6; ++k) code = (code << 1) | bits_[pos + b + k];
        text += static_cast<char>(code < 32 ? code + 64 : code);
      }
      if (d.isSigned && d.bitWidth && (value >> (d.bitWidth - 1))) value -= int64_t{1} << d.bitWidth;
      values_[d.name] = value;
      while (!text.empty() && (text.back() == '@' || text.back() == ' ')) text.pop_back();
      texts_[d.name] = text;
      pos += d.bitWidth;
    }
    return pos == bits_.size();
  }

  int64_t operator[](const char* name) const { return values_.at(name); }
  std::string Text(const char* name) const { return texts_.at(name); }

 private:
  std::vector<int> bits_;
  std::map<std::string, int64_t> values_;
  std::map<std::string, std::string> texts_;
};

TEST(AISFields, RealPositionReportsDecode) {
  PayloadDecode classA("15RTgt0PAso;90TKcjM8h6g208CQ", 0);
  ASSERT_TRUE(classA.Walk(kAISMessages[0]));
  EXPECT_EQ(classA["User ID"], 371798000);
  EXPECT_EQ(classA["ROT"], -127);
  EXPECT_EQ(classA["SOG"], 123);
  EXPECT_EQ(classA["Longitude"], -74037230);
  EXPECT_EQ(classA["Latitude"], 29028980);
  EXPECT_EQ(classA["COG"], 2240);
  EXPECT_EQ(classA["True Heading"], 215);
  EXPECT_EQ(classA["Time Stamp"], 33);
  EXPECT_EQ(classA["Communication State"], 34017);

  PayloadDecode base("403OviQuMGCqWrRO9>E6fE700@GO", 0);
  ASSERT_TRUE(base.Walk(kAISMessages[3]));
  EXPECT_EQ(base["User ID"], 3669702);
  EXPECT_EQ(base["UTC Year"], 2007);
  EXPECT_EQ(base["UTC Month"], 5);
  EXPECT_EQ(base["UTC Day"], 14);
  EXPECT_EQ(base["UTC Hour"], 19);
  EXPECT_EQ(base["UTC Minute"], 57);
  EXPECT_EQ(base["UTC Second"], 39);
  EXPECT_EQ(base["Longitude"], -45811417);
  EXPECT_EQ(base["Type of EPFD"], 7);
  EXPECT_EQ(base["Communication State"], 67039);

  PayloadDecode classB("B52K>;h00Fc>jpUlNV@ikwpUoP06", 0);
  ASSERT_TRUE(classB.Walk(kAISMessages[17]));
  EXPECT_EQ(classB["User ID"], 338087471);
  EXPECT_EQ(classB["SOG"], 1);
  EXPECT_EQ(classB["Latitude"], 24410724);
  EXPECT_EQ(classB["COG"], 796);
  EXPECT_EQ(classB["True Heading"], 511);
  EXPECT_EQ(classB["Class B Unit Flag"], 1);
  EXPECT_EQ(classB["Class B DSC Flag"], 1);
  // The reference decode joins the selector flag to the 19-bit state.
  EXPECT_EQ(classB["Communication State Selector Flag"], 1);
  EXPECT_EQ(classB["Communication State"], 917510 - (1 << 19));
}

TEST(AISFields, RealStaticReportsDecode) {
  PayloadDecode voyage(
      "55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8"
      "88888888880",
      2);
  ASSERT_TRUE(voyage.Walk(kAISMessages[4]));
  EXPECT_EQ(voyage["User ID"], 351759000);
  EXPECT_EQ(voyage["IMO Number"], 9134270);
  EXPECT_EQ(voyage.Text("Call sign"), "3FOF8");
  EXPECT_EQ(voyage.Text("Name"), "EVER DIADEM");
  EXPECT_EQ(voyage["Type of ship and cargo"], 70);
  EXPECT_EQ(voyage["Dimension to Bow"], 225);
  EXPECT_EQ(voyage["Dimension to Stern"], 70);
  EXPECT_EQ(voyage["Dimension to Port"], 1);
  EXPECT_EQ(voyage["Dimension to Starboard"], 31);
  EXPECT_EQ(voyage["ETA Month"], 5);
  EXPECT_EQ(voyage["ETA Day"], 15);
  EXPECT_EQ(voyage["ETA Hour"], 14);
  EXPECT_EQ(voyage["Maximum Present Static Draught"], 122);
  EXPECT_EQ(voyage.Text("Destination"), "NEW YORK");

  PayloadDecode extended("C5N3SRgPEnJGEBT>NhWAwwo862PaLELTBJ:V00000000S0D:R220", 0);
  ASSERT_TRUE(extended.Walk(kAISMessages[18]));
  EXPECT_EQ(extended["User ID"], 367059850);
  EXPECT_EQ(extended["SOG"], 87);
  EXPECT_EQ(extended["Longitude"], -53286235);
  EXPECT_EQ(extended["COG"], 3359);
  EXPECT_EQ(extended.Text("Name"), "CAPT.J.RIMES");
  EXPECT_EQ(extended["Dimension to Stern"], 21);
  EXPECT_EQ(extended["Dimension to Starboard"], 4);
  EXPECT_EQ(extended["Type of EPFD"], 1);

  PayloadDecode partA("H42O55i18tMET00000000000000", 2);
  ASSERT_TRUE(partA.Walk(kAISMessages[23]));
  EXPECT_EQ(partA["Part Number"], 0);
  EXPECT_EQ(partA.Text("Name"), "PROGUY");

  PayloadDecode partB("H42O55lti4hhhilD3nink000?050", 0);
  ASSERT_TRUE(partB.Walk(kAISMessages[24]));
  EXPECT_EQ(partB["User ID"], 271041815);
  EXPECT_EQ(partB["Part Number"], 1);
  EXPECT_EQ(partB["Type of ship and cargo"], 60);
  EXPECT_EQ(partB.Text("Call sign"), "TC6163");
  EXPECT_EQ(partB["Dimension to Stern"], 15);
  EXPECT_EQ(partB["Dimension to Starboard"], 5);
}

}  // namespace
