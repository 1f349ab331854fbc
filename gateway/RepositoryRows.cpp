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

std::string SlotText(Repository& repository, uint32_t datatype, uint32_t instance, bool secondBank) {
  SlotCursor cursor;
  if (OpenSlotRaw(&repository, datatype, instance, secondBank, cursor) != 0) return {};
  std::string text;
  while (!cursor.AtEnd()) {
    const uint8_t c = cursor.GetByte(0);
    // Text slots are padded out with NUL or 0xFF.
    if (c == 0 || c == 0xFF) break;
    text += static_cast<char>(c);
  }
  return text;
}

std::string ValueCell(Repository& repository, uint32_t datatype, uint32_t instance, bool secondBank,
                      const RepositoryValue& value, const DatatypeFormat& format) {
  std::string text;
  if (format.isText)
    text = SlotText(repository, datatype, instance, secondBank);
  else if (format.entry != nullptr)
    text = ValueText(value, *format.entry, false);
  return text.empty() ? "No Value" : text;
}

std::string AgeCell(const Repository& repository, uint32_t datatype, uint32_t clock) {
  uint32_t ownerTime = 0;
  if (GetOwnerTime(&repository, datatype, ownerTime) != 0) return "None";
  return std::to_string(ElapsedMs(clock, ownerTime));
}

std::string StatusCell(Repository& repository, uint32_t datatype, uint32_t instance, bool secondBank) {
  SlotCursor cursor;
  if (OpenSlotRaw(&repository, datatype, instance, secondBank, cursor) != 0) return "Error";
  return StatusName(cursor.GetStatus());
}

}  // namespace

std::vector<RepositoryRow> RepositoryRows(Repository& repository, uint32_t clock) {
  std::vector<RepositoryRow> rows;
  for (uint32_t datatype = 0; datatype < kRepositoryDatatypeCount; ++datatype) {
    if (datatype == RD_NONE) continue;
    const RepositoryDatatype* row = GetRepositoryDatatype(datatype);
    const DatatypeFormat format = FormatOfDatatype(datatype);
    const int banks = (row->flags & kRepositoryBanked) != 0 ? 2 : 1;
    for (int bank = 0; bank < banks; ++bank) {
      const bool secondBank = bank == 1;
      for (uint32_t instance = 0; instance < row->instances; ++instance) {
        RepositoryValue value;
        if (GetValue(&repository, datatype, instance, secondBank, value) != 0 || value.status >= kFirstUnlistedStatus)
          continue;
        RepositoryRow& out = rows.emplace_back();
        if (secondBank) out.cache = "Cache";
        out.name = std::string(row->name) + " (" + std::to_string(datatype) + ")";
        out.index = std::to_string(instance);
        out.value = ValueCell(repository, datatype, instance, secondBank, value, format);
        if (format.entry != nullptr && format.entry->unitSingular[0] != '\0')
          out.units = std::string(" ") + format.entry->unitSymbol;
        out.age = AgeCell(repository, datatype, clock);
        out.status = StatusCell(repository, datatype, instance, secondBank);
      }
    }
  }
  return rows;
}

std::string RowLine(const RepositoryRow& row) {
  return row.cache + '\t' + row.name + '\t' + row.index + '\t' + row.value + '\t' + row.units + '\t' + row.age +
         '\t' + row.status;
}
