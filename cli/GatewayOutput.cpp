#include "cli/GatewayOutput.h"

#include "decode/DecodeMode.h"
#include "gateway/WXN.h"
#include "log/Record.h"
#include "decode/RecordDecoder.h"

Bytes KvtBodyOf(const N2kOutputMessage& message) {
  Bytes payload;
  payload.push_back(message.priority);
  PutLittleEndian(payload, message.pgn, 3);
  payload.push_back(message.destination);
  payload.push_back(message.source);
  PutLittleEndian(payload, message.time, 4);
  payload.push_back(static_cast<uint8_t>(message.length));
  payload.insert(payload.end(), message.data.begin(), message.data.begin() + message.length);
  return MakeKvtBody(0x93, payload);
}

const std::string& SummaryOf(const N2kOutputMessage& message, DecodeContext& context) {
  const Bytes body = KvtBodyOf(message);
  Record record;
  record.type = MT_N2K;
  record.group = MG_KVT;
  record.data = body;
  DecodeRecord(DM_Summary, context, record, nullptr);
  return context.text;
}
