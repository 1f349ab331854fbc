// Arbitrary bytes as a gateway database image: opening it and walking every
// entry, field and search the gateway uses must stay inside the bytes given
// (the input is copied to a buffer of exactly its size, so the address
// sanitizer sees any read past it).
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "library/DBImageView.h"

namespace {

// Keeps the reads from being optimised away.
volatile uint32_t readSink;

void CheckInside(const DatabaseImageView& view, const std::vector<uint8_t>& image) {
  for (const DatabaseImageSection& section : view.sections) {
    if (section.count == 0) continue;
    const uint8_t* end = section.entries + static_cast<uint64_t>(section.count) * section.entrySize;
    if (section.entries < image.data() || end > image.data() + image.size()) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> image(data, data + size);
  DatabaseImageView view;
  const uint32_t result = OpenDatabaseImage(view, image.data(), image.size());
  if (result != kDBImageOpened) {
    for (const DatabaseImageSection& section : view.sections) {
      if (section.entries || section.count) std::abort();
    }
    return 0;
  }
  CheckInside(view, image);
  uint32_t sum = 0;
  for (uint32_t i = 0; i < CountN183RxSentences(view); ++i) {
    const uint8_t* sentence = GetN183RxSentence(view, i);
    const N183SentenceEntry entry = ReadN183RxSentence(sentence);
    for (uint32_t f = 0; f < entry.fieldCount; ++f) {
      if (const uint8_t* field = GetN183RxField(view, sentence, f)) sum += ReadN183Field(field).fieldNumber;
    }
    sum += CountSentenceFields(view, sentence);
    const uint8_t* first = nullptr;
    const char c0 = static_cast<char>(entry.formatterKey >> 24);
    const char c1 = static_cast<char>(entry.formatterKey >> 16);
    const char c2 = static_cast<char>(entry.formatterKey >> 8);
    sum += FindN183RxSentences(view, c0, c1, c2, first);
    if (FindN183TxSentence(view, c0, c1, c2)) ++sum;
  }
  for (uint32_t i = 0; i < CountN183TxSentences(view); ++i) {
    const uint8_t* sentence = GetN183TxSentence(view, i);
    for (uint32_t f = 0; f < ReadN183TxSentence(sentence).fieldCount; ++f) {
      if (const uint8_t* field = GetN183TxField(view, sentence, f)) sum += ReadN183Field(field).unitType;
    }
  }
  for (uint32_t i = 0; i < CountN2KRxPGNs(view); ++i) {
    const uint8_t* pgn = GetN2KRxPGN(view, i);
    const N2KPGNEntry entry = ReadN2KRxPGN(pgn);
    for (uint32_t f = 0; f < entry.fieldCount; ++f) {
      if (const uint8_t* field = GetN2KRxField(view, pgn, f)) sum += ReadN2KField(field).repositoryIndex;
    }
    if (FindN2KRxPGN(view, entry.pgn) == nullptr && FindN2KTxPGN(view, entry.pgn)) ++sum;
  }
  for (uint32_t i = 0; i < CountN2KTxPGNs(view); ++i) {
    const uint8_t* pgn = GetN2KTxPGN(view, i);
    for (uint32_t f = 0; f < ReadN2KTxPGN(pgn).fieldCount; ++f) {
      if (const uint8_t* field = GetN2KTxField(view, pgn, f)) sum += ReadN2KField(field).instance;
    }
  }
  readSink = sum;
  return 0;
}
