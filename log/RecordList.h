// The records of a log in file order. Logs of hundreds of megabytes hold tens
// of millions of records, so a record costs one 8-byte index entry and no
// allocation of its own. Its bytes are either a range of the loaded file
// image, which the list keeps alive for as long as it refers to it, or a
// range of the list's own byte store, which holds only what framing changed
// (unstuffed frames and tags, unrecognised data with collapsed escapes).
//
// The log time changes only at time tags, so it is kept once per run of
// records with the same time, with the first run of every block of records
// noted so that finding a record's run never searches more than its block.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "log/PageBuffer.h"
#include "log/PagedArray.h"
#include "log/Record.h"

class RecordList {
 public:
  // Offset (39 bits), store flag (1), length (16, all ones: see the long
  // lengths), kind (8: a row of the list's table of type, group, colour).
  struct IndexEntry {
    uint64_t packed;
  };
  static_assert(sizeof(IndexEntry) == 8);

  static constexpr uint64_t kMaxOffset = (uint64_t{1} << 39) - 1;

  void Clear();
  // Room for at least this many more records and stored bytes without growing.
  void Reserve(size_t records, size_t bytes);
  // A record of a copy of the bytes.
  void Append(uint64_t time, uint32_t type, uint32_t group, const uint8_t* data, size_t length);

  // The file image the records may refer to; one per list until Clear.
  // Throws std::logic_error when a different image is already in use.
  void UseImage(std::shared_ptr<const uint8_t> bytes, size_t length);
  const uint8_t* ImageData() const { return image_.get(); }
  size_t ImageLength() const { return imageLength_; }
  // A record of the image bytes [offset, offset + length).
  void AppendImage(uint64_t time, uint32_t type, uint32_t group, uint64_t offset, size_t length) {
    if (offset + length > imageLength_) Refuse("record bytes beyond the file image");
    Add(time, type, group, offset, false, length);
  }

  // The byte store is also where a parser collects bytes before it knows
  // which record they belong to: bytes are written to the end of the store,
  // a record is made of a range already there, and bytes that belong to no
  // record (or to one that refers to the image instead) are cut off the end.
  uint8_t* ExtendBytes(size_t n) { return bytes_.Extend(n); }
  void PushByte(uint8_t b) { *bytes_.Extend(1) = b; }
  void TruncateBytes(size_t size) { bytes_.Shrink(size); }
  // Moves stored bytes to a lower offset; records must not refer to either range.
  void MoveBytesDown(uint64_t to, uint64_t from, size_t n);
  // Gives the pages past the end of the store back to the system.
  void ReleaseFreeBytes() { bytes_.ReleaseTail(); }
  const uint8_t* ByteData() const { return bytes_.Data(); }
  // A record of the stored bytes [offset, offset + length).
  void AppendStored(uint64_t time, uint32_t type, uint32_t group, uint64_t offset, size_t length) {
    if (offset + length > bytes_.Size()) Refuse("record bytes beyond the store");
    Add(time, type, group, offset, true, length);
  }

  size_t Count() const { return indexOrigin_ + index_.Size(); }
  // Throws std::out_of_range for an index at or beyond Count(), or below
  // Forgotten().
  Record At(size_t index) const;
  // Calls f(index, record) for the records [from, to) in order. A reader
  // going through the list follows the time runs instead of searching for
  // each record's run. Throws as At() does for a range not wholly known.
  template <typename F>
  void ForEach(size_t from, size_t to, F&& f) const;

  // A reader that goes through a long log once (the listing) lets the list
  // forget the records it is done with, so that memory holds a window of
  // the log instead of all of it: the records below `records` and the store
  // bytes below `storeFrom` are given back, where no record still known
  // refers to them. The records keep their numbers.
  void Forget(size_t records, uint64_t storeFrom);
  size_t Forgotten() const { return forgotten_; }
  size_t ByteCount() const { return bytes_.Size(); }
  // What the index takes beside the bytes: entries, time runs, long lengths.
  size_t IndexBytes() const;

 private:
  struct Kind {
    uint32_t type;
    uint32_t group;
    uint32_t colour;
  };
  struct LongLength {
    uint64_t record;
    uint64_t length;
  };

