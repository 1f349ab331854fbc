// What the simulated gateway transmits, in the log's own forms: an NMEA 2000
// message as the KVT frame a logger would record, and the one-line summary
// the record list shows for it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "gateway/N2kMessageBuilder.h"
#include "log/Framing.h"

struct N2kOutputMessage;

// Turns message after message into frames and summaries in buffers it keeps,
// so that a whole log's output allocates nothing per message.
class GatewayOutputWriter {
 public:
  // A KVT 0x93 frame body (command to checksum) carrying the message; valid
  // until the next call.
  std::span<const uint8_t> KvtBodyOf(const N2kOutputMessage& message);
  // The record list's summary of that frame; valid until the next call.
  const std::string& SummaryOf(const N2kOutputMessage& message);

 private:
  // priority, PGN, destination, source, time, length, data
  static constexpr size_t kPayloadHead = 11;
  std::array<uint8_t, kPayloadHead + kPgnBufferBytes> payload_{};
  Bytes body_;
  std::string text_;
};
