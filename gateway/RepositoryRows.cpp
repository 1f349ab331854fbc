#include "gateway/RepositoryRows.h"

#include "decode/ValueText.h"
#include "gateway/ClockAge.h"
#include "gateway/DatatypeFormat.h"
#include "gateway/Repository.h"
#include "library/N2kTables.h"

namespace {

// Statuses from "Use As Valid Display Value" on mean the slot holds nothing
// worth listing.
constexpr uint32_t kFirstUnlistedStatus = VS_UseAsValidDisplayValue;

std::string SlotText(Repository& repository, const RepositoryRowKey& key) {
  SlotCursor cursor;
  if (OpenSlotRaw(&repository, key.datatype, key.instance, key.secondBank, cursor) != 0) return {};
  std::string text;
  while (!cursor.AtEnd()) {
    const uint8_t c = cursor.GetByte(0);
    // Text slots are padded out with NUL or 0xFF.
    if (c == 0 || c == 0xFF) break;
    text += static_cast<char>(c);
  }
  return text;
}

std::string ValueCell(Repository& repository, const RepositoryRowKey& key) {
  const DatatypeFormat& format = FormatOfDatatype(key.datatype);
  std::string text;
  if (format.isText) {
    text = SlotText(repository, key);
  } else if (format.entry != nullptr) {
    RepositoryValue value;
    if (GetValue(&repository, key.datatype, key.instance, key.secondBank, value) == 0)
      text = ValueText(value, *format.entry, false);
  }
  return text.empty() ? "No Value" : text;
}

std::string UnitsCell(uint32_t datatype) {
  const DatatypeFormat& format = FormatOfDatatype(datatype);
  if (format.entry == nullptr || format.entry->unitSingular[0] == '\0') return {};
  return std::string(" ") + format.entry->unitSymbol;
}

std::string AgeCell(const Repository& repository, uint32_t datatype, uint32_t clock) {
  uint32_t ownerTime = 0;
  if (GetOwnerTime(&repository, datatype, ownerTime) != 0) return "None";
  return std::to_string(ElapsedMs(clock, ownerTime));
}

std::string StatusCell(Repository& repository, const RepositoryRowKey& key) {
  SlotCursor cursor;
  if (OpenSlotRaw(&repository, key.datatype, key.instance, key.secondBank, cursor) != 0) return "Error";
  return StatusName(cursor.GetStatus());
}

}  // namespace

std::vector<RepositoryRowKey> ListedRepositoryRows(Repository& repository) {
  std::vector<RepositoryRowKey> rows;
  for (uint32_t datatype = 0; datatype < kRepositoryDatatypeCount; ++datatype) {
    if (datatype == RD_NONE) continue;
    const RepositoryDatatype* row = GetRepositoryDatatype(datatype);
    const int banks = (row->flags & kRepositoryBanked) != 0 ? 2 : 1;
    for (uint32_t instance = 0; instance < row->instances; ++instance) {
      for (int bank = 0; bank < banks; ++bank) {
        const RepositoryRowKey key{datatype, instance, bank == 1};
        RepositoryValue value;
        if (GetValue(&repository, datatype, instance, key.secondBank, value) != 0 ||
            value.status >= kFirstUnlistedStatus)
          continue;
        rows.push_back(key);
      }
    }
  }
  return rows;
}

std::string RepositoryCell(Repository& repository, const RepositoryRowKey& key, RepositoryColumn column,
                           uint32_t clock) {
  switch (column) {
    case kCacheColumn:
      return key.secondBank ? "Cache" : "";
    case kNameColumn:
      return std::string(GetRepositoryName(key.datatype)) + " (" + std::to_string(key.datatype) + ")";
    case kIndexColumn:
      return std::to_string(key.instance);
    case kValueColumn:
      return ValueCell(repository, key);
    case kUnitsColumn:
      return UnitsCell(key.datatype);
    case kAgeColumn:
      return AgeCell(repository, key.datatype, clock);
    case kStatusColumn:
      return StatusCell(repository, key);
  }
  return {};
}

std::vector<RepositoryRow> RepositoryRows(Repository& repository, uint32_t clock) {
  std::vector<RepositoryRow> rows;
  for (const RepositoryRowKey& key : ListedRepositoryRows(repository)) {
    rows.push_back({RepositoryCell(repository, key, kCacheColumn, clock),
                    RepositoryCell(repository, key, kNameColumn, clock),
                    RepositoryCell(repository, key, kIndexColumn, clock),
                    RepositoryCell(repository, key, kValueColumn, clock),
                    RepositoryCell(repository, key, kUnitsColumn, clock),
                    RepositoryCell(repository, key, kAgeColumn, clock),
                    RepositoryCell(repository, key, kStatusColumn, clock)});
  }
  return rows;
}

std::string RowLine(const RepositoryRow& row) {
  return row.cache + '\t' + row.name + '\t' + row.index + '\t' + row.value + '\t' + row.units + '\t' + row.age +
         '\t' + row.status;
}
