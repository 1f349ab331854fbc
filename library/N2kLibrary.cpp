#include "library/N2kLibrary.h"

#include "library/N2kLookup.h"

N2KLibraryIndex::N2KLibraryIndex() {
  for (const PgnDefinition& row : kPgnDefinitions) pgns_.emplace(row.pgn, &row);
  for (const ManufacturerCode& row : kManufacturerCodes) {
    manufacturers_.emplace(static_cast<uint16_t>(row.code), row.name);
  }
}

const PgnDefinition* N2KLibraryIndex::Pgn(uint32_t pgn) const {
  auto it = pgns_.find(pgn);
  return it == pgns_.end() ? nullptr : it->second;
}

const char* N2KLibraryIndex::ManufacturerName(uint16_t code) const {
  auto it = manufacturers_.find(code);
  return it == manufacturers_.end() ? "" : it->second.c_str();
}

const N2KLibraryIndex& TheN2kLibraryIndex() {
  static const N2KLibraryIndex index;
  return index;
}

const CN2KLib& TheN2kLibrary() {
  static const CN2KLib library;
  return library;
}

namespace {
// Forces both objects into existence before main, as the application expects.
[[maybe_unused]] const N2KLibraryIndex& kIndexAtStartUp = TheN2kLibraryIndex();
[[maybe_unused]] const CN2KLib& kLibraryAtStartUp = TheN2kLibrary();
}  // namespace

const char* GetManufacturerName(uint16_t code) { return TheN2kLibraryIndex().ManufacturerName(code); }
