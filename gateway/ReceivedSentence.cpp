#include "gateway/ReceivedSentence.h"

#include <cstring>

void Split(ReceivedSentence& s, const char* text, uint32_t length, uint32_t time) {
  s = ReceivedSentence{};
  if (!text) length = 0;
  if (length > kSplitTextCapacity) length = kSplitTextCapacity;
  if (length > 0) std::memcpy(s.text, text, length);
  s.text[length] = '\0';
  s.length = static_cast<uint32_t>(std::strlen(s.text));
  s.time = time;
  const uint32_t addressLength = s.length >= 2 && s.text[1] == 'P' ? 2 : 3;
  std::strncpy(s.address, s.text, addressLength < s.length ? addressLength : s.length);
  s.formatterStart = addressLength < s.length ? addressLength : s.length;
  for (uint32_t i = s.formatterStart; i < s.length; ++i) {
    if (s.text[i] == '*') {
      s.text[i] = '\0';
      break;
    }
    if (s.text[i] == ',') {
      s.text[i] = '\0';
      if (s.fieldCount < kSplitMaxFields) s.fieldStart[s.fieldCount++] = i + 1;
    }
  }
}

const char* FieldText(const ReceivedSentence& s, uint32_t k) {
  const uint32_t n = k + s.fieldShift;
  if (n >= s.fieldCount) return nullptr;
  const char* field = s.text + s.fieldStart[n];
  return *field ? field : nullptr;
}

const char* Formatter(const ReceivedSentence& s) {
  if (s.formatterStart + 3 > s.length) return nullptr;
  return s.text + s.formatterStart;
}
