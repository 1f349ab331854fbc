// A logged record handed to the gateway as its receivers would take it: NMEA
// 0183 sentences and NMEA 2000 messages are converted, anything else is not
// for the gateway.
#pragma once

#include <cstdint>

class CWXN;
struct Record;

// The gateway clock of a record: its log time in milliseconds, in 32 bits as
// the gateway counts (ages are measured modulo the clock's wrap).
uint32_t GatewayClockOf(const Record& record);

// The repository the record went into (RepositorySide), or 0 when the gateway
// takes nothing from it. `clock` is the gateway clock of the record.
int ReceiveRecord(CWXN& gateway, const Record& record, uint32_t clock);
