// The lead-in a view replays into a fresh gateway before showing a record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gateway/RecordReceive.h"
#include "gateway/RepositoryRows.h"
#include "gateway/WXN.h"
#include "log/Framing.h"
#include "log/RecordParser.h"

namespace {

constexpr uint64_t kMs = 10000;  // log time ticks
constexpr uint64_t kStart = 134000000000000000ull;

// One sentence per record, at the given offsets in milliseconds.
void Parse(RecordParser& parser, const std::vector<uint64_t>& offsets, const std::string& sentence) {
  Bytes log;
  for (uint64_t offset : offsets) {
    AppendTimeTag(log, kStart + offset * kMs);
    AppendSentence(log, WithChecksum(sentence));
  }
  parser.Parse(log.data(), log.size());
}

TEST(RecordReceive, LeadInIsTheTenSecondsBeforeTheRecord) {
  RecordParser parser;
  Parse(parser, {0, 4999, 5000, 9000, 15000}, "$HEHDT,123.4,T");
  ASSERT_EQ(parser.Count(), 5u);
  EXPECT_EQ(LeadInStart(parser.Records(), 4), 2u) << "exactly 10 s before is inside, a tick more is not";
  EXPECT_EQ(LeadInStart(parser.Records(), 0), 0u);
  EXPECT_EQ(LeadInStart(parser.Records(), 3), 0u);
}

TEST(RecordReceive, LeadInStopsAtTheRecordLimit) {
  std::vector<uint64_t> offsets(kLeadInRecords + 5, 1000);
  RecordParser parser;
  Parse(parser, offsets, "$HEHDT,1.0,T");
  ASSERT_EQ(parser.Count(), offsets.size());
  const size_t last = offsets.size() - 1;
  EXPECT_EQ(LeadInStart(parser.Records(), last), last - kLeadInRecords);
}

TEST(RecordReceive, LeadInFillsTheRepositoryOnTheRecordsClock) {
  RecordParser parser;
  Parse(parser, {0, 20000, 23000, 25000}, "$HEHDT,123.4,T");
  CWXN gateway;
  gateway.SelectDatabase("Std", 0);
  const LeadIn lead = ReceiveLeadIn(gateway, parser.Records(), 3);
  EXPECT_EQ(lead.clock, GatewayClockOf(parser.At(2)));
  EXPECT_EQ(lead.side, kN183Repository);
  const uint32_t now = GatewayClockOf(parser.At(3));
  // Heard at 23 s, 2 s before the record: the age comes from the log's times.
  bool found = false;
  for (const RepositoryRow& row : RepositoryRows(gateway.Engine().n183Repository, now)) {
    if (row.name.find("RD_HeadingSensorTrue") == std::string::npos) continue;
    found = true;
    EXPECT_EQ(row.age, "2000");
    EXPECT_EQ(row.status, "Valid");
  }
  EXPECT_TRUE(found);
}

}  // namespace
