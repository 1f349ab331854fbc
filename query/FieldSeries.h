// One field of one message stream followed through a whole log, for a plot
// of the field over time. A stream is the NMEA 2000 messages of one PGN from
// one source, or the sentences of one talker and formatter; the field is
// named as the decoders report it, by repeat section and field number. Only
// the stream's records are decoded, found by their frame bytes first, and
// the decoding is spread over the cores.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "decode/FieldSink.h"
#include "log/Record.h"
#include "query/ChunkRun.h"

class RecordList;

struct SeriesStream {
  bool n2k = true;
  uint32_t pgn = 0;
  uint8_t source = 0;
  std::string sentence;  // talker and formatter, "GPGGA", for a sentence stream

  bool operator==(const SeriesStream&) const = default;
};

struct SeriesField {
  SeriesStream stream;
  uint32_t section = 0;  // as FieldResult numbers them
  uint32_t number = 0;

  bool operator==(const SeriesField&) const = default;
};

// One record of the stream. A value that is not a number (not available,
// out of range, an error, text, or a field the record lacks) is NaN: a gap
// in the plot, never a zero.
struct SeriesPoint {
  uint32_t record = 0;  // index in the record list, from 0
  bool reported = false;  // false: the record's decode does not reach the field
  FieldStatus status = FieldStatus::NotAvailable;
  uint64_t time = 0;  // log time
  double value = 0;
};

// The stream a record belongs to; false for a record that carries neither
// an NMEA 2000 message nor a sentence.
bool StreamOfRecord(const Record& record, SeriesStream& stream);

// The number a field result carries, or NaN: the scaled integer or decimal
// digits the decoder reports, or a sentence field's text when it is a plain
// decimal number. Anything but a valid value is NaN.
double FieldNumber(const FieldResult& field);

// Every record of the field's stream in record order, or nothing when the
// run was cancelled.
std::optional<std::vector<SeriesPoint>> GatherSeries(const SeriesField& field, const RecordList& records,
                                                     const ChunkRunControl& control = {});
