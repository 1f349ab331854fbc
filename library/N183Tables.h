// The compiled-in NMEA 0183 library: sentence definitions and their fields,
// the NMEA 0183 field data types (DT0183), the unit types (UT183) with their
// conversion chains, the factors into NMEA 2000 base units, and the ITU-R
// M.1371 tables that drive AIS payload decoding. Rows are constant and live
// for the whole program; absent text is "", never null.
#pragma once

#include <cstdint>

// DT0183 type codes (code 10 is not assigned).
enum DT0183Code : uint32_t {
  DT0183_NoDef = 0,
  DT0183_Status = 1,
  DT0183_Latitude = 2,
  DT0183_Longitude = 3,
  DT0183_Time = 4,
  DT0183_TimeAndTalkerID = 5,
  DT0183_VariableNumber = 6,
  DT0183_FixedHex = 7,
  DT0183_VarHex = 8,
  DT0183_FixedSixBit = 9,
  DT0183_VarText = 11,
  DT0183_FixedAlpha = 12,
  DT0183_FixedNumber = 13,
  DT0183_FixedText = 14,
  DT0183_HeadingCorrection = 15,
  DT0183_N2KAutoCommand = 16,
  DT0183_Date = 17,
  DT0183_TimeOffset = 18,
  DT0183_XTE = 19,
  DT0183_PosModeIndicator = 20,
  DT0183_WaypointID = 21,
  DT0183_AngleLR = 22,
  DT0183_WindRef = 23,
  DT0183_DateDDMMYY = 24,
  DT0183_HeadingRef = 25,
  DT0183_GNSSStatus = 26,
  DT0183_GNSSPosModeIndicator = 27,
  DT0183_GNSSOpMode = 28,
  DT0183_GNSSSetMode = 29,
  DT0183_SentTotal = 30,
  DT0183_SentNum = 31,
  DT0183_SeqMessageID = 32,
  DT0183_Enc_ITURM1371 = 33,
  DT0183_AISChannel = 34,
  DT0183_Enc_FillBits = 35,
};

// UT183 unit codes, also the row of both unit tables.
enum UT183Code : uint32_t {
  UT183_0 = 0,
  UT183_AngleDeg = 1,
  UT183_AngleDegMag = 2,
  UT183_AngleDegTrue = 3,
  UT183_Bar = 4,
  UT183_DegC = 5,
  UT183_DegPerMin = 6,
  UT183_Distance = 7,
  UT183_ElapsedTime = 8,
  UT183_Fathoms = 9,
  UT183_Feet = 10,
  UT183_Inch = 11,
  UT183_InchesHg = 12,
  UT183_Knots = 13,
  UT183_Kph = 14,
  UT183_Metres = 15,
  UT183_MetresPerSec = 16,
  UT183_Mph = 17,
  UT183_Nm = 18,
  UT183_Pascal = 19,
  UT183_Pressure = 20,
  UT183_Speed = 21,
};

struct SentenceFieldDefinition;

struct SentenceDefinition {
  char address[6];            // default talker (2) + formatter (3) + NUL
  char startDelimiter;        // '$', or '!' for the encapsulation sentences
  uint8_t fieldCount;         // 0 for sentences that are only named
  const SentenceFieldDefinition* fields;  // null when fieldCount is 0
  int32_t firstFieldIndex;    // row in kSentenceFieldDefinitions, -1 when none
  uint32_t interval;          // default transmit interval in ms, 0 = on demand
  uint8_t modifierField;      // field telling two definitions apart, 0xFF none
  char modifierValue;         // character that field must hold, '!' when none
  uint8_t reserved[2];
  uint32_t libraryIndex;      // row position 0..142
  const char* name;
  const char* description;
  const char* notes;          // "1) ... 2) ...", "None" or ""
  uint32_t flag;              // carried through; nothing downstream reads it
};

// Integer fields written with a fixed digit count carry these in place of a
// count of decimal places.
constexpr int8_t kFixedOneDigit = -1;    // 0xFF
constexpr int8_t kFixedTwoDigits = -2;   // 0xFE, "00" .. "99"
constexpr int8_t kFixedThreeDigits = -3; // 0xFD, "000" .. "999"

constexpr uint8_t kNoSentenceField = 0xFF;
constexpr uint32_t kRepositoryNone = 100;  // RD_NONE

