// The output tree: every decoder writes its result as a tree of text lines.
// The root is the one-line summary, children are detail lines. The same tree
// is shown in the info view, rendered as indented text for the clipboard and
// reports, or cut down to its root for the record list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/SafeFormat.h"

struct ByteBuffer;

// A long run of bytes shown as rows of kBytesPerRow with their offset. Only
// the first kShownBytes are kept, so a node costs the same whatever the size
// of the run; past them one line counts the rest. A line is formatted only
// when a view expands the node or a rendering asks for it.
class ByteRows {
 public:
  static constexpr size_t kBytesPerRow = 16;
  static constexpr size_t kShownBytes = 4096;
  static_assert(kShownBytes % kBytesPerRow == 0, "every kept row is whole");

  explicit ByteRows(std::span<const uint8_t> bytes);

  size_t ByteCount() const { return total_; }
  // The rows, then "... N more bytes" when some were not kept.
  size_t LineCount() const;
  std::string Line(size_t index) const;

 private:
  std::vector<uint8_t> shown_;
  size_t total_;
};

// Up to this many bytes a dump keeps one line per byte; a longer one becomes
// ByteRows. Every well-formed unit of a log is shorter, so the rows are for
// runs of unrecognised bytes and broken frames.
inline constexpr size_t kByteLinesLimit = 1024;
// Bytes written in full in a one-line hex summary before it counts the rest.
inline constexpr size_t kSummaryBytes = 256;
// The most bytes a byte dump of a message shows, and what follows them when
// there are more.
inline constexpr size_t kByteDumpCap = 256;
inline constexpr char kByteDumpCapNote[] = " < Error - Data over 256 long! >";

class CTreeNode {
 public:
  CTreeNode() = default;
  explicit CTreeNode(std::string text) : text_(std::move(text)) {}
  CTreeNode(const CTreeNode&) = default;
  CTreeNode(CTreeNode&&) noexcept = default;
  CTreeNode& operator=(const CTreeNode&) = default;
  CTreeNode& operator=(CTreeNode&&) noexcept = default;
  virtual ~CTreeNode() = default;

  void SetText(const char* format, ...) QLX_PRINTF(2, 3);
  void SetTextString(std::string text) { text_ = std::move(text); }
  void AddLine(const char* format, ...) QLX_PRINTF(2, 3);
  void AddLineString(std::string text);
  // Opens a sub-tree. The reference stays valid until the next child is
  // appended to this node.
  CTreeNode& AddNode();
  void AddChild(const CTreeNode& node);

  // "label [n]", then one "[i]: XX" line per byte, capped at 256 lines.
  void SetByteList(const char* label, const ByteBuffer& buffer);
  void SetByteList(const char* label, std::span<const uint8_t> bytes);
  // "label [n]", then one "[i]: XX " line per byte; past kByteLinesLimit
  // bytes the lines are ByteRows instead.
  void SetByteVector(const char* label, std::span<const uint8_t> bytes);

  // The root loses its text and every child; the flag is kept.
  void Clear();

  const std::string& Text() const { return text_; }
  const std::vector<CTreeNode>& Children() const { return children_; }
  // Lines made only on demand, shown after Children(); null for most nodes.
  // Shared, since the lines never change once made.
  const std::shared_ptr<const ByteRows>& Rows() const { return rows_; }
  size_t LineCount() const { return children_.size() + (rows_ ? rows_->LineCount() : 0); }
  bool Expand() const { return expand_; }
  void SetExpand(bool expand) { expand_ = expand; }

 private:
  bool expand_ = false;
  std::string text_;
  std::vector<CTreeNode> children_;
  std::shared_ptr<const ByteRows> rows_;
};

// The root of a tree that will be shown in a tree control.
class CTreeNodeMFC : public CTreeNode {
 public:
  using CTreeNode::CTreeNode;
};

// Appends the subtree, depth-first. A negative depth gives the root's text
// alone without a line end (the summary of a record); depth d shows d levels
// below the node, each line ended by CR LF.
void RenderText(const CTreeNode& node, std::string& text, int depth, int indentStep, int indent);

// "label [n]", the title of a byte dump.
void AppendByteCountTitle(std::string& text, const char* label, size_t count);
// Appends the prefix, two upper-case hex digits and the suffix for every
// byte; either may be null.
void AppendByteList(std::string& text, const uint8_t* bytes, size_t count, const char* prefix, const char* suffix);
// The bytes as "XX.XX.XX", without a trailing separator.
void AppendDottedHex(std::string& text, const uint8_t* bytes, size_t count);
// "XX " per byte.
void AppendHexBytes(std::string& text, const uint8_t* bytes, size_t count);
// "XX " for the first 256 bytes, then " < Error - Data over 256 long! >"
// when there are more.
void AppendHexBytesCapped(std::string& text, const uint8_t* bytes, size_t count);
// "XX " per byte at out, which has room for 3 * count characters; returns
// the end. For a writer that sizes its text once for a whole line.
char* PutHexBytes(char* out, const uint8_t* bytes, size_t count);
// "XX " for the first kSummaryBytes bytes, then "... N more bytes" when
// there are more.
void AppendHexSummary(std::string& text, const uint8_t* bytes, size_t count);
// "... N more bytes", the line that stands for what a bounded text leaves out.
void AppendMoreBytes(std::string& text, size_t count);
std::string MoreBytesText(size_t count);
// Appends the bytes between double quotes, stopping before the first byte of
// 0x80 or more.
void AppendQuoted(std::string& text, const uint8_t* bytes, size_t count);
