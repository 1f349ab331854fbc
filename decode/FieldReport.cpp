#include "decode/FieldReport.h"

#include <algorithm>

#include "decode/HoxLibrary.h"
#include "library/N183Lookup.h"
#include "library/N2kTables.h"

namespace {

// NMEA 2000 fields are numbered from 1 in the decode.
FieldResult N2kResult(const FieldSink& sink, const FieldDefinition& field) {
  FieldResult r;
  r.section = sink.Section();
  r.number = field.fieldNumber + 1u;
  r.name = field.name;
  return r;
}

FieldResult HoxResult(const FieldSink& sink, const HoxFieldDefinition& field) {
  FieldResult r;
  r.section = sink.Section();
  r.number = field.fieldNumber + 1u;
  r.name = field.name;
  return r;
}

// The device-message types that count time; the others are plain numbers,
// codes or bit patterns.
std::string_view HoxUnit(uint32_t typeCode) {
  switch (typeCode) {
    case HT_Duration:
      return "s";
    case HT_Milliseconds:
      return "ms";
    case HT_Microseconds:
      return "us";
    default:
      return {};
  }
}

}  // namespace

void ReportN2kValue(FieldSink& sink, const FieldDefinition& field, const DataDictionaryEntry& entry,
                    const FieldRead& read) {
  FieldResult r = N2kResult(sink, field);
  r.unit = entry.unitSymbol;
  if (read.truncated) {
    r.status = FieldStatus::Error;
  } else {
    r.status = StatusOfValue(read.value);
    if (r.status == FieldStatus::Valid) {
      r.kind = FieldValueKind::Scaled;
      r.value = read.value;
    }
  }
  sink.Field(r);
}

void ReportN2kText(FieldSink& sink, const FieldDefinition& field, std::string_view text) {
  FieldResult r = N2kResult(sink, field);
  const auto end = std::find_if(text.begin(), text.end(), [](char c) { return static_cast<uint8_t>(c) >= 0x80; });
  r.kind = FieldValueKind::Text;
  r.text = text.substr(0, static_cast<size_t>(end - text.begin()));
  sink.Field(r);
}

void ReportN2kDecimal(FieldSink& sink, const FieldDefinition& field, const DataDictionaryEntry& entry,
                      std::string_view digits) {
  FieldResult r = N2kResult(sink, field);
  r.unit = entry.unitSymbol;
  // A floating-point field marks missing data with NaN; an infinity is no
  // reading either. Neither has a decimal form.
  if (digits.find_first_of("ni") != std::string_view::npos) {
    r.status = digits.find('n') != std::string_view::npos && digits.find("inf") == std::string_view::npos
                   ? FieldStatus::NotAvailable
                   : FieldStatus::Error;
  } else {
    r.kind = FieldValueKind::Decimal;
    r.text = digits;
  }
  sink.Field(r);
}

void ReportN2kStatus(FieldSink& sink, const FieldDefinition& field, FieldStatus status) {
  FieldResult r = N2kResult(sink, field);
  r.status = status;
  sink.Field(r);
}

void ReportN183Field(FieldSink& sink, uint32_t fieldNumber, const SentenceFieldDefinition& definition,
                     const char* text) {
  FieldResult r;
  r.section = sink.Section();
  r.number = fieldNumber;
  r.name = definition.name;
  if (const UT183UnitName* unit = GetUT183UnitName(definition.unitType); unit != nullptr && definition.unitType != 0)
    r.unit = unit->label;
  if (text[0] == '\0') {
    r.status = FieldStatus::NotAvailable;
  } else {
    r.kind = FieldValueKind::Text;
    r.text = text;
  }
  sink.Field(r);
}

void ReportHoxValue(FieldSink& sink, const HoxFieldDefinition& field, uint32_t typeCode, const RepositoryValue& value) {
  FieldResult r = HoxResult(sink, field);
  r.unit = HoxUnit(typeCode);
  r.status = StatusOfValue(value);
  if (r.status == FieldStatus::Valid) {
    r.kind = FieldValueKind::Scaled;
    r.value = value;
  }
  sink.Field(r);
}

void ReportHoxText(FieldSink& sink, const HoxFieldDefinition& field, std::string_view text) {
  FieldResult r = HoxResult(sink, field);
  r.kind = FieldValueKind::Text;
  r.text = text;
  sink.Field(r);
}

void ReportHoxStatus(FieldSink& sink, const HoxFieldDefinition& field, FieldStatus status) {
  FieldResult r = HoxResult(sink, field);
  r.status = status;
  sink.Field(r);
}
