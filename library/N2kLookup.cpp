#include "library/N2kLookup.h"

#include "decode/OutputTree.h"

namespace {

uint32_t RangeWidth(const PgnDefinition& row) { return (row.rangeMask ^ 0x03FFFF00u) >> 8; }

uint32_t FieldBits(const FieldDefinition& field) { return field.sizeBits + 8u * field.sizeBytes; }

}  // namespace

const PgnDefinition* FindPGN(uint32_t pgn) {
  uint32_t lo = 0;
  uint32_t hi = kPgnCount;
  while (lo != hi) {
    const uint32_t mid = (lo + hi) / 2;
    const PgnDefinition& row = kPgnDefinitions[mid];
    const int64_t d = static_cast<int64_t>(pgn) - row.pgn;
    if (d >= 0 && d <= RangeWidth(row)) return &row;
    if (d > 0) {
      if (lo == mid) return nullptr;
      lo = mid;
    } else {
      if (hi == mid) return nullptr;
      hi = mid;
    }
  }
  return nullptr;
}

const PgnDefinition* GetPGNByIndex(uint32_t index) {
  return index < kPgnCount ? &kPgnDefinitions[index] : nullptr;
}

const char* GetPGNName(uint32_t pgn) {
  const PgnDefinition* row = FindPGN(pgn);
  return row ? row->name : "";
}

const DataDictionaryEntry* GetDDEntry(uint32_t index) {
  return index < kDataDictionaryCount ? &kDataDictionary[index] : nullptr;
}

const DataDictionaryEntry* GetDDEntryOfField(const uint16_t* index) {
  return index ? GetDDEntry(*index) : nullptr;
}

const BasicDataType* GetDataType(uint32_t code) {
  return code < kBasicDataTypeCount ? &kBasicDataTypes[code] : nullptr;
}

const EnumerationValue* FindEnumValue(uint16_t dictionaryNumber, uint8_t value) {
  const EnumerationValue* found = nullptr;
  for (const EnumerationValue& row : kEnumerationValues) {
    if (row.dictionaryNumber == dictionaryNumber && row.value == value) found = &row;
  }
  return found;
}

const N2kConversionMapRow* GetConversionMapRow(uint32_t index) {
  return index < kN2kConversionMapCount ? &kN2kConversionMap[index] : nullptr;
}

int32_t FindConversionMapRows(uint32_t pgn, uint32_t field, int32_t& first, int32_t& count) {
  first = -1;
  count = 0;
  for (uint32_t i = 0; i < kN2kConversionMapCount; ++i) {
    const N2kConversionMapRow& row = kN2kConversionMap[i];
    if (row.pgn != pgn || row.fieldNumber != field) continue;
    first = static_cast<int32_t>(i);
    while (i < kN2kConversionMapCount && kN2kConversionMap[i].pgn == pgn &&
           kN2kConversionMap[i].fieldNumber == field) {
      ++count;
      ++i;
    }
    return 0;
  }
  return kNoConversionMapRows;
}

bool IsInRepeatGroup(uint32_t pgn, uint32_t field) {
  const PgnDefinition* row = FindPGN(pgn);
  if (!row) return false;
  for (uint32_t i = 0; i < row->fieldCount; ++i) {
    const FieldDefinition& f = row->fields[i];
    if (f.fieldNumber > field) return false;
    if (f.groupSize > 0 && field < f.fieldNumber + f.groupSize) return true;
  }
  return false;
}

uint32_t GetRepeatGroupBits(uint32_t pgn, const FieldDefinition*& firstField) {
  firstField = nullptr;
  const PgnDefinition* row = FindPGN(pgn);
  if (!row) return 0;
  for (uint32_t i = 0; i < row->fieldCount; ++i) {
    const FieldDefinition& f = row->fields[i];
    if (f.groupSize == 0) continue;
    uint32_t bits = 0;
    for (uint32_t j = i; j < i + f.groupSize && j < row->fieldCount; ++j) bits += FieldBits(row->fields[j]);
    firstField = &f;
    return bits;
  }
  return 0;
}

void CollectPGNsUsingRepository(uint32_t repositoryIndex, std::set<uint32_t>& pgnIndices) {
  constexpr uint32_t kNoRepositoryDatatype = 100;
  if (repositoryIndex == kNoRepositoryDatatype) return;
  for (const PgnDefinition& pgn : kPgnDefinitions) {
    bool uses = false;
    for (uint32_t i = 0; i < pgn.fieldCount && !uses; ++i) {
      int32_t first = 0;
      int32_t count = 0;
      if (FindConversionMapRows(pgn.pgn, pgn.fields[i].fieldNumber, first, count) != 0) continue;
      for (int32_t r = first; r < first + count; ++r) {
        if (kN2kConversionMap[r].repositoryIndex == repositoryIndex) uses = true;
      }
    }
    if (uses) pgnIndices.insert(pgn.libraryIndex);
  }
}

void ListLibraryPGNs(CTreeNode& node, const std::set<uint32_t>& pgnIndices, bool verbose) {
  node.SetText("Library PGNs");
  for (uint32_t index : pgnIndices) {
    const PgnDefinition* pgn = GetPGNByIndex(index);
    if (!pgn) continue;
    if (verbose) {
      node.AddNode().SetText("%u : %s", pgn->pgn, pgn->name);
    } else {
      node.AddNode().SetText("%u", pgn->pgn);
    }
  }
}
