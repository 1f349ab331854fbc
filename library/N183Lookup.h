// Questions the sentence decoder, the gateway conversion and the database
// builder ask of the NMEA 0183 and AIS tables. Every query is a pure function
// of the constant tables: a key without a row, or an index past the end of a
// table, gives null or an empty text.
#pragma once

#include <cstdint>
#include <set>

#include "library/N183Tables.h"

class CTreeNode;

// The NMEA 0183 library object. It carries no state of its own: the tables
// are constants and the queries below are free functions.
class CN183Lib {
 public:
  virtual ~CN183Lib() = default;
};

extern const CN183Lib kN183Lib;

// Sentence entries of the gateway database are keyed by the three formatter
// characters packed into the top three bytes; the low byte is always 0.
constexpr uint32_t PackFormatterKey(char c0, char c1, char c2) {
  return (static_cast<uint32_t>(static_cast<uint8_t>(c0)) << 24) |
         (static_cast<uint32_t>(static_cast<uint8_t>(c1)) << 16) |
         (static_cast<uint32_t>(static_cast<uint8_t>(c2)) << 8);
}
uint32_t FormatterKeyOf(const char* formatter);  // first three characters; 0 for null
// Writes the three characters and a terminating NUL.
void UnpackFormatterKey(uint32_t key, char formatter[4]);
// The formatter of a row: the three characters after the talker.
inline const char* FormatterOf(const SentenceDefinition& row) { return row.address + 2; }

// Compares exactly three characters of the text; for "MWV" the row met first
// by the bisection is returned (the relative one), the caller tells the two
// apart by the modifier field. A text shorter than three characters finds
// nothing.
const SentenceDefinition* FindSentence(const char* text);
const SentenceDefinition* FindSentenceByKey(uint32_t formatterKey);
const char* GetSentenceName(uint32_t formatterKey);
const SentenceDefinition* GetSentenceByIndex(uint32_t index);
const SentenceFieldDefinition* GetSentenceField(uint32_t index);
// By the code column: null for the unassigned code 10 and above 35.
const DT0183Type* GetDT0183Type(uint32_t code);
const UT183UnitName* GetUT183UnitName(uint32_t code);
const UT183Conversion* GetUT183Conversion(uint32_t code);
const N183ConversionFactor* GetConversionFactor(uint32_t index);
const AISMessage* GetAISMessage(uint32_t index);
const AISFieldDefinition* GetAISFieldDefinition(uint32_t index);
const AISFieldListRow* GetAISFieldListRow(uint32_t index);
const AISRange* GetAISRange(uint32_t index);

// Comma-separated fields the definitions of a sentence cover: the last
// definition's field number plus the span of its type; 0 without fields.
uint32_t CountCoveredFields(const SentenceDefinition& sentence);

// Inserts the library index of every sentence with a field stored in the
// repository datatype; nothing for RD_NONE.
void CollectSentencesUsingRepository(uint32_t repositoryIndex, std::set<uint32_t>& sentenceIndices);
// One child per index, ascending: "GGA : Global Positioning System Fix Data"
// when verbose, else "GGA". Indices past the table are skipped.
void ListLibrarySentences(CTreeNode& node, const std::set<uint32_t>& sentenceIndices, bool verbose);

// The 6-bit value of an AIS armour character: '0'..'W' are 0..39 and
// '`'..'w' are 40..63; any other character gives what its low bits give.
constexpr uint8_t ArmourSixBits(uint8_t c) { return static_cast<uint8_t>((c < 96 ? c - 48 : c - 56) & 0x3F); }
