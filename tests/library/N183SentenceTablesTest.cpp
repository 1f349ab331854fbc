#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

#include "base/RepositoryCatalogue.h"
#include "library/N183Lookup.h"
#include "library/N183Tables.h"

namespace {

std::string Formatter(const SentenceDefinition& row) { return FormatterOf(row); }

const SentenceDefinition& Sentence(const char* address) {
  for (const SentenceDefinition& row : kSentenceDefinitions) {
    if (std::strcmp(row.address, address) == 0) return row;
  }
  ADD_FAILURE() << "no sentence " << address;
  return kSentenceDefinitions[0];
}

const SentenceFieldDefinition& Field(const SentenceDefinition& sentence, uint32_t fieldNumber) {
  for (uint32_t i = 0; i < sentence.fieldCount; ++i) {
    if (sentence.fields[i].fieldNumber == fieldNumber) return sentence.fields[i];
  }
  ADD_FAILURE() << "no field " << fieldNumber << " in " << sentence.address;
  return kSentenceFieldDefinitions[0];
}

TEST(N183SentenceTable, DescriptorNamesTheTable) {
  EXPECT_EQ(kN183Library.versionMajor, 3u);
  EXPECT_EQ(kN183Library.versionMinor, 3010u);
  EXPECT_EQ(kN183Library.sentenceCount, 143u);
  EXPECT_EQ(kN183Library.sentences, kSentenceDefinitions);
}

TEST(N183SentenceTable, RowsAreSortedByFormatterAndNumbered) {
  for (uint32_t i = 0; i < kSentenceCount; ++i) {
    const SentenceDefinition& row = kSentenceDefinitions[i];
    EXPECT_EQ(row.libraryIndex, i);
    EXPECT_EQ(std::strlen(row.address), 5u) << i;
    if (i > 0) {
      EXPECT_LE(Formatter(kSentenceDefinitions[i - 1]), Formatter(row)) << row.address;
    }
  }
  // MWV is the one formatter with two rows, and they are adjacent.
  std::map<std::string, int> seen;
  for (const SentenceDefinition& row : kSentenceDefinitions) ++seen[Formatter(row)];
  for (const auto& [formatter, count] : seen) {
    EXPECT_EQ(count, formatter == "MWV" ? 2 : 1) << formatter;
  }
}

TEST(N183SentenceTable, TalkersDelimitersFlagsAndIntervals) {
  std::map<std::string, int> talkers;
  std::map<uint32_t, int> intervals;
  std::set<std::string> bang, flagged, onDemand, slowest;
  for (const SentenceDefinition& row : kSentenceDefinitions) {
    ++talkers[std::string(row.address, 2)];
    ++intervals[row.interval];
    if (row.startDelimiter == '!') bang.insert(Formatter(row));
    else EXPECT_EQ(row.startDelimiter, '$') << row.address;
    if (row.flag) flagged.insert(Formatter(row));
    else EXPECT_EQ(row.flag, 0u);
    if (row.interval == 0) onDemand.insert(Formatter(row));
    if (row.interval == 4000) slowest.insert(Formatter(row));
  }
  EXPECT_EQ(talkers, (std::map<std::string, int>{{"II", 129}, {"GP", 9}, {"HC", 3}, {"SD", 2}}));
  EXPECT_EQ(intervals, (std::map<uint32_t, int>{{1000, 80}, {2000, 56}, {4000, 2}, {0, 5}}));
  EXPECT_EQ(bang, (std::set<std::string>{"ABM", "BBM", "VDM", "VDO"}));
  EXPECT_EQ(onDemand, (std::set<std::string>{"AIR", "RTE", "SSD", "VDM", "VDO"}));
  EXPECT_EQ(slowest, (std::set<std::string>{"GSA", "GSV"}));
  EXPECT_EQ(flagged, (std::set<std::string>{"DPT", "DSC", "DTM", "FSI", "HDG", "HDT", "HMR", "HMS", "HTC",
                                            "HTD", "OSD", "ROT", "RPM", "RSA", "RSD", "SFI", "TTM", "VBW"}));
}

TEST(N183SentenceTable, NamesDescriptionsAndModifiers) {
  std::set<std::string> unnamed;
  for (const SentenceDefinition& row : kSentenceDefinitions) {
    ASSERT_NE(row.name, nullptr);
    ASSERT_NE(row.notes, nullptr);
    ASSERT_NE(row.description, nullptr);
    EXPECT_GT(std::strlen(row.description), 20u) << row.address;
    if (*row.name == '\0') unnamed.insert(Formatter(row));
    EXPECT_EQ(row.reserved[0] | row.reserved[1], 0);
    if (Formatter(row) != "MWV") {
      EXPECT_EQ(row.modifierField, kNoSentenceField) << row.address;
      EXPECT_EQ(row.modifierValue, '!') << row.address;
    }
  }
  EXPECT_EQ(unnamed, (std::set<std::string>{"HCC", "HCD", "HVD", "HVM", "IMA", "SGD", "SNC"}));

  const SentenceDefinition& relative = kSentenceDefinitions[73];
  const SentenceDefinition& theoretical = kSentenceDefinitions[74];
  EXPECT_STREQ(relative.name, "Wind Speed and Angle (Relative)");
  EXPECT_EQ(relative.modifierField, 1);
  EXPECT_EQ(relative.modifierValue, 'R');
  EXPECT_STREQ(theoretical.name, "Wind Speed and Angle (Theoretical)");
  EXPECT_EQ(theoretical.modifierField, 1);
  EXPECT_EQ(theoretical.modifierValue, 'T');
  EXPECT_STREQ(Sentence("IIAAM").name, "Waypoint Arrival Alarm");
  EXPECT_STREQ(Sentence("GPGGA").name, "Global Positioning System Fix Data");
}

TEST(N183SentenceTable, FieldRunsAreContiguousInTableOrder) {
  int32_t next = 0;
  int withFields = 0;
  for (const SentenceDefinition& row : kSentenceDefinitions) {
    if (row.fieldCount == 0) {
      EXPECT_EQ(row.fields, nullptr) << row.address;
      EXPECT_EQ(row.firstFieldIndex, -1) << row.address;
      continue;
    }
    ++withFields;
    EXPECT_EQ(row.firstFieldIndex, next) << row.address;
    EXPECT_EQ(row.fields, kSentenceFieldDefinitions + next) << row.address;
    for (uint32_t i = 1; i < row.fieldCount; ++i) {
      EXPECT_LE(row.fields[i - 1].fieldNumber, row.fields[i].fieldNumber) << row.address;
    }
    next += row.fieldCount;
  }
  EXPECT_EQ(withFields, 38);
  EXPECT_EQ(next, static_cast<int32_t>(kSentenceFieldCount));
}

TEST(N183SentenceTable, FieldCountsPerSentence) {
  const std::map<std::string, int> expected = {
      {"IIAPB", 11}, {"IIBWC", 8}, {"IIBWR", 8}, {"SDDBT", 3}, {"SDDPT", 3}, {"GPGGA", 10}, {"GPGLL", 5},
      {"GPGSA", 6},  {"GPGSV", 7}, {"HCHDG", 3}, {"HCHDM", 1}, {"HCHDT", 1}, {"IIHSC", 2}, {"IIMDA", 11},
      {"IIMTW", 1},  {"IIMWD", 4}, {"IIRMA", 5}, {"GPRMB", 10}, {"GPRMC", 9}, {"IIROT", 1}, {"IIRPM", 2},
      {"IIRSA", 2},  {"IIVBW", 6}, {"IIVDM", 6}, {"IIVDO", 6}, {"IIVDR", 3}, {"IIVHW", 4}, {"IIVLW", 4},
      {"IIVTG", 5},  {"IIVWR", 4}, {"IIWCV", 2}, {"IIWPL", 3}, {"IIXTE", 2}, {"IIZDA", 3}, {"IIZFO", 3},
      {"IIZTG", 3}};
  for (const SentenceDefinition& row : kSentenceDefinitions) {
    if (Formatter(row) == "MWV") {
      EXPECT_EQ(row.fieldCount, 2);
      continue;
    }
    const auto it = expected.find(row.address);
    EXPECT_EQ(row.fieldCount, it == expected.end() ? 0 : it->second) << row.address;
  }
}

TEST(N183SentenceFields, ColumnsStayInTheirDomains) {
  std::map<std::string, int> tags;
  std::map<std::string, int> status;
  for (const SentenceFieldDefinition& f : kSentenceFieldDefinitions) {
    EXPECT_NE(GetDT0183Type(f.fieldType), nullptr) << f.name;
    EXPECT_LT(f.unitType, kUT183UnitCount) << f.name;
    EXPECT_LT(f.repositoryIndex, kRepositoryDatatypeCount) << f.name;
    EXPECT_LT(f.groupRepository, kRepositoryDatatypeCount) << f.name;
    EXPECT_GT(std::strlen(f.name), 2u);
    EXPECT_GT(std::strlen(f.description), 5u) << f.name;
    EXPECT_EQ(f.validityRule == 0, f.validityField == kNoSentenceField) << f.name;
    EXPECT_LE(f.validityRule, 3u);
    EXPECT_TRUE(f.groupSize == 0 || f.groupMaximum > 0) << f.name;
    if (f.groupSize == 0) {
      EXPECT_EQ(f.groupRepository, kRepositoryNone) << f.name;
    }
    ++tags[f.listTags];
    ++status[f.developmentStatus];
    // A row that stores nothing must at least frame a multi-sentence message
    // or be held back from every database.
    if (f.repositoryIndex == kRepositoryNone) {
      EXPECT_TRUE(f.multiSentenceFraming || std::strcmp(f.listTags, "Xclude") == 0) << f.name;
    }
  }
  EXPECT_EQ(tags, (std::map<std::string, int>{{"Rx,Tx,Std,AIS", 8}, {"Rx,Tx,Std", 57}, {"Rx,Std", 16},
                                              {"Rx,Tx", 5}, {"Tx,Std", 1}, {"Rx,AIS", 12}, {"Xclude", 14},
                                              {"", 58}}));
  EXPECT_EQ(status, (std::map<std::string, int>{{"Yes", 157}, {"WIP", 14}}));
}

TEST(N183SentenceFields, FieldsReferOnlyToFieldsOfTheirSentence) {
  for (const SentenceDefinition& row : kSentenceDefinitions) {
    if (row.fieldCount == 0) continue;
    const uint32_t covered = CountCoveredFields(row);
    for (uint32_t i = 0; i < row.fieldCount; ++i) {
      const SentenceFieldDefinition& f = row.fields[i];
      if (f.unitSymbolField != kNoSentenceField) {
        EXPECT_GT(f.unitSymbolField, f.fieldNumber) << row.address << " " << f.name;
        EXPECT_NE(kUT183Conversions[f.unitType].unitSymbol, 0xFF) << row.address << " " << f.name;
      }
      EXPECT_LT(f.fieldNumber, covered) << row.address;
    }
  }
}

TEST(N183SentenceFields, TellingRows) {
  const SentenceFieldDefinition& xte = Field(Sentence("IIAPB"), 2);
  EXPECT_STREQ(xte.name, "Magnitude of Cross track Error, Nautical");
  EXPECT_EQ(xte.fieldType, 19u);
  EXPECT_EQ(xte.unitType, 18u);
  EXPECT_EQ(xte.repositoryIndex, 137u);
  EXPECT_EQ(xte.unitSymbolField, 4);
  EXPECT_EQ(xte.decimalPlaces, 2);
  EXPECT_EQ(xte.groupSize, 0);
  EXPECT_EQ(xte.validityField, 0);
  EXPECT_EQ(xte.validityRule, 1u);

  const SentenceFieldDefinition& feet = Field(Sentence("SDDBT"), 0);
  EXPECT_STREQ(feet.name, "Depth, Feet");
  EXPECT_EQ(feet.fieldType, 6u);
  EXPECT_EQ(feet.unitType, 10u);
  EXPECT_EQ(feet.repositoryIndex, 121u);
  EXPECT_EQ(feet.unitSymbolField, 1);
  EXPECT_EQ(feet.decimalPlaces, 2);
  EXPECT_EQ(feet.validityField, kNoSentenceField);

  const SentenceFieldDefinition& prn = Field(Sentence("GPGSV"), 3);
  EXPECT_STREQ(prn.name, "Satellite ID (PRN) number");
  EXPECT_EQ(prn.repositoryIndex, 84u);
  EXPECT_EQ(static_cast<uint8_t>(prn.decimalPlaces), 0xFE);
  EXPECT_EQ(prn.groupSize, 4);
  EXPECT_EQ(prn.groupMaximum, 4);
  EXPECT_EQ(prn.groupRepository, static_cast<uint32_t>(RD_GNSSNumSVsInView));

  const SentenceFieldDefinition& used = Field(Sentence("GPGSA"), 2);
  EXPECT_STREQ(used.name, "GNSS Active Sat PRN used in solution");
  EXPECT_EQ(used.repositoryIndex, 88u);
  EXPECT_EQ(used.groupSize, 1);
  EXPECT_EQ(used.groupMaximum, 12);

  const SentenceFieldDefinition& angle = Field(kSentenceDefinitions[73], 0);
  EXPECT_STREQ(angle.name, "Wind angle relative to vessel, 0 to 359 degrees");
  EXPECT_EQ(angle.unitType, 1u);
  EXPECT_EQ(angle.repositoryIndex, 125u);
  EXPECT_EQ(angle.decimalPlaces, 2);
  EXPECT_EQ(angle.validityField, 4);
  EXPECT_EQ(angle.validityRule, 2u);

  const SentenceFieldDefinition& payload = Field(Sentence("IIVDM"), 4);
  EXPECT_STREQ(payload.name, "ITU-R M.1371 Message");
  EXPECT_EQ(payload.fieldType, 33u);
  EXPECT_EQ(payload.repositoryIndex, kRepositoryNone);
  EXPECT_EQ(payload.groupSize, 1);
  EXPECT_EQ(payload.groupMaximum, 1);

  const SentenceFieldDefinition& quality = Field(Sentence("GPGGA"), 5);
  EXPECT_EQ(quality.critical, 1);
  EXPECT_EQ(quality.includeInValidCount, 0);
}

TEST(N183SentenceFields, RepeatingGroupsAndFraming) {
  std::set<std::string> groups;
  std::set<std::string> framing;
  for (const SentenceDefinition& row : kSentenceDefinitions) {
    for (uint32_t i = 0; i < row.fieldCount; ++i) {
      const SentenceFieldDefinition& f = row.fields[i];
      if (f.groupSize) groups.insert(Formatter(row) + "/" + std::to_string(f.fieldNumber));
      if (f.multiSentenceFraming) framing.insert(Formatter(row) + "/" + std::to_string(f.fieldNumber));
      if (f.groupSize) {
        EXPECT_LE(i + f.groupSize, row.fieldCount) << row.address;
      }
    }
  }
  EXPECT_EQ(groups, (std::set<std::string>{"GSA/2", "GSV/3", "VDM/4", "VDO/4"}));
  EXPECT_EQ(framing, (std::set<std::string>{"GSV/0", "GSV/1", "VDM/0", "VDM/1", "VDM/2", "VDM/3", "VDM/4",
                                            "VDM/5", "VDO/0", "VDO/1", "VDO/2", "VDO/3", "VDO/4", "VDO/5"}));
}

TEST(N183SentenceFields, ValidityRulesFollowTheirStatusFields) {
  for (const char* address : {"IIAPB", "GPRMB", "IIXTE"}) {
    const SentenceDefinition& row = Sentence(address);
    for (uint32_t i = 0; i < row.fieldCount; ++i) {
      EXPECT_EQ(row.fields[i].validityField, 0) << address;
      const bool mode = row.fields[i].fieldType == DT0183_PosModeIndicator && std::strcmp(address, "GPRMB") != 0;
      EXPECT_EQ(row.fields[i].validityRule, mode ? 3u : 1u) << address << " " << row.fields[i].name;
    }
  }
  for (const char* address : {"IIMWV", "IIROT", "IIRPM", "IIRSA", "IIVBW"}) {
    const SentenceDefinition& row = Sentence(address);
    for (uint32_t i = 0; i < row.fieldCount; ++i) EXPECT_EQ(row.fields[i].validityRule, 2u) << address;
  }
  // An RMC whose status says "V" must not pass its fix off as valid.
  const SentenceDefinition& rmc = Sentence("GPRMC");
  EXPECT_EQ(Field(rmc, 2).validityField, 1);
  EXPECT_EQ(Field(rmc, 6).validityRule, 2u);
}

}  // namespace
