#include "gateway/RecordReceive.h"

#include "decode/N2kDecoder.h"
#include "gateway/Repository.h"
#include "gateway/WXN.h"
#include "log/LogTime.h"
#include "log/MessageType.h"
#include "log/RecordList.h"

uint32_t GatewayClockOf(const Record& record) {
  return static_cast<uint32_t>(record.time / kFileTimeTicksPerMillisecond);
}

int RepositorySideOf(const Record& record) {
  if (record.type == MT_N183) return kN183Repository;
  if (record.type == MT_N2K) return kN2kRepository;
  return 0;
}

int ReceiveRecord(CWXN& gateway, const Record& record, uint32_t clock) {
  if (record.type == MT_N183) {
    gateway.ConvertN183(reinterpret_cast<const char*>(record.data.data()), static_cast<uint32_t>(record.data.size()),
                        clock);
    return kN183Repository;
  }
  if (record.type == MT_N2K) {
    N2kMessage message;
    if (ParseKvtN2k(record.data.data(), static_cast<uint32_t>(record.data.size()), message, clock) != 0) return 0;
    gateway.ConvertN2k(message, clock);
    return kN2kRepository;
  }
  return 0;
}

size_t LeadInStart(const RecordList& records, size_t row) {
  const uint64_t end = records.At(row).time;
  const uint64_t begin = end > kLeadInTicks ? end - kLeadInTicks : 0;
  size_t start = row;
  // Log time only goes forward; the first record outside the window ends it.
  while (start > 0 && row - start < kLeadInRecords) {
    const uint64_t time = records.At(start - 1).time;
    if (time < begin || time > end) break;
    --start;
  }
  return start;
}

LeadIn ReceiveLeadIn(CWXN& gateway, const RecordList& records, size_t row) {
  const size_t start = LeadInStart(records, row);
  LeadIn result;
  result.clock = GatewayClockOf(records.At(start));
  gateway.RebuildEngine(result.clock);
  for (size_t i = start; i < row; ++i) {
    const Record record = records.At(i);
    // Records before the first time tag carry no time: the clock stands.
    if (record.time != 0) result.clock = GatewayClockOf(record);
    if (const int side = ReceiveRecord(gateway, record, result.clock)) result.side = side;
  }
  return result;
}
