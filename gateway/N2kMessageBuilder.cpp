#include "gateway/N2kMessageBuilder.h"

#include <cstring>
#include <vector>

#include "decode/N2kFieldExtract.h"
#include "gateway/DatatypeFormat.h"
#include "gateway/FieldSelector.h"
#include "gateway/N2kEntryPlan.h"
#include "gateway/Repository.h"
#include "gateway/ValueBytes.h"
#include "library/DBImageView.h"
#include "library/N2kLookup.h"

namespace {

constexpr uint8_t kNoRepeat = 0xFF;
constexpr uint8_t kEveryInstance = 0xFF;
constexpr uint32_t kEngineParametersRapid = 127488;
constexpr int32_t kEncodeFailed = 1701;

bool FitsBytes(int64_t v, uint32_t n, bool isSigned) {
  if (n >= 8) return isSigned || v >= 0;
  if (isSigned) {
    const int64_t top = (int64_t{1} << (8 * n - 1)) - 1;
    return v >= -top - 1 && v <= top;
  }
  return v >= 0 && static_cast<uint64_t>(v) < (uint64_t{1} << (8 * n));
}

// False when the field lies outside the buffer or has no place.
bool WriteValue(N2kMessageBuilder& b, const N2KFieldEntry& f, const N2kFieldFormat& format, RepositoryValue v,
                uint32_t p) {
  if (f.sizeBits > 0) {
    uint64_t bits = static_cast<uint64_t>(v.value);
    if (v.status > VS_Used) bits = format.zeroWhenNull ? 0 : ~uint64_t{0};
    return WriteBitsLE(b.data.data(), kPgnBufferBytes, p, f.sizeBits, bits);
  }
  const uint32_t n = f.sizeBytes;
  if (n == 0 || p % 8 != 0 || p / 8 + n > kPgnBufferBytes) return false;
  bool notAvailable =
      v.status > VS_Used || n > 8 || (v.exponent != format.exponent && Rescale(v, format.exponent) != 0);
  // A number the field cannot hold would reach the bus as another number.
  if (!notAvailable && !FitsBytes(v.value, n, format.isSigned)) notAvailable = true;
  uint8_t* out = b.data.data() + p / 8;
  if (!notAvailable) {
    StoreValueBytes(out, static_cast<uint64_t>(v.value), n);
    return true;
  }
  std::memset(out, 0xFF, n);
  if (format.isSigned) out[n - 1] = 0x7F;
  return true;
}

// 0 on success.
int32_t EncodeField(N2kMessageBuilder& b, const N2KFieldEntry& f, const N2kFieldFormat& format, uint32_t instance,
                    uint32_t p) {
  if (format.isText) {
    SlotCursor slot;
    // A text no target has sent, or one that aged out, keeps the fill: the
    // bytes of an earlier target's text must not go out under a new one.
    if (OpenSlotRaw(b.repository, f.repositoryIndex, instance, false, slot) != 0 || slot.GetStatus() > VS_Used) {
      return 0;
    }
    for (uint32_t i = 0; i < f.sizeBytes && !slot.AtEnd() && p / 8 + i < kPgnBufferBytes; ++i) {
      b.data[p / 8 + i] = slot.GetByte(0xFF);
    }
    return 0;
  }
  RepositoryValue v;
  const int32_t read = GetValue(b.repository, f.repositoryIndex, instance, false, v);
  const bool written = WriteValue(b, f, format, v, p);
  if (v.status >= VS_Invalid || !written) return kEncodeFailed;
  return read;
}

void WriteSelector(N2kMessageBuilder& b, const FieldSelector& s) {
  if (s.present) WriteBitsLE(b.data.data(), kPgnBufferBytes, s.bitPosition, s.bitWidth, s.value);
}

void WriteInstanceField(N2kMessageBuilder& b, const N2kInstanceField& field, uint32_t instance) {
  if (b.pgn == kEngineParametersRapid || !field.present) return;
  if (field.bitPosition + field.bitWidth <= b.length * 8) {
    WriteBitsLE(b.data.data(), kPgnBufferBytes, field.bitPosition, field.bitWidth, instance);
  }
}

int32_t BuildPlanned(N2kMessageBuilder& b, const N2kEntryPlan& plan, uint32_t instance) {
  const N2KPGNEntry& e = plan.pgn;
  const std::vector<N2KFieldEntry>& fields = plan.fields;
  b.data.fill(0xFF);
  b.length = e.size < b.capacity ? e.size : b.capacity;
  b.destination = 255;
  b.source = 0;
  b.pgn = e.pgn;
  b.priority = e.priority;
  b.time = 0;
  const uint32_t count = static_cast<uint32_t>(fields.size());
  const bool repeats = e.groupFieldIndex != kNoRepeat && e.groupFieldIndex < count && e.groupSize > 0;
  const uint32_t fixed = repeats ? e.groupFieldIndex : count;
  uint32_t good = 0;
  for (uint32_t i = 0; i < fixed; ++i) {
    const N2KFieldEntry& f = fields[i];
    if (f.instance != kEveryInstance && f.instance != instance) continue;
    const int32_t r = EncodeField(b, f, plan.formats[i], 0, f.bitPosition);
    if (r != 0 && (f.flags & kN2KFieldCritical)) return kBuildNothingToSend;
    if (r == 0 && (f.flags & kN2KFieldInValidCount)) ++good;
    WriteSelector(b, plan.selectors[i]);
  }
  if (repeats) {
    int64_t repetitions = 0;
    RepositoryValue c;
    if (GetValue(b.repository, e.repeatRepository, 0, false, c) == 0 && IsValid(c)) repetitions = c.value;
    const uint32_t setEnd = e.groupFieldIndex + e.groupSize < count ? e.groupFieldIndex + e.groupSize : count;
    const uint64_t firstBit = fields[e.groupFieldIndex].bitPosition;
    uint64_t offset = 0;
    for (int64_t r = 0; r < repetitions; ++r) {
      // The whole repetition, counted from the start of the data, must fit.
      if (firstBit + offset + e.groupBits > uint64_t{kPgnBufferBytes} * 8) return kBuildRepeatsTooLong;
      for (uint32_t i = e.groupFieldIndex; i < setEnd; ++i) {
        const N2KFieldEntry& f = fields[i];
        const int32_t result =
            EncodeField(b, f, plan.formats[i], static_cast<uint32_t>(r), static_cast<uint32_t>(f.bitPosition + offset));
        if (result == 0 && (f.flags & kN2KFieldInValidCount)) ++good;
        if (result == 0) WriteSelector(b, plan.selectors[i]);
      }
      offset += e.groupBits;
      if (e.groupBits == 0) break;
    }
    // A repetition that ends inside a byte still sends that byte.
    b.length = static_cast<uint32_t>((firstBit + offset + 7) / 8);
  } else if (e.size > kPgnBufferBytes) {
    b.length = 0;
  }
  if (good == 0) return kBuildNothingToSend;
  if (!plan.definition) return kBuildNothingToSend;
  WriteInstanceField(b, plan.instanceField, instance);
  return 0;
}

}  // namespace

