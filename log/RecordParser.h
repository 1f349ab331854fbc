// Turns the bytes of a log file into the record list in one pass, one byte at
// a time, with no look-ahead and no backtracking. Bytes not yet known to
// belong to a unit are collected optimistically as unrecognised data and
// trimmed when a unit completes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "log/Deserialise.h"
#include "log/PageBuffer.h"
#include "log/RecordList.h"

class RecordParser {
 public:
  RecordParser();

  // Empties the record list. The log time carries over: a second file opened
  // in the same run starts with the last time of the first.
  void Reset();
  // Appends the records of the bytes; the pending unrecognised data is
  // flushed at the end.
  void Parse(const uint8_t* data, size_t length);
  // True when a deserialiser took the byte.
  bool Feed(uint8_t b);

  size_t Count() const { return records_.Count(); }
  Record At(size_t index) const { return records_.At(index); }
  const RecordList& Records() const { return records_; }
  uint64_t CurrentLogTime() const { return logTime_; }

  static constexpr size_t kReservedRecords = 40000;

 private:
  inline bool Step(uint8_t b);
  // The bytes from p that no deserialiser treats specially in the present
  // state, taken in one go; 0 when the next byte needs a full step.
  inline size_t PlainRun(const uint8_t* p, size_t n);
  void Complete(uint32_t consumed, bool add, uint32_t type, uint32_t group, const uint8_t* data, size_t length);
  void FlushPending();
  // Bytes already taken by a frame or sentence that is still open.
  size_t OpenUnitBytes() const;

  std::vector<uint8_t> pending_;
  CQLX_Deserialise qlx_;
  CKVT_Deserialise kvt_;
  CN183_Deserialise n183_;
  RecordList records_;
  uint64_t logTime_ = 0;
};

// The loaded bytes of a log file.
class LogFileImage {
 public:
  static constexpr int32_t kCannotOpen = -198;
  static constexpr int32_t kEmptyOrTooLarge = -180;
  static constexpr uint64_t kSizeLimit = 500000000;

  // 0, kCannotOpen, or kEmptyOrTooLarge for an empty file or one of the limit or more.
  int32_t Load(const char* path, uint64_t sizeLimit = kSizeLimit);
  void Clear();
  // Why the last Load failed, for a message after the file name: "cannot
  // open: it is a directory", "the file is empty", ...; empty after success.
  const std::string& FailureReason() const { return reason_; }

  const uint8_t* Data() const { return data_.Data(); }
  uint32_t Length() const { return static_cast<uint32_t>(data_.Size()); }

 private:
  PageBuffer data_;
  std::string reason_;
};

// A file with no QLX tag and no logged unit in its first megabyte is most
// likely not a log at all; it still opens, and the user is told once.
bool LooksLikeQlxLog(const uint8_t* data, size_t length);
inline constexpr const char* kNotQlxLogMessage =
    "no QLX tag and no logged unit in the first megabyte: this does not look like a QLX log";
