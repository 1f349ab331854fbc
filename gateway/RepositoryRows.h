// The repository as a table for people: one row per datatype instance that
// holds data, with its value, units, age and status, for the command line
// and the repository window alike. A window lists the rows once and asks for
// each cell only when it draws it; the command line takes whole rows.
#pragma once

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

struct Repository;

enum RepositoryColumn : int {
  kCacheColumn,
  kNameColumn,
  kIndexColumn,
  kValueColumn,
  kUnitsColumn,
  kAgeColumn,
  kStatusColumn,
};

struct RepositoryColumnDefinition {
  RepositoryColumn column;
  const char* header;
  int widthInCharacters;
};

// Widths are in characters of the list's 10-pixel character width.
inline constexpr RepositoryColumnDefinition kRepositoryColumns[] = {
    {kCacheColumn, "Cache", 5},
    {kNameColumn, "Name", 15},
    {kIndexColumn, "Index", 5},
    {kValueColumn, "Value", 10},
    {kUnitsColumn, "Units", 6},
    {kAgeColumn, "Age(ms)", 6},
    {kStatusColumn, "Status", 8},
};
inline constexpr int kRepositoryColumnCount = static_cast<int>(std::size(kRepositoryColumns));

constexpr bool ColumnsInOrder() {
  for (int i = 0; i < kRepositoryColumnCount; ++i)
    if (kRepositoryColumns[i].column != i) return false;
  return true;
}
static_assert(ColumnsInOrder(), "a column's row sits at its own index");

// One datatype instance in one bank; the second bank exists only for banked
// datatypes. Rows sort by datatype, then instance, then bank.
struct RepositoryRowKey {
  uint32_t datatype = 0;
  uint32_t instance = 0;
  bool secondBank = false;
};

// The rows worth listing: readable, and with a status that says the slot
// holds something. Reading a value is what the gateway does too, so an AIS
// value read here counts as used.
std::vector<RepositoryRowKey> ListedRepositoryRows(Repository& repository);

// One cell; ages are measured against `clock`.
std::string RepositoryCell(Repository& repository, const RepositoryRowKey& key, RepositoryColumn column,
                           uint32_t clock);

struct RepositoryRow {
  std::string cache;  // "Cache" for a row of the second bank
  std::string name;
  std::string index;
  std::string value;
  std::string units;
  std::string age;
  std::string status;
};

// Every listed row with all its cells.
std::vector<RepositoryRow> RepositoryRows(Repository& repository, uint32_t clock);

// The row's cells joined by tabs.
std::string RowLine(const RepositoryRow& row);
