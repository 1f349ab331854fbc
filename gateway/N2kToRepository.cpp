#include "gateway/N2kToRepository.h"

#include <optional>
#include <vector>

#include "decode/N2kDecoder.h"
#include "decode/N2kFieldExtract.h"
#include "gateway/FieldSelector.h"
#include "gateway/N2kEntryPlan.h"
#include "gateway/Repository.h"
#include "library/DBImageView.h"
#include "library/N2kLookup.h"

namespace {

constexpr uint8_t kNoRepeat = 0xFF;
constexpr uint32_t kSatellitesInViewPgn = 129540;
constexpr uint32_t kSolutionPrns = 12;
constexpr uint32_t kMaxSelectorBits = 32;
constexpr int64_t kUsed = 2;
constexpr int64_t kUsedWithDifferential = 5;

struct Message {
  const uint8_t* data;
  uint32_t length;
};

void ConvertField(N2kReceiveContext& ctx, const N2kEntryPlan& plan, uint32_t index, uint32_t offset,
                  uint32_t instance, const Message& m) {
  const N2KFieldEntry& f = plan.fields[index];
  const FieldSelector& selector = plan.selectors[index];
  if (selector.present) {
    uint64_t bits = 0;
    const uint32_t width = selector.bitWidth < kMaxSelectorBits ? selector.bitWidth : kMaxSelectorBits;
    if (!ReadBitsLE(m.data, m.length, selector.bitPosition, width, bits) || bits != selector.value) return;
  }
  const DataDictionaryEntry* entry = plan.formats[index].dictionary;
  if (!entry) return;
  const uint32_t bit = f.bitPosition + offset;
  RepositoryValue v{0, 0, VS_Valid, 1};
  if (IsBitFieldFormat(entry->dataType)) {
    v = ExtractBitField(m.data, m.length, bit, f.sizeBits, (f.flags & kN2KFieldNullCheck) != 0).value;
  } else if (entry->dataType >= 9) {
    v = ExtractByteField(m.data, m.length, *entry, f.sizeBytes, bit / 8).value;
  }
  SetValue(ctx.repository, f.repositoryIndex, instance, v, plan.pgn.positionInList);
}

void DeriveSolutionPrns(Repository* r, uint32_t slot) {
  RepositoryValue inView;
  GetValue(r, RD_GNSSNumSVsInView, 0, false, inView);
  if (!IsValid(inView) || inView.value <= 0) return;
  uint32_t j = 0;
  for (uint32_t i = 0; i < inView.value && j < kSolutionPrns; ++i) {
    RepositoryValue usage;
    if (GetValue(r, RD_GNSS_SatPRNStatus, i, false, usage) != 0) break;
    if (!IsValid(usage) || !IsUsedInSolution(usage.value)) continue;
    RepositoryValue prn;
    GetValue(r, RD_GNSS_SatPRN, i, false, prn);
    SetValue(r, RD_GNSS_SatSolutionPRN, j++, prn, slot);
  }
  for (; j < kSolutionPrns; ++j) SetValue(r, RD_GNSS_SatSolutionPRN, j, RepositoryValue{0xFF, 0, VS_NotAvailable, 1}, slot);
}

}  // namespace

bool IsUsedInSolution(int64_t usage) { return usage == kUsed || usage == kUsedWithDifferential; }

void ConvertPgnToRepository(N2kReceiveContext& ctx, const N2kMessage& message) {
  ctx.message = &message;
  const N2kEntryPlan* planned = nullptr;
  if (!ctx.database) {
    ctx.matched = nullptr;
  } else if (ctx.plans) {
    const N2kEntryPlans::Received received = ctx.plans->FindReceived(message.pgn);
    ctx.matched = received.entry;
    planned = received.plan;
  } else {
    ctx.matched = FindN2KRxPGN(*ctx.database, message.pgn);
  }
  if (!ctx.matched) return;
  std::optional<N2kEntryPlan> read;
  if (!planned) read = PlanN2kEntry(*ctx.database, ctx.matched, N2kEntrySide::kReceive);
  const N2kEntryPlan& plan = planned ? *planned : *read;
  const N2KPGNEntry& pgn = plan.pgn;
  const std::vector<N2KFieldEntry>& fields = plan.fields;
  if (UpdateSource(ctx.repository, pgn.positionInList, message.source, message.time) != 0) return;
  const uint32_t length = message.length < 0 ? 0u : static_cast<uint32_t>(message.length);
  const Message m{message.data, message.data ? (length < message.capacity ? length : message.capacity) : 0u};
  const uint32_t count = static_cast<uint32_t>(fields.size());
  const bool repeats = pgn.groupFieldIndex != kNoRepeat && pgn.groupFieldIndex < count && pgn.groupSize > 0;
  const uint32_t fixed = repeats ? pgn.groupFieldIndex : count;
  for (uint32_t i = 0; i < fixed; ++i) ConvertField(ctx, plan, i, 0, 0, m);
  if (repeats) {
    int64_t repetitions = 0;
    RepositoryValue c;
    if (pgn.repeatRepository != RD_NONE && GetValue(ctx.repository, pgn.repeatRepository, 0, false, c) == 0 &&
        IsValid(c)) {
      repetitions = c.value;
    }
    const uint32_t setEnd = pgn.groupFieldIndex + pgn.groupSize < count ? pgn.groupFieldIndex + pgn.groupSize : count;
    const uint32_t firstBit = fields[pgn.groupFieldIndex].bitPosition;
    uint32_t offset = 0;
    for (uint32_t instance = 0;; ++instance) {
      for (uint32_t i = pgn.groupFieldIndex; i < setEnd; ++i) ConvertField(ctx, plan, i, offset, instance, m);
      offset += pgn.groupBits;
      // A count that names more repetitions than the message carries stops
      // at the message's end.
      if (instance + 1 >= repetitions || pgn.groupBits == 0 || static_cast<uint64_t>(firstBit) + offset >= uint64_t{m.length} * 8) break;
    }
  }
  if (message.pgn == kSatellitesInViewPgn) DeriveSolutionPrns(ctx.repository, pgn.positionInList);
}
