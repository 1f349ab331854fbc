// Records' decoded field values as CSV rows (one per field) or JSON Lines
// (one object per record, repeating groups nested by section). Values come
// from the decoders' field results, numbers as exact decimals, so a script
// reading the export gets the log's numbers and not the display text.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "decode/FieldSink.h"
#include "log/Record.h"
#include "decode/RecordDecoder.h"

enum class ExportFormat { Csv, JsonLines };

class FieldExporter {
 public:
  explicit FieldExporter(ExportFormat format) : format_(format) {}

  // What comes before the first record: the CSV header row, or nothing.
  std::string Header() const;
  // Appends the record's values; line counts from 1, as the record list
  // shows it. Memory stays that of the largest record.
  void Append(const Record& record, size_t line, std::string& out);

  // Fields written so far, over all records.
  size_t FieldCount() const { return fields_; }

 private:
  struct Row {
    uint32_t section = 0;
    uint32_t number = 0;
    std::string name;
    std::string value;
    bool numeric = false;  // value is a decimal number, not text
    std::string unit;
    FieldStatus status = FieldStatus::Valid;
  };
  class Collector : public FieldSink {
   public:
    void Field(const FieldResult& field) override;
    std::vector<Row> rows;  // reused from record to record
    size_t used = 0;
  };
  struct Identity;

  void AppendCsv(const Identity& id, std::string& out) const;
  void AppendJson(const Identity& id, std::string& out) const;

  ExportFormat format_;
  DecodeContext context_;
  Collector collector_;
  size_t fields_ = 0;
};
