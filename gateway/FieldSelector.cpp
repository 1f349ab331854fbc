#include "gateway/FieldSelector.h"

#include "library/DBImageView.h"
#include "library/N2kLookup.h"

namespace {

constexpr uint8_t kNoModifier = 0xFF;

const FieldDefinition* FieldOfPgn(const PgnDefinition& pgn, uint32_t fieldNumber) {
  for (uint32_t i = 0; i < pgn.fieldCount; ++i) {
    if (pgn.fields[i].fieldNumber == fieldNumber) return &pgn.fields[i];
  }
  return nullptr;
}

}  // namespace

FieldSelector ResolveFieldSelector(uint32_t pgn, const N2KFieldEntry& field, const N2KFieldEntry* entries,
                                   uint32_t count) {
  FieldSelector s;
  if (field.modifierFieldIndex < count) {
    const N2KFieldEntry& m = entries[field.modifierFieldIndex];
    s.present = true;
    s.bitPosition = m.bitPosition;
    s.bitWidth = m.sizeBits + 8u * m.sizeBytes;
    s.value = field.modifierValue;
    s.entryIndex = field.modifierFieldIndex;
    return s;
  }
  int32_t first = 0;
  int32_t rows = 0;
  if (FindConversionMapRows(pgn, field.fieldNumber, first, rows) != 0) return s;
  const PgnDefinition* definition = FindPGN(pgn);
  if (!definition) return s;
  for (int32_t i = 0; i < rows; ++i) {
    const N2kConversionMapRow* row = GetConversionMapRow(static_cast<uint32_t>(first + i));
    if (!row || row->modifierField == kNoModifier || row->repositoryIndex != field.repositoryIndex ||
        row->modifierValue != field.modifierValue) {
      continue;
    }
    const FieldDefinition* m = FieldOfPgn(*definition, row->modifierField);
    if (!m || m->bitPosition < 0 || m->sizeBits == 255 || m->sizeBytes == 255) return s;
    s.present = true;
    s.bitPosition = static_cast<uint32_t>(m->bitPosition);
    s.bitWidth = m->sizeBits + 8u * m->sizeBytes;
    s.value = row->modifierValue;
    for (uint32_t j = 0; j < count; ++j) {
      if (entries[j].fieldNumber == row->modifierField) s.entryIndex = static_cast<int32_t>(j);
    }
    return s;
  }
  return s;
}

bool ReadBitsLE(const uint8_t* data, uint32_t length, uint32_t position, uint32_t width, uint64_t& out) {
  out = 0;
  if (width > 64 || static_cast<uint64_t>(position) + width > static_cast<uint64_t>(length) * 8) return false;
  for (uint32_t i = 0; i < width; ++i) {
    const uint32_t bit = position + i;
    out |= static_cast<uint64_t>((data[bit / 8] >> (bit % 8)) & 1u) << i;
  }
  return true;
}

bool WriteBitsLE(uint8_t* data, uint32_t length, uint32_t position, uint32_t width, uint64_t value) {
  if (width > 64 || static_cast<uint64_t>(position) + width > static_cast<uint64_t>(length) * 8) return false;
  for (uint32_t i = 0; i < width; ++i) {
    const uint32_t bit = position + i;
    const uint8_t mask = static_cast<uint8_t>(1u << (bit % 8));
    if ((value >> i) & 1u) data[bit / 8] |= mask;
    else data[bit / 8] &= static_cast<uint8_t>(~mask);
  }
  return true;
}
