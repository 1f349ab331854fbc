#include "gateway/DatatypeFormat.h"

#include "library/N2kLookup.h"

namespace {

constexpr uint32_t kSignedClass = 4;

DatatypeFormat ReadFormat(uint32_t datatype) {
  DatatypeFormat f;
  const RepositoryDatatype* row = GetRepositoryDatatype(datatype);
  if (!row) return f;
  if (datatype != RD_NONE) f.stored = row;
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

}  // namespace

DatatypeFormatTable ReadDatatypeFormats() {
  DatatypeFormatTable formats{};
  for (uint32_t i = 0; i < kRepositoryDatatypeCount; ++i) formats[i] = ReadFormat(i);
  return formats;
}
