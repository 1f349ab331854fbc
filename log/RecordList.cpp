#include "log/RecordList.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace {

constexpr size_t kMaxKinds = 256;

}  // namespace

void RecordList::Clear() {
  index_.Clear();
  indexOrigin_ = 0;
  runTimes_.Clear();
  runFirsts_.Clear();
  blockRuns_.Clear();
  longLengths_.Clear();
  firstLongLength_ = 0;
  forgotten_ = 0;
  kinds_.clear();
  kindSlots_.fill(0);
  bytes_.Clear();
  image_.reset();
  imageLength_ = 0;
}

void RecordList::Reserve(size_t records, size_t bytes) {
  index_.Reserve(index_.Size() + records);
  bytes_.Reserve(bytes_.Size() + bytes);
}

void RecordList::UseImage(std::shared_ptr<const uint8_t> bytes, size_t length) {
  if (image_ != nullptr && (image_ != bytes || imageLength_ != length))
    throw std::logic_error("a record list refers to one file image at a time");
  image_ = std::move(bytes);
  imageLength_ = length;
}

void RecordList::Append(uint64_t time, uint32_t type, uint32_t group, const uint8_t* data, size_t length) {
  const uint64_t offset = bytes_.Size();
  if (length > 0) std::memcpy(bytes_.Extend(length), data, length);
  Add(time, type, group, offset, true, length);
}

void RecordList::Refuse(const char* what) { throw std::out_of_range(what); }

void RecordList::AddAny(uint64_t time, uint32_t type, uint32_t group, uint64_t offset, bool stored, size_t length) {
  const size_t record = Count();
  if (offset > kMaxOffset) throw std::length_error("record offset beyond the index's reach");
  if (record >= std::numeric_limits<uint32_t>::max()) throw std::length_error("too many records");
  if (runTimes_.Empty() || runTimes_.Back() != time) {
    runTimes_.PushBack(time);
    runFirsts_.PushBack(static_cast<uint32_t>(record));
  }
  if (record % (size_t{1} << kBlockShift) == 0) blockRuns_.PushBack(static_cast<uint32_t>(runFirsts_.Size() - 1));
  uint64_t lengthField = length;
  if (length >= kLongLength) {
    longLengths_.PushBack({record, length});
    lengthField = kLongLength;
  }
  const uint64_t packed = offset | (uint64_t{stored} << kStoredBit) | (lengthField << kLengthShift) |
                          (KindOf(type, group) << kKindShift);
  index_.PushBack({packed});
}

uint64_t RecordList::KindOf(uint32_t type, uint32_t group) {
  // A log holds a handful of kinds in any order; each has a slot, so that
  // finding it costs one comparison however they alternate.
  const size_t slot = KindSlot(type, group);
  const size_t k = kindSlots_[slot];
  if (k != 0 && kinds_[k - 1].type == type && kinds_[k - 1].group == group) return k - 1;
  return AddKind(type, group, slot);
}

uint64_t RecordList::AddKind(uint32_t type, uint32_t group, size_t slot) {
  size_t k = 0;
  while (k < kinds_.size() && (kinds_[k].type != type || kinds_[k].group != group)) ++k;
  if (k == kinds_.size()) {
    if (kinds_.size() == kMaxKinds) throw std::length_error("too many kinds of record");
    kinds_.push_back({type, group, MessageTypeColour(type)});
  }
  kindSlots_[slot] = static_cast<uint16_t>(k + 1);
  return k;
}

size_t RecordList::RunOf(size_t index) const {
  const size_t block = index >> kBlockShift;
  const uint32_t* firsts = runFirsts_.Begin();
  const uint32_t* from = firsts + blockRuns_[block];
  const uint32_t* to = block + 1 < blockRuns_.Size() ? firsts + blockRuns_[block + 1] + 1 : runFirsts_.End();
  return static_cast<size_t>(std::upper_bound(from, to, static_cast<uint32_t>(index)) - 1 - firsts);
}

uint64_t RecordList::TimeOf(size_t index) const { return runTimes_[RunOf(index)]; }

uint64_t RecordList::LongLengthOf(size_t index) const {
  const LongLength* found =
      std::lower_bound(longLengths_.Begin() + firstLongLength_, longLengths_.End(), index,
                       [](const LongLength& l, size_t record) { return l.record < record; });
  return found->length;
}

void RecordList::CheckKnown(size_t from, size_t to) const {
  if (from >= to || to > Count()) throw std::out_of_range("record index out of range");
  if (from < forgotten_) throw std::out_of_range("record forgotten");
}

Record RecordList::At(size_t index) const {
  CheckKnown(index, index + 1);
  return Make(index, TimeOf(index));
}

void RecordList::MoveBytesDown(uint64_t to, uint64_t from, size_t n) {
  if (to > from || from + n > bytes_.Size()) throw std::out_of_range("bytes moved beyond the store");
  if (to != from && n > 0) std::memmove(bytes_.Data() + to, bytes_.Data() + from, n);
}

void RecordList::Forget(size_t records, uint64_t storeFrom) {
  forgotten_ = std::max(forgotten_, std::min(records, Count()));
  for (size_t i = forgotten_; i < Count(); ++i) {
    const uint64_t packed = index_[i - indexOrigin_].packed;
    if ((packed >> kStoredBit) & 1) storeFrom = std::min(storeFrom, packed & kMaxOffset);
  }
  bytes_.ReleaseBelow(storeFrom);
  if (forgotten_ == Count()) {
    index_.Rewind();
    indexOrigin_ = forgotten_;
  } else {
    index_.ReleaseBelow(forgotten_ - indexOrigin_);
  }
  while (firstLongLength_ < longLengths_.Size() && longLengths_[firstLongLength_].record < forgotten_)
    ++firstLongLength_;
  longLengths_.ReleaseBelow(firstLongLength_);
  // The run of the first block still known, and the last run, which the
  // next record may continue, stay.
  if (runFirsts_.Empty()) return;
  const size_t block = forgotten_ >> kBlockShift;
  const size_t run = block < blockRuns_.Size() ? blockRuns_[block] : runFirsts_.Size() - 1;
  runTimes_.ReleaseBelow(run);
  runFirsts_.ReleaseBelow(run);
  blockRuns_.ReleaseBelow(block);
}

size_t RecordList::IndexBytes() const {
  return index_.Size() * sizeof(IndexEntry) + runTimes_.Size() * sizeof(uint64_t) +
         runFirsts_.Size() * sizeof(uint32_t) + blockRuns_.Size() * sizeof(uint32_t) +
         longLengths_.Size() * sizeof(LongLength) + kinds_.size() * sizeof(Kind);
}
