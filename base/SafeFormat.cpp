#include "base/SafeFormat.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

CSafeFormat::~CSafeFormat() { std::free(buffer_); }

const char* CSafeFormat::Format(const char* format, va_list args) {
  // Formatting twice (once to size, once to write) was most of the cost of
  // a decode: the text goes straight into the buffer it already has, or
  // into the stack, and only a text longer than both is formatted again.
  char local[kStackBytes];
  const bool intoBuffer = buffer_ != nullptr && capacity_ >= sizeof local;
  char* target = intoBuffer ? buffer_ : local;
  const uint32_t room = intoBuffer ? capacity_ : static_cast<uint32_t>(sizeof local);
  va_list retry;
  va_copy(retry, args);
  const int needed = std::vsnprintf(target, room, format, args);
  if (needed < 0) {
    va_end(retry);
    length_ = 0;
    return "";
  }
  const uint32_t size = static_cast<uint32_t>(needed) + 1;
  if (size <= room && intoBuffer) {
    va_end(retry);
    length_ = size;
    return buffer_;
  }
  if (buffer_ == nullptr || capacity_ < size) {
    char* grown = static_cast<char*>(std::realloc(buffer_, size));
    if (grown == nullptr) {
      va_end(retry);
      length_ = 0;
      return buffer_ != nullptr ? buffer_ : "";
    }
    buffer_ = grown;
    capacity_ = size;
  }
  if (size <= room)
    std::memcpy(buffer_, local, size);
  else
    std::vsnprintf(buffer_, size, format, retry);
  va_end(retry);
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

void AppendFormatV(std::string& text, const char* format, va_list args) {
  char local[512];  // as CSafeFormat formats on the stack
  va_list retry;
  va_copy(retry, args);
  const int needed = std::vsnprintf(local, sizeof local, format, args);
  if (needed >= 0 && static_cast<size_t>(needed) < sizeof local) {
    text.append(local, static_cast<size_t>(needed));
  } else if (needed > 0) {
    const size_t at = text.size();
    // resize() already holds room for the terminating NUL vsnprintf writes.
    text.resize(at + static_cast<size_t>(needed));
    std::vsnprintf(text.data() + at, static_cast<size_t>(needed) + 1, format, retry);
  }
  va_end(retry);
}

void AppendFormat(std::string& text, const char* format, ...) {
  va_list args;
  va_start(args, format);
  AppendFormatV(text, format, args);
  va_end(args);
}
