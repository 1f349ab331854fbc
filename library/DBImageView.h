// The gateway's read-only view of a database image: eight (entries, count)
// pairs pointing into the image bytes, entry decoders, and the searches the
// converters use to find a sentence or PGN. Nothing is copied or allocated.
//
// The view never trusts the sizes written in the image: every header walked
// and every entry handed out lies inside the bytes given to
// OpenDatabaseImage, so a corrupt or hostile file is refused or read in
// part, never read past its end.
#pragma once

#include <cstddef>
#include <cstdint>

// Result codes of OpenDatabaseImage.
constexpr uint32_t kDBImageOpened = 0;
constexpr uint32_t kDBImageEntrySizeMismatch = 0xFFFFFD59;
constexpr uint32_t kDBImageWrongRoot = 0xFFFFFD5A;
constexpr uint32_t kDBImageMissingSection = 0xFFFFFD5B;

// What a result code means, for people reading a refused image's report.
const char* DatabaseImageErrorText(uint32_t code);

struct DatabaseImageSection {
  uint32_t id;
  uint32_t entrySize;
  const uint8_t* entries;  // the byte after the section header
  uint32_t count;
};

enum DatabaseListSection : size_t {
  kViewN183RxSentences,
  kViewN183RxFields,
  kViewN183TxSentences,
  kViewN183TxFields,
  kViewN2KRxPGNs,
  kViewN2KRxFields,
  kViewN2KTxPGNs,
  kViewN2KTxFields,
  kViewSectionCount,
};

struct DatabaseImageView {
  DatabaseImageSection sections[kViewSectionCount];
};

// Decoded entries. Positions and indices of "none" keep their image values
// (0xFF, 0xFFFF) so that a caller can compare against the documented ones.
struct N183SentenceEntry {
  uint32_t formatterKey;
  char talker[2];
  uint16_t firstFieldIndex;
  uint8_t fieldCount;
  char startDelimiter;
  uint8_t modifierField;
  char modifierValue;
  uint32_t transmitInterval;  // transmit entries only
  uint8_t multiPartCode;
  uint8_t groupFirstField;
  uint8_t groupSize;
  uint8_t groupRepository;
  uint8_t groupFieldIndex;    // receive entries only
  uint8_t groupMaximum;
  uint8_t positionInList;     // receive entries only
};

struct N183FieldEntry {
  uint8_t fieldNumber;
  uint8_t fieldType;
  uint8_t unitType;
  uint8_t unitSymbolField;
  uint8_t repositoryIndex;
  int8_t decimalPlaces;
  uint8_t validityField;
  uint8_t validityRule;
  uint32_t flags;
};

struct N2KPGNEntry {
  uint32_t pgn;
  uint16_t firstFieldIndex;
  uint8_t fieldCount;
  uint8_t size;
  uint8_t groupFieldIndex;
  uint8_t groupSize;
  uint8_t groupBits;
  uint8_t repeatRepository;
  uint8_t positionInList;     // receive entries only
  uint8_t instances;          // transmit entries only
  uint8_t priority;           // transmit entries only
  uint16_t transmitInterval;  // transmit entries only
};

struct N2KFieldEntry {
  uint8_t fieldNumber;
  uint8_t flags;
  uint8_t sizeBits;
  uint8_t sizeBytes;
  uint16_t bitPosition;
  uint8_t repositoryIndex;
  uint8_t modifierFieldIndex;
  uint8_t modifierValue;
  uint8_t instance;
  uint16_t dictionaryIndex;
};

constexpr uint32_t kN183FieldCritical = 0x01;
constexpr uint32_t kN183FieldInValidCount = 0x02;
constexpr uint8_t kN2KFieldCritical = 0x01;
constexpr uint8_t kN2KFieldInValidCount = 0x02;
constexpr uint8_t kN2KFieldNullCheck = 0x04;

// 0 and a filled view, or one of the error codes above; a refused view has
// every pair empty, so its accessors give null.
uint32_t OpenDatabaseImage(DatabaseImageView& view, const uint8_t* image, size_t length);

N183SentenceEntry ReadN183RxSentence(const uint8_t* entry);
N183SentenceEntry ReadN183TxSentence(const uint8_t* entry);
N183FieldEntry ReadN183Field(const uint8_t* entry);
N2KPGNEntry ReadN2KRxPGN(const uint8_t* entry);
N2KPGNEntry ReadN2KTxPGN(const uint8_t* entry);
N2KFieldEntry ReadN2KField(const uint8_t* entry);

// Entry by position: null when the position is not below the count.
const uint8_t* GetN183RxSentence(const DatabaseImageView& view, uint32_t position);
const uint8_t* GetN183TxSentence(const DatabaseImageView& view, uint32_t position);
const uint8_t* GetN2KRxPGN(const DatabaseImageView& view, uint32_t position);
const uint8_t* GetN2KTxPGN(const DatabaseImageView& view, uint32_t position);
uint32_t CountN183RxSentences(const DatabaseImageView& view);
uint32_t CountN183TxSentences(const DatabaseImageView& view);
uint32_t CountN2KRxPGNs(const DatabaseImageView& view);
uint32_t CountN2KTxPGNs(const DatabaseImageView& view);

// Field i of a message: the entry at (first field index + i) of the
// message's field section, or null past that section's end. The message's
// own field count is the caller's bound.
const uint8_t* GetN183RxField(const DatabaseImageView& view, const uint8_t* sentence, uint32_t i);
const uint8_t* GetN183TxField(const DatabaseImageView& view, const uint8_t* sentence, uint32_t i);
const uint8_t* GetN2KRxField(const DatabaseImageView& view, const uint8_t* pgn, uint32_t i);
const uint8_t* GetN2KTxField(const DatabaseImageView& view, const uint8_t* pgn, uint32_t i);

// The run of receive entries with this formatter (the two MWV rows share
// one): its length, and its first entry in `first` (null when none).
uint32_t FindN183RxSentences(const DatabaseImageView& view, char c0, char c1, char c2, const uint8_t*& first);
const uint8_t* FindN183TxSentence(const DatabaseImageView& view, char c0, char c1, char c2);
const uint8_t* FindN2KRxPGN(const DatabaseImageView& view, uint32_t pgn);
const uint8_t* FindN2KTxPGN(const DatabaseImageView& view, uint32_t pgn);

// Comma-separated fields a receive sentence covers: 0 without fields, else
// the last field's number plus the span of its DT0183 type.
uint32_t CountSentenceFields(const DatabaseImageView& view, const uint8_t* sentence);
