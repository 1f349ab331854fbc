#include "gateway/AisPayload.h"

#include "gateway/ClockAge.h"
#include "gateway/DatatypeFormat.h"
#include "decode/GatewayHooks.h"
#include "gateway/N183FieldParse.h"
#include "gateway/Repository.h"
#include "gateway/TimeSource.h"
#include "gateway/UnitConversion.h"
#include "library/N183Lookup.h"

namespace {

constexpr uint32_t kPayloadBits = kAisPayloadBytes * 8;
constexpr uint32_t kMessageIdBits = 6;
constexpr uint32_t kStaticReportId = 24;
constexpr uint32_t kPartNumberBit = 38;
constexpr uint32_t kSixBitCharacter = 6;

// Field definitions whose values are combined with others before writing.
enum CombinedField : uint32_t {
  kRateOfTurn = 4,
  kUtcYear = 16,
  kUtcMonth = 17,
  kUtcDay = 18,
  kUtcHour = 19,
  kUtcMinute = 20,
  kUtcSecond = 21,
  kToBow = 29,
  kToStern = 30,
  kToPort = 31,
  kToStarboard = 32,
  kBeam = 33,
  kEtaMonth = 34,
  kEtaDay = 35,
  kEtaHour = 36,
  kEtaMinute = 37,
};

// The AIS rate of turn is 4.733 x sqrt(degrees per minute); squaring brings
// it back to a linear scale, and +/-127 means turning faster than 708 deg/min.
constexpr int64_t kFastTurnSquare = 224;
constexpr int64_t kRateOfTurnExtreme = 127;

// Values kept from earlier fields of the message, valid when set.
struct Kept {
  RepositoryValue year, month, hour, minute, etaMonth, etaHour, bow, port, starboard;
  uint32_t bowDatatype = RD_NONE;
  const AISFieldDefinition* bowDefinition = nullptr;
};

RepositoryValue NotAvailable() { return RepositoryValue{0, 0, VS_NotAvailable, 1}; }

RepositoryValue Sum(const RepositoryValue& a, const RepositoryValue& b) {
  if (!IsValid(a) || !IsValid(b)) return NotAvailable();
  RepositoryValue v = a;
  Add(v, b);
  return v;
}

RepositoryValue TimeOfDay(const RepositoryValue& h, const RepositoryValue& m, int64_t seconds) {
  if (!IsValid(h) || !IsValid(m) || h.value > 23 || m.value > 59 || seconds > 59) return NotAvailable();
  return RepositoryValue{((h.value * 60 + m.value) * 60 + seconds) * 1000000, -6, VS_Valid, 1};
}

// The arrival date in the current year, or the next when its month has
// passed; without a current date the year is unknown.
RepositoryValue ArrivalDate(const N183ReceiveContext& ctx, const Kept& k, const RepositoryValue& day) {
  if (!IsValid(k.etaMonth) || !IsValid(day)) return NotAvailable();
  const TimeSourceSelection* t = ctx.timeSource;
  int d = 0, m = 0, y = 0;
  if (!t || !IsValid(t->date) || ElapsedMs(GatewayClock(), t->selectedAt) > kTimeSourceMaxAgeMs ||
      !DaysToDate(t->date.value, d, m, y)) {
    return RepositoryValue{0, 0, VS_TimeOut, 1};
  }
  if (k.etaMonth.value < m) ++y;
  RepositoryValue v;
  DateToDays(day.value, k.etaMonth.value, y, v);
  return v;
}

void Store(N183ReceiveContext& ctx, uint32_t datatype, const AISFieldDefinition& def, RepositoryValue v,
           uint32_t slot) {
  if (datatype == RD_NONE) return;
  const DatatypeFormat& format = FormatOfDatatype(datatype);
  const N183ConversionFactor* conversion = GetConversionFactor(def.conversionRow);
  if (conversion && format.entry) ConvertToBaseUnits(v, *conversion, format.exponent, format.resolutionFactor);
  SetValue(ctx.repository, datatype, 0, v, slot);
}

void StoreText(N183ReceiveContext& ctx, const AisAccumulator& acc, uint32_t datatype, uint32_t position,
               uint32_t width) {
  SlotCursor cursor;
  if (OpenSlot(ctx.repository, datatype, 0, acc.slot, false, cursor) != 0) return;
  if (position + width > acc.bits) {
    cursor.SetStatus(VS_NotAvailable);
    return;
  }
  for (uint32_t i = 0; i + kSixBitCharacter <= width; i += kSixBitCharacter) {
    uint64_t c = 0;
    PayloadBits(acc, position + i, kSixBitCharacter, c);
    cursor.PutByte(static_cast<uint8_t>(c < 32 ? c + 64 : c));
  }
  cursor.SetStatus(VS_Valid);
}

const AISMessage* FindMessage(const AisAccumulator& acc) {
  uint64_t id = 0;
  if (!PayloadBits(acc, 0, kMessageIdBits, id)) return nullptr;
  for (uint32_t i = 0; i < kAISMessageCount; ++i) {
    const AISMessage* row = GetAISMessage(i);
    if (row->messageId != id) continue;
    if (id != kStaticReportId) return row;
    uint64_t part = 0;
    if (!PayloadBits(acc, kPartNumberBit, 2, part) || part > 1) return nullptr;
    const AISMessage* partRow = GetAISMessage(i + static_cast<uint32_t>(part));
    return partRow && partRow->messageId == kStaticReportId ? partRow : nullptr;
  }
  return nullptr;
}

}  // namespace

