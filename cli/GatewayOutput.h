// What the simulated gateway transmits, in the log's own forms: an NMEA 2000
// message as the KVT frame a logger would record, and the one-line summary
// the record list shows for it.
#pragma once

#include <cstdint>
#include <string>

#include "decode/RecordDecoder.h"
#include "log/Framing.h"

struct N2kOutputMessage;

// A KVT 0x93 frame body (command to checksum) carrying the message.
Bytes KvtBodyOf(const N2kOutputMessage& message);
// The record list's summary of that frame, decoded in `context`.
const std::string& SummaryOf(const N2kOutputMessage& message, DecodeContext& context);
