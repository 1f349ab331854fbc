// The built-in library of KVT-HOX device messages: the message definitions
// with their fields, the field data types, and the names of device models,
// model sub-IDs, operating modes and hardware protocols that the typed
// renderings show.
#pragma once

#include <cstdint>

// Rows of the data type table; the row index is the code a field names.
enum HoxDataTypeCode : uint32_t {
  HT_U8 = 0,
  HT_S8 = 1,
  HT_U16 = 2,
  HT_S16 = 3,
  HT_U32 = 4,
  HT_S32 = 5,
  HT_Boolean = 6,
  HT_TextNullTerminated = 7,
  HT_TextFixed = 8,
  HT_TextVariable = 9,
  HT_DataArray = 10,
  HT_Bits = 11,
  HT_Hex32 = 12,
  HT_Version2 = 13,
  HT_Version3 = 14,
  HT_Date = 15,
  HT_TimeOfDay = 16,
  HT_Duration = 17,
  HT_Milliseconds = 18,
  HT_Microseconds = 19,
  HT_ModelId = 20,
  HT_ModelSubId = 21,
  HT_OperatingMode = 22,
  HT_HardwareProtocol = 23,
  HT_Pgn = 24,
  HT_CanName = 25,
  HT_EndMarker = 26,
};

// Codes from here on cannot be decoded.
constexpr uint8_t kHoxUndecodableCode = 0xFE;

struct HoxDataType {
  uint8_t code;        // the row index, except 0xFE for the end marker
  uint8_t byteLength;
  int8_t exponent;
  const char* description;
  const char* note;
};

constexpr uint32_t kHoxDataTypeCount = 27;
extern const HoxDataType kHoxDataTypes[kHoxDataTypeCount];

// Null for a data type past the table.
const HoxDataType* GetHoxDataType(uint32_t dataType);

struct HoxFieldDefinition {
  uint8_t fieldNumber;      // from 0
  uint8_t byteLength;
  uint32_t dataType;        // row of kHoxDataTypes
  uint32_t itemFieldCount;  // non-zero: this field counts the items of a group
                            // made of the next itemFieldCount definitions
  const char* name;
};

struct HoxDefinition {
  uint32_t id;              // command byte x 256 + HOX ID
  uint8_t part;             // matched against the low byte of the sequence ID
  uint32_t fieldCount;
  const HoxFieldDefinition* fields;
  const char* datatypeName;
  const char* description;
  const char* note;
};

constexpr uint32_t kHoxDefinitionCount = 76;
// Sorted by ID, then part; the last row (0xFFFD) closes the table.
extern const HoxDefinition kHoxDefinitions[kHoxDefinitionCount];

// The definition of (ID, part), or null.
const HoxDefinition* FindHoxDefinition(uint32_t id, uint8_t part);

// Model IDs 0..29 name the maker's devices, 30 is "Unknown", anything above
// "Unknown Model ID".
const char* HoxModelName(uint32_t modelId);
const char* HoxModelSubIdName(uint32_t subId);
// Operating modes exist only for the gateway models.
const char* HoxOperatingModeName(uint32_t modelId, uint32_t mode);
const char* HoxHardwareProtocolName(uint32_t protocol);
