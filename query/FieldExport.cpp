#include "query/FieldExport.h"

#include <string_view>

#include "decode/ExactDecimal.h"
#include "log/LogTime.h"
#include "query/ExportText.h"
#include "query/RecordFacts.h"

// Who sent what: the record's place in the log and its message address.
struct FieldExporter::Identity {
  size_t line = 0;
  std::string time;
  const char* kind = "";
  bool n2k = false;
  N2kHeader header;
  std::string sentence;  // talker and formatter, "GPGSV"
  const std::string* summary = nullptr;
};

void FieldExporter::Collector::Field(const FieldResult& field) {
  if (used == rows.size()) rows.emplace_back();
  Row& row = rows[used++];
  row.section = field.section;
  row.number = field.number;
  row.name.assign(field.name);
  row.unit.assign(field.unit);
  row.status = field.status;
  row.numeric = field.kind == FieldValueKind::Scaled || field.kind == FieldValueKind::Decimal;
  if (field.kind == FieldValueKind::Scaled)
    row.value = ExactDecimal(field.value);
  else
    row.value.assign(field.text);
}

std::string FieldExporter::Header() const {
  if (format_ != ExportFormat::Csv) return "";
  return "line,time,kind,message,source,destination,section,field,name,value,unit,status\r\n";
}

void FieldExporter::Append(const Record& record, size_t line, std::string& out) {
  Identity id;
  id.line = line;
  id.time = FormatLogTime(record.time);
  id.kind = MessageTypeName(record.type);
  id.n2k = ReadN2kHeader(record, id.header);
  SentenceAddress address;
  if (!id.n2k && ReadSentenceAddress(record, address)) {
    id.sentence.assign(address.talker);
    id.sentence.append(address.formatter);
  }
  std::string summary;
  if (format_ == ExportFormat::JsonLines) {
    DecodeRecord(DM_Summary, context_, record, nullptr);
    summary = context_.text;
    id.summary = &summary;
  }
  collector_.used = 0;
  collector_.SetSection(0);
  {
    const FieldSinkScope scope(collector_);
    DecodeRecord(DM_Full, context_, record, nullptr);
  }
  fields_ += collector_.used;
  if (format_ == ExportFormat::Csv)
    AppendCsv(id, out);
  else
    AppendJson(id, out);
}

void FieldExporter::AppendCsv(const Identity& id, std::string& out) const {
  std::string prefix = std::to_string(id.line) + ',' + id.time + ',';
  AppendCsvCell(prefix, id.kind);
  prefix += ',';
  if (id.n2k) {
    prefix += std::to_string(id.header.pgn) + ',' + std::to_string(id.header.source) + ',' +
              std::to_string(id.header.destination) + ',';
  } else {
    AppendCsvCell(prefix, id.sentence);
    prefix += ",,,";
  }
  for (size_t i = 0; i < collector_.used; ++i) {
    const Row& row = collector_.rows[i];
    out += prefix;
    out += std::to_string(row.section);
    out += ',';
    out += std::to_string(row.number);
    out += ',';
    AppendCsvCell(out, row.name);
    out += ',';
    AppendCsvCell(out, row.value);
    out += ',';
    AppendCsvCell(out, row.unit);
    out += ',';
    out += FieldStatusWord(row.status);
    out += "\r\n";
  }
}

namespace {

void AppendNumberOrNull(std::string& out, bool present, uint32_t number) {
  out += present ? std::to_string(number) : std::string("null");
}

}  // namespace

void FieldExporter::AppendJson(const Identity& id, std::string& out) const {
  out += "{\"line\":" + std::to_string(id.line) + ",\"time\":";
  AppendJsonString(out, id.time);
  out += ",\"kind\":";
  AppendJsonString(out, id.kind);
  out += ",\"pgn\":";
  AppendNumberOrNull(out, id.n2k, id.header.pgn);
  out += ",\"sentence\":";
  if (id.sentence.empty())
    out += "null";
  else
    AppendJsonString(out, id.sentence);
  out += ",\"source\":";
  AppendNumberOrNull(out, id.n2k, id.header.source);
  out += ",\"destination\":";
  AppendNumberOrNull(out, id.n2k, id.header.destination);
  out += ",\"summary\":";
  AppendJsonString(out, id.summary != nullptr ? *id.summary : std::string());

  // Fields outside any repeating group first, then one object per section
  // holding that repetition's fields, in decode order within each.
  const auto appendField = [&out](const Row& row) {
    out += "{\"section\":" + std::to_string(row.section) + ",\"field\":" + std::to_string(row.number) +
           ",\"name\":";
    AppendJsonString(out, row.name);
    out += ",\"value\":";
    if (row.numeric)
      out += row.value;
    else if (row.status == FieldStatus::Valid)
      AppendJsonString(out, row.value);
    else
      out += "null";
    out += ",\"unit\":";
    AppendJsonString(out, row.unit);
    out += ",\"status\":\"";
    out += FieldStatusWord(row.status);
    out += "\"}";
  };
  out += ",\"fields\":[";
  bool first = true;
  for (size_t i = 0; i < collector_.used; ++i) {
    const Row& row = collector_.rows[i];
    if (row.section != 0) continue;
    if (!first) out += ',';
    first = false;
    appendField(row);
  }
  out += "],\"sections\":[";
  uint32_t open = 0;  // the section whose object is open, 0 for none
  for (size_t i = 0; i < collector_.used; ++i) {
    const Row& row = collector_.rows[i];
    if (row.section == 0) continue;
    if (row.section != open) {
      if (open != 0) out += "]},";
      out += "{\"section\":" + std::to_string(row.section) + ",\"fields\":[";
      open = row.section;
    } else {
      out += ',';
    }
    appendField(row);
  }
  if (open != 0) out += "]}";
  out += "]}\n";
}
