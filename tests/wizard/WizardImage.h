// Small database images written on the spot, so that a test states exactly
// which receive and transmit entries the wizard reports on.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "library/N183Lookup.h"
#include "log/ByteOrder.h"
#include "tests/DBTestImage.h"

namespace wizard_test {

using Entry = TestImageEntry;
using SectionEntries = TestImageSections;

inline std::vector<uint8_t> WriteImage(const SectionEntries& sections) { return WriteTestImage(sections); }

inline Entry Sentence(const char* formatter, uint16_t firstField, uint8_t fieldCount, size_t size,
                      uint8_t trailerField = 0xFF, char trailer = '!') {
  Entry e(size, 0);
  StoreU32(e.data(), FormatterKeyOf(formatter));
  StoreU16(e.data() + 6, firstField);
  e[8] = fieldCount;
  e[9] = '$';
  e[10] = trailerField;
  e[11] = static_cast<uint8_t>(trailer);
  return e;
}
inline Entry RxSentence(const char* formatter, uint16_t firstField, uint8_t fieldCount) {
  return Sentence(formatter, firstField, fieldCount, kDBN183RxSentenceEntrySize);
}
inline Entry TxSentence(const char* formatter, uint16_t firstField, uint8_t fieldCount, uint8_t trailerField = 0xFF,
                        char trailer = '!') {
  return Sentence(formatter, firstField, fieldCount, kDBN183TxSentenceEntrySize, trailerField, trailer);
}

inline Entry Pgn(uint32_t pgn, uint16_t firstField, uint8_t fieldCount, uint8_t priority = 0,
                 uint16_t interval = 0) {
  Entry e(kDBN2KPGNEntrySize, 0);
  StoreU32(e.data(), pgn);
  StoreU16(e.data() + 4, firstField);
  e[6] = fieldCount;
  e[13] = priority;
  StoreU16(e.data() + 14, interval);
  return e;
}

constexpr uint8_t kMandatory = 0x01;
constexpr uint8_t kData = 0x02;

inline Entry N183Field(uint8_t datatype, uint8_t flags) {
  Entry e(kDBN183FieldEntrySize, 0);
  e[4] = datatype;
  StoreU32(e.data() + 8, flags);
  return e;
}
inline Entry N2KField(uint8_t datatype, uint8_t flags) {
  Entry e(kDBN2KFieldEntrySize, 0);
  e[1] = flags;
  e[6] = datatype;
  return e;
}

// Owns the bytes the view points into.
struct OpenedImage {
  explicit OpenedImage(const SectionEntries& sections) : bytes(WriteImage(sections)) {
    result = OpenDatabaseImage(view, bytes.data(), bytes.size());
  }
  std::vector<uint8_t> bytes;
  DatabaseImageView view{};
  uint32_t result = 0;
};

}  // namespace wizard_test
