// Logged records into the simulated gateway: the clock a record gives the
// gateway, what a record converts into, and the lead-in of records a view
// replays so that the repositories hold what a live gateway would have held
// when the record arrived.
#pragma once

#include <cstddef>
#include <cstdint>

#include "log/Record.h"

class CWXN;
class RecordList;

// The record's log time in milliseconds, in 32 bits as the gateway counts
// (ages are measured modulo the clock's wrap).
uint32_t GatewayClockOf(const Record& record);

// The repository a record is for: NMEA 0183 sentences and NMEA 2000 frames
// (RepositorySide), 0 for anything the gateway does not take.
int RepositorySideOf(const Record& record);

// Receive only: a sentence or an NMEA 2000 frame is converted into its
// repository at `clock`. Returns the repository it went into (RepositorySide),
// or 0 for any other record, which the gateway ignores.
int ReceiveRecord(CWXN& gateway, const Record& record, uint32_t clock);

constexpr uint64_t kLeadInTicks = 10ull * 1000 * 10000;  // 10 s of log time
constexpr size_t kLeadInRecords = 100000;

// The first row of the records logged in the 10 s before `row`, at most
// kLeadInRecords of them; `row` itself when there are none.
size_t LeadInStart(const RecordList& records, size_t row);

struct LeadIn {
  uint32_t clock = 0;  // the gateway clock of the last record received
  int side = 0;        // the repository the last converted record went into
};

// Restarts the gateway on its selected database at the lead-in's first
// moment and receives the lead-in of `row`.
LeadIn ReceiveLeadIn(CWXN& gateway, const RecordList& records, size_t row);