int32_t BuildPgn(N2kMessageBuilder& b, const uint8_t* entry, uint32_t instance) {
  if (!entry || !b.database) return kBuildNoEntry;
  if (const N2kEntryPlan* planned = b.plans ? b.plans->Find(entry, N2kEntrySide::kTransmit) : nullptr) {
    return BuildPlanned(b, *planned, instance);
  }
  return BuildPlanned(b, PlanN2kEntry(*b.database, entry, N2kEntrySide::kTransmit), instance);
}

int32_t BuildAndEmitPgn(N2kMessageBuilder& b, const uint8_t* entry, uint32_t instance, const EmitPgn& emit) {
  const int32_t result = BuildPgn(b, entry, instance);
  if (result == 0 && emit) emit(b);
  return result;
}

int32_t BuildAndEmitPgn(N2kMessageBuilder& b, const N2kEntryPlan& plan, uint32_t instance, const EmitPgn& emit) {
  if (!b.database) return kBuildNoEntry;
  const int32_t result = BuildPlanned(b, plan, instance);
  if (result == 0 && emit) emit(b);
  return result;
}

bool SendPendingPgn(N2kMessageBuilder& b, const EmitPgn& emit) {
  if (b.pendingPgn == 0) return false;
  const uint32_t pgn = b.pendingPgn;
  b.pendingPgn = 0;
  if (b.database) BuildAndEmitPgn(b, FindN2KTxPGN(*b.database, pgn), 0, emit);
  return true;
}
