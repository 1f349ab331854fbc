// A received NMEA 0183 sentence cut into its fields in place: every "," after
// the formatter becomes a NUL, and "*" ends the fields before the checksum.
#pragma once

#include <cstdint>

constexpr uint32_t kSplitTextCapacity = 299;
constexpr uint32_t kSplitMaxFields = 26;

struct ReceivedSentence {
  char text[kSplitTextCapacity + 1] = {};
  uint32_t length = 0;
  uint32_t time = 0;
  char address[4] = {};        // start character and talker, NUL-terminated
  uint32_t formatterStart = 0;
  uint32_t fieldStart[kSplitMaxFields] = {};
  uint32_t fieldCount = 0;
  uint32_t fieldShift = 0;     // added to field numbers while walking repeated groups
};

// Copies at most 299 characters of text and splits them.
void Split(ReceivedSentence& s, const char* text, uint32_t length, uint32_t time);
// Field k (+ shift): null when the sentence has no such field or it is empty.
const char* FieldText(const ReceivedSentence& s, uint32_t k);
// The three formatter characters, or null when the sentence is too short.
const char* Formatter(const ReceivedSentence& s);
