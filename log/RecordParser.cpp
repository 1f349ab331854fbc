#include "log/RecordParser.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <cerrno>
#include <cstring>
#include <string>

#include <sys/stat.h>

#include "log/ByteOrder.h"

namespace {

constexpr uint8_t kTimeTag = 0x03;
constexpr uint8_t kQlxEscape = 0x1B;

// Bytes that start or end a unit when no unit is open.
constexpr std::array<bool, 256> kUnitByte = [] {
  std::array<bool, 256> t{};
  t[0x1B] = t[0x10] = t['$'] = t['!'] = true;
  return t;
}();

}  // namespace

RecordParser::RecordParser() { Reset(); }

void RecordParser::Reset() {
  records_.Clear();
  records_.Reserve(kReservedRecords, 0);
  qlx_.Reset();
  kvt_.Reset();
  n183_.Reset();
}

void RecordParser::Parse(const uint8_t* data, size_t length) {
  // Records never hold more bytes than the input, so one reservation covers
  // the whole store.
  records_.Reserve(0, length + pending_.size());
  // Most bytes of a log are plain bytes inside a frame or a sentence; they
  // are taken a run at a time. Every byte that can change a state goes
  // through the full step, so the result is the same as feeding one byte at
  // a time.
  size_t i = 0;
  while (i < length) {
    const size_t run = PlainRun(data + i, length - i);
    if (run != 0) {
      pending_.insert(pending_.end(), data + i, data + i + run);
      i += run;
    } else {
      Step(data[i++]);
    }
  }
  FlushPending();
}

inline size_t RecordParser::PlainRun(const uint8_t* p, size_t n) {
  if (!qlx_.Idle()) return 0;
  if (kvt_.InFrame()) return kvt_.TakeRun(p, n, kQlxEscape);
  if (!kvt_.Idle()) return 0;
  if (n183_.InSentence()) return n183_.TakeRun(p, n);
  size_t i = 0;
  while (i < n && !kUnitByte[p[i]]) ++i;
  return i;
}

inline bool RecordParser::Step(uint8_t b) {
  const int32_t r = qlx_.Feed(b);
  if (r != FR_EscapePair) pending_.push_back(b);
  if (r == FR_EscapeSeen || r == FR_Started || r == FR_Taken) return true;
  if (r == FR_Complete) {
    const ByteBuffer& body = qlx_.GetBuffer();
    if (body.length > 0 && body.data[0] == kTimeTag) {
      logTime_ = LoadLEPadded(std::span<const uint8_t>(body.data, body.length), 1, 8);
      Complete(qlx_.TakeConsumed(), false, 0, 0, nullptr, 0);
    } else {
      // A tag with an empty body still becomes a (blank) QLX record, so
      // that the bytes it occupied are visible in the list.
      Complete(qlx_.TakeConsumed(), true, MT_QLX, MG_QLX, body.data, body.length);
    }
    return true;
  }

  const int32_t k = kvt_.Feed(b);
  if (k == FR_Taken) return true;
  if (k == FR_Complete) {
    const ByteBuffer& body = kvt_.GetBuffer();
    Complete(kvt_.TakeConsumed(), true, KvtMessageType(body.data, body.length), MG_KVT, body.data, body.length);
    return true;
  }

  const int32_t s = n183_.Feed(b);
  if (s == FR_Outside || s == FR_Started) return false;
  if (s == FR_Taken || s == FR_BufferFull) return true;
  const ByteBuffer& sentence = n183_.GetBuffer();
  Complete(n183_.TakeConsumed(), true, s == FR_Complete ? MT_N183 : MT_N183XC, MG_N183, sentence.data,
           sentence.length);
  return true;
}

bool RecordParser::Feed(uint8_t b) { return Step(b); }

void RecordParser::Complete(uint32_t consumed, bool add, uint32_t type, uint32_t group, const uint8_t* data,
                            size_t length) {
  // The unit's own bytes are the tail of the pending data. When a tag
  // completed inside the unit, part of them was already flushed, and then
  // everything still pending belongs to the unit: keeping it would show
  // those bytes twice.
  if (consumed != 0) pending_.resize(consumed <= pending_.size() ? pending_.size() - consumed : 0);
  if (!add) return;
  // A tag can complete inside a frame or sentence that is still open. The
  // bytes that unit has taken so far stay pending: they are trimmed when it
  // completes, or shown as unrecognised data when it is abandoned, but never
  // shown twice.
  const size_t held = std::min(OpenUnitBytes(), pending_.size());
  if (pending_.size() > held) {
    records_.Append(logTime_, MT_Unknown, MG_None, pending_.data(), pending_.size() - held);
    pending_.erase(pending_.begin(), pending_.end() - static_cast<std::ptrdiff_t>(held));
  }
  records_.Append(logTime_, type, group, data, length);
}

size_t RecordParser::OpenUnitBytes() const {
  size_t bytes = kvt_.InFrame() ? kvt_.Consumed() : 0;
  if (n183_.InSentence()) bytes = std::max<size_t>(bytes, n183_.Consumed());
  return bytes;
}

void RecordParser::FlushPending() {
  if (pending_.empty()) return;
  records_.Append(logTime_, MT_Unknown, MG_None, pending_.data(), pending_.size());
  pending_.clear();
}

int32_t LogFileImage::Load(const char* path, uint64_t sizeLimit) {
  Clear();
  // The file is asked what it is before it is read: a directory opens for
  // reading here, and a device (/dev/zero) has no end to read to.
  struct stat info {};
  if (stat(path, &info) != 0) {
    reason_ = std::string("cannot open: ") + std::strerror(errno);
    return kCannotOpen;
  }
  if (S_ISDIR(info.st_mode)) {
    reason_ = "cannot open: it is a directory";
    return kCannotOpen;
  }
  if (!S_ISREG(info.st_mode)) {
    reason_ = "cannot open: it is not a regular file";
    return kCannotOpen;
  }
  if (info.st_size == 0) {
    reason_ = "the file is empty";
    return kEmptyOrTooLarge;
  }
  if (static_cast<uint64_t>(info.st_size) >= sizeLimit) {
    reason_ = "the file has " + std::to_string(sizeLimit) + " bytes or more";
    return kEmptyOrTooLarge;
  }
  std::FILE* f = std::fopen(path, "rb");
  if (f == nullptr) {
    reason_ = std::string("cannot open: ") + std::strerror(errno);
    return kCannotOpen;
  }
  const size_t wanted = static_cast<size_t>(info.st_size);
  data_.Reserve(wanted);
  const size_t read = std::fread(data_.Extend(wanted), 1, wanted, f);
  const bool failed = std::ferror(f) != 0;
  data_.Shrink(read);
  std::fclose(f);
  if (failed || read == 0) {
    reason_ = failed ? std::string("cannot read: ") + std::strerror(errno) : std::string("the file is empty");
    Clear();
    return failed ? kCannotOpen : kEmptyOrTooLarge;
  }
  return 0;
}

void LogFileImage::Clear() {
  data_.Clear();
  reason_.clear();
}

bool LooksLikeQlxLog(const uint8_t* data, size_t length) {
  constexpr size_t kSniffBytes = 1 << 20;
  RecordParser parser;
  parser.Parse(data, std::min(length, kSniffBytes));
  for (size_t i = 0; i < parser.Count(); ++i) {
    if (parser.At(i).group != MG_None) return true;
  }
  return false;
}
