#include "decode/HoxLibrary.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct StatedDefinition {
  uint32_t id;
  uint8_t part;
  const char* name;
  uint32_t fieldCount;
};

// The definitions as the device protocol lists them.
const std::vector<StatedDefinition> kStated = {
    {0x11FE, 1, "ddReBootPG", 0}, {0xA000, 1, "ddReInitMainApp", 0},
    {0xA001, 1, "ddCommitToEEPROM", 0}, {0xA002, 1, "ddCommitToFlash", 0},
    {0xA010, 1, "ddHardwareInfo", 10}, {0xA011, 1, "ddOperatingMode", 1},
    {0xA012, 1, "ddPortBaudCfg", 3}, {0xA013, 1, "ddPortPCodeCfg", 2},
    {0xA014, 1, "ddPortDupDelete", 2}, {0xA015, 1, "ddTotalTime", 1},
    {0xA016, 1, "ddHardwareBaud", 3}, {0xA041, 1, "ddProductInfoN2K", 4},
    {0xA041, 2, "ddProductInfoN2K", 1}, {0xA041, 3, "ddProductInfoN2K", 1},
    {0xA041, 4, "ddProductInfoN2K", 1}, {0xA041, 5, "ddProductInfoN2K", 1},
    {0xA042, 1, "ddCANConfig", 5}, {0xA043, 1, "ddCANInfoField1", 1},
    {0xA044, 1, "ddCANInfoField2", 1}, {0xA045, 1, "ddCANInfoField3", 1},
    {0xA046, 1, "ddEnableRxPGN", 3}, {0xA047, 1, "ddEnableTxPGN", 5},
    {0xA048, 1, "ddRxPGNEnableList", 2}, {0xA048, 2, "ddRxPGNEnableList", 2},
    {0xA049, 1, "ddTxPGNEnableList", 2}, {0xA049, 2, "ddTxPGNEnableList", 2},
    {0xA049, 3, "ddTxPGNEnableList", 2}, {0xA049, 4, "ddTxPGNEnableList", 2},
    {0xA04A, 1, "ddDeletePGNEnableList", 1}, {0xA04B, 1, "ddActivatePGNEnableLists", 0},
    {0xA04C, 1, "ddDefaultPGNEnableList", 1}, {0xA04D, 1, "ddParamsPGNEnableLists", 7},
    {0xA0F0, 1, "ddStartupStatus", 2}, {0xA0F1, 1, "ddErrorReport", 1},
    {0xA0F2, 1, "ddSystemStatus", 12}, {0xA0F3, 1, "ddConfirmSoftwareReset", 0},
    {0xA0F4, 1, "ddNegativeAcknowledge", 0}, {0xA100, 1, "ddReInitMainAppPG", 0},
    {0xA101, 1, "ddCommitToEEPROMPG", 0}, {0xA102, 1, "ddCommitToFlashPG", 0},
    {0xA110, 1, "ddHardwareInfoPG", 1}, {0xA111, 1, "ddOperatingModePG", 2},
    {0xA112, 1, "ddPortBaudCfgPG", 2}, {0xA113, 1, "ddPortPCodeCfgPG", 2},
    {0xA114, 1, "ddPortDupDeletePG", 2}, {0xA115, 1, "ddTotalTimePG", 2},
    {0xA116, 1, "ddHardwareBaudPG", 2}, {0xA141, 1, "ddProductInfoN2KPG", 0},
    {0xA142, 1, "ddCANConfigPG", 3}, {0xA143, 1, "ddCANInfoField1PG", 1},
    {0xA144, 1, "ddCANInfoField2PG", 1}, {0xA145, 1, "ddCANInfoField3PG", 0},
    {0xA146, 1, "ddEnableRxPGNPG", 3}, {0xA147, 1, "ddEnableTxPGNPG", 4},
    {0xA148, 1, "ddRxPGNEnableListPG", 0}, {0xA149, 1, "ddTxPGNEnableListPG", 0},
    {0xA14A, 1, "ddDeletePGNEnableListPG", 1}, {0xA14B, 1, "ddActivatePGNEnableListsPG", 0},
    {0xA14C, 1, "ddDefaultPGNEnableListPG", 1}, {0xA14D, 1, "ddParamsPGNEnableListsPG", 0},
    {0xA200, 1, "ddDebugText", 1}, {0xA201, 1, "ddDebugValueU32", 2},
    {0xA202, 1, "ddDebugValueS32", 2}, {0xA220, 1, "ddDebugTimeProfiler", 4},
    {0xA300, 1, "ddProgramSetSector", 4}, {0xA301, 1, "ddProgramErase", 1},
    {0xA302, 1, "ddProgramWriteVerify", 3}, {0xA303, 1, "ddProgramFinalise", 1},
    {0xA304, 1, "ddProgramRead", 4}, {0xA3F4, 1, "ddProgramNegAcknowledge", 1},
    {0xA400, 1, "ddProgramSetSectorPG", 1}, {0xA401, 1, "ddProgramErasePG", 0},
    {0xA402, 1, "ddProgramWriteVerifyPG", 3}, {0xA403, 1, "ddProgramFinalisePG", 2},
    {0xA404, 1, "ddProgramReadPG", 2}, {0xFFFD, 1, "ddLastEnum", 0},
};

TEST(HoxLibrary, HoldsTheListedDefinitionsInOrder) {
  ASSERT_EQ(kStated.size(), kHoxDefinitionCount);
  std::set<std::string> descriptions;
  for (uint32_t i = 0; i < kHoxDefinitionCount; ++i) {
    const HoxDefinition& d = kHoxDefinitions[i];
    SCOPED_TRACE(d.datatypeName);
    EXPECT_EQ(d.id, kStated[i].id);
    EXPECT_EQ(d.part, kStated[i].part);
    EXPECT_STREQ(d.datatypeName, kStated[i].name);
    EXPECT_EQ(d.fieldCount, kStated[i].fieldCount);
    EXPECT_EQ(d.fields == nullptr, d.fieldCount == 0);
    EXPECT_TRUE(descriptions.insert(d.description).second) << "description repeated";
    EXPECT_GT(std::string(d.note).size(), 5u);
  }
}

