// What a filter asks of a record that the record itself answers, without a
// summary or a decode tree: its kind, the NMEA 2000 header of a KVT frame,
// the address of a sentence and the time of day. These run for every record
// of a log of millions, so each reads only the bytes it needs.
#pragma once

#include <cstdint>
#include <string_view>

#include "log/Record.h"

enum class RecordKind : uint8_t { N2k, N183, Ais, Hox, Qlx, Bad, Unknown };

bool IsOfKind(const Record& record, RecordKind kind);

struct N2kHeader {
  uint32_t pgn = 0;
  uint8_t priority = 0;
  uint8_t source = 0;
  uint8_t destination = 0;
};
// False for a record that carries no well-formed NMEA 2000 message.
bool ReadN2kHeader(const Record& record, N2kHeader& header);

// The talker ("GP", or "P" for a proprietary sentence) and the formatter
// ("GGA") of a logged sentence, as views into the record's bytes.
struct SentenceAddress {
  std::string_view talker;
  std::string_view formatter;
};
// False for a record that is not a sentence.
bool ReadSentenceAddress(const Record& record, SentenceAddress& address);

constexpr uint32_t kMillisecondsPerDay = 86400000;
// Milliseconds since midnight; false for a time the record list cannot show.
bool TimeOfDay(const Record& record, uint32_t& milliseconds);

// hh:mm, hh:mm:ss or hh:mm:ss.f to .fff (one-digit hours allowed), in
// milliseconds since midnight. The span is the stretch of time the written
// precision covers: 60000 for a minute, 1 for milliseconds.
bool ParseTimeOfDay(std::string_view text, uint64_t& milliseconds, uint64_t& span);
