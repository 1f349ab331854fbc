#include "gateway/Repository.h"

#include <cmath>
#include <cstring>
#include <new>

#include "gateway/ClockAge.h"
#include "gateway/DatatypeFormat.h"
#include "gateway/ValueBytes.h"
#include "decode/GatewayHooks.h"
#include "library/DBImageView.h"

namespace {

constexpr uint8_t kStatusNoData = VS_NoDataYet;

// Only rows that name a datatype the repository stores; RD_NONE is never one.
const RepositoryDatatype* StoredRow(uint32_t datatype) { return FormatOfDatatype(datatype).stored; }

uint8_t* SlotAt(Repository& r, const RepositoryDatatype& row, uint32_t instance) {
  return r.data.data() + row.offset + static_cast<size_t>(instance) * row.slotSize;
}

// True when the value fits the bytes a read gives back whole: the slot's
// value bytes, and for a signed format also the width it is sign-extended
// from.
bool FitsSlot(int64_t value, uint32_t valueBytes, const DatatypeFormat& format) {
  if (format.isSigned) {
    uint32_t bytes = valueBytes;
    if (format.signBytes > 0 && format.signBytes < bytes) bytes = format.signBytes;
    if (bytes >= 8) return true;
    const int64_t top = (int64_t{1} << (8 * bytes - 1)) - 1;
    return value >= -top - 1 && value <= top;
  }
  if (value < 0) return false;
  if (valueBytes >= 8) return true;
  return static_cast<uint64_t>(value) < (uint64_t{1} << (8 * valueBytes));
}

}  // namespace

void SlotCursor::PutByte(uint8_t b) {
  if (!slot || AtEnd()) return;
  slot[position++] = b;
}

uint8_t SlotCursor::GetByte(uint8_t fallback) {
  if (!slot || AtEnd()) return fallback;
  return slot[position++];
}

bool SlotCursor::AtEnd() const { return !slot || !datatype || position >= datatype->slotSize; }

void SlotCursor::SetStatus(uint8_t status) {
  if (slot) slot[0] = status;
}

uint8_t SlotCursor::GetStatus() const { return slot ? slot[0] : static_cast<uint8_t>(VS_InvalidStatusAccess); }

void Init(Repository* r, const DatabaseImageView& database, int32_t side) {
  if (!r) return;
  r->updateCounter = 0;
  r->updateMark = 0;
  r->side = side;
  r->writeSecondBank = side != kN2kRepository;
  const uint32_t n = side == kN2kRepository ? CountN2KRxPGNs(database) : CountN183RxSentences(database);
  try {
    r->sources.assign(n + 1u, SourceEntry{});
    r->sourceCount = static_cast<int32_t>(n + 1u);
    r->dataSize = kRepositoryDataSize;
  } catch (const std::bad_alloc&) {
    r->sources.clear();
    r->sourceCount = 0;
    r->dataSize = 0;
  }
  Clear(r);
}

void Clear(Repository* r) {
  if (!r) return;
  if (r->dataSize != 0) {
    for (const RepositoryDatatype& row : kRepositoryDatatypes) {
      const uint32_t slots = row.instances * ((row.flags & kRepositoryBanked) ? 2u : 1u);
      for (uint32_t i = 0; i < slots; ++i) SlotAt(*r, row, i)[0] = kStatusNoData;
    }
  }
  r->owner.fill(kNoOwner);
  for (SourceEntry& s : r->sources) s = SourceEntry{};
}

int32_t UpdateSource(Repository* r, uint32_t slot, uint8_t address, uint32_t time) {
  if (!r || slot >= static_cast<uint32_t>(r->sourceCount)) return 0;
  SourceEntry& s = r->sources[slot];
  if (ElapsedMs(GatewayClock(), s.lastHeard) > kSourceHoldMs) s.address = kFreeAddress;
  if (s.address < address) return kRepoRefused;
  s.lastHeard = time;
  s.address = address;
  return 0;
}

