// The decoders' field results as values, for programs that take a log's
// numbers elsewhere (exports, plots). The decode text is made for reading;
// a sink receives what the decoder had in hand before it became text: the
// scaled integer with its exponent, the field text, the unit and the status.
// Nothing is reported unless a sink is active on the calling thread, so the
// ordinary decode pays one pointer test per field.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/RepositoryValue.h"

enum class FieldStatus : uint8_t { Valid, NotAvailable, OutOfRange, Reserved, Error };

// "valid", "not available", "out of range", "reserved", "error".
const char* FieldStatusWord(FieldStatus status);
// The status of a decoded value: the patterns an NMEA 2000 field reserves
// keep their meaning, every other fault is an error.
FieldStatus StatusOfValue(const RepositoryValue& value);

enum class FieldValueKind : uint8_t {
  None,     // the status says all there is
  Scaled,   // `value` holds the number
  Decimal,  // `text` holds the number as exact decimal digits
  Text,     // `text` holds 8-bit text as the log carries it
};

// Views into the decoder's data: valid only during the Field call.
struct FieldResult {
  uint32_t section = 0;  // repetition of a repeating group, from 1; 0 outside any
  uint32_t number = 0;   // as the decode numbers the field
  std::string_view name;
  FieldValueKind kind = FieldValueKind::None;
  RepositoryValue value;
  std::string_view text;
  std::string_view unit;
  FieldStatus status = FieldStatus::Valid;
};

class FieldSink {
 public:
  virtual ~FieldSink() = default;
  virtual void Field(const FieldResult& field) = 0;

  // The decoders mark where a repeating group's repetitions begin; the
  // fields that follow carry it.
  void SetSection(uint32_t section) { section_ = section; }
  uint32_t Section() const { return section_; }

 private:
  uint32_t section_ = 0;
};

namespace field_sink_detail {
inline thread_local FieldSink* active = nullptr;
}

// The sink of the calling thread, or null.
inline FieldSink* ActiveFieldSink() { return field_sink_detail::active; }

// Makes a sink active on this thread for the scope's lifetime.
class FieldSinkScope {
 public:
  explicit FieldSinkScope(FieldSink& sink) : previous_(field_sink_detail::active) {
    field_sink_detail::active = &sink;
  }
  ~FieldSinkScope() { field_sink_detail::active = previous_; }
  FieldSinkScope(const FieldSinkScope&) = delete;
  FieldSinkScope& operator=(const FieldSinkScope&) = delete;

 private:
  FieldSink* previous_;
};
