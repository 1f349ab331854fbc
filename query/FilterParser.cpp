// The grammar, loosest binding first:
//   or      := and ("||" and)*
//   and     := unary ("&&" unary)*
//   unary   := "!" unary | "(" or ")" | term
//   term    := kind | field comparison value | field "in" "{" value* "}"
//            | "text" "contains" "quoted text"
#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

#include "query/Filter.h"
#include "query/FilterLexer.h"

namespace {

struct KindWord {
  const char* word;
  RecordKind kind;
};
constexpr std::array<KindWord, 7> kKindWords{{
    {"n2k", RecordKind::N2k},
    {"n183", RecordKind::N183},
    {"ais", RecordKind::Ais},
    {"hox", RecordKind::Hox},
    {"qlx", RecordKind::Qlx},
    {"bad", RecordKind::Bad},
    {"unknown", RecordKind::Unknown},
}};

enum class ValueKind { Number, TimeOfDay, Name };

struct FieldWord {
  const char* word;
  FilterField field;
  ValueKind value;
  uint64_t maximum;  // of a number
};
constexpr std::array<FieldWord, 8> kFieldWords{{
    {"pgn", FilterField::Pgn, ValueKind::Number, 0x3FFFF},
    {"src", FilterField::Source, ValueKind::Number, 255},
    {"dst", FilterField::Destination, ValueKind::Number, 255},
    {"prio", FilterField::Priority, ValueKind::Number, 7},
    {"time", FilterField::Time, ValueKind::TimeOfDay, 0},
    {"line", FilterField::Line, ValueKind::Number, std::numeric_limits<uint32_t>::max()},
    {"sentence", FilterField::Sentence, ValueKind::Name, 0},
    {"talker", FilterField::Talker, ValueKind::Name, 0},
}};

struct OperatorWord {
  const char* text;
  FilterOperator op;
};
constexpr std::array<OperatorWord, 6> kOperatorWords{{
    {"==", FilterOperator::Equal},
    {"!=", FilterOperator::NotEqual},
    {"<", FilterOperator::Less},
    {"<=", FilterOperator::LessOrEqual},
    {">", FilterOperator::Greater},
    {">=", FilterOperator::GreaterOrEqual},
}};

constexpr const char* kTermExpected = "a term (n2k, n183, ais, hox, qlx, bad, unknown, pgn, src, dst, prio, time, "
                                      "line, sentence, talker or text)";

FilterNode MakeNode(FilterNode::Op op) {
  FilterNode node;
  node.op = op;
  return node;
}

bool ParseUnsigned(std::string_view text, uint64_t& value) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

class FilterParser {
 public:
  FilterParser(std::string_view expression, Filter& filter, FilterError& error)
      : tokens_(SplitFilterTokens(expression)), filter_(filter), error_(error) {}

  bool Run() {
    if (!ParseOr(filter_.root_)) return false;
    if (Peek().kind != FilterToken::Kind::End) return Fail("&& or || between terms");
    return true;
  }

 private:
  const FilterToken& Peek() const { return tokens_[at_]; }
  const FilterToken& Take() { return tokens_[at_ < tokens_.size() - 1 ? at_++ : at_]; }
  bool PeekOperator(const char* op) const {
    return Peek().kind == FilterToken::Kind::Operator && Peek().text == op;
  }

  bool Fail(const std::string& expected) { return FailAt(Peek(), expected); }
  bool FailAt(const FilterToken& token, const std::string& expected) {
    error_.column = token.column;
    error_.expected = expected + ", found " + token.Quoted();
    return false;
  }

  size_t Add(FilterNode node) {
    filter_.nodes_.push_back(std::move(node));
    return filter_.nodes_.size() - 1;
  }

  bool ParseBinary(size_t& node, const char* op, FilterNode::Op kind, bool (FilterParser::*operand)(size_t&)) {
    if (!(this->*operand)(node)) return false;
    while (PeekOperator(op)) {
      Take();
      size_t right = 0;
      if (!(this->*operand)(right)) return false;
      FilterNode n = MakeNode(kind);
      n.left = node;
      n.right = right;
      node = Add(std::move(n));
    }
    return true;
  }
  bool ParseOr(size_t& node) { return ParseBinary(node, "||", FilterNode::Op::Or, &FilterParser::ParseAnd); }
  bool ParseAnd(size_t& node) { return ParseBinary(node, "&&", FilterNode::Op::And, &FilterParser::ParseUnary); }

  bool ParseUnary(size_t& node) {
    // Nesting is recursion: a pasted expression must not exhaust the stack.
    if (++depth_ > kMaxDepth) return Fail("at most " + std::to_string(kMaxDepth) + " nested '(' and '!'");
    const bool ok = ParseNested(node);
    --depth_;
    return ok;
  }

  bool ParseNested(size_t& node) {
    if (PeekOperator("!")) {
      Take();
      size_t operand = 0;
      if (!ParseUnary(operand)) return false;
      FilterNode n = MakeNode(FilterNode::Op::Not);
      n.left = operand;
      node = Add(std::move(n));
      return true;
    }
    if (PeekOperator("(")) {
      const FilterToken open = Take();
      if (!ParseOr(node)) return false;
      if (!PeekOperator(")")) return Fail("')' to close the '(' at column " + std::to_string(open.column));
      Take();
      return true;
    }
    return ParseTerm(node);
  }

