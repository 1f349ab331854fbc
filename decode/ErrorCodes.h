// The system-wide error vocabulary: every negative status code that a parser,
// buffer, converter or device can report, with the text shown for it.
#pragma once

#include <cstdint>

struct ErrorCodeText {
  int32_t code;
  const char* text;  // at most 99 characters
};

constexpr uint32_t kErrorCodeCount = 280;
// Sorted from 0 downwards.
extern const ErrorCodeText kErrorCodes[kErrorCodeCount];

// The text of the code, or "Error Code meaning not defined!".
const char* ErrorText(int32_t code);
