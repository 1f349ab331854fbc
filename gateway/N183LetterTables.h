// The letters NMEA 0183 uses for coded values, and their codes in the
// repository. The first row of each table is the code taken when no letter
// matches, and the letter written for a code that is not in the table.
#pragma once

#include <cstdint>

struct LetterCode {
  const char* letter;
  uint8_t code;
};

struct LetterTable {
  const LetterCode* rows;
  uint32_t count;
};

extern const LetterTable kModeIndicatorLetters;
extern const LetterTable kStatusLetters;
extern const LetterTable kGnssMethodLetters;
extern const LetterTable kFixTypeLetters;
extern const LetterTable kTimeSourceTalkers;
extern const LetterTable kSystemTypeTalkers;

// The code of the row whose letters start the text; the default code when
// none does or there is no text.
uint8_t CodeOfLetters(const LetterTable& table, const char* text);
const char* LettersOfCode(const LetterTable& table, int64_t code);
