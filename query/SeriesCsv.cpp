#include "query/SeriesCsv.h"

#include <charconv>
#include <cmath>

#include "log/LogTime.h"
#include "query/ExportText.h"

std::string SeriesCsvHeader() { return "line,time,message,source,section,field,name,value,unit,status\r\n"; }

void AppendSeriesCsv(std::string& out, const SeriesField& field, std::string_view name, std::string_view unit,
                     const std::vector<SeriesPoint>& points) {
  std::string identity;
  if (field.stream.n2k) {
    identity = std::to_string(field.stream.pgn) + ',' + std::to_string(field.stream.source) + ',';
  } else {
    AppendCsvCell(identity, field.stream.sentence);
    identity += ",,";
  }
  identity += std::to_string(field.section) + ',' + std::to_string(field.number) + ',';
  AppendCsvCell(identity, name);
  identity += ',';
  std::string tail = ",";
  AppendCsvCell(tail, unit);
  tail += ',';
  for (const SeriesPoint& point : points) {
    out += std::to_string(point.record + 1);
    out += ',';
    out += FormatLogTime(point.time);
    out += ',';
    out += identity;
    if (!std::isnan(point.value)) {
      char digits[32];
      const auto result = std::to_chars(digits, digits + sizeof digits, point.value);
      out.append(digits, result.ptr);
    }
    out += tail;
    out += FieldStatusWord(point.status);
    out += "\r\n";
  }
}
