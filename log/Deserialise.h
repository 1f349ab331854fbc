// The three unit deserialisers of a log file. Each recognises its units one
// byte at a time, with no look-ahead: the record parser asks them in turn and
// trims its collection of unrecognised bytes by the count of bytes a unit
// consumed once the unit completes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/ByteBuffer.h"
#include "log/ByteScan.h"

// Results of Feed.
enum FeedResult : int32_t {
  FR_Outside = 0,        // byte outside any unit, or the unit was just abandoned
  FR_EscapePair = 1,     // second byte of an escape pair outside a frame
  FR_EscapeSeen = 2,     // escape byte seen, waiting for the next byte
  FR_Started = 3,
  FR_Taken = 4,
  FR_Complete = 5,
  FR_ChecksumMismatch = 6,  // sentences only
  FR_BufferFull = 10,       // sentences only: the sentence is abandoned
};

// Byte-stuffed framing: escape+start opens a frame, escape+end closes it, and
// an escape byte inside the body is written doubled.
class CPYL_Deserialise {
 public:
  static constexpr uint32_t kMaxCapacity = 236;
  CPYL_Deserialise(uint8_t escape, uint8_t start, uint8_t end, uint32_t capacity);
  CPYL_Deserialise(const CPYL_Deserialise&) = delete;
  CPYL_Deserialise& operator=(const CPYL_Deserialise&) = delete;
  virtual ~CPYL_Deserialise() = default;
  virtual const ByteBuffer& GetBuffer() const { return buffer_; }

  inline int32_t Feed(uint8_t b);
  uint32_t TakeConsumed() {
    const uint32_t c = consumed_;
    consumed_ = 0;
    return c;
  }
  void Reset();
  uint32_t Consumed() const { return consumed_; }
  bool InFrame() const { return inFrame_; }
  // Neither inside a frame nor waiting for the byte after an escape.
  bool Idle() const { return !inFrame_ && !escapePending_; }
  bool EscapePending() const { return escapePending_; }

  // Takes the longest run of plain body bytes from p, as Feed would one by
  // one: it stops before the escape byte, before `stop` (a byte an outer
  // layer must see), and before the byte that would overflow the buffer.
  // Returns 0 unless a frame is open with no escape pending.
  inline size_t TakeRun(const uint8_t* p, size_t n, uint8_t stop);
  // When idle and p begins with a whole frame that fits the buffer and has
  // no `stop` byte, takes it as Feed would byte by byte and returns its
  // length in the file; otherwise returns 0 and nothing has changed.
  inline size_t TakeFrame(const uint8_t* p, size_t n, uint8_t stop);

 private:
  inline int32_t Store(uint8_t b);

  uint8_t escape_, start_, end_;
  std::array<uint8_t, kMaxCapacity> storage_{};
  ByteBuffer buffer_;
  bool escapePending_ = false;
  bool inFrame_ = false;
  uint32_t consumed_ = 0;
};

// QLX tags: the logger's own meta-records, the outer layer of the file.
class CQLX_Deserialise : public CPYL_Deserialise {
 public:
  static constexpr uint32_t kCapacity = 100;
  CQLX_Deserialise() : CPYL_Deserialise(0x1B, 0x01, 0x0A, kCapacity) {}
};

// KVT frames of the logger's serial protocol.
class CKVT_Deserialise : public CPYL_Deserialise {
 public:
  static constexpr uint32_t kCapacity = 236;
  CKVT_Deserialise() : CPYL_Deserialise(0x10, 0x02, 0x03, kCapacity) {}
};

// NMEA 0183 sentences: "$" or "!" up to CR LF, with an optional "*HH" checksum.
class CN183_Deserialise {
 public:
  static constexpr uint32_t kCapacity = 300;
  CN183_Deserialise();
  CN183_Deserialise(const CN183_Deserialise&) = delete;
  CN183_Deserialise& operator=(const CN183_Deserialise&) = delete;
  virtual ~CN183_Deserialise() = default;
  virtual const ByteBuffer& GetBuffer() const { return buffer_; }

  inline int32_t Feed(uint8_t b);
  uint32_t TakeConsumed() {
    const uint32_t c = consumed_;
    consumed_ = 0;
    return c;
  }
  void Reset();
  uint32_t Consumed() const { return consumed_; }
  bool InSentence() const { return inSentence_; }

