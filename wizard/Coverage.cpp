#include "wizard/Coverage.h"

namespace {

static_assert(kN2KFieldCritical == kN183FieldCritical && kN2KFieldInValidCount == kN183FieldInValidCount,
              "both field entry kinds mark mandatory and data fields with the same bits");

bool InCatalogue(uint8_t datatype) { return datatype != RD_NONE && datatype < kRepositoryDatatypeCount; }

template <typename ReadEntry, typename GetField>
std::vector<FieldCoverage> Fields(const DatabaseImageView& view, const uint8_t* message, uint32_t count,
                                  GetField getField, ReadEntry readField) {
  std::vector<FieldCoverage> fields;
  fields.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* entry = getField(view, message, i);
    if (!entry) break;
    const auto field = readField(entry);
    fields.push_back({field.repositoryIndex, (field.flags & kN2KFieldCritical) != 0,
                      (field.flags & kN2KFieldInValidCount) != 0});
  }
  return fields;
}

template <typename GetTx, typename TxFields>
CoverageLists Cover(const DatabaseImageView& view, const DatatypeSet& received, uint32_t txCount, GetTx getTx,
                    TxFields txFields) {
  CoverageLists lists;
  for (uint32_t position = 0; position < txCount; ++position) {
    const std::vector<FieldCoverage> fields = txFields(view, getTx(view, position));
    switch (ClassifyCoverage(received, fields)) {
      case CoverageClass::kDefinite:
        lists.definite.push_back(position);
        break;
      case CoverageClass::kPartial:
        lists.partial.push_back(position);
        break;
      case CoverageClass::kNone:
        break;
    }
  }
  return lists;
}

}  // namespace

DatatypeSet MakeDatatypeSet(std::span<const FieldCoverage> fields) {
  DatatypeSet set;
  for (const FieldCoverage& field : fields) {
    if (InCatalogue(field.datatype)) set.set(field.datatype);
  }
  return set;
}

CoverageClass ClassifyCoverage(const DatatypeSet& received, std::span<const FieldCoverage> transmitFields) {
  bool dataCovered = false;
  bool otherCovered = false;
  bool mandatoryMissing = false;
  for (const FieldCoverage& field : transmitFields) {
    if (!InCatalogue(field.datatype)) continue;
    if (received.test(field.datatype)) {
      if (field.countsAsData) {
        dataCovered = true;
      } else {
        otherCovered = true;
      }
    } else if (field.mandatory) {
      mandatoryMissing = true;
    }
    if (dataCovered && mandatoryMissing) return CoverageClass::kPartial;
  }
  if (dataCovered) return CoverageClass::kDefinite;
  if (otherCovered) return CoverageClass::kPartial;
  return CoverageClass::kNone;
}

std::vector<FieldCoverage> N2KRxFields(const DatabaseImageView& view, const uint8_t* pgn) {
  return Fields(view, pgn, ReadN2KRxPGN(pgn).fieldCount, GetN2KRxField, ReadN2KField);
}

std::vector<FieldCoverage> N2KTxFields(const DatabaseImageView& view, const uint8_t* pgn) {
  return Fields(view, pgn, ReadN2KTxPGN(pgn).fieldCount, GetN2KTxField, ReadN2KField);
}

std::vector<FieldCoverage> N183RxFields(const DatabaseImageView& view, const uint8_t* sentence) {
  return Fields(view, sentence, ReadN183RxSentence(sentence).fieldCount, GetN183RxField, ReadN183Field);
}

std::vector<FieldCoverage> N183TxFields(const DatabaseImageView& view, const uint8_t* sentence) {
  return Fields(view, sentence, ReadN183TxSentence(sentence).fieldCount, GetN183TxField, ReadN183Field);
}

CoverageLists CoverN2KRx(const DatabaseImageView& view, const uint8_t* rxPgn) {
  const DatatypeSet received = MakeDatatypeSet(N2KRxFields(view, rxPgn));
  return Cover(view, received, CountN183TxSentences(view), GetN183TxSentence, N183TxFields);
}

CoverageLists CoverN183Rx(const DatabaseImageView& view, const uint8_t* rxSentence) {
  const DatatypeSet received = MakeDatatypeSet(N183RxFields(view, rxSentence));
  return Cover(view, received, CountN2KTxPGNs(view), GetN2KTxPGN, N2KTxFields);
}
