// The gateway skips a controller cycle when nothing is due; whether anything
// is due must agree with what a full cycle of steps would have sent.
#include <gtest/gtest.h>

#include <vector>

#include "gateway/WXN.h"

namespace {

// Instants forward in steps that hit and miss the intervals, a step back as
// when an earlier record is taken up, and a jump across the clock's wrap.
std::vector<uint32_t> Instants() {
  std::vector<uint32_t> t;
  for (uint32_t now = 0; now < 6000; now += 37) t.push_back(now);
  for (uint32_t now = 3000; now < 4000; now += 50) t.push_back(now);
  for (uint32_t now = 0xFFFFFF00u; now != 0x400u; now += 64) t.push_back(now);
  return t;
}

TEST(ControllerDue, DueExactlyWhenAFullCycleSendsSomething) {
  CWXN gateway;
  GatewayEngine& engine = gateway.Engine();
  const std::string gll = "$GPGLL,4916.45,N,12311.12,W,225444,A,A*5C";
  uint32_t sent = 0;
  const EmitSentence sentence = [&](const N183OutputSentence&) { ++sent; };
  const EmitPgn pgn = [&](const N2kMessageBuilder&) { ++sent; };
  uint32_t dueN183 = 0;
  uint32_t dueN2k = 0;
  for (const uint32_t now : Instants()) {
    gateway.ConvertN183(gll.c_str(), static_cast<uint32_t>(gll.size()), now);
    engine.messageBuilder.pendingPgn = 0;

    const bool n183Due = AnyN183Due(engine.n183Controller, now);
    std::vector<uint32_t> before = engine.n183Controller.lastSent;
    RunToCycleEnd([&] { return StepN183Controller(engine.n183Controller, engine.database, now, sentence); }, "");
    EXPECT_EQ(n183Due, before != engine.n183Controller.lastSent) << now;
    dueN183 += n183Due;

    const bool n2kDue = AnyN2kDue(engine.n2kController, now);
    before = engine.n2kController.lastSent;
    RunToCycleEnd([&] { return StepN2kController(engine.n2kController, engine.database, now, pgn); }, "");
    EXPECT_EQ(n2kDue, before != engine.n2kController.lastSent) << now;
    dueN2k += n2kDue;
  }
  // Both answers were given, many times each.
  EXPECT_GT(dueN183, 10u);
  EXPECT_GT(dueN2k, 10u);
  EXPECT_LT(dueN183, Instants().size() - 10);
  EXPECT_LT(dueN2k, Instants().size() - 10);
  EXPECT_GT(sent, 0u);
}

}  // namespace
