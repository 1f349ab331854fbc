// The compiled-in NMEA 2000 library: constant tables of PGN definitions,
// their fields, the data dictionary, enumerated values, the basic data types,
// manufacturer codes and the map from PGN fields to repository datatypes.
// Rows are addressed by index, by key or by pointer; pointers stay valid for
// the life of the program. Absent text is "", never null.
#pragma once

#include <cstdint>

struct FieldDefinition;

struct PgnDefinition {
  uint32_t pgn;              // the PGN, or the first PGN of a range
  uint32_t rangeMask;        // 0x03FFFF00 single PGN; 0x03FF0000 covers pgn .. pgn+255
  uint16_t interval;         // default transmit interval in ms, 0 = not periodic
  uint16_t secondInterval;   // interval / 10, never below 50; 0 when not periodic
  uint16_t timeout;          // interval x 10, capped at 60000; 0 when not periodic
  uint8_t transport;         // 1 single frame, 2 fast packet
  uint8_t priority;          // default CAN priority 2..7
  uint8_t sidField;          // field carrying the sequence identifier, 0xFF none
  uint8_t instanceField;     // field carrying the instance, 0xFF none
  uint16_t messageClass;     // 2 addr. single, 3 addr. fast, 4 bcast single, 5 bcast fast
  uint32_t libraryIndex;     // row position 0..119
  uint32_t length;           // payload bytes, 255 = variable
  uint32_t fieldCount;       // at most 29
  const FieldDefinition* fields;
  uint32_t firstFieldIndex;  // running sum of the field counts before this row
  const char* name;
  const char* description;
};

struct FieldDefinition {
  uint8_t fieldNumber;       // 0-based within the PGN
  uint8_t sizeBits;          // 255 = variable-length bit data
  uint8_t sizeBytes;         // 255 = variable-length string; size = bits + 8 x bytes
  uint8_t reserved;
  int32_t bitPosition;       // from bit 0 of byte 0; -1 after a variable-length field
  uint32_t dictionaryIndex;  // row of the data dictionary (not the DD number)
  uint32_t repeatCountField; // first field of a repeating group: field holding the count; else 0xFF
  uint32_t groupSize;        // first field of a repeating group: fields per repetition; else 0
  uint32_t sizeFromContext;  // 1 when the message itself gives the size
  uint32_t pgn;
  uint32_t fieldNumberAgain;
  const char* name;
};

struct DataDictionaryEntry {
  int8_t resolutionMultiplier;  // m > 0: a count is m units; m < 0: 1/|m| units
  int8_t resolutionExponent;    // a count is further scaled by 10^e
  uint16_t reserved0;
  uint32_t dataType;            // row of the basic data type table
  uint8_t defaultSizeBits;
  uint8_t defaultSizeBytes;     // 255 = variable
  uint16_t reserved1;
  const char* name;
  const char* description;
  uint32_t dictionaryNumber;    // the standard's DD number; enumerations are keyed by it
  uint32_t rowIndex;
  const char* unitSingular;
  const char* unitPlural;
  const char* unitSymbol;
  uint32_t unitCode;            // physical unit class, 0 = none
  const char* spare0;
  const char* range;
  const char* resolution;
  const char* spare1;
  uint32_t formatCode;          // carried through, not interpreted
};

struct EnumerationValue {
  uint16_t dictionaryNumber;    // DD number, not the row index
  uint8_t value;
  uint8_t reserved;
  const char* name;             // e.g. "DD025_DataMode_0x00"
  const char* label;            // "Value"
  const char* description;
};

struct BasicDataType {
  uint32_t typeClass;  // 0 undefined, 1 bit, 2 bit0, 3 char16, 4 signed, 5 unsigned
  uint32_t sizeBytes;
  const char* description;
  const char* range;
  const char* reservedValues;
  const char* shortName;
};

struct ManufacturerCode {
  uint32_t code;
  const char* name;
};

struct N2kConversionMapRow {
  uint32_t pgn;
  uint8_t fieldNumber;
  uint8_t modifierField;     // 0xFF = no modifier
  uint8_t modifierValue;     // 0xFF with no modifier
  uint8_t reserved0;
  uint32_t repositoryIndex;
  int32_t modifierValueSigned;
  const char* modifierName;
  const char* repositoryName;
  const char* developmentStatus;
  const char* comment;
  uint8_t critical;
  uint8_t includeInValidCount;
  uint8_t useNullCheck;
  uint8_t reserved1;
  const char* listTags;
};

struct N2kLibraryDescriptor {
  uint32_t versionMajor;
  uint32_t versionMinor;
  uint32_t reserved;
  uint32_t pgnCount;
  const PgnDefinition* pgns;
};

constexpr uint32_t kPgnCount = 120;
constexpr uint32_t kFieldCount = 1147;
constexpr uint32_t kDataDictionaryCount = 310;
constexpr uint32_t kEnumerationCount = 333;
constexpr uint32_t kBasicDataTypeCount = 18;
constexpr uint32_t kManufacturerCount = 66;
constexpr uint32_t kN2kConversionMapCount = 207;

extern const N2kLibraryDescriptor kN2kLibrary;
extern const PgnDefinition kPgnDefinitions[kPgnCount];
extern const FieldDefinition kFieldDefinitions[kFieldCount];
extern const DataDictionaryEntry kDataDictionary[kDataDictionaryCount];
extern const EnumerationValue kEnumerationValues[kEnumerationCount];
extern const BasicDataType kBasicDataTypes[kBasicDataTypeCount];
extern const ManufacturerCode kManufacturerCodes[kManufacturerCount];
extern const N2kConversionMapRow kN2kConversionMap[kN2kConversionMapCount];