TEST(HoxLibrary, FindsEveryDefinitionByIdAndPart) {
  for (const HoxDefinition& d : kHoxDefinitions) EXPECT_EQ(FindHoxDefinition(d.id, d.part), &d);
  EXPECT_EQ(FindHoxDefinition(0xA041, 6), nullptr);
  EXPECT_EQ(FindHoxDefinition(0xA010, 2), nullptr);
  EXPECT_EQ(FindHoxDefinition(0xA0FF, 1), nullptr);
  EXPECT_EQ(FindHoxDefinition(0, 0), nullptr);
  EXPECT_EQ(FindHoxDefinition(0xFFFFFFFF, 1), nullptr);
}

TEST(HoxLibrary, FieldsAreNumberedSizedByTypeAndGroupsFit) {
  for (const HoxDefinition& d : kHoxDefinitions) {
    for (uint32_t i = 0; i < d.fieldCount; ++i) {
      const HoxFieldDefinition& f = d.fields[i];
      SCOPED_TRACE(std::string(d.datatypeName) + " / " + f.name);
      EXPECT_EQ(f.fieldNumber, i);
      ASSERT_LT(f.dataType, static_cast<uint32_t>(HT_EndMarker));
      EXPECT_EQ(f.byteLength, kHoxDataTypes[f.dataType].byteLength);
      EXPECT_GE(f.byteLength, 1);
      EXPECT_FALSE(std::string(f.name).empty());
      if (f.itemFieldCount != 0) {
        EXPECT_LE(i + f.itemFieldCount, d.fieldCount - 1) << "group runs past the fields";
        EXPECT_LE(f.byteLength, 4) << "a count must be an integer";
      }
      // An array takes its size from a one-byte field just before it.
      if (f.dataType == HT_DataArray) {
        ASSERT_GT(i, 0u);
        EXPECT_EQ(d.fields[i - 1].byteLength, 1);
      }
    }
  }
}

TEST(HoxLibrary, EveryDataTypeIsUsedBySomeField) {
  std::set<uint32_t> used;
  for (const HoxDefinition& d : kHoxDefinitions)
    for (uint32_t i = 0; i < d.fieldCount; ++i) used.insert(d.fields[i].dataType);
  for (uint32_t code = 0; code < HT_EndMarker; ++code) EXPECT_TRUE(used.count(code)) << code;
}

TEST(HoxLibrary, DataTypeCodesAreTheirRowsUpToTheEndMarker) {
  for (uint32_t i = 0; i < HT_EndMarker; ++i) EXPECT_EQ(kHoxDataTypes[i].code, i);
  EXPECT_EQ(kHoxDataTypes[HT_EndMarker].code, kHoxUndecodableCode);
  EXPECT_EQ(GetHoxDataType(HT_EndMarker), &kHoxDataTypes[HT_EndMarker]);
  EXPECT_EQ(GetHoxDataType(kHoxDataTypeCount), nullptr);
}

TEST(HoxNames, ModelNamesCoverTheKnownIdsOnly) {
  std::set<std::string> names;
  for (uint32_t id = 0; id < 30; ++id) {
    const std::string name = HoxModelName(id);
    EXPECT_TRUE(names.insert(name).second) << name;
    EXPECT_EQ(name.find("Unknown"), std::string::npos) << name;
  }
  EXPECT_STREQ(HoxModelName(30), "Unknown");
  EXPECT_STREQ(HoxModelName(31), "Unknown Model ID");
  EXPECT_STREQ(HoxModelName(0xFFFFFFFF), "Unknown Model ID");
}

TEST(HoxNames, OperatingModesDependOnTheModel) {
  EXPECT_STREQ(HoxOperatingModeName(7, 2), "Transfer Rx All");
  EXPECT_STREQ(HoxOperatingModeName(29, 4), "Translate Normal");
  EXPECT_STREQ(HoxOperatingModeName(14, 1), "Transfer Normal");
  EXPECT_STREQ(HoxOperatingModeName(16, 0), "Unknown Operation mode");
  EXPECT_STREQ(HoxOperatingModeName(27, 5), "Unknown Operation mode");
  for (uint32_t model : {1u, 9u, 11u, 33u, 1000u})
    EXPECT_STREQ(HoxOperatingModeName(model, 2), "Invalid Model ID") << model;
  for (uint32_t model : {0u, 8u, 30u, 32u})
    EXPECT_STREQ(HoxOperatingModeName(model, 2), "Unknown Model ID, cannot decode Op. Mode") << model;
}

TEST(HoxNames, SubIdsAndProtocolsHaveGapsBetweenTheirFamilies) {
  EXPECT_STREQ(HoxModelSubIdName(13), "WiFi");
  EXPECT_STREQ(HoxModelSubIdName(14), "Unknown Model Sub ID");
  EXPECT_STREQ(HoxModelSubIdName(39), "NH1");
  EXPECT_STREQ(HoxModelSubIdName(40), "Unknown Model Sub ID");
  EXPECT_STREQ(HoxModelSubIdName(99), "235 kHz");
  EXPECT_STREQ(HoxHardwareProtocolName(0x01), "Serial, KVT");
  EXPECT_STREQ(HoxHardwareProtocolName(0x02), "Unknown HP code");
  EXPECT_STREQ(HoxHardwareProtocolName(0x42), "Ethernet, OneNet");
}

}  // namespace
