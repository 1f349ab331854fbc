// The records of a log in file order. Logs of hundreds of megabytes hold tens
// of millions of records, so a record costs one 24-byte index entry and its
// bytes in one shared store: no allocation per record.
#pragma once

#include <cstddef>
#include <cstdint>

#include "log/PageBuffer.h"
#include "log/Record.h"

class RecordList {
 public:
  struct IndexEntry {
    uint64_t time;
    uint64_t offset;  // into the byte store
    uint32_t length;
    uint16_t type;
    uint16_t group;
  };
  static_assert(sizeof(IndexEntry) == 24);

  void Clear();
  // Room for at least this many more records and bytes without growing.
  void Reserve(size_t records, size_t bytes);
  void Append(uint64_t time, uint32_t type, uint32_t group, const uint8_t* data, size_t length);

  // The byte store is also where a parser collects bytes before it knows
  // which record they belong to, so that a log's bytes are held once: bytes
  // are written to the end of the store, a record is made of a range already
  // there, and bytes that turn out to belong to no record are cut off the end.
  uint8_t* ExtendBytes(size_t n) { return bytes_.Extend(n); }
  void PushByte(uint8_t b) { *bytes_.Extend(1) = b; }
  void TruncateBytes(size_t size) { bytes_.Shrink(size); }
  const uint8_t* ByteData() const { return bytes_.Data(); }
  // A record of the stored bytes [offset, offset + length).
  void AppendStored(uint64_t time, uint32_t type, uint32_t group, uint64_t offset, size_t length);

  size_t Count() const { return index_.Size() / sizeof(IndexEntry); }
  // Throws std::out_of_range for an index at or beyond Count().
  Record At(size_t index) const;
  size_t ByteCount() const { return bytes_.Size(); }

 private:
  PageBuffer index_;
  PageBuffer bytes_;
};
