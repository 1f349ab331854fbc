#include "gateway/ReceiveRecord.h"

#include "decode/N2kDecoder.h"
#include "gateway/Repository.h"
#include "gateway/WXN.h"
#include "log/LogTime.h"
#include "log/MessageType.h"
#include "log/Record.h"

uint32_t GatewayClockOf(const Record& record) {
  return static_cast<uint32_t>(record.time / kFileTimeTicksPerMillisecond);
}

int ReceiveRecord(CWXN& gateway, const Record& record, uint32_t clock) {
  if (record.type == MT_N183) {
    gateway.ConvertN183(reinterpret_cast<const char*>(record.data.data()), static_cast<uint32_t>(record.data.size()),
                        clock);
    return kN183Repository;
  }
  if (record.type == MT_N2K) {
    N2kMessage message;
    if (ParseKvtN2k(record.data.data(), static_cast<uint32_t>(record.data.size()), message) != 0) return 0;
    // The frame's own stamp is the logger's, or the host's tick count.
    message.time = clock;
    gateway.ConvertN2k(message, clock);
    return kN2kRepository;
  }
  return 0;
}