  bool ParseTerm(size_t& node) {
    if (Peek().kind != FilterToken::Kind::Word) return Fail(kTermExpected);
    // Evaluation recurses through the tree, which a chain of terms deepens.
    if (++terms_ > kMaxTerms) return Fail("at most " + std::to_string(kMaxTerms) + " terms");
    const FilterToken word = Take();
    for (const KindWord& k : kKindWords) {
      if (word.text == k.word) {
        FilterNode n = MakeNode(FilterNode::Op::Kind);
        n.kind = k.kind;
        node = Add(std::move(n));
        return true;
      }
    }
    if (word.text == "text") return ParseContains(node);
    for (const FieldWord& f : kFieldWords)
      if (word.text == f.word) return ParseComparison(f, node);
    return FailAt(word, kTermExpected);
  }

  bool ParseContains(size_t& node) {
    if (!(Peek().kind == FilterToken::Kind::Word && Peek().text == "contains"))
      return Fail("'contains' after 'text'");
    Take();
    if (Peek().kind != FilterToken::Kind::Text) return Fail("a quoted text after 'contains'");
    FilterNode n = MakeNode(FilterNode::Op::Contains);
    n.text = Take().text;
    node = Add(std::move(n));
    filter_.needsSummary_ = true;
    return true;
  }

  bool ParseComparison(const FieldWord& field, size_t& node) {
    const std::string after = std::string(" after '") + field.word + "'";
    if (Peek().kind == FilterToken::Kind::Word && Peek().text == "in") {
      if (field.value != ValueKind::Number) return Fail(std::string("== or !=") + after);
      Take();
      return ParseSet(field, node);
    }
    const OperatorWord* op = nullptr;
    if (Peek().kind == FilterToken::Kind::Operator)
      for (const OperatorWord& o : kOperatorWords)
        if (Peek().text == o.text) op = &o;
    if (field.value == ValueKind::Name) {
      if (op == nullptr || (op->op != FilterOperator::Equal && op->op != FilterOperator::NotEqual))
        return Fail("== or !=" + after);
    } else if (op == nullptr) {
      return Fail("a comparison (== != < <= > >=) or 'in'" + after);
    }
    Take();
    FilterNode n = MakeNode(FilterNode::Op::Compare);
    n.field = field.field;
    n.comparison = op->op;
    const std::string afterOp = std::string(" after '") + op->text + "'";
    if (!ParseValue(field, afterOp, n)) return false;
    node = Add(std::move(n));
    return true;
  }

  bool ParseValue(const FieldWord& field, const std::string& after, FilterNode& n) {
    const FilterToken& token = Peek();
    switch (field.value) {
      case ValueKind::Name:
        // Formatters and talkers are letters and digits: GGA, GP, PQTZB.
        if (token.kind != FilterToken::Kind::Word && token.kind != FilterToken::Kind::Number)
          return Fail(std::string("a ") + (field.field == FilterField::Talker ? "talker such as GP" : "formatter such as GGA") +
                      after);
        n.text = Take().text;
        return true;
      case ValueKind::TimeOfDay:
        if (token.kind != FilterToken::Kind::Number || !ParseTimeOfDay(token.text, n.number, n.span))
          return Fail("a time of day hh:mm, hh:mm:ss or hh:mm:ss.mmm" + after);
        Take();
        return true;
      case ValueKind::Number:
        return ParseNumber(field, after, n.number);
    }
    return false;
  }

  bool ParseNumber(const FieldWord& field, const std::string& after, uint64_t& value) {
    const FilterToken& token = Peek();
    const std::string range = "a number from 0 to " + std::to_string(field.maximum);
    if (token.kind != FilterToken::Kind::Number || !ParseUnsigned(token.text, value)) return Fail(range + after);
    if (value > field.maximum) return Fail(range + " for '" + field.word + "'");
    Take();
    return true;
  }

  bool ParseSet(const FieldWord& field, size_t& node) {
    if (!PeekOperator("{")) return Fail("'{' after 'in'");
    Take();
    FilterNode n = MakeNode(FilterNode::Op::In);
    n.field = field.field;
    while (!PeekOperator("}")) {
      if (PeekOperator(",")) {
        Take();
        continue;
      }
      if (Peek().kind != FilterToken::Kind::Number) return Fail("a number or '}'");
      uint64_t value = 0;
      if (!ParseNumber(field, " in the set", value)) return false;
      n.set.push_back(value);
    }
    Take();
    std::sort(n.set.begin(), n.set.end());
    node = Add(std::move(n));
    return true;
  }

  static constexpr size_t kMaxDepth = 200;
  static constexpr size_t kMaxTerms = 1000;

  std::vector<FilterToken> tokens_;
  size_t at_ = 0;
  size_t depth_ = 0;
  size_t terms_ = 0;
  Filter& filter_;
  FilterError& error_;
};

std::string FilterError::Message() const { return "column " + std::to_string(column) + ": expected " + expected; }

std::optional<Filter> Filter::Parse(std::string_view expression, FilterError& error) {
  Filter filter;
  FilterParser parser(expression, filter, error);
  if (!parser.Run()) return std::nullopt;
  return filter;
}
