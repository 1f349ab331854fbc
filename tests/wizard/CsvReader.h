// A reader of the CSV the wizard writes, independent of the writer: rows end
// with CR LF, a cell between double quotes may hold commas and doubled
// quotes.
#pragma once

#include <string>
#include <vector>

namespace wizard_test {

using CsvRow = std::vector<std::string>;

// False when a quoted cell is never closed or a quote stands inside an
// unquoted cell.
inline bool ReadCsv(const std::string& text, std::vector<CsvRow>& rows) {
  rows.clear();
  CsvRow row;
  std::string cell;
  bool quoted = false;
  bool wasQuoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        cell += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        cell += c;
      }
    } else if (c == '"') {
      if (!cell.empty() || wasQuoted) return false;
      quoted = true;
      wasQuoted = true;
    } else if (c == ',') {
      row.push_back(cell);
      cell.clear();
      wasQuoted = false;
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      row.push_back(cell);
      rows.push_back(row);
      row.clear();
      cell.clear();
      wasQuoted = false;
      ++i;
    } else {
      if (wasQuoted) return false;
      cell += c;
    }
  }
  if (quoted) return false;
  if (!row.empty() || !cell.empty()) {
    row.push_back(cell);
    rows.push_back(row);
  }
  return true;
}

}  // namespace wizard_test
