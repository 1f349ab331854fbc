// What the data dictionary says about a repository datatype, gathered once
// for the repository, the converters and the builders: the exponent and
// resolution factor of a stored value, whether it carries a sign, and
// whether it is text.
#pragma once

#include <cstdint>

struct DataDictionaryEntry;

struct DatatypeFormat {
  const DataDictionaryEntry* entry = nullptr;  // null: no such datatype or entry
  int8_t exponent = 0;
  int8_t resolutionFactor = 1;
  uint32_t dataType = 0;    // row of the basic data type table
  bool isSigned = false;
  uint32_t signBytes = 0;   // byte size of a signed format, 0 when unknown
  bool isText = false;      // 8-bit characters
};

// An empty format (no entry) for a datatype the catalogue does not have.
const DatatypeFormat& FormatOfDatatype(uint32_t datatype);

// Basic data type rows the converters treat specially.
constexpr uint32_t kText8Format = 3;
constexpr uint32_t kBitFieldFormat = 7;
constexpr uint32_t kBitZeroFieldFormat = 8;
