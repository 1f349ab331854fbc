// A reusable printf buffer that grows to the largest text it has formatted
// and never shrinks, so a decoder that formats thousands of lines allocates
// only a handful of times.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>

#define QLX_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))

class CSafeFormat {
 public:
  CSafeFormat() = default;
  CSafeFormat(const CSafeFormat&) = delete;
  CSafeFormat& operator=(const CSafeFormat&) = delete;
  virtual ~CSafeFormat();

  const char* Format(const char* format, va_list args);
  const char* Format(const char* format, ...) QLX_PRINTF(2, 3);
  const char* Get() const;
  // Copies min(length, maximum) bytes (the NUL included when it fits).
  void CopyTo(char* destination, uint32_t maximum) const;

  // Bytes of the last text, terminating NUL included; 0 when formatting failed.
  uint32_t Length() const { return length_; }
  uint32_t Capacity() const { return capacity_; }

 private:
  // Texts up to this size are formatted on the stack before the buffer grows.
  static constexpr uint32_t kStackBytes = 512;

  char* buffer_ = nullptr;
  uint32_t length_ = 0;
  uint32_t capacity_ = 0;
};

// Appends the formatted text to a string. The text is formatted on the stack
// and a second time only when it is longer, so a line costs one formatting
// and no heap block of its own.
void AppendFormat(std::string& text, const char* format, ...) QLX_PRINTF(2, 3);
void AppendFormatV(std::string& text, const char* format, va_list args);
