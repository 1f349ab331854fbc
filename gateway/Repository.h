// The gateway's store of current values: one slot (status byte + value
// bytes) per datatype instance at the catalogue's offsets, the arbitration
// that decides which talker may write a datatype, and the ageing that turns
// a silent talker's values into Time Out.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/RepositoryCatalogue.h"
#include "base/RepositoryValue.h"
#include "decode/GatewayHooks.h"
#include "gateway/ClockAge.h"
#include "gateway/DatatypeFormat.h"
#include "gateway/ValueBytes.h"

struct DatabaseImageView;

enum RepositorySide : int32_t {
  kN183Repository = 1,
  kN2kRepository = 2,
};

constexpr int32_t kRepoSecondBankMissing = -1789;
constexpr int32_t kRepoInstanceOutOfRange = -1792;
constexpr int32_t kRepoNoOwner = -1793;
constexpr int32_t kRepoRefused = -1794;
constexpr int32_t kRepoDatatypeOutOfRange = -1798;
constexpr int32_t kRepoMissing = -1799;

constexpr uint8_t kFreeAddress = 255;
constexpr uint8_t kNoOwner = 255;
// A holder silent for longer gives up its source slot to any talker.
constexpr uint32_t kSourceHoldMs = 1000;
// A value whose owner is silent for longer reads Time Out.
constexpr uint32_t kValueAgeMs = 4000;

struct SourceEntry {
  uint32_t lastHeard = 0;
  uint8_t address = kFreeAddress;
};

struct Repository {
  std::vector<SourceEntry> sources;
  int32_t sourceCount = 0;
  int32_t side = kN183Repository;
  bool writeSecondBank = true;
  std::array<uint8_t, kRepositoryDataSize> data{};
  uint32_t dataSize = 0;
  std::array<uint8_t, kRepositoryDatatypeCount> owner{};
  uint32_t updateCounter = 0;
  uint32_t updateMark = 0;
  uint32_t lastDatatype = RD_NONE;
  int32_t lastInstance = -1;
};

// Byte-wise access to one slot; a cursor that failed to open points nowhere
// and every operation on it is harmless.
struct SlotCursor {
  uint8_t* slot = nullptr;
  const RepositoryDatatype* datatype = nullptr;
  uint32_t position = 1;

  void PutByte(uint8_t b);
  uint8_t GetByte(uint8_t fallback);
  bool AtEnd() const;
  void SetStatus(uint8_t status);
  uint8_t GetStatus() const;
};

void Init(Repository* repository, const DatabaseImageView& database, int32_t side);
void Clear(Repository* repository);
int32_t UpdateSource(Repository* repository, uint32_t slot, uint8_t address, uint32_t time);
// Reads one value; a value whose owner has been silent too long reads, and
// is marked, Time Out. Inline: every built field and every time-source
// check reads the repository.
inline int32_t GetValue(Repository* r, uint32_t datatype, uint32_t instance, bool secondBank, RepositoryValue& out) {
  if (!r) {
    out.status = VS_Error;
    return kRepoMissing;
  }
  const DatatypeFormat& format = FormatOfDatatype(datatype);
  const RepositoryDatatype* row = format.stored;
  if (!row) {
    out.status = VS_Error;
    return kRepoDatatypeOutOfRange;
  }
  if (instance >= row->instances) {
    out.status = VS_Error;
    return kRepoInstanceOutOfRange;
  }
  if (secondBank) {
    if (!(row->flags & kRepositoryBanked)) {
      out.status = VS_Error;
      return kRepoSecondBankMissing;
    }
    instance += row->instances;
  }
  uint8_t* slot = r->data.data() + row->offset + static_cast<size_t>(instance) * row->slotSize;
  out.exponent = format.exponent;
  out.resolutionFactor = format.resolutionFactor;
  out.status = static_cast<ValueStatus>(slot[0]);
  if (slot[0] >= VS_UseAsValidTestValue) return 0;
  const uint32_t bytes = row->slotSize - 1u;
  uint64_t raw = LoadValueBytes(slot + 1, bytes > 8 ? 8 : bytes);
  if (format.isSigned && format.signBytes > 0 && format.signBytes < 8) {
    const uint32_t bits = 8 * format.signBytes;
    raw &= (uint64_t{1} << bits) - 1;
    if (raw >> (bits - 1)) raw |= ~uint64_t{0} << bits;
  }
  out.value = static_cast<int64_t>(raw);
  if (slot[0] == VS_Valid && (row->flags & kRepositoryAis)) {
    slot[0] = VS_Used;
    return 0;
  }
  const uint8_t owner = r->owner[datatype];
  const uint32_t ownerTime = owner < r->sourceCount ? r->sources[owner].lastHeard : 0;
  if (ElapsedMs(GatewayClock(), ownerTime) > kValueAgeMs) {
    out.status = VS_TimeOut;
    slot[0] = VS_TimeOut;
    r->owner[datatype] = kNoOwner;
  }
  return 0;
}
int32_t SetValue(Repository* repository, uint32_t datatype, uint32_t instance, RepositoryValue value, uint32_t slot);
int32_t GetOwnerTime(const Repository* repository, uint32_t datatype, uint32_t& time);
void BeginUpdate(Repository* repository);
void EndUpdate(Repository* repository);
int32_t CommitBank(Repository* repository, uint32_t datatype);
int32_t OpenSlot(Repository* repository, uint32_t datatype, uint32_t instance, uint32_t slot, bool forced,
                 SlotCursor& out);
int32_t OpenSlotRaw(Repository* repository, uint32_t datatype, uint32_t instance, bool secondBank, SlotCursor& out);

// A floating-point reading brought to the datatype's scale. A datatype
// without a dictionary entry gives -1798; a reading that is not a number
// gives status Error, one beyond 64 bits status Overflow Error.
int32_t FromReal(RepositoryValue& value, uint32_t datatype, double real);
