#include "decode/SafeFormat.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

CSafeFormat::~CSafeFormat() { std::free(buffer_); }

const char* CSafeFormat::Format(const char* format, va_list args) {
  va_list sizing;
  va_copy(sizing, args);
  const int needed = std::vsnprintf(nullptr, 0, format, sizing);
  va_end(sizing);
  if (needed < 0) {
    length_ = 0;
    return "";
  }
  const uint32_t size = static_cast<uint32_t>(needed) + 1;
  if (buffer_ == nullptr || capacity_ < size) {
    char* grown = static_cast<char*>(std::realloc(buffer_, size));
    if (grown == nullptr) {
      length_ = 0;
      return buffer_ != nullptr ? buffer_ : "";
    }
    buffer_ = grown;
    capacity_ = size;
  }
  std::vsnprintf(buffer_, size, format, args);
  length_ = size;
  return buffer_;
}

const char* CSafeFormat::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  const char* text = Format(format, args);
  va_end(args);
  return text;
}

const char* CSafeFormat::Get() const { return buffer_ != nullptr ? buffer_ : ""; }

void CSafeFormat::CopyTo(char* destination, uint32_t maximum) const {
  if (destination == nullptr) return;
  if (buffer_ == nullptr) {
    if (maximum > 0) destination[0] = '\0';
    return;
  }
  std::memcpy(destination, buffer_, length_ < maximum ? length_ : maximum);
}
