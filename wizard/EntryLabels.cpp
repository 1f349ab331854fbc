#include "wizard/EntryLabels.h"

#include "library/N183Lookup.h"

namespace {
constexpr uint8_t kNoTrailerField = 0xFF;
}

std::string N183TxLabel(const N183SentenceEntry& entry) {
  char formatter[4];
  UnpackFormatterKey(entry.formatterKey, formatter);
  std::string label(formatter, 3);
  if (entry.modifierField != kNoTrailerField) {
    label += '(';
    label += entry.modifierValue;
    label += ')';
  }
  return label;
}

std::string N2KTxLabel(const N2KPGNEntry& entry) { return std::to_string(entry.pgn); }
