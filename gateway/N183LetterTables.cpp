#include "gateway/N183LetterTables.h"

#include <cstring>
#include <iterator>

namespace {

// letters, code; the first row is the default.
constexpr LetterCode kModeIndicator[] = {{"N", 15}, {"A", 0}, {"D", 1}, {"E", 2}, {"S", 3}, {"M", 4}};
constexpr LetterCode kStatus[] = {{"V", 15}, {"V", 0}, {"A", 1}};
constexpr LetterCode kGnssMethod[] = {{"N", 15}, {"N", 0}, {"A", 1}, {"D", 2}, {"E", 6}, {"M", 7}, {"S", 8}};
constexpr LetterCode kFixType[] = {{"1", 7}, {"2", 1}, {"3", 2}};
constexpr LetterCode kTimeSource[] = {{"", 15}, {"GP", 0}, {"GL", 1}, {"GN", 0}, {"ZA", 3},
                                      {"ZC", 5}, {"ZQ", 5}, {"ZV", 2}};
constexpr LetterCode kSystemType[] = {{"", 15}, {"GP", 0}, {"GL", 1}};

}  // namespace

const LetterTable kModeIndicatorLetters = {kModeIndicator, std::size(kModeIndicator)};
const LetterTable kStatusLetters = {kStatus, std::size(kStatus)};
const LetterTable kGnssMethodLetters = {kGnssMethod, std::size(kGnssMethod)};
const LetterTable kFixTypeLetters = {kFixType, std::size(kFixType)};
const LetterTable kTimeSourceTalkers = {kTimeSource, std::size(kTimeSource)};
const LetterTable kSystemTypeTalkers = {kSystemType, std::size(kSystemType)};

uint8_t CodeOfLetters(const LetterTable& table, const char* text) {
  if (text) {
    for (uint32_t i = 1; i < table.count; ++i) {
      const size_t n = std::strlen(table.rows[i].letter);
      if (std::strncmp(text, table.rows[i].letter, n) == 0) return table.rows[i].code;
    }
  }
  return table.rows[0].code;
}

const char* LettersOfCode(const LetterTable& table, int64_t code) {
  for (uint32_t i = 1; i < table.count; ++i) {
    if (table.rows[i].code == code) return table.rows[i].letter;
  }
  return table.rows[0].letter;
}
