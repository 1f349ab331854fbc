// The repository window's simulator, list rows and targets tree, on a
// gateway's own repositories.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/OutputTree.h"
#include "decode/GatewayHooks.h"
#include "gateway/RepositoryRows.h"
#include "gateway/RepositorySimulation.h"
#include "gateway/WXN.h"

namespace {

std::string Name(uint32_t datatype) { return std::string(GetRepositoryName(datatype)) + " (" + std::to_string(datatype) + ")"; }

std::vector<RepositoryRow> RowsOf(const std::vector<RepositoryRow>& rows, uint32_t datatype) {
  std::vector<RepositoryRow> matching;
  for (const RepositoryRow& row : rows)
    if (row.name == Name(datatype)) matching.push_back(row);
  return matching;
}

std::vector<std::string> ChildTexts(const CTreeNode& node) {
  std::vector<std::string> texts;
  for (const CTreeNode& child : node.Children()) texts.push_back(child.Text());
  return texts;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

int64_t StoredNumber(Repository& repository, uint32_t datatype) {
  RepositoryValue value;
  EXPECT_EQ(GetValue(&repository, datatype, 0, false, value), 0);
  EXPECT_EQ(value.status, VS_Valid);
  return value.value;
}

class RepositorySimulationTest : public ::testing::Test {
 protected:
  CWXN gateway_;
  RepositorySimulator simulator_;
  Repository& n2k_ = gateway_.Engine().n2kRepository;
  Repository& n183_ = gateway_.Engine().n183Repository;
};

TEST_F(RepositorySimulationTest, SatellitesListNineValidPrnsOfAgeZeroAndTheirPgns) {
  simulator_.Satellites(n2k_);
  ASSERT_EQ(GatewayClock(), kSimulationClock);
  const std::vector<RepositoryRow> rows = RepositoryRows(n2k_, GatewayClock());

  const std::vector<RepositoryRow> prns = RowsOf(rows, RD_GNSS_SatPRN);
  ASSERT_EQ(prns.size(), 9u);
  for (size_t i = 0; i < prns.size(); ++i) {
    EXPECT_EQ(prns[i].index, std::to_string(i));
    EXPECT_EQ(prns[i].value, std::to_string(i + 1));
    EXPECT_EQ(prns[i].age, "0");
    EXPECT_EQ(prns[i].status, "Valid");
    EXPECT_EQ(prns[i].cache, "");
  }
  EXPECT_EQ(RowsOf(rows, RD_GNSS_SatSolutionPRN).size(), 4u);
  EXPECT_EQ(RowsOf(rows, RD_GNSSNumSVsInView).at(0).value, "9");
  EXPECT_EQ(RowsOf(rows, RD_GNSSNumSVsInUse).at(0).value, "4");
  EXPECT_EQ(RowsOf(rows, RD_GNSSHDOP).size(), 1u);
  // Written nowhere: not listed.
  EXPECT_TRUE(RowsOf(rows, RD_Date).empty());
  EXPECT_TRUE(RowsOf(rows, RD_GNSS_SatPRNStatus).empty());

  CTreeNodeMFC tree;
  ShowSimulationTargets(tree, n2k_, simulator_.Targets(), gateway_, GatewayClock());
  EXPECT_EQ(tree.Text(), "Library PGNs");
  EXPECT_TRUE(tree.Expand());
  EXPECT_EQ(tree.Children().size(), simulator_.Targets().size());
  EXPECT_TRUE(Contains(ChildTexts(tree), "129540 : GNSS Sats in View"));
}

TEST_F(RepositorySimulationTest, ValuesAgeIntoTimeOutAndStayListed) {
  simulator_.Satellites(n2k_);
  SetGatewayClock(kSimulationClock + kValueAgeMs + 1);
  const std::vector<RepositoryRow> rows = RepositoryRows(n2k_, GatewayClock());
  const std::vector<RepositoryRow> prns = RowsOf(rows, RD_GNSS_SatPRN);
  ASSERT_EQ(prns.size(), 9u);
  EXPECT_EQ(prns[0].status, "Time Out");
  EXPECT_EQ(prns[0].age, "None");  // a timed-out datatype has lost its owner
}

TEST_F(RepositorySimulationTest, TimePressesRunTheCounterRoundAndAlternateTheDate) {
  struct Expected {
    int64_t day;
    double secondsOfDay;
    double offsetMinutes;
  };
  const std::vector<Expected> presses = {
      {9290, 85500, 765}, {9292, 5400, -630}, {9292, 5400, -630}, {9292, 5400, -630}, {9290, 85500, 765}};
  for (size_t press = 0; press < presses.size(); ++press) {
    EXPECT_EQ(simulator_.TimePressCounter(), static_cast<int>(press % 4));
    simulator_.Time(n2k_);
    EXPECT_EQ(StoredNumber(n2k_, RD_Date), presses[press].day) << "press " << press;
    // UTC and the offset are stored scaled: compare with the same values scaled.
    RepositoryValue utc;
    ASSERT_EQ(FromReal(utc, RD_UTC, presses[press].secondsOfDay), 0);
    EXPECT_EQ(StoredNumber(n2k_, RD_UTC), utc.value) << "press " << press;
    RepositoryValue offset;
    ASSERT_EQ(FromReal(offset, RD_UTCLocalOffset, presses[press].offsetMinutes), 0);
    EXPECT_EQ(StoredNumber(n2k_, RD_UTCLocalOffset), offset.value) << "press " << press;
  }
  EXPECT_EQ(StoredNumber(n2k_, RD_TimeSource), 0);
}

TEST_F(RepositorySimulationTest, Nmea0183SideTargetsSentencesAndBuildsThemFromTheGateway) {
  // The sentences are built from what NMEA 2000 talkers sent.
  simulator_.Satellites(n2k_);
  simulator_.Satellites(n183_);
  const std::vector<RepositoryRow> rows = RepositoryRows(n183_, GatewayClock());
  EXPECT_FALSE(RowsOf(rows, RD_GNSS_SatPRN).empty());

  CTreeNodeMFC tree;
  ShowSimulationTargets(tree, n183_, simulator_.Targets(), gateway_, GatewayClock());
  EXPECT_EQ(tree.Text(), "NMEA 0183 Sentences Targetted ");
  ASSERT_EQ(tree.Children().size(), 2u);
  EXPECT_EQ(tree.Children()[0].Text(), "All (Library) Sentences");
  EXPECT_TRUE(Contains(ChildTexts(tree.Children()[0]), "GSV"));
  EXPECT_EQ(tree.Children()[1].Text(), "Actual (Database) Sentences");
  EXPECT_TRUE(Contains(ChildTexts(tree.Children()[1]), "GSV"));
  // Each built sentence is labelled with its formatter and decoded beneath.
  for (const CTreeNode& sentence : tree.Children()[1].Children()) {
    EXPECT_EQ(sentence.Text().size(), 3u) << sentence.Text();
    EXPECT_FALSE(sentence.Children().empty()) << sentence.Text();
  }
  EXPECT_TRUE(gateway_.N183Output().empty());
}

TEST(RepositoryRowsOrder, BanksOfOneInstanceSitTogether) {
  CWXN gateway;
  Repository& n183 = gateway.Engine().n183Repository;
  ASSERT_TRUE(n183.writeSecondBank);
  ASSERT_TRUE(GetRepositoryDatatype(RD_GNSS_SatPRN)->flags & kRepositoryBanked);
  RepositorySimulator simulator;
  simulator.Satellites(n183);
  // The simulator writes the group's cache; committing makes both banks hold it.
  ASSERT_EQ(CommitBank(&n183, RD_GNSS_SatPRN), 0);
  const std::vector<RepositoryRowKey> keys = ListedRepositoryRows(n183);
  std::vector<RepositoryRowKey> prns;
  std::copy_if(keys.begin(), keys.end(), std::back_inserter(prns),
               [](const RepositoryRowKey& key) { return key.datatype == RD_GNSS_SatPRN; });
  ASSERT_EQ(prns.size(), 18u);
  for (size_t i = 0; i < prns.size(); ++i) {
    EXPECT_EQ(prns[i].instance, i / 2);
    EXPECT_EQ(prns[i].secondBank, i % 2 == 1);
    EXPECT_EQ(RepositoryCell(n183, prns[i], kCacheColumn, GatewayClock()), i % 2 == 1 ? "Cache" : "");
  }
}

}  // namespace