  // Takes the longest run of plain sentence characters and skipped bytes,
  // as Feed would one by one; returns 0 outside a sentence and while the
  // checksum digits are read.
  inline size_t TakeRun(const uint8_t* p, size_t n);
  // Outside a sentence, when p begins with the usual whole sentence (its
  // text, then CR LF or "*", two upper-case hex digits and CR LF), takes it
  // as Feed would byte by byte, sets `result` to what the last Feed would
  // return and returns its length; otherwise returns 0 and no state that
  // Feed reads has changed.
  inline size_t TakeSentence(const uint8_t* p, size_t n, int32_t& result);

 private:
  std::array<uint8_t, kCapacity> storage_{};
  ByteBuffer buffer_;
  bool inSentence_ = false;
  bool crSeen_ = false;
  uint32_t checksumState_ = 0;
  uint8_t computedChecksum_ = 0;
  uint8_t receivedChecksum_ = 0;
  uint32_t consumed_ = 0;
};

// KVT frame checks on a completed body.
constexpr int32_t kKvtWrongLength = -1097;
constexpr int32_t kKvtCommandUnknown = -1099;
constexpr int32_t kHoxTargetError = -1077;

bool CheckKvtChecksum(const uint8_t* body, uint32_t n);
int32_t CheckKvtLength(const uint8_t* body, uint32_t n);
uint32_t ClassifyKvtFrame(const uint8_t* body, uint32_t n);
// The message type a completed KVT body is recorded with.
uint32_t KvtMessageType(const uint8_t* body, uint32_t n);

// CR, LF and 0x20..0x7D; "$" and "!" only when excludeStart is false.
inline bool IsSentenceChar(uint8_t b, bool excludeStart) {
  if (b == '\r' || b == '\n') return true;
  if (b < 0x20 || b > 0x7D) return false;
  return !(excludeStart && (b == '$' || b == '!'));
}

// Upper-case hex digits only: a lower-case digit reads as 0.
inline uint8_t HexDigitValue(uint8_t b) {
  if (b >= '0' && b <= '9') return static_cast<uint8_t>(b - '0');
  if (b >= 'A' && b <= 'F') return static_cast<uint8_t>(b - 'A' + 10);
  return 0;
}

// ---- inline state machines: they run once per byte of a log ----

inline size_t CPYL_Deserialise::TakeRun(const uint8_t* p, size_t n, uint8_t stop) {
  if (!inFrame_ || escapePending_) return 0;
  const size_t room = buffer_.capacity - buffer_.length;
  const size_t i = scan::FindFirstOf(p, n < room ? n : room, escape_, stop);
  std::memcpy(buffer_.data + buffer_.length, p, i);
  buffer_.length += static_cast<uint32_t>(i);
  consumed_ += static_cast<uint32_t>(i);
  return i;
}

inline size_t CPYL_Deserialise::TakeFrame(const uint8_t* p, size_t n, uint8_t stop) {
  if (!Idle() || n < 4 || p[0] != escape_ || p[1] != start_) return 0;
  // The body is gathered past the buffer's length, which moves only once
  // the frame is known whole.
  uint8_t* out = buffer_.data;
  size_t stored = 0;
  size_t i = 2;
  for (;;) {
    const size_t room = buffer_.capacity - stored;
    const size_t limit = n - i < room ? n - i : room;
    const size_t run = scan::FindFirstOf(p + i, limit, escape_, stop);
    if (run != 0) std::memcpy(out + stored, p + i, run);
    stored += run;
    i += run;
    if (i + 1 >= n || p[i] != escape_) return 0;  // cut short, overflowing, or a stop byte
    if (p[i + 1] == end_) break;
    if (p[i + 1] != escape_ || stored == buffer_.capacity) return 0;
    out[stored++] = escape_;
    i += 2;
  }
  buffer_.length = static_cast<uint32_t>(stored);
  consumed_ = static_cast<uint32_t>(i + 2);
  return i + 2;
}

inline size_t CN183_Deserialise::TakeRun(const uint8_t* p, size_t n) {
  // Between "*" and the second digit every character changes the state.
  if (!inSentence_ || (checksumState_ != 0 && checksumState_ < 4)) return 0;
  const TextRun r = scan::SentenceText(p, n, buffer_.data + buffer_.length, buffer_.capacity - buffer_.length);
  if (checksumState_ == 0) {
    computedChecksum_ ^= r.sum;
  } else {
    checksumState_ += static_cast<uint32_t>(r.stored);  // past the digits: counted, not summed
  }
  buffer_.length += static_cast<uint32_t>(r.stored);
  consumed_ += static_cast<uint32_t>(r.consumed);
  return r.consumed;
}

