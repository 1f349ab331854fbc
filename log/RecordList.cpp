#include "log/RecordList.h"

#include <cstring>
#include <stdexcept>

void RecordList::Clear() {
  index_.Clear();
  bytes_.Clear();
}

void RecordList::Reserve(size_t records, size_t bytes) {
  index_.Reserve(index_.Size() + records * sizeof(IndexEntry));
  bytes_.Reserve(bytes_.Size() + bytes);
}

void RecordList::Append(uint64_t time, uint32_t type, uint32_t group, const uint8_t* data, size_t length) {
  const uint64_t offset = bytes_.Size();
  if (length > 0) std::memcpy(bytes_.Extend(length), data, length);
  AppendStored(time, type, group, offset, length);
}

void RecordList::AppendStored(uint64_t time, uint32_t type, uint32_t group, uint64_t offset, size_t length) {
  const IndexEntry entry{time, offset, static_cast<uint32_t>(length), static_cast<uint16_t>(type),
                         static_cast<uint16_t>(group)};
  std::memcpy(index_.Extend(sizeof entry), &entry, sizeof entry);
}

Record RecordList::At(size_t index) const {
  if (index >= Count()) throw std::out_of_range("record index out of range");
  IndexEntry e;
  std::memcpy(&e, index_.Data() + index * sizeof(IndexEntry), sizeof e);
  Record r;
  r.time = e.time;
  r.type = e.type;
  r.group = e.group;
  r.colour = MessageTypeColour(e.type);
  r.data = std::span<const uint8_t>(bytes_.Data() + e.offset, e.length);
  return r;
}
