// The plans the engine reads its NMEA 2000 entries from must say what the
// image and the library say, entry for entry, and must be found only for
// the entries they were made from.
#include <gtest/gtest.h>

#include <vector>

#include "gateway/N2kEntryPlan.h"
#include "library/N2kLookup.h"
#include "tests/gateway/GatewayDatabase.h"

namespace {

struct Side {
  N2kEntrySide side;
  uint32_t (*count)(const DatabaseImageView&);
  const uint8_t* (*entry)(const DatabaseImageView&, uint32_t);
  const uint8_t* (*field)(const DatabaseImageView&, const uint8_t*, uint32_t);
};

const Side kSides[] = {
    {N2kEntrySide::kReceive, &CountN2KRxPGNs, &GetN2KRxPGN, &GetN2KRxField},
    {N2kEntrySide::kTransmit, &CountN2KTxPGNs, &GetN2KTxPGN, &GetN2KTxField},
};

TEST(N2kEntryPlans, EveryEntryIsFoundWithWhatTheImageSays) {
  const DatabaseImageView& database = FullDatabase();
  N2kEntryPlans plans;
  plans.Build(database);
  for (const Side& side : kSides) {
    ASSERT_GT(side.count(database), 0u);
    for (uint32_t i = 0; i < side.count(database); ++i) {
      const uint8_t* entry = side.entry(database, i);
      const N2kEntryPlan* plan = plans.Find(entry, side.side);
      ASSERT_NE(plan, nullptr) << "entry " << i;
      const N2KPGNEntry pgn = side.side == N2kEntrySide::kReceive ? ReadN2KRxPGN(entry) : ReadN2KTxPGN(entry);
      EXPECT_EQ(plan->pgn.pgn, pgn.pgn);
      EXPECT_EQ(plan->pgn.positionInList, pgn.positionInList);
      EXPECT_EQ(plan->definition, FindPGN(pgn.pgn));
      ASSERT_EQ(plan->fields.size(), pgn.fieldCount) << pgn.pgn;
      ASSERT_EQ(plan->selectors.size(), plan->fields.size());
      for (uint32_t f = 0; f < pgn.fieldCount; ++f) {
        const N2KFieldEntry field = ReadN2KField(side.field(database, entry, f));
        EXPECT_EQ(plan->fields[f].fieldNumber, field.fieldNumber);
        EXPECT_EQ(plan->fields[f].bitPosition, field.bitPosition);
        EXPECT_EQ(plan->fields[f].repositoryIndex, field.repositoryIndex);
        const FieldSelector expected = ResolveFieldSelector(pgn.pgn, field, plan->fields.data(), pgn.fieldCount);
        EXPECT_EQ(plan->selectors[f].present, expected.present) << pgn.pgn << " field " << f;
        EXPECT_EQ(plan->selectors[f].bitPosition, expected.bitPosition);
        EXPECT_EQ(plan->selectors[f].value, expected.value);
      }
    }
  }
}

TEST(N2kEntryPlans, OnlyEntriesOfTheirOwnSideAreFound) {
  const DatabaseImageView& database = FullDatabase();
  N2kEntryPlans plans;
  plans.Build(database);
  const uint8_t* receive = GetN2KRxPGN(database, 1);
  const uint8_t* transmit = GetN2KTxPGN(database, 1);
  EXPECT_EQ(plans.Find(receive, N2kEntrySide::kTransmit), nullptr);
  EXPECT_EQ(plans.Find(transmit, N2kEntrySide::kReceive), nullptr);
  EXPECT_EQ(plans.Find(receive + 1, N2kEntrySide::kReceive), nullptr);
  EXPECT_EQ(plans.Find(nullptr, N2kEntrySide::kReceive), nullptr);
  const uint32_t last = CountN2KTxPGNs(database) - 1;
  const size_t entrySize = static_cast<size_t>(GetN2KTxPGN(database, 1) - GetN2KTxPGN(database, 0));
  EXPECT_EQ(plans.Find(GetN2KTxPGN(database, last) + entrySize, N2kEntrySide::kTransmit), nullptr);
  // An engine on a refused image has no plans; its builders read the image.
  N2kEntryPlans none;
  none.Build(DatabaseImageView{});
  EXPECT_EQ(none.Find(transmit, N2kEntrySide::kTransmit), nullptr);
}

TEST(N2kEntryPlans, ReceivedPgnsFindWhatTheImageSearchFinds) {
  const DatabaseImageView& database = FullDatabase();
  N2kEntryPlans plans;
  plans.Build(database);
  std::vector<uint32_t> pgns = {0, 59392, 0x3FFFF, 0xFFFFFFFFu};
  for (uint32_t i = 0; i < CountN2KRxPGNs(database); ++i) {
    const uint32_t pgn = ReadN2KRxPGN(GetN2KRxPGN(database, i)).pgn;
    pgns.insert(pgns.end(), {pgn, pgn - 1, pgn + 1});
  }
  for (const uint32_t pgn : pgns) {
    const N2kEntryPlans::Received received = plans.FindReceived(pgn);
    const uint8_t* expected = FindN2KRxPGN(database, pgn);
    EXPECT_EQ(received.entry, expected) << pgn;
    EXPECT_EQ(received.plan, plans.Find(expected, N2kEntrySide::kReceive)) << pgn;
    if (expected) {
      EXPECT_NE(received.plan, nullptr) << pgn;
    }
  }
  N2kEntryPlans none;
  none.Build(DatabaseImageView{});
  EXPECT_EQ(none.FindReceived(pgns[4]).entry, nullptr);
}

TEST(N2kEntryPlans, TransmitPlansByPositionAreThoseOfTheirEntries) {
  const DatabaseImageView& database = FullDatabase();
  N2kEntryPlans plans;
  plans.Build(database);
  const uint32_t count = CountN2KTxPGNs(database);
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* entry = GetN2KTxPGN(database, i);
    EXPECT_EQ(plans.FindTransmit(i, entry), plans.Find(entry, N2kEntrySide::kTransmit)) << i;
  }
  // A position that does not hold the entry still finds the entry's own plan.
  const uint8_t* second = GetN2KTxPGN(database, 1);
  EXPECT_EQ(plans.FindTransmit(0, second), plans.Find(second, N2kEntrySide::kTransmit));
  EXPECT_EQ(plans.FindTransmit(count + 5, second), plans.Find(second, N2kEntrySide::kTransmit));
  EXPECT_EQ(plans.FindTransmit(0, GetN2KRxPGN(database, 0)), nullptr);
}

}  // namespace
