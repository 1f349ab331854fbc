#include "base/RepositoryCatalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

bool IsBankedRow(uint32_t i) { return i == 70 || (i >= 82 && i <= 87); }

TEST(RepositoryCatalogue, SlotsTileTheDataAreaWithoutGaps) {
  uint32_t offset = 0;
  for (const RepositoryDatatype& row : kRepositoryDatatypes) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.offset, offset);
    const uint32_t banks = (row.flags & kRepositoryBanked) ? 2 : 1;
    EXPECT_EQ(row.totalSize, row.instances * row.slotSize * banks);
    EXPECT_GE(row.slotSize, 1);
    offset += row.totalSize;
  }
  EXPECT_EQ(offset, kRepositoryDataSize);
}

TEST(RepositoryCatalogue, FlagsMarkTheAisAndBankedRows) {
  for (uint32_t i = 0; i < kRepositoryDatatypeCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ((kRepositoryDatatypes[i].flags & kRepositoryAis) != 0, i <= RD_AIS_Version);
    EXPECT_EQ((kRepositoryDatatypes[i].flags & kRepositoryBanked) != 0, IsBankedRow(i));
  }
  EXPECT_EQ(std::string(kRepositoryDatatypes[43].name), "RD_AIS_Version");
  EXPECT_EQ(std::string(kRepositoryDatatypes[44].name), "RD_AirTemp");
}

TEST(RepositoryCatalogue, CountDatatypesNameTheRowsThatCountInstances) {
  for (uint32_t i = 0; i < kRepositoryDatatypeCount; ++i) {
    const RepositoryDatatype& row = kRepositoryDatatypes[i];
    SCOPED_TRACE(row.name);
    uint32_t expected = RD_NONE;
    if (i >= RD_GNSS_RefStationAge && i <= RD_GNSS_RefStationType) expected = RD_GNSSNumRefStations;
    if (i >= RD_GNSS_SatAzimuth && i <= RD_GNSS_SatSNR) expected = RD_GNSSNumSVsInView;
    EXPECT_EQ(row.countDatatype, expected);
    EXPECT_STREQ(row.countDatatypeName, GetRepositoryName(row.countDatatype));
    // A counted datatype needs room for as many instances as the count allows.
    if (expected != RD_NONE) {
      EXPECT_GT(row.instances, 1);
    }
  }
}

TEST(RepositoryCatalogue, RowsAreIndexedNamedAndDescribed) {
  std::set<std::string> names;
  std::set<std::string> descriptions;
  for (uint32_t i = 0; i < kRepositoryDatatypeCount; ++i) {
    const RepositoryDatatype& row = kRepositoryDatatypes[i];
    EXPECT_EQ(row.index, i);
    EXPECT_EQ(std::string(row.name).rfind("RD_", 0), 0u) << row.name;
    EXPECT_TRUE(names.insert(row.name).second) << "duplicate " << row.name;
    EXPECT_GT(std::string(row.description).size(), 10u) << row.name;
    EXPECT_TRUE(descriptions.insert(row.description).second) << "duplicate text at " << row.name;
  }
}

TEST(RepositoryCatalogue, NoneMarksIndex100AndHoldsNoValue) {
  EXPECT_EQ(RD_NONE, 100);
  EXPECT_STREQ(GetRepositoryName(RD_NONE), "RD_NONE");
  EXPECT_EQ(kRepositoryDatatypes[RD_NONE].slotSize, 1);
  EXPECT_EQ(kRepositoryDatatypes[RD_NONE].dictionaryIndex, 0);
}

TEST(RepositoryCatalogue, LookupsRefuseIndicesPastTheTable) {
  EXPECT_EQ(GetRepositoryDatatype(139), &kRepositoryDatatypes[139]);
  EXPECT_STREQ(GetRepositoryName(RD_Yaw), "RD_Yaw");
  EXPECT_EQ(GetRepositoryDatatype(140), nullptr);
  EXPECT_EQ(GetRepositoryDatatype(0xFFFFFFFFu), nullptr);
  EXPECT_STREQ(GetRepositoryName(140), "");
}

}  // namespace
