// A filter over the record list, written by the user as an expression:
//   n2k && src == 20 && time >= 09:31:00 && time < 09:32:00
//   pgn in {127250 127251} || (sentence == GGA && !bad)
//   text contains "WP017"
// It is parsed once into a tree and then asked of every record. Terms on a
// field a record does not carry (the PGN of a sentence) are false.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "log/Record.h"
#include "query/RecordFacts.h"

struct FilterError {
  size_t column = 0;  // from 1, the character where the expression went wrong
  std::string expected;

  // "column 7: expected a number after '==', found 'abc'"
  std::string Message() const;
};

enum class FilterField : uint8_t { Pgn, Source, Destination, Priority, Time, Line, Sentence, Talker };
enum class FilterOperator : uint8_t { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };

struct FilterNode {
  enum class Op : uint8_t { And, Or, Not, Kind, Compare, In, Contains };
  Op op = Op::Kind;
  RecordKind kind = RecordKind::Unknown;
  FilterField field = FilterField::Line;
  FilterOperator comparison = FilterOperator::Equal;
  uint64_t number = 0;          // the value compared with, for a numeric field
  uint64_t span = 1;            // how far a time reaches: 09:31 is a whole minute
  std::vector<uint64_t> set;    // the values of `in`, sorted
  std::string text;             // a sentence or talker name, or the text looked for
  size_t left = 0, right = 0;   // operands, indices into the node list
};

class Filter {
 public:
  // The summary line of a record, asked for only when a text term needs it.
  using SummaryFunction = std::function<const std::string&(const Record&)>;

  static std::optional<Filter> Parse(std::string_view expression, FilterError& error);

  // True when some term reads the summary, which costs a decode.
  bool NeedsSummary() const { return needsSummary_; }
  // line counts from 1, as the record list shows it.
  bool Matches(const Record& record, size_t line, const SummaryFunction& summary) const;

 private:
  friend class FilterParser;
  struct Subject;
  bool Evaluate(size_t node, Subject& subject) const;

  std::vector<FilterNode> nodes_;
  size_t root_ = 0;
  bool needsSummary_ = false;
};
