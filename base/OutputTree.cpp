#include "base/OutputTree.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "base/ByteBuffer.h"

namespace {

constexpr size_t kByteDumpCap = 256;

std::string FormatArgs(const char* format, va_list args) {
  CSafeFormat f;
  f.Format(format, args);
  return f.Get();
}

}  // namespace

ByteRows::ByteRows(std::span<const uint8_t> bytes)
    : shown_(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(bytes.size(), kShownBytes))),
      total_(bytes.size()) {}

size_t ByteRows::LineCount() const {
  return (shown_.size() + kBytesPerRow - 1) / kBytesPerRow + (total_ > shown_.size() ? 1 : 0);
}

std::string ByteRows::Line(size_t index) const {
  const size_t first = index * kBytesPerRow;
  if (first >= shown_.size()) return MoreBytesText(total_ - shown_.size());
  const size_t count = std::min(kBytesPerRow, shown_.size() - first);
  char offset[32];
  std::snprintf(offset, sizeof offset, "[%zu]: ", first);
  std::string line = offset;
  AppendByteList(line, shown_.data() + first, count, nullptr, " ");
  // Pad a short last row so its characters line up with the rows above.
  line.append((kBytesPerRow - count) * 3, ' ');
  line += ' ';
  for (size_t i = first; i < first + count; ++i)
    line += shown_[i] >= 0x20 && shown_[i] < 0x7F ? static_cast<char>(shown_[i]) : '.';
  return line;
}

void CTreeNode::SetText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  text_ = FormatArgs(format, args);
  va_end(args);
}

void CTreeNode::AddLine(const char* format, ...) {
  va_list args;
  va_start(args, format);
  children_.emplace_back(FormatArgs(format, args));
  va_end(args);
}

void CTreeNode::AddLineString(std::string text) { children_.emplace_back(std::move(text)); }

CTreeNode& CTreeNode::AddNode() { return children_.emplace_back("<Empty Node!>"); }

void CTreeNode::AddChild(const CTreeNode& node) { children_.push_back(node); }

void CTreeNode::SetByteList(const char* label, const ByteBuffer& buffer) {
  SetByteList(label, std::span<const uint8_t>(buffer.data, buffer.data ? buffer.length : 0));
}

void CTreeNode::SetByteList(const char* label, std::span<const uint8_t> bytes) {
  SetText("%s [%u]", label, static_cast<unsigned>(bytes.size()));
  const size_t shown = bytes.size() < kByteDumpCap ? bytes.size() : kByteDumpCap;
  children_.reserve(children_.size() + shown + 2);
  for (size_t i = 0; i < shown; ++i) AddLine("[%u]: %02X", static_cast<unsigned>(i), bytes[i]);
  if (bytes.size() > kByteDumpCap) {
    AddLine("Error - Data over 256 long");
    AddLine("Remaining members not shown");
  }
}

void CTreeNode::SetByteVector(const char* label, std::span<const uint8_t> bytes) {
  SetText("%s [%u]", label, static_cast<unsigned>(bytes.size()));
  if (bytes.size() > kByteLinesLimit) {
    rows_ = std::make_shared<const ByteRows>(bytes);
    return;
  }
  children_.reserve(children_.size() + bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) AddLine("[%u]: %02X ", static_cast<unsigned>(i), bytes[i]);
}

void CTreeNode::Clear() {
  text_.clear();
  children_.clear();
  rows_.reset();
}

void RenderText(const CTreeNode& node, std::string& text, int depth, int indentStep, int indent) {
  text.append(static_cast<size_t>(indent > 0 ? indent : 0), ' ');
  text += node.Text();
  if (depth < 0) return;
  text += "\r\n";
  if (depth == 0) return;
  for (const CTreeNode& child : node.Children())
    RenderText(child, text, depth - 1, indentStep, indent + indentStep);
  if (!node.Rows()) return;
  const size_t rowIndent = static_cast<size_t>(std::max(indent + indentStep, 0));
  for (size_t i = 0; i < node.Rows()->LineCount(); ++i) {
    text.append(rowIndent, ' ');
    text += node.Rows()->Line(i);
    text += "\r\n";
  }
}

void AppendByteList(std::string& text, const uint8_t* bytes, size_t count, const char* prefix, const char* suffix) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  for (size_t i = 0; i < count; ++i) {
    if (prefix != nullptr) text += prefix;
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 0x0F];
    if (suffix != nullptr) text += suffix;
  }
}

void AppendDottedHex(std::string& text, const uint8_t* bytes, size_t count) {
  AppendByteList(text, bytes, count, nullptr, ".");
  if (count > 0) text.pop_back();
}

void AppendHexBytes(std::string& text, const uint8_t* bytes, size_t count) {
  text.clear();
  AppendByteList(text, bytes, count, nullptr, " ");
}

void AppendHexBytesCapped(std::string& text, const uint8_t* bytes, size_t count) {
  text.clear();
  AppendByteList(text, bytes, count < kByteDumpCap ? count : kByteDumpCap, nullptr, " ");
  if (count > kByteDumpCap) text += " < Error - Data over 256 long! >";
}

void AppendHexSummary(std::string& text, const uint8_t* bytes, size_t count) {
  AppendHexBytes(text, bytes, std::min(count, kSummaryBytes));
  if (count > kSummaryBytes) text += MoreBytesText(count - kSummaryBytes);
}

std::string MoreBytesText(size_t count) { return "... " + std::to_string(count) + " more bytes"; }

void AppendQuoted(std::string& text, const uint8_t* bytes, size_t count) {
  text += '"';
  for (size_t i = 0; i < count && bytes[i] < 0x80; ++i) text += static_cast<char>(bytes[i]);
  text += '"';
}
