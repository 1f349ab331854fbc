// The NMEA 2000 library objects and the start-up index over the constant
// tables: PGN number to definition, manufacturer code to name.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "library/N2kTables.h"

// Polymorphic base of the library object; every query has a neutral default.
class CNMEABase {
 public:
  virtual ~CNMEABase() = default;
  virtual const char* Name() const { return ""; }
  virtual const char* Version() const { return ""; }
  virtual const char* Description() const { return ""; }
  virtual const char* Source() const { return ""; }
  virtual int32_t Count() const { return -1; }
  virtual int32_t Revision() const { return -1; }
};

class CN2KLib : public CNMEABase {};

class N2KLibraryIndex {
 public:
  N2KLibraryIndex();
  const PgnDefinition* Pgn(uint32_t pgn) const;
  // "" when the code is not in the manufacturer table.
  const char* ManufacturerName(uint16_t code) const;
  size_t PgnCount() const { return pgns_.size(); }
  size_t ManufacturerCount() const { return manufacturers_.size(); }

 private:
  std::map<uint32_t, const PgnDefinition*> pgns_;
  std::map<uint16_t, std::string> manufacturers_;
};

// Built during static initialisation, before any caller runs.
const N2KLibraryIndex& TheN2kLibraryIndex();
const CN2KLib& TheN2kLibrary();
