#include "cli/GatewayOutput.h"

#include <algorithm>

#include "decode/DecodeMode.h"
#include "gateway/WXN.h"
#include "log/Record.h"

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
  Record record;
  record.type = MT_N2K;
  record.group = MG_KVT;
  record.data = KvtBodyOf(message);
  DecodeRecord(DM_Summary, context_, record, nullptr);
  return context_.text;
}