bool AppendArmoured(AisAccumulator& acc, const char* text) {
  for (const char* p = text; *p; ++p) {
    if (acc.bits + kSixBitCharacter > kPayloadBits) {
      acc = AisAccumulator{};
      return false;
    }
    const uint8_t c = static_cast<uint8_t>(*p);
    const uint8_t v = ArmourSixBits(c);
    for (int b = 5; b >= 0; --b) {
      const uint32_t bit = acc.bits++;
      const uint8_t mask = static_cast<uint8_t>(0x80 >> (bit % 8));
      if ((v >> b) & 1) acc.bytes[bit / 8] |= mask;
      else acc.bytes[bit / 8] &= static_cast<uint8_t>(~mask);
    }
  }
  return true;
}

bool PayloadBits(const AisAccumulator& acc, uint32_t position, uint32_t width, uint64_t& out) {
  out = 0;
  if (width > 64 || position > acc.bits || width > acc.bits - position) return false;
  for (uint32_t i = 0; i < width; ++i) {
    const uint32_t bit = position + i;
    out = (out << 1) | ((acc.bytes[bit / 8] >> (7 - bit % 8)) & 1u);
  }
  return true;
}

void DecodeAisPayload(N183ReceiveContext& ctx, const AisAccumulator& acc) {
  const AISMessage* message = FindMessage(acc);
  if (!message || message->fieldCount == 0) return;
  Kept k;
  k.year = k.month = k.hour = k.minute = k.etaMonth = k.etaHour = k.bow = k.port = k.starboard = NotAvailable();
  uint32_t position = 0;
  for (uint32_t i = 0; i < message->fieldCount; ++i) {
    const AISFieldListRow* row = GetAISFieldListRow(message->firstFieldRow + i);
    const AISFieldDefinition* def = row ? GetAISFieldDefinition(row->fieldDefinition) : nullptr;
    if (!def) return;
    const uint32_t datatype = row->repositoryIndex;
    const uint32_t width = def->bitWidth;
    const DatatypeFormat& format = FormatOfDatatype(datatype);
    if (format.isText) {
      StoreText(ctx, acc, datatype, position, width);
      position += width;
      continue;
    }
    RepositoryValue v = NotAvailable();
    uint64_t raw = 0;
    // Bits past the filled ones belong to no message: such a field is not
    // available, whatever an earlier, longer message left there.
    if (width == 0 || PayloadBits(acc, position, width, raw)) {
      int64_t n = static_cast<int64_t>(raw);
      if ((def->isSigned || format.isSigned) && width > 0 && width < 64 && (raw >> (width - 1))) {
        n = static_cast<int64_t>(raw | (~uint64_t{0} << width));
      }
      v = RepositoryValue{n, static_cast<int8_t>(def->exponent), VS_Valid, 1};
      const AISRange* range = GetAISRange(def->rangeRow);
      if (width > 0 && range && (n > range->maximum || n < range->minimum)) {
        v.status = n == range->notAvailable ? VS_NotAvailable : VS_Error;
      }
    }
    position += width;
    switch (def->index) {
      case kUtcYear: k.year = v; break;
      case kUtcMonth: k.month = v; break;
      case kUtcHour: k.hour = v; break;
      case kUtcMinute: k.minute = v; break;
      case kEtaMonth: k.etaMonth = v; break;
      case kEtaHour: k.etaHour = v; break;
      case kToPort: k.port = v; break;
      case kToStarboard: k.starboard = v; break;
      case kUtcDay:
        if (IsValid(v) && IsValid(k.year) && IsValid(k.month)) {
          DateToDays(v.value, k.month.value, k.year.value, v);
        } else {
          v = NotAvailable();
        }
        break;
      case kUtcSecond: v = IsValid(v) ? TimeOfDay(k.hour, k.minute, v.value) : NotAvailable(); break;
      case kEtaDay: v = ArrivalDate(ctx, k, v); break;
      case kEtaMinute: v = TimeOfDay(k.etaHour, v, 0); break;
      case kBeam: v = Sum(k.port, k.starboard); break;
      case kRateOfTurn:
        if (IsValid(v)) {
          const int64_t r = v.value;
          const int64_t sign = r < 0 ? -1 : 1;
          v.value = (r == kRateOfTurnExtreme || r == -kRateOfTurnExtreme) ? sign * kFastTurnSquare : r * r * sign;
        }
        break;
      case kToBow:
        // Written with the stern, as the sum of both.
        k.bow = v;
        k.bowDatatype = datatype;
        k.bowDefinition = def;
        continue;
      case kToStern:
        if (k.bowDefinition) Store(ctx, k.bowDatatype, *k.bowDefinition, Sum(k.bow, v), acc.slot);
        break;
    }
    Store(ctx, datatype, *def, v, acc.slot);
  }
  if (message->pgn != 0 && ctx.pendingPgn) *ctx.pendingPgn = message->pgn;
}