  // Parsing adds a record every few bytes of a log of short units: the
  // usual record (the time of the one before, a kind met before, a short
  // length, not the first of a block) is added here, the rest by AddAny.
  void Add(uint64_t time, uint32_t type, uint32_t group, uint64_t offset, bool stored, size_t length) {
    const size_t record = Count();
    const size_t k = kindSlots_[KindSlot(type, group)];
    if (record % kBlockRecords == 0 || length >= kLongLength || offset > kMaxOffset || k == 0 ||
        kinds_[k - 1].type != type || kinds_[k - 1].group != group || runTimes_.Empty() || runTimes_.Back() != time) {
      AddAny(time, type, group, offset, stored, length);
      return;
    }
    index_.PushBack({offset | (uint64_t{stored} << kStoredBit) | (uint64_t{length} << kLengthShift) |
                     (uint64_t{k - 1} << kKindShift)});
  }
  void AddAny(uint64_t time, uint32_t type, uint32_t group, uint64_t offset, bool stored, size_t length);
  [[noreturn]] static void Refuse(const char* what);
  static size_t KindSlot(uint32_t type, uint32_t group) { return (type ^ (type >> 6) ^ (group * 7)) % kKindSlots; }
  uint64_t KindOf(uint32_t type, uint32_t group);
  uint64_t AddKind(uint32_t type, uint32_t group, size_t slot);
  uint64_t TimeOf(size_t index) const;
  size_t RunOf(size_t index) const;
  size_t RunEnd(size_t run) const {
    return run + 1 < runFirsts_.Size() ? runFirsts_[run + 1] : std::numeric_limits<size_t>::max();
  }
  void CheckKnown(size_t from, size_t to) const;
  // The record at a known index, whose time is already found.
  Record Make(size_t index, uint64_t time) const;
  uint64_t LongLengthOf(size_t index) const;

  PagedArray<IndexEntry> index_;
  // The records below are not in index_: a list whose every record is
  // forgotten starts its index again at the front, in pages already
  // touched, rather than in fresh ones the kernel must clear.
  size_t indexOrigin_ = 0;
  PagedArray<uint64_t> runTimes_;
  PagedArray<uint32_t> runFirsts_;  // the first record of each run
  PagedArray<uint32_t> blockRuns_;  // the run of every block's first record
  PagedArray<LongLength> longLengths_;
  size_t firstLongLength_ = 0;  // of the records not forgotten
  size_t forgotten_ = 0;
  std::vector<Kind> kinds_;
  // The kind last met for each slot of (type, group), plus one; 0 for none.
  static constexpr size_t kKindSlots = 64;
  static constexpr unsigned kStoredBit = 39;
  static constexpr unsigned kLengthShift = 40;
  static constexpr unsigned kKindShift = 56;
  static constexpr uint64_t kLongLength = 0xFFFF;
  // Records per block of the time-run lookup.
  static constexpr unsigned kBlockShift = 8;
  static constexpr size_t kBlockRecords = size_t{1} << kBlockShift;
  std::array<uint16_t, kKindSlots> kindSlots_{};
  PageBuffer bytes_;
  std::shared_ptr<const uint8_t> image_;
  size_t imageLength_ = 0;
};

// Inline: a listing makes a record for each of millions of rows.
inline Record RecordList::Make(size_t index, uint64_t time) const {
  const uint64_t packed = index_[index - indexOrigin_].packed;
  const uint64_t offset = packed & kMaxOffset;
  const bool stored = (packed >> kStoredBit) & 1;
  uint64_t length = (packed >> kLengthShift) & kLongLength;
  if (length == kLongLength) length = LongLengthOf(index);
  const Kind& kind = kinds_[packed >> kKindShift];
  Record r;
  r.time = time;
  r.type = kind.type;
  r.group = kind.group;
  r.colour = kind.colour;
  const uint8_t* base = stored ? bytes_.Data() : image_.get();
  r.data = std::span<const uint8_t>(base + offset, length);
  return r;
}

template <typename F>
void RecordList::ForEach(size_t from, size_t to, F&& f) const {
  if (from >= to) return;
  CheckKnown(from, to);
  size_t run = RunOf(from);
  size_t runEnd = RunEnd(run);
  for (size_t i = from; i < to; ++i) {
    while (i >= runEnd) runEnd = RunEnd(++run);
    f(i, Make(i, runTimes_[run]));
  }
}
