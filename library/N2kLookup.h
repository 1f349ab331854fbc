// Questions the decoders, the gateway and the database builder ask of the
// NMEA 2000 tables. Every query is a pure function of the constant tables:
// a key without a row gives null, an empty text or an error code.
#pragma once

#include <cstdint>
#include <set>

#include "library/N2kTables.h"

class CTreeNode;

// Returned by FindConversionMapRows when no row names the (PGN, field).
constexpr int32_t kNoConversionMapRows = -1797;

const PgnDefinition* FindPGN(uint32_t pgn);
const PgnDefinition* GetPGNByIndex(uint32_t index);
const char* GetPGNName(uint32_t pgn);
const DataDictionaryEntry* GetDDEntry(uint32_t index);
const DataDictionaryEntry* GetDDEntryOfField(const uint16_t* index);
const BasicDataType* GetDataType(uint32_t code);
// The last row with this (dictionary number, value): some keys occur twice.
const EnumerationValue* FindEnumValue(uint16_t dictionaryNumber, uint8_t value);
const N2kConversionMapRow* GetConversionMapRow(uint32_t index);
int32_t FindConversionMapRows(uint32_t pgn, uint32_t field, int32_t& first, int32_t& count);
bool IsInRepeatGroup(uint32_t pgn, uint32_t field);
uint32_t GetRepeatGroupBits(uint32_t pgn, const FieldDefinition*& firstField);
// Name of a manufacturer code, or "" when the code is not in the table.
const char* GetManufacturerName(uint16_t code);

void CollectPGNsUsingRepository(uint32_t repositoryIndex, std::set<uint32_t>& pgnIndices);
void ListLibraryPGNs(CTreeNode& node, const std::set<uint32_t>& pgnIndices, bool verbose);
