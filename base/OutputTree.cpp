#include "base/OutputTree.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "base/ByteBuffer.h"
#include "base/DigitPairs.h"

namespace {

// "XX" and the separator for every byte, into room for 3 * count characters.
char* PutHexPairs(char* out, const uint8_t* bytes, size_t count, char separator) {
  for (size_t i = 0; i < count; ++i, out += 3) {
    std::memcpy(out, &kHexPairs[2 * size_t{bytes[i]}], 2);
    out[2] = separator;
  }
  return out;
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
  text_.clear();
  va_list args;
  va_start(args, format);
  AppendFormatV(text_, format, args);
  va_end(args);
}

void CTreeNode::AddLine(const char* format, ...) {
  std::string& line = children_.emplace_back().text_;
  va_list args;
  va_start(args, format);
  AppendFormatV(line, format, args);
  va_end(args);
}

void CTreeNode::AddLineString(std::string text) { children_.emplace_back(std::move(text)); }

CTreeNode& CTreeNode::AddNode() { return children_.emplace_back("<Empty Node!>"); }

void CTreeNode::AddChild(const CTreeNode& node) { children_.push_back(node); }

void CTreeNode::SetByteList(const char* label, const ByteBuffer& buffer) {
  SetByteList(label, std::span<const uint8_t>(buffer.data, buffer.data ? buffer.length : 0));
}

void CTreeNode::SetByteList(const char* label, std::span<const uint8_t> bytes) {
  text_.clear();
  AppendByteCountTitle(text_, label, bytes.size());
  const size_t shown = bytes.size() < kByteDumpCap ? bytes.size() : kByteDumpCap;
  children_.reserve(children_.size() + shown + 2);
  for (size_t i = 0; i < shown; ++i) AddLine("[%u]: %02X", static_cast<unsigned>(i), bytes[i]);
  if (bytes.size() > kByteDumpCap) {
    AddLine("Error - Data over 256 long");
    AddLine("Remaining members not shown");
  }
}

void CTreeNode::SetByteVector(const char* label, std::span<const uint8_t> bytes) {
  text_.clear();
  AppendByteCountTitle(text_, label, bytes.size());
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

void AppendByteCountTitle(std::string& text, const char* label, size_t count) {
  text += label;
  text += " [";
  // "%u" of the count, as the title was always written.
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<unsigned>(count)).ptr;
  text.append(digits, end);
  text += ']';
}

void AppendByteList(std::string& text, const uint8_t* bytes, size_t count, const char* prefix, const char* suffix) {
  // The text grows once and every byte is written in place.
  if (prefix == nullptr) prefix = "";
  if (suffix == nullptr) suffix = "";
  const size_t prefixLength = std::strlen(prefix);
  const size_t suffixLength = std::strlen(suffix);
  const size_t step = prefixLength + 2 + suffixLength;
  const size_t at = text.size();
  text.resize(at + step * count);
  char* out = text.data() + at;
  if (prefixLength == 0 && suffixLength == 1) {
    // "XX " and "XX.", the form of every summary and dump.
    PutHexPairs(out, bytes, count, suffix[0]);
    return;
  }
  for (size_t i = 0; i < count; ++i) {
    std::memcpy(out, prefix, prefixLength);
    out += prefixLength;
    std::memcpy(out, &kHexPairs[2 * size_t{bytes[i]}], 2);
    out += 2;
    std::memcpy(out, suffix, suffixLength);
    out += suffixLength;
  }
}

void AppendDottedHex(std::string& text, const uint8_t* bytes, size_t count) {
  AppendByteList(text, bytes, count, nullptr, ".");
  if (count > 0) text.pop_back();
}

void AppendHexBytes(std::string& text, const uint8_t* bytes, size_t count) {
  AppendByteList(text, bytes, count, nullptr, " ");
}

void AppendHexBytesCapped(std::string& text, const uint8_t* bytes, size_t count) {
  AppendByteList(text, bytes, count < kByteDumpCap ? count : kByteDumpCap, nullptr, " ");
  if (count > kByteDumpCap) text += kByteDumpCapNote;
}

char* PutHexBytes(char* out, const uint8_t* bytes, size_t count) {
  if (count == 0) return out;
  // Every cell but the last is written four characters wide, its fourth
  // overwritten by the next: nothing lands past the room of 3 * count.
  const uint8_t* const last = bytes + count - 1;
  for (; bytes + 4 <= last; bytes += 4, out += 12) {
    std::memcpy(out, &kHexCells[4 * size_t{bytes[0]}], 4);
    std::memcpy(out + 3, &kHexCells[4 * size_t{bytes[1]}], 4);
    std::memcpy(out + 6, &kHexCells[4 * size_t{bytes[2]}], 4);
    std::memcpy(out + 9, &kHexCells[4 * size_t{bytes[3]}], 4);
  }
  for (; bytes < last; ++bytes, out += 3) std::memcpy(out, &kHexCells[4 * size_t{*bytes}], 4);
  return PutHexPairs(out, last, 1, ' ');
}

void AppendHexSummary(std::string& text, const uint8_t* bytes, size_t count) {
  AppendHexBytes(text, bytes, std::min(count, kSummaryBytes));
  if (count > kSummaryBytes) AppendMoreBytes(text, count - kSummaryBytes);
}

void AppendMoreBytes(std::string& text, size_t count) {
  text += "... ";
  char digits[24];
  text.append(digits, std::to_chars(digits, digits + sizeof digits, count).ptr);
  text += " more bytes";
}

std::string MoreBytesText(size_t count) {
  std::string text;
  AppendMoreBytes(text, count);
  return text;
}

void AppendQuoted(std::string& text, const uint8_t* bytes, size_t count) {
  text += '"';
  for (size_t i = 0; i < count && bytes[i] < 0x80; ++i) text += static_cast<char>(bytes[i]);
  text += '"';
}
