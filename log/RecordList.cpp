#include "log/RecordList.h"

#include <stdexcept>

void RecordList::Clear() {
  // The first block is kept: re-parsing small logs then allocates nothing.
  if (blocks_.size() > 1) blocks_.resize(1);
  count_ = 0;
  bytes_.clear();
}

void RecordList::Reserve(size_t records, size_t bytes) {
  const size_t blocksNeeded = (count_ + records + kBlockSize - 1) >> kBlockShift;
  while (blocks_.size() < blocksNeeded) blocks_.push_back(std::make_unique_for_overwrite<IndexEntry[]>(kBlockSize));
  bytes_.reserve(bytes_.size() + bytes);
}

void RecordList::Append(uint64_t time, uint32_t type, uint32_t group, const uint8_t* data, size_t length) {
  if ((count_ >> kBlockShift) == blocks_.size())
    blocks_.push_back(std::make_unique_for_overwrite<IndexEntry[]>(kBlockSize));
  IndexEntry& e = blocks_[count_ >> kBlockShift][count_ & (kBlockSize - 1)];
  e.time = time;
  e.offset = bytes_.size();
  e.length = static_cast<uint32_t>(length);
  e.type = static_cast<uint16_t>(type);
  e.group = static_cast<uint16_t>(group);
  bytes_.insert(bytes_.end(), data, data + length);
  ++count_;
}

Record RecordList::At(size_t index) const {
  if (index >= count_) throw std::out_of_range("record index out of range");
  const IndexEntry& e = blocks_[index >> kBlockShift][index & (kBlockSize - 1)];
  Record r;
  r.time = e.time;
  r.type = e.type;
  r.group = e.group;
  r.colour = MessageTypeColour(e.type);
  r.data = std::span<const uint8_t>(bytes_.data() + e.offset, e.length);
  return r;
}
