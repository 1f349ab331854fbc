#include "cli/GatewayOutput.h"

#include <algorithm>

#include "decode/N2kDecoder.h"
#include "gateway/WXN.h"

std::span<const uint8_t> GatewayOutputWriter::KvtBodyOf(const N2kOutputMessage& message) {
  uint8_t* p = payload_.data();
  const auto put = [&p](uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) *p++ = static_cast<uint8_t>(value >> (8 * i));
  };
  put(message.priority, 1);
  put(message.pgn, 3);
  put(message.destination, 1);
  put(message.source, 1);
  put(message.time, 4);
  const uint32_t length = std::min<uint32_t>(message.length, kPgnBufferBytes);
  put(length, 1);
  p = std::copy_n(message.data.begin(), length, p);
  AssignKvtBody(body_, 0x93, std::span<const uint8_t>(payload_.data(), static_cast<size_t>(p - payload_.data())));
  return body_;
}

const std::string& GatewayOutputWriter::SummaryOf(const N2kOutputMessage& message) {
  // The list's summary of the frame KvtBodyOf writes, taken from the message
  // itself: reading that frame back gives these fields, masked as the
  // frame's reader masks them. A whole log's output is summarised this way,
  // so the frame is not written only to be read again.
  N2kMessage read;
  read.priority = message.priority & 0x07;
  read.pgn = message.pgn & 0x3FFFF;
  read.destination = message.destination;
  read.source = message.source;
  read.time = message.time;
  read.length = static_cast<int32_t>(std::min<uint32_t>(message.length, kPgnBufferBytes));
  read.data = message.data.data();
  text_.clear();
  AppendN2kSummary(text_, read);
  return text_;
}
