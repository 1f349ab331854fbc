// Which decoded field a line of the decode tree shows, so that a window can
// offer a field the user points at for plotting. The decoders write one
// "Field N: ..." line for every field they report, in the order they report
// them; a tree that does not keep to that (a decoder writing lines of its
// own) answers nothing rather than a wrong field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/OutputTree.h"
#include "decode/FieldSink.h"

struct ReportedField {
  uint32_t section = 0;
  uint32_t number = 0;
  std::string name;
  std::string unit;
  // Holds, or could hold, a number: a value, or a number's "not available"
  // or "out of range".
  bool numeric = false;
};

// Collects the fields of one decode; activate it with a FieldSinkScope.
class FieldRecorder : public FieldSink {
 public:
  void Field(const FieldResult& field) override;
  std::vector<ReportedField> fields;
};

// The index in `fields` of the field the line at `path` shows (child
// indices from the root, the root itself being the empty path). Nothing for
// a line that shows no field, for a field that a device message embedded in
// the record repeats under the same section and number, or when the tree's
// field lines do not pair up with the fields.
std::optional<size_t> FieldOfLine(const CTreeNode& root, const std::vector<ReportedField>& fields,
                                  std::span<const uint32_t> path);
