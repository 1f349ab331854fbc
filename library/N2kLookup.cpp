#include "library/N2kLookup.h"

#include <algorithm>
#include <vector>

#include "base/OutputTree.h"

namespace {

uint32_t RangeWidth(const PgnDefinition& row) { return (row.rangeMask ^ 0x03FFFF00u) >> 8; }

uint32_t FieldBits(const FieldDefinition& field) { return field.sizeBits + 8u * field.sizeBytes; }

// The decoders ask for an enumeration name and a field's conversion rows for
// every field of every message; scanning the tables each time was a large
// part of a full decode. Both are indexed once, in sorted arrays built from
// the tables themselves, so rows added to a table are indexed with it.

struct EnumKey {
  uint32_t key;  // dictionary number << 8 | value
  const EnumerationValue* row;
};

uint32_t EnumKeyOf(uint16_t dictionaryNumber, uint8_t value) {
  return static_cast<uint32_t>(dictionaryNumber) << 8 | value;
}

const std::vector<EnumKey>& EnumIndex() {
  static const std::vector<EnumKey> index = [] {
    std::vector<EnumKey> keys;
    keys.reserve(kEnumerationCount);
    for (const EnumerationValue& row : kEnumerationValues) keys.push_back({EnumKeyOf(row.dictionaryNumber, row.value), &row});
    // A key that occurs twice answers with its last row: the stable sort
    // keeps the rows of one key in table order, and the lookup takes the
    // last of them.
    std::stable_sort(keys.begin(), keys.end(), [](const EnumKey& a, const EnumKey& b) { return a.key < b.key; });
    return keys;
  }();
  return index;
}

struct MapRun {
  uint64_t key;  // PGN << 32 | field
  int32_t first;
  int32_t count;
};

uint64_t MapKeyOf(uint32_t pgn, uint32_t field) { return static_cast<uint64_t>(pgn) << 32 | field; }

const std::vector<MapRun>& ConversionMapIndex() {
  static const std::vector<MapRun> index = [] {
    std::vector<MapRun> runs;
    for (uint32_t i = 0; i < kN2kConversionMapCount;) {
      const uint64_t key = MapKeyOf(kN2kConversionMap[i].pgn, kN2kConversionMap[i].fieldNumber);
      const uint32_t first = i;
      while (i < kN2kConversionMapCount && MapKeyOf(kN2kConversionMap[i].pgn, kN2kConversionMap[i].fieldNumber) == key)
        ++i;
      runs.push_back({key, static_cast<int32_t>(first), static_cast<int32_t>(i - first)});
    }
    // Only the first run of a key is ever found, as a scan from the top
    // would: the stable sort keeps it in front and duplicates are dropped.
    std::stable_sort(runs.begin(), runs.end(), [](const MapRun& a, const MapRun& b) { return a.key < b.key; });
    runs.erase(std::unique(runs.begin(), runs.end(), [](const MapRun& a, const MapRun& b) { return a.key == b.key; }),
               runs.end());
    return runs;
  }();
  return index;
}

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
  const std::vector<EnumKey>& index = EnumIndex();
  const uint32_t key = EnumKeyOf(dictionaryNumber, value);
  const auto past = std::upper_bound(index.begin(), index.end(), key,
                                     [](uint32_t k, const EnumKey& e) { return k < e.key; });
  if (past == index.begin() || (past - 1)->key != key) return nullptr;
  return (past - 1)->row;
}

const N2kConversionMapRow* GetConversionMapRow(uint32_t index) {
  return index < kN2kConversionMapCount ? &kN2kConversionMap[index] : nullptr;
}

int32_t FindConversionMapRows(uint32_t pgn, uint32_t field, int32_t& first, int32_t& count) {
  first = -1;
  count = 0;
  const std::vector<MapRun>& index = ConversionMapIndex();
  const uint64_t key = MapKeyOf(pgn, field);
  const auto at = std::lower_bound(index.begin(), index.end(), key,
                                   [](const MapRun& r, uint64_t k) { return r.key < k; });
  if (at == index.end() || at->key != key) return kNoConversionMapRows;
  first = at->first;
  count = at->count;
  return 0;
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
