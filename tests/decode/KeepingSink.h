// A field sink that keeps every reported field as text, and the tree's
// rendering, for tests that compare what the decoders report with what they
// write.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/OutputTree.h"
#include "decode/ExactDecimal.h"
#include "decode/FieldSink.h"

struct Kept {
  uint32_t section;
  uint32_t number;
  std::string name;
  std::string value;  // the exact decimal, or the text
  std::string unit;
  FieldStatus status;
};

class KeepingSink : public FieldSink {
 public:
  void Field(const FieldResult& f) override {
    const std::string value = f.kind == FieldValueKind::Scaled ? ExactDecimal(f.value) : std::string(f.text);
    fields.push_back({f.section, f.number, std::string(f.name), value, std::string(f.unit), f.status});
  }
  std::vector<Kept> fields;
};

inline std::string Rendered(const CTreeNode& root) {
  std::string text;
  RenderText(root, text, 9, 2, 0);
  return text;
}
