// The gateway's two transmit schedulers: each walks its side's transmit
// entries of the database and builds those that are due (or all of them when
// forced), one entry per step, until it has gone round the list once.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "gateway/N183SentenceBuilder.h"
#include "gateway/N2kMessageBuilder.h"

struct DatabaseImageView;

// A controller that never completed its cycle: the gateway would have hung.
class CInstrumentErr : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Unfinished steps in a row after which a run gives up.
constexpr uint32_t kFrozenSteps = 502;
// Transmit entry i first starts its interval this much later than entry i-1,
// so that a freshly started gateway does not send everything at once.
constexpr uint32_t kStaggerMs = 10;

// An entry's interval as the schedule reads it, per entry: an entry that is
// never sent on a schedule has one no elapsed time reaches.
constexpr uint64_t kNeverDue = uint64_t{1} << 32;

struct N183Controller {
  std::vector<uint32_t> lastSent;  // one per NMEA 0183 transmit entry
  std::vector<uint64_t> interval;  // likewise
  uint32_t position = 0;
  bool forced = false;
  N183SentenceBuilder* builder = nullptr;
};

struct N2kController {
  std::vector<uint32_t> lastSent;  // one per NMEA 2000 transmit entry
  std::vector<uint64_t> interval;  // likewise
  std::vector<uint32_t> instances;  // likewise
  uint32_t position = 0;
  const uint8_t* inProgress = nullptr;  // entry whose instances are being sent
  uint32_t instancesSent = 0;
  uint32_t instancesWanted = 0;  // of that entry
  bool forced = false;
  N2kMessageBuilder* builder = nullptr;
};

void StartN183Controller(N183Controller& controller, const DatabaseImageView& database, uint32_t now);
void StartN2kController(N2kController& controller, const DatabaseImageView& database, uint32_t now);

// True when an unforced step at `now` would find an entry due. A gateway
// runs its controllers after every message it hears, and mostly nothing is.
bool AnyN183Due(const N183Controller& controller, uint32_t now);
bool AnyN2kDue(const N2kController& controller, uint32_t now);

// One step; true when it completed the cycle.
bool StepN183Controller(N183Controller& controller, const DatabaseImageView& database, uint32_t now,
                        const EmitSentence& emit);
bool StepN2kController(N2kController& controller, const DatabaseImageView& database, uint32_t now,
                       const EmitPgn& emit);

// Steps the controller until its cycle completes, as RunToCycleEnd does.
void RunN183Cycle(N183Controller& controller, const DatabaseImageView& database, uint32_t now,
                  const EmitSentence& emit, const char* frozenText);
void RunN2kCycle(N2kController& controller, const DatabaseImageView& database, uint32_t now, const EmitPgn& emit,
                 const char* frozenText);

// Steps until a cycle completes; throws CInstrumentErr(frozenText) after
// kFrozenSteps unfinished steps in a row. A gateway steps its controllers
// after every message it hears, so the step is called directly.
template <typename Step>
void RunToCycleEnd(Step&& step, const char* frozenText) {
  uint32_t unfinished = 0;
  while (!step()) {
    if (++unfinished >= kFrozenSteps) throw CInstrumentErr(frozenText);
  }
}
