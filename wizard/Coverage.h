// What a received message can feed on the other side of the gateway: the
// datatypes a receive entry stores, and whether a transmit entry's fields
// are covered by them well enough to be sent (definite) or only in part.
#pragma once

#include <bitset>
#include <cstdint>
#include <span>
#include <vector>

#include "base/RepositoryCatalogue.h"
#include "library/DBImageView.h"

using DatatypeSet = std::bitset<kRepositoryDatatypeCount>;

struct FieldCoverage {
  uint8_t datatype;
  bool mandatory;
  bool countsAsData;
};

enum class CoverageClass { kNone, kDefinite, kPartial };

// RD_NONE and datatypes past the catalogue are left out.
DatatypeSet MakeDatatypeSet(std::span<const FieldCoverage> fields);
CoverageClass ClassifyCoverage(const DatatypeSet& received, std::span<const FieldCoverage> transmitFields);

// Positions of transmit entries, ascending.
struct CoverageLists {
  std::vector<uint32_t> definite;
  std::vector<uint32_t> partial;
};

// The field entries of one list entry, as the classification reads them.
std::vector<FieldCoverage> N2KRxFields(const DatabaseImageView& view, const uint8_t* pgn);
std::vector<FieldCoverage> N2KTxFields(const DatabaseImageView& view, const uint8_t* pgn);
std::vector<FieldCoverage> N183RxFields(const DatabaseImageView& view, const uint8_t* sentence);
std::vector<FieldCoverage> N183TxFields(const DatabaseImageView& view, const uint8_t* sentence);

// Against every NMEA 0183 transmit entry, for one NMEA 2000 receive entry.
CoverageLists CoverN2KRx(const DatabaseImageView& view, const uint8_t* rxPgn);
// Against every NMEA 2000 transmit entry, for one NMEA 0183 receive entry.
CoverageLists CoverN183Rx(const DatabaseImageView& view, const uint8_t* rxSentence);
