#include "query/FieldLines.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "query/FieldSeries.h"

namespace {

constexpr std::string_view kFieldLinePrefix = "Field ";

bool IsFieldLine(const CTreeNode& node, uint32_t& number) {
  const std::string_view text = node.Text();
  if (!text.starts_with(kFieldLinePrefix)) return false;
  const char* digits = text.data() + kFieldLinePrefix.size();
  const auto result = std::from_chars(digits, text.data() + text.size(), number);
  return result.ec == std::errc() && result.ptr != digits && result.ptr < text.data() + text.size() &&
         *result.ptr == ':';
}

// Pre-order, as the decoders write their lines: a field line, then what
// hangs below it (a device message inside a PGN field), then the next.
struct LineWalk {
  const std::vector<ReportedField>& fields;
  std::span<const uint32_t> target;
  size_t lines = 0;
  bool paired = true;
  std::optional<size_t> found;

  void Visit(const CTreeNode& node, size_t depth, bool onPath) {
    uint32_t number = 0;
    if (IsFieldLine(node, number)) {
      if (lines >= fields.size() || fields[lines].number != number) paired = false;
      if (onPath && depth == target.size()) found = lines;
      ++lines;
    }
    const std::vector<CTreeNode>& children = node.Children();
    for (size_t i = 0; i < children.size(); ++i)
      Visit(children[i], depth + 1, onPath && depth < target.size() && target[depth] == i);
  }
};

}  // namespace

void FieldRecorder::Field(const FieldResult& field) {
  ReportedField& f = fields.emplace_back();
  f.section = field.section;
  f.number = field.number;
  f.name.assign(field.name);
  f.unit.assign(field.unit);
  f.numeric = !std::isnan(FieldNumber(field)) ||
              (field.kind == FieldValueKind::None &&
               (field.status == FieldStatus::NotAvailable || field.status == FieldStatus::OutOfRange));
}

std::optional<size_t> FieldOfLine(const CTreeNode& root, const std::vector<ReportedField>& fields,
                                  std::span<const uint32_t> path) {
  LineWalk walk{fields, path, 0, true, std::nullopt};
  walk.Visit(root, 0, true);
  if (!walk.paired || walk.lines != fields.size() || !walk.found) return std::nullopt;
  const ReportedField& field = fields[*walk.found];
  for (size_t i = 0; i < *walk.found; ++i)
    if (fields[i].section == field.section && fields[i].number == field.number) return std::nullopt;
  return walk.found;
}