inline size_t CN183_Deserialise::TakeSentence(const uint8_t* p, size_t n, int32_t& result) {
  if (inSentence_ || n == 0 || (p[0] != '$' && p[0] != '!')) return 0;
  // The text is gathered past the buffer's start; the buffer's length moves
  // only once the sentence is known whole.
  buffer_.data[0] = p[0];
  const TextRun text = scan::SentenceText(p + 1, n - 1, buffer_.data + 1, buffer_.capacity - 1);
  size_t i = 1 + text.consumed;
  uint32_t length = 1 + static_cast<uint32_t>(text.stored);
  uint32_t checksumState = 0;
  uint8_t received = 0;
  if (i + 3 <= n && p[i] == '*') {
    const auto isDigit = [](uint8_t b) { return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'F'); };
    if (!isDigit(p[i + 1]) || !isDigit(p[i + 2]) || buffer_.capacity - length < 3) return 0;
    received = static_cast<uint8_t>(HexDigitValue(p[i + 1]) << 4 | HexDigitValue(p[i + 2]));
    std::memcpy(buffer_.data + length, p + i, 3);
    length += 3;
    i += 3;
    checksumState = 4;
  }
  if (i + 2 > n || p[i] != '\r' || p[i + 1] != '\n') return 0;
  i += 2;
  buffer_.length = length;
  buffer_.readPosition = 0;
  consumed_ = static_cast<uint32_t>(i);
  checksumState_ = checksumState;
  computedChecksum_ = text.sum;
  receivedChecksum_ = received;
  crSeen_ = true;
  result = checksumState != 0 && text.sum != received ? FR_ChecksumMismatch : FR_Complete;
  return i;
}

inline int32_t CPYL_Deserialise::Store(uint8_t b) {
  if (buffer_.length < buffer_.capacity) {
    buffer_.data[buffer_.length++] = b;
  } else {
    BufAppend(buffer_, b);  // reports the overrun
    inFrame_ = false;
  }
  return FR_Taken;
}

inline int32_t CPYL_Deserialise::Feed(uint8_t b) {
  if (escapePending_) {
    escapePending_ = false;
    if (b == start_) {
      consumed_ = 2;
      inFrame_ = true;
      BufClear(buffer_);
      return FR_Started;
    }
    if (b == end_) {
      if (!inFrame_) return FR_Outside;
      consumed_ += 2;
      inFrame_ = false;
      return FR_Complete;
    }
    if (b == escape_) {
      if (!inFrame_) return FR_EscapePair;
      consumed_ += 2;
      return Store(b);
    }
    inFrame_ = false;
    return FR_Outside;
  }
  if (b == escape_) {
    escapePending_ = true;
    return FR_EscapeSeen;
  }
  if (!inFrame_) return FR_Outside;
  ++consumed_;
  return Store(b);
}

inline int32_t CN183_Deserialise::Feed(uint8_t b) {
  if (b == '$' || b == '!') {
    inSentence_ = true;
    crSeen_ = false;
    checksumState_ = 0;
    computedChecksum_ = 0;
    // A "*" with no digits after it compares against this, so it must not
    // be what the previous sentence carried.
    receivedChecksum_ = 0;
    BufClear(buffer_);
    consumed_ = 1;
    buffer_.data[buffer_.length++] = b;
    return FR_Started;
  }
  if (!inSentence_) return FR_Outside;
  ++consumed_;
  if (b == '\r') {
    crSeen_ = true;
    return FR_Taken;
  }
  if (b == '\n' && crSeen_) {
    inSentence_ = false;
    return (checksumState_ != 0 && computedChecksum_ != receivedChecksum_) ? FR_ChecksumMismatch
                                                                            : FR_Complete;
  }
  if ((b < 0x20 && b != '\n') || b >= 0x7E) return FR_Taken;
  if (b == '*') checksumState_ = 1;
  switch (checksumState_) {
    case 0:
      computedChecksum_ ^= b;
      break;
    case 2:
      receivedChecksum_ = static_cast<uint8_t>(HexDigitValue(b) << 4);
      checksumState_ = 3;
      break;
    case 3:
      receivedChecksum_ |= HexDigitValue(b);
      checksumState_ = 4;
      break;
    default:
      ++checksumState_;
      break;
  }
  if (buffer_.length < buffer_.capacity) {
    buffer_.data[buffer_.length++] = b;
    return FR_Taken;
  }
  BufAppend(buffer_, b);  // reports the overrun
  inSentence_ = false;
  return FR_BufferFull;
}
