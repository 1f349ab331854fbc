#include "gateway/FieldSelector.h"

#include <algorithm>

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

// Both walk the bits a byte at a time.
uint64_t ReadBitsAcrossBytes(const uint8_t* data, uint32_t position, uint32_t width) {
  uint64_t out = 0;
  for (uint32_t done = 0; done < width;) {
    const uint32_t bit = position + done;
    const uint32_t shift = bit % 8;
    const uint32_t take = std::min(8 - shift, width - done);
    const uint64_t bits = (data[bit / 8] >> shift) & ((1u << take) - 1u);
    out |= bits << done;
    done += take;
  }
  return out;
}

void WriteBitsAcrossBytes(uint8_t* data, uint32_t position, uint32_t width, uint64_t value) {
  for (uint32_t done = 0; done < width;) {
    const uint32_t bit = position + done;
    const uint32_t shift = bit % 8;
    const uint32_t take = std::min(8 - shift, width - done);
    const uint32_t low = (1u << take) - 1u;
    const uint8_t mask = static_cast<uint8_t>(low << shift);
    const uint8_t bits = static_cast<uint8_t>((static_cast<uint32_t>(value >> done) & low) << shift);
    data[bit / 8] = static_cast<uint8_t>((data[bit / 8] & ~mask) | bits);
    done += take;
  }
}
