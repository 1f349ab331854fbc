#include "log/Deserialise.h"

#include "log/ByteOrder.h"

CPYL_Deserialise::CPYL_Deserialise(uint8_t escape, uint8_t start, uint8_t end, uint32_t capacity)
    : escape_(escape), start_(start), end_(end) {
  BufAttach(buffer_, storage_.data(), capacity < kMaxCapacity ? capacity : kMaxCapacity);
  BufClear(buffer_);
}

void CPYL_Deserialise::Reset() {
  escapePending_ = false;
  inFrame_ = false;
  consumed_ = 0;
}

CN183_Deserialise::CN183_Deserialise() {
  BufAttach(buffer_, storage_.data(), kCapacity);
  BufClear(buffer_);
}

void CN183_Deserialise::Reset() {
  inSentence_ = false;
  crSeen_ = false;
  consumed_ = 0;
}

bool CheckKvtChecksum(const uint8_t* body, uint32_t n) { return scan::SumBytes(body, n) == 0; }

int32_t CheckKvtLength(const uint8_t* body, uint32_t n) {
  // A body without its command and length bytes is malformed whatever the
  // command: the rules below would read bytes that are not part of the frame.
  if (n < 2) return kKvtWrongLength;
  switch (body[0]) {
    case 0x92:
      return (n >= 10 && body[1] == body[8] + 7) ? 0 : kKvtWrongLength;
    case 0x93:
      return (n >= 14 && body[1] == body[12] + 11) ? 0 : kKvtWrongLength;
    case 0x94:
      return (n >= 9 && body[1] == body[7] + 6) ? 0 : kKvtWrongLength;
    case 0xA0:
    case 0xA2:
    case 0xA3: {
      if (n < 15) return kKvtWrongLength;
      return LoadU32(body + 10) == 0 ? 0 : kHoxTargetError;
    }
    case 0xA1:
    case 0xA4:
      return 0;
    default:
      return n == static_cast<uint32_t>(body[1]) + 3 ? 0 : kKvtWrongLength;
  }
}

uint32_t ClassifyKvtFrame(const uint8_t* body, uint32_t n) {
  if (n == 0) return 0x300;
  const uint8_t c = body[0];
  if (c == 0x11) return 0x301;
  if (c >= 0x90 && c <= 0x94) return 0x500;
  if (c == 0xA0 || c == 0xA1) return 0x400;
  if (c == 0xA2) return 0x401;
  if (c == 0xA3 || c == 0xA4) return 0x402;
  if (c == 0xA5 || c == 0xA6) return 0x403;
  return 0x300;
}

uint32_t KvtMessageType(const uint8_t* body, uint32_t n) {
  if (!CheckKvtChecksum(body, n)) return 0x304;
  if (CheckKvtLength(body, n) != 0) return 0x303;
  return ClassifyKvtFrame(body, n);
}
