#include "gateway/DatatypeFormat.h"

#include <array>

#include "base/RepositoryCatalogue.h"
#include "library/N2kLookup.h"

namespace {

constexpr uint32_t kSignedClass = 4;


DatatypeFormat ReadFormat(uint32_t datatype) {
  DatatypeFormat f;
  const RepositoryDatatype* row = GetRepositoryDatatype(datatype);
  if (!row) return f;
  f.entry = GetDDEntry(row->dictionaryIndex);
  if (!f.entry) return f;
  f.exponent = f.entry->resolutionExponent;
  f.resolutionFactor = f.entry->resolutionMultiplier;
  f.dataType = f.entry->dataType;
  f.isText = f.dataType == kText8Format;
  if (const BasicDataType* type = GetDataType(f.dataType); type && type->typeClass == kSignedClass) {
    f.isSigned = true;
    f.signBytes = type->sizeBytes;
  }
  return f;
}

using FormatTable = std::array<DatatypeFormat, kRepositoryDatatypeCount + 1>;

// Kept out of line so that the lookup itself stays a few instructions.
[[gnu::noinline]] FormatTable ReadFormats() {
  // One row past the catalogue answers for every datatype outside it.
  FormatTable formats{};
  for (uint32_t i = 0; i < kRepositoryDatatypeCount; ++i) formats[i] = ReadFormat(i);
  return formats;
}

}  // namespace

// Every repository read and every built field asks for its datatype's format;
// the catalogue is read once into a table instead.
const DatatypeFormat& FormatOfDatatype(uint32_t datatype) {
  static const FormatTable table = ReadFormats();
  return table[datatype < kRepositoryDatatypeCount ? datatype : kRepositoryDatatypeCount];
}
