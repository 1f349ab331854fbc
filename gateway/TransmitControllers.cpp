#include "gateway/TransmitControllers.h"

#include "gateway/ClockAge.h"
#include "gateway/N2kEntryPlan.h"
#include "library/DBImageView.h"

namespace {

std::vector<uint32_t> StaggeredTimes(uint32_t count, uint32_t now) {
  std::vector<uint32_t> times(count);
  for (uint32_t i = 0; i < count; ++i) times[i] = now + kStaggerMs * i;
  return times;
}

// Every step asks; the intervals are read from the entries once, at start.
bool IsDue(bool forced, uint32_t now, uint32_t lastSent, uint64_t interval) {
  return forced || ElapsedMs(now, lastSent) >= interval;
}

bool AnyDue(const std::vector<uint32_t>& lastSent, const std::vector<uint64_t>& interval, uint32_t now) {
  for (size_t i = 0; i < lastSent.size(); ++i) {
    if (IsDue(false, now, lastSent[i], interval[i])) return true;
  }
  return false;
}

uint64_t ScheduledInterval(const N183SentenceEntry& sentence) {
  // Encapsulated ("!") sentences are sent only as answers, never on a schedule.
  return sentence.startDelimiter == '$' ? sentence.transmitInterval : kNeverDue;
}

uint64_t ScheduledInterval(const N2KPGNEntry& pgn) {
  return pgn.transmitInterval != 0 ? pgn.transmitInterval : kNeverDue;
}

// Moves past the current entry; true when that wrapped round the list.
bool Advance(uint32_t& position, uint32_t count) {
  if (++position < count) return false;
  position = 0;
  return true;
}

// One step of each controller, shared by a single step and a whole run so
// that a run's loop holds it inline.
inline bool StepN183(N183Controller& controller, const DatabaseImageView& database, uint32_t now,
                     const EmitSentence& emit) {
  const uint32_t count = static_cast<uint32_t>(controller.lastSent.size());
  // An empty transmit list has nothing to go round: its cycle is over.
  if (count == 0) return true;
  const uint64_t interval = controller.interval[controller.position];
  uint32_t& lastSent = controller.lastSent[controller.position];
  if (interval != kNeverDue && IsDue(controller.forced, now, lastSent, interval)) {
    lastSent = now;
    BuildSentence(*controller.builder, GetN183TxSentence(database, controller.position), emit);
  }
  return Advance(controller.position, count);
}

inline bool StepN2k(N2kController& controller, const DatabaseImageView& database, uint32_t now, const EmitPgn& emit) {
  // A PGN asked for by a received AIS message goes out before the schedule.
  if (controller.builder->pendingPgn != 0 && SendPendingPgn(*controller.builder, emit)) return false;
  const uint32_t count = static_cast<uint32_t>(controller.lastSent.size());
  if (count == 0) return true;
  if (controller.inProgress == nullptr) {
    const uint64_t interval = controller.interval[controller.position];
    uint32_t& lastSent = controller.lastSent[controller.position];
    if (interval != kNeverDue && IsDue(controller.forced, now, lastSent, interval)) {
      controller.inProgress = GetN2KTxPGN(database, controller.position);
      controller.instancesWanted = controller.instances[controller.position];
      controller.instancesSent = 0;
      lastSent = now;
    }
  }
  if (controller.inProgress != nullptr) {
    const N2kEntryPlans* plans = controller.builder->plans;
    const N2kEntryPlan* plan = plans ? plans->FindTransmit(controller.position, controller.inProgress) : nullptr;
    if (plan) BuildAndEmitPgn(*controller.builder, *plan, controller.instancesSent, emit);
    else BuildAndEmitPgn(*controller.builder, controller.inProgress, controller.instancesSent, emit);
    ++controller.instancesSent;
    if (controller.instancesSent >= controller.instancesWanted) controller.inProgress = nullptr;
    // The next instance is sent at the next step, from the same position.
    if (controller.inProgress != nullptr) return false;
  }
  return Advance(controller.position, count);
}

}  // namespace

void StartN183Controller(N183Controller& controller, const DatabaseImageView& database, uint32_t now) {
  controller.lastSent = StaggeredTimes(CountN183TxSentences(database), now);
  controller.interval.clear();
  for (uint32_t i = 0; i < controller.lastSent.size(); ++i) {
    controller.interval.push_back(ScheduledInterval(ReadN183TxSentence(GetN183TxSentence(database, i))));
  }
  controller.position = 0;
}

void StartN2kController(N2kController& controller, const DatabaseImageView& database, uint32_t now) {
  controller.lastSent = StaggeredTimes(CountN2KTxPGNs(database), now);
  controller.interval.clear();
  controller.instances.clear();
  for (uint32_t i = 0; i < controller.lastSent.size(); ++i) {
    const N2KPGNEntry pgn = ReadN2KTxPGN(GetN2KTxPGN(database, i));
    controller.interval.push_back(ScheduledInterval(pgn));
    controller.instances.push_back(pgn.instances);
  }
  controller.position = 0;
  controller.inProgress = nullptr;
  controller.instancesSent = 0;
  controller.instancesWanted = 0;
}

bool AnyN183Due(const N183Controller& controller, uint32_t now) {
  return AnyDue(controller.lastSent, controller.interval, now);
}

bool AnyN2kDue(const N2kController& controller, uint32_t now) {
  return AnyDue(controller.lastSent, controller.interval, now);
}

bool StepN183Controller(N183Controller& controller, const DatabaseImageView& database, uint32_t now,
                        const EmitSentence& emit) {
  return StepN183(controller, database, now, emit);
}

bool StepN2kController(N2kController& controller, const DatabaseImageView& database, uint32_t now,
                       const EmitPgn& emit) {
  return StepN2k(controller, database, now, emit);
}

void RunN183Cycle(N183Controller& controller, const DatabaseImageView& database, uint32_t now,
                  const EmitSentence& emit, const char* frozenText) {
  RunToCycleEnd([&] { return StepN183(controller, database, now, emit); }, frozenText);
}

void RunN2kCycle(N2kController& controller, const DatabaseImageView& database, uint32_t now, const EmitPgn& emit,
                 const char* frozenText) {
  RunToCycleEnd([&] { return StepN2k(controller, database, now, emit); }, frozenText);
}
