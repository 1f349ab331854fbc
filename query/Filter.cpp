#include <algorithm>

#include "query/Filter.h"

// One record as the terms see it. The header of a frame and the address of
// a sentence are read at most once, however many terms ask.
struct Filter::Subject {
  Subject(const Record& r, size_t l, const SummaryFunction& s) : record(r), line(l), summary(s) {}

  const Record& record;
  size_t line;
  const SummaryFunction& summary;
  enum class State : uint8_t { NotRead, Present, Absent };
  State n2k = State::NotRead;
  N2kHeader header;
  State sentence = State::NotRead;
  SentenceAddress address;

  bool N2k() {
    if (n2k == State::NotRead) n2k = ReadN2kHeader(record, header) ? State::Present : State::Absent;
    return n2k == State::Present;
  }
  bool Sentence() {
    if (sentence == State::NotRead) sentence = ReadSentenceAddress(record, address) ? State::Present : State::Absent;
    return sentence == State::Present;
  }
};

namespace {

bool Compare(uint64_t value, FilterOperator op, uint64_t operand) {
  switch (op) {
    case FilterOperator::Equal:
      return value == operand;
    case FilterOperator::NotEqual:
      return value != operand;
    case FilterOperator::Less:
      return value < operand;
    case FilterOperator::LessOrEqual:
      return value <= operand;
    case FilterOperator::Greater:
      return value > operand;
    case FilterOperator::GreaterOrEqual:
      return value >= operand;
  }
  return false;
}

// A time written to the second or minute stands for the whole of it:
// "time == 09:31" is any moment of that minute, "time <= 09:31" takes it in.
bool CompareTime(uint64_t value, FilterOperator op, uint64_t start, uint64_t span) {
  const bool within = value >= start && value < start + span;
  switch (op) {
    case FilterOperator::Equal:
      return within;
    case FilterOperator::NotEqual:
      return !within;
    case FilterOperator::Less:
      return value < start;
    case FilterOperator::LessOrEqual:
      return value < start + span;
    case FilterOperator::Greater:
      return value >= start + span;
    case FilterOperator::GreaterOrEqual:
      return value >= start;
  }
  return false;
}

}  // namespace

bool Filter::Matches(const Record& record, size_t line, const SummaryFunction& summary) const {
  Subject subject{record, line, summary};
  return Evaluate(root_, subject);
}


bool Filter::Evaluate(size_t index, Subject& s) const {
  const FilterNode& n = nodes_[index];
  switch (n.op) {
    case FilterNode::Op::And:
      return Evaluate(n.left, s) && Evaluate(n.right, s);
    case FilterNode::Op::Or:
      return Evaluate(n.left, s) || Evaluate(n.right, s);
    case FilterNode::Op::Not:
      return !Evaluate(n.left, s);
    case FilterNode::Op::Kind:
      return IsOfKind(s.record, n.kind);
    case FilterNode::Op::Contains:
      return s.summary(s.record).find(n.text) != std::string::npos;
    case FilterNode::Op::Compare:
    case FilterNode::Op::In:
      break;
  }
  uint64_t value = 0;
  switch (n.field) {
    case FilterField::Pgn:
    case FilterField::Source:
    case FilterField::Destination:
    case FilterField::Priority:
      if (!s.N2k()) return false;
      value = n.field == FilterField::Pgn ? s.header.pgn
              : n.field == FilterField::Source ? s.header.source
              : n.field == FilterField::Destination ? s.header.destination
                                                    : s.header.priority;
      break;
    case FilterField::Line:
      value = s.line;
      break;
    case FilterField::Time: {
      uint32_t ms = 0;
      if (!TimeOfDay(s.record, ms)) return false;
      return CompareTime(ms, n.comparison, n.number, n.span);
    }
    case FilterField::Sentence:
    case FilterField::Talker: {
      if (!s.Sentence()) return false;
      const std::string_view name = n.field == FilterField::Sentence ? s.address.formatter : s.address.talker;
      return (name == n.text) == (n.comparison == FilterOperator::Equal);
    }
  }
  if (n.op == FilterNode::Op::In) return std::binary_search(n.set.begin(), n.set.end(), value);
  return Compare(value, n.comparison, n.number);
}
