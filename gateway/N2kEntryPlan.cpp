#include "gateway/N2kEntryPlan.h"

#include "gateway/DatatypeFormat.h"
#include "gateway/EntryPlanIndex.h"
#include "library/N2kLookup.h"

namespace {

constexpr uint32_t kSignedClass = 4;

}  // namespace

N2kFieldFormat FormatOfN2kField(const N2KFieldEntry& field) {
  N2kFieldFormat format;
  format.isText = FormatOfDatatype(field.repositoryIndex).isText;
  const DataDictionaryEntry* entry = GetDDEntry(field.dictionaryIndex);
  format.dictionary = entry;
  if (!entry) return format;
  format.exponent = entry->resolutionExponent;
  format.zeroWhenNull = entry->dataType == kBitZeroFieldFormat;
  const BasicDataType* type = GetDataType(entry->dataType);
  format.isSigned = type && type->typeClass == kSignedClass;
  return format;
}

N2kInstanceField InstanceFieldOf(const PgnDefinition& definition) {
  N2kInstanceField instance;
  for (uint32_t i = 0; i < definition.fieldCount; ++i) {
    const FieldDefinition& field = definition.fields[i];
    if (field.fieldNumber != definition.instanceField || field.bitPosition < 0) continue;
    instance.present = true;
    instance.bitPosition = static_cast<uint32_t>(field.bitPosition);
    instance.bitWidth = field.sizeBits + 8u * field.sizeBytes;
    break;
  }
  return instance;
}

N2kEntryPlan PlanN2kEntry(const DatabaseImageView& database, const uint8_t* entry, N2kEntrySide side) {
  N2kEntryPlan plan;
  plan.entry = entry;
  const bool receive = side == N2kEntrySide::kReceive;
  plan.pgn = receive ? ReadN2KRxPGN(entry) : ReadN2KTxPGN(entry);
  for (uint32_t i = 0; i < plan.pgn.fieldCount; ++i) {
    const uint8_t* raw = receive ? GetN2KRxField(database, entry, i) : GetN2KTxField(database, entry, i);
    if (!raw) break;
    plan.fields.push_back(ReadN2KField(raw));
  }
  const uint32_t count = static_cast<uint32_t>(plan.fields.size());
  for (const N2KFieldEntry& field : plan.fields) {
    plan.selectors.push_back(ResolveFieldSelector(plan.pgn.pgn, field, plan.fields.data(), count));
    plan.formats.push_back(FormatOfN2kField(field));
  }
  plan.definition = FindPGN(plan.pgn.pgn);
  if (plan.definition) plan.instanceField = InstanceFieldOf(*plan.definition);
  return plan;
}

void N2kEntryPlans::Build(const DatabaseImageView& database) {
  receive_ = database.sections[kViewN2KRxPGNs];
  transmit_ = database.sections[kViewN2KTxPGNs];
  receivePlans_.clear();
  transmitPlans_.clear();
  for (uint32_t i = 0; i < CountN2KRxPGNs(database); ++i) {
    receivePlans_.push_back(PlanN2kEntry(database, GetN2KRxPGN(database, i), N2kEntrySide::kReceive));
  }
  for (uint32_t i = 0; i < CountN2KTxPGNs(database); ++i) {
    transmitPlans_.push_back(PlanN2kEntry(database, GetN2KTxPGN(database, i), N2kEntrySide::kTransmit));
  }
  // Only a PGN some receive entry has can be found; each is asked of the
  // image once, so that the answer is the image's own.
  uint32_t bits = 3;
  while ((size_t{1} << bits) < 2 * receivePlans_.size()) ++bits;
  hashShift_ = 32 - bits;
  receivedByPgn_.assign(size_t{1} << bits, ReceivedPgn{});
  const size_t mask = receivedByPgn_.size() - 1;
  for (const N2kEntryPlan& plan : receivePlans_) {
    const uint32_t pgn = plan.pgn.pgn;
    size_t slot = SlotOf(pgn);
    while (receivedByPgn_[slot].used && receivedByPgn_[slot].pgn != pgn) slot = (slot + 1) & mask;
    if (receivedByPgn_[slot].used) continue;
    const uint8_t* entry = FindN2KRxPGN(database, pgn);
    receivedByPgn_[slot] = {pgn, true, {entry, Find(entry, N2kEntrySide::kReceive)}};
  }
}

size_t N2kEntryPlans::SlotOf(uint32_t pgn) const { return (pgn * 0x9E3779B1u) >> hashShift_; }

N2kEntryPlans::Received N2kEntryPlans::FindReceived(uint32_t pgn) const {
  if (receivedByPgn_.empty()) return {};
  for (size_t slot = SlotOf(pgn);; slot = (slot + 1) & (receivedByPgn_.size() - 1)) {
    const ReceivedPgn& candidate = receivedByPgn_[slot];
    if (!candidate.used) return {};
    if (candidate.pgn == pgn) return candidate.received;
  }
}

const N2kEntryPlan* N2kEntryPlans::Find(const uint8_t* entry, N2kEntrySide side) const {
  return side == N2kEntrySide::kReceive ? PlanOfEntry(receive_, receivePlans_, entry)
                                        : PlanOfEntry(transmit_, transmitPlans_, entry);
}

const N2kEntryPlan* N2kEntryPlans::FindTransmit(uint32_t position, const uint8_t* entry) const {
  if (position < transmitPlans_.size() && transmitPlans_[position].entry == entry) return &transmitPlans_[position];
  return Find(entry, N2kEntrySide::kTransmit);
}