struct SentenceFieldDefinition {
  uint32_t fieldNumber;       // 0 = first field after the address
  uint32_t fieldType;         // DT0183 type code (not a row position)
  uint32_t unitType;          // UT183 unit code
  uint32_t repositoryIndex;   // repository datatype, kRepositoryNone = nothing stored
  uint8_t unitSymbolField;    // field carrying the unit letter, kNoSentenceField none
  int8_t decimalPlaces;       // or one of the kFixed... digit counts
  uint8_t groupSize;          // on the first field of a repeating group, else 0
  uint8_t groupMaximum;       // repetitions in one sentence
  uint32_t groupRepository;   // datatype holding the repetition count, else 100
  uint8_t validityField;      // status field validating this value, kNoSentenceField none
  uint8_t reserved0[3];
  uint32_t validityRule;      // 0 without a validity field; 1, 2 or 3 as stored
  const char* listTags;       // "Rx,Tx,Std", "Xclude", "" ...
  uint8_t multiSentenceFraming;
  uint8_t critical;
  uint8_t includeInValidCount;
  uint8_t reserved1;
  const char* developmentStatus;  // "Yes" or "WIP"
  const char* name;
  const char* description;
  const char* notes;
};

struct DT0183Type {
  uint32_t fieldSpan;         // comma-separated fields the type occupies
  const char* shortDescription;
  const char* longDescription;
  uint32_t code;
  const char* name;
};

struct UT183UnitName {
  const char* name;
  const char* label;
  const char* description;
  uint32_t code;
};

// A value may arrive in one of several units; the conversion rows form
// chains that the converter walks to find the unit letter it was given.
struct UT183Conversion {
  uint32_t factorRow;         // row of kN183ConversionFactors
  uint8_t unitSymbol;         // letter in the unit field, 0xFF none
  uint8_t chainLength;        // rows to try from here, following nextUnit
  uint16_t reserved;
  uint32_t nextUnit;          // 0 ends the chain
};

// v (NMEA 0183 unit) -> v x numerator / denominator + offset x 10^offsetExponent
struct N183ConversionFactor {
  int32_t numerator;
  uint32_t denominator;
  int32_t offset;
  int32_t offsetExponent;
  uint32_t n2kUnitCode;       // NMEA 2000 unit class of the result
};

struct N183LibraryDescriptor {
  uint32_t versionMajor;
  uint32_t versionMinor;
  uint32_t sentenceCount;
  const SentenceDefinition* sentences;
};

struct AISMessage {
  uint8_t firstFieldRow;      // first row of the message's run in kAISFieldList
  uint8_t fieldCount;         // 0 when the message is not decoded field by field
  uint8_t messageId;          // 1..26
  uint8_t reserved;
  uint32_t pgn;               // NMEA 2000 PGN carrying the message, 0 none
  uint32_t fieldGroup;        // shared by the message's field-list rows
  const char* name;
  const char* sentences;      // "!VDM, !VDO"
  const char* standardSection;
  uint32_t priority;          // 1..4
  const char* availability;   // "Yes", "No" or "Optional"
  uint32_t classB;
  const char* notes;
};

struct AISFieldDefinition {
  uint32_t bitWidth;
  uint32_t conversionRow;     // row of kN183ConversionFactors, 0 none
  int32_t exponent;           // decimal exponent of one step
  uint32_t rangeRow;          // row of kAISRanges
  uint32_t index;
  const char* unit;
  const char* rangeText;
  uint32_t isSigned;
  const char* name;
  const char* description;
};

struct AISFieldListRow {
  uint32_t fieldPosition;     // 0-based within the message
  uint32_t fieldDefinition;   // row of kAISFieldDefinitions
  uint32_t repositoryIndex;   // kRepositoryNone: decoded but not stored here
  uint32_t fieldGroup;
  const char* comment;
};

struct AISRange {
  int32_t minimum;
  int32_t maximum;
  int32_t notAvailable;
  uint32_t reserved;
};

constexpr uint32_t kSentenceCount = 143;
constexpr uint32_t kSentenceFieldCount = 171;
constexpr uint32_t kDT0183TypeCount = 35;
constexpr uint32_t kDT0183HighestCode = 35;
constexpr uint32_t kUT183UnitCount = 22;
constexpr uint32_t kN183ConversionFactorCount = 16;
constexpr uint32_t kAISMessageCount = 27;
constexpr uint32_t kAISFieldDefinitionCount = 64;
constexpr uint32_t kAISFieldListCount = 117;
constexpr uint32_t kAISRangeCount = 18;

extern const N183LibraryDescriptor kN183Library;
extern const SentenceDefinition kSentenceDefinitions[kSentenceCount];
extern const SentenceFieldDefinition kSentenceFieldDefinitions[kSentenceFieldCount];
extern const DT0183Type kDT0183Types[kDT0183TypeCount];
extern const UT183UnitName kUT183UnitNames[kUT183UnitCount];
extern const UT183Conversion kUT183Conversions[kUT183UnitCount];
extern const N183ConversionFactor kN183ConversionFactors[kN183ConversionFactorCount];
extern const AISMessage kAISMessages[kAISMessageCount];
extern const AISFieldDefinition kAISFieldDefinitions[kAISFieldDefinitionCount];
extern const AISFieldListRow kAISFieldList[kAISFieldListCount];
extern const AISRange kAISRanges[kAISRangeCount];
