// What the data dictionary says about a repository datatype, gathered once
// for the repository, the converters and the builders: the exponent and
// resolution factor of a stored value, whether it carries a sign, and
// whether it is text.
#pragma once

#include <array>
#include <cstdint>

#include "base/RepositoryCatalogue.h"

struct DataDictionaryEntry;

struct DatatypeFormat {
  const RepositoryDatatype* stored = nullptr;  // catalogue row of a datatype a repository stores; null for RD_NONE
  const DataDictionaryEntry* entry = nullptr;  // null: no such datatype or entry
  int8_t exponent = 0;
  int8_t resolutionFactor = 1;
  uint32_t dataType = 0;    // row of the basic data type table
  bool isSigned = false;
  uint32_t signBytes = 0;   // byte size of a signed format, 0 when unknown
  bool isText = false;      // 8-bit characters
};

// One row per catalogue datatype and one past it for every datatype outside.
using DatatypeFormatTable = std::array<DatatypeFormat, kRepositoryDatatypeCount + 1>;
DatatypeFormatTable ReadDatatypeFormats();

// An empty format (no entry) for a datatype the catalogue does not have.
// Every repository read and write and every converted or built field asks,
// so the catalogue is read once into a table and the lookup is inline.
inline const DatatypeFormat& FormatOfDatatype(uint32_t datatype) {
  static const DatatypeFormatTable table = ReadDatatypeFormats();
  return table[datatype < kRepositoryDatatypeCount ? datatype : kRepositoryDatatypeCount];
}

// Basic data type rows the converters treat specially.
constexpr uint32_t kText8Format = 3;
constexpr uint32_t kBitFieldFormat = 7;
constexpr uint32_t kBitZeroFieldFormat = 8;