int32_t SetValue(Repository* r, uint32_t datatype, uint32_t instance, RepositoryValue value, uint32_t slot) {
  if (!r) return kRepoMissing;
  if (datatype == RD_NONE) return 0;
  const DatatypeFormat& format = FormatOfDatatype(datatype);
  const RepositoryDatatype* row = format.stored;
  if (!row) return kRepoDatatypeOutOfRange;
  if (instance >= row->instances) return kRepoInstanceOutOfRange;
  if ((row->flags & kRepositoryBanked) && r->writeSecondBank) instance += row->instances;
  if (IsValid(value) && !format.isSigned && value.value < 0) value.status = VS_SignError;
  const bool valid = IsValid(value);
  uint8_t* s = SlotAt(*r, *row, instance);
  const uint8_t owner = r->owner[datatype];
  const uint8_t old = s[0];
  bool write;
  if (owner == kNoOwner || (row->flags & kRepositoryAis) || slot < owner) {
    write = true;
  } else if (slot == owner) {
    const bool sameUpdate = r->updateCounter != r->updateMark && r->lastDatatype == datatype &&
                            r->lastInstance == static_cast<int32_t>(instance);
    write = !(sameUpdate && !valid && old < VS_Used);
  } else {
    write = old >= VS_Used && valid;
  }
  r->lastDatatype = datatype;
  r->lastInstance = static_cast<int32_t>(instance);
  if (!write) return 0;
  r->owner[datatype] = static_cast<uint8_t>(slot < kNoOwner ? slot : kNoOwner);
  if (!valid) {
    s[0] = static_cast<uint8_t>(value.status);
    return 0;
  }
  const int32_t rescaled = value.exponent == format.exponent ? 0 : Rescale(value, format.exponent);
  const uint32_t bytes = row->slotSize - 1u;
  // A number the slot cannot hold whole would read back as another number.
  if (rescaled != 0 || !FitsSlot(value.value, bytes, format)) {
    s[0] = VS_OverflowError;
    return rescaled;
  }
  s[0] = static_cast<uint8_t>(value.status);
  StoreValueBytes(s + 1, static_cast<uint64_t>(value.value), bytes > 8 ? 8 : bytes);
  if (bytes > 8) std::memset(s + 9, value.value < 0 ? 0xFF : 0, bytes - 8);
  return 0;
}

int32_t GetOwnerTime(const Repository* r, uint32_t datatype, uint32_t& time) {
  if (!r) return kRepoMissing;
  if (datatype >= kRepositoryDatatypeCount) return kRepoDatatypeOutOfRange;
  const uint8_t owner = r->owner[datatype];
  if (owner < r->sourceCount) {
    time = r->sources[owner].lastHeard;
    return 0;
  }
  time = 0;
  return kRepoNoOwner;
}

void BeginUpdate(Repository* r) {
  if (!r) return;
  ++r->updateCounter;
  r->lastDatatype = RD_NONE;
  r->lastInstance = -1;
}

void EndUpdate(Repository* r) {
  if (r) r->updateMark = r->updateCounter;
}

int32_t CommitBank(Repository* r, uint32_t datatype) {
  if (!r) return kRepoMissing;
  const RepositoryDatatype* row = GetRepositoryDatatype(datatype);
  if (!row) return kRepoDatatypeOutOfRange;
  if (row->flags & kRepositoryBanked) {
    const size_t bank = static_cast<size_t>(row->instances) * row->slotSize;
    std::memcpy(SlotAt(*r, *row, 0), SlotAt(*r, *row, row->instances), bank);
  }
  return 0;
}

int32_t OpenSlot(Repository* r, uint32_t datatype, uint32_t instance, uint32_t slot, bool forced, SlotCursor& out) {
  out = SlotCursor{};
  if (!r) return kRepoMissing;
  const RepositoryDatatype* row = StoredRow(datatype);
  if (!row) return kRepoDatatypeOutOfRange;
  if (instance >= row->instances) return kRepoInstanceOutOfRange;
  if ((row->flags & kRepositoryBanked) && r->writeSecondBank) instance += row->instances;
  uint8_t* s = SlotAt(*r, *row, instance);
  const uint8_t owner = r->owner[datatype];
  const bool allowed = slot == owner || owner == kNoOwner || (row->flags & kRepositoryAis) ||
                       (!forced && (slot < owner || s[0] != VS_Valid));
  if (!allowed) return kRepoRefused;
  out.slot = s;
  out.datatype = row;
  return 0;
}

int32_t OpenSlotRaw(Repository* r, uint32_t datatype, uint32_t instance, bool secondBank, SlotCursor& out) {
  out = SlotCursor{};
  if (!r) return kRepoMissing;
  const RepositoryDatatype* row = StoredRow(datatype);
  if (!row) return kRepoDatatypeOutOfRange;
  if (instance >= row->instances) return kRepoInstanceOutOfRange;
  if (secondBank && (row->flags & kRepositoryBanked)) instance += row->instances;
  out.slot = SlotAt(*r, *row, instance);
  out.datatype = row;
  return 0;
}

int32_t FromReal(RepositoryValue& value, uint32_t datatype, double real) {
  const DatatypeFormat& format = FormatOfDatatype(datatype);
  if (!format.entry) {
    value.status = VS_Error;
    return kRepoDatatypeOutOfRange;
  }
  const int e = format.exponent;
  const int f = format.resolutionFactor;
  double c = real * std::pow(10.0, -e);
  // Factors 0, 1 and -1 all mean one step per unit of the exponent.
  if (f < -1) c *= -f;
  else if (f > 1) c /= f;
  value.exponent = format.exponent;
  value.resolutionFactor = format.resolutionFactor;
  value.value = 0;
  if (std::isnan(c)) {
    value.status = VS_Error;
    return 0;
  }
  // 2^63 is the first double that no int64 holds.
  if (!(c < 9223372036854775808.0 && c >= -9223372036854775808.0)) {
    value.status = VS_OverflowError;
    return 0;
  }
  value.value = static_cast<int64_t>(c);
  value.status = VS_Valid;
  return 0;
}
