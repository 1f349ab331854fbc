#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/OutputTree.h"
#include "base/ByteBuffer.h"

namespace {

std::string Render(const CTreeNode& n, int depth, int step = 2) {
  std::string text;
  RenderText(n, text, depth, step, 0);
  return text;
}

TEST(OutputTree, RenderDepths) {
  CTreeNodeMFC root;
  root.SetText("PGN %d", 127250);
  EXPECT_EQ(Render(root, -2), "PGN 127250");
  EXPECT_EQ(Render(root, 9), "PGN 127250\r\n");

  root.AddLine("Field %u", 1u);
  CTreeNode& section = root.AddNode();
  EXPECT_EQ(section.Text(), "<Empty Node!>");
  section.SetText("Section");
  section.AddLine("inner");
  EXPECT_EQ(Render(root, -2), "PGN 127250");
  EXPECT_EQ(Render(root, 0), "PGN 127250\r\n");
  EXPECT_EQ(Render(root, 1), "PGN 127250\r\n  Field 1\r\n  Section\r\n");
  EXPECT_EQ(Render(root, 9), "PGN 127250\r\n  Field 1\r\n  Section\r\n    inner\r\n");
  EXPECT_EQ(Render(root, 9, 4), "PGN 127250\r\n    Field 1\r\n    Section\r\n        inner\r\n");

  CTreeNode copy = root;
  root.Clear();
  EXPECT_TRUE(root.Children().empty());
  EXPECT_EQ(Render(copy, 9), "PGN 127250\r\n  Field 1\r\n  Section\r\n    inner\r\n") << "copies are deep";
}

TEST(OutputTree, ByteListIsCappedAt256Lines) {
  std::vector<uint8_t> bytes(300);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i);
  CTreeNode n;
  n.SetByteList("Data", std::span<const uint8_t>(bytes));
  EXPECT_EQ(n.Text(), "Data [300]");
  ASSERT_EQ(n.Children().size(), 258u);
  EXPECT_EQ(n.Children()[0].Text(), "[0]: 00");
  EXPECT_EQ(n.Children()[255].Text(), "[255]: FF");
  EXPECT_EQ(n.Children()[256].Text(), "Error - Data over 256 long");
  EXPECT_EQ(n.Children()[257].Text(), "Remaining members not shown");

  CTreeNode exact;
  exact.SetByteList("Data", std::span<const uint8_t>(bytes.data(), 256));
  EXPECT_EQ(exact.Children().size(), 256u);

  ByteBuffer empty;
  CTreeNode none;
  none.SetByteList("Data", empty);
  EXPECT_EQ(none.Text(), "Data [0]");
  EXPECT_TRUE(none.Children().empty());

  CTreeNode vec;
  vec.SetByteVector("KVT", std::span<const uint8_t>(bytes));
  EXPECT_EQ(vec.Children().size(), 300u);
  EXPECT_EQ(vec.Children()[299].Text(), "[299]: 2B ") << "the uncapped form keeps a trailing blank";
}

TEST(OutputTree, HexAndQuotedText) {
  std::vector<uint8_t> bytes(257, 0xAB);
  std::string text = "old";
  AppendHexBytesCapped(text, bytes.data(), bytes.size());
  EXPECT_EQ(text.size(), 3 + 256u * 3 + std::string(" < Error - Data over 256 long! >").size());
  EXPECT_EQ(text.substr(768, 4), "AB  ");
  text = "x";
  const uint8_t mixed[] = {0x00, 0x9F, 0xFF};
  AppendHexBytes(text, mixed, 3);
  EXPECT_EQ(text, "x00 9F FF ") << "appended, every byte's two digits from the table";
  text.clear();
  AppendByteList(text, mixed, 3, "0x", ",");
  EXPECT_EQ(text, "0x00,0x9F,0xFF,");
  AppendByteList(text, mixed, 0, "0x", ",");
  EXPECT_EQ(text, "0x00,0x9F,0xFF,") << "no bytes, nothing written";
  text.clear();
  AppendHexSummary(text, bytes.data(), bytes.size());
  EXPECT_EQ(text.substr(text.size() - 19), "AB ... 1 more bytes");

  const uint8_t quoted[] = {'A', 'B', 0xFF, 'C'};
  std::string q = "x=";
  AppendQuoted(q, quoted, 4);
  EXPECT_EQ(q, "x=\"AB\"");
  const uint8_t withNul[] = {'A', 0, 'B'};
  q.clear();
  AppendQuoted(q, withNul, 3);
  EXPECT_EQ(q, std::string("\"A\0B\"", 5));
}

TEST(OutputTree, HexBytesPutInExactlyTheirRoom) {
  // Every count across the four-at-a-time loop and its tail, each into a
  // buffer of just 3 * count on the heap, where a write past it is caught
  // under the address sanitizer; the byte after is checked here too.
  uint32_t state = 1;
  for (size_t count = 0; count <= 40; ++count) {
    std::vector<uint8_t> bytes(count);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>((state = state * 69069u + 1u) >> 24);
    std::vector<char> room(3 * count + 1, '#');
    char* end = PutHexBytes(room.data(), bytes.data(), count);
    std::string want;
    AppendByteList(want, bytes.data(), count, nullptr, " ");
    ASSERT_EQ(std::string(room.data(), end), want) << count << " bytes";
    ASSERT_EQ(room.back(), '#') << count << " bytes";
    std::vector<char> exact(3 * count);
    ASSERT_EQ(PutHexBytes(exact.data(), bytes.data(), count), exact.data() + exact.size());
  }
}

TEST(SafeFormat, GrowsAndCopies) {
  CSafeFormat f;
  EXPECT_STREQ(f.Get(), "");
  char dest[8] = "zzzzzzz";
  f.CopyTo(dest, 8);
  EXPECT_STREQ(dest, "");
  f.Format("%s-%d", "long text", 12345);
  EXPECT_STREQ(f.Get(), "long text-12345");
  EXPECT_EQ(f.Length(), 16u);
  f.Format("%d", 7);
  EXPECT_STREQ(f.Get(), "7");
  EXPECT_EQ(f.Capacity(), 16u) << "the buffer never shrinks";
  f.CopyTo(dest, 8);
  EXPECT_STREQ(dest, "7");
  f.CopyTo(nullptr, 8);
}

}  // namespace

namespace {

std::vector<uint8_t> Counting(size_t n) {
  std::vector<uint8_t> bytes(n);
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + i / 256);
  return bytes;
}

// The bytes of a row line: the hex pairs between ": " and the text column.
std::vector<uint8_t> RowBytes(const std::string& line) {
  std::vector<uint8_t> bytes;
  size_t at = line.find(": ");
  if (at == std::string::npos) return bytes;
  for (at += 2; at + 1 < line.size() && line[at] != ' '; at += 3)
    bytes.push_back(static_cast<uint8_t>(std::stoul(line.substr(at, 2), nullptr, 16)));
  return bytes;
}

TEST(OutputTree, LongByteVectorBecomesRowsMadeOnDemand) {
  const std::vector<uint8_t> bytes = Counting(2000000);
  CTreeNode n;
  n.SetByteVector("Raw Unrecognised Data ", bytes);
  EXPECT_EQ(n.Text(), "Raw Unrecognised Data  [2000000]");
  EXPECT_TRUE(n.Children().empty()) << "no line is made before a view or a rendering asks";
  ASSERT_TRUE(n.Rows());
  EXPECT_EQ(n.Rows()->ByteCount(), 2000000u);
  const size_t rows = ByteRows::kShownBytes / ByteRows::kBytesPerRow;
  ASSERT_EQ(n.LineCount(), rows + 1);
  EXPECT_EQ(n.Rows()->Line(rows), "... 1995904 more bytes");

  // Every kept byte is in exactly one row, in order, under its offset.
  std::vector<uint8_t> seen;
  for (size_t i = 0; i < rows; ++i) {
    const std::string line = n.Rows()->Line(i);
    std::string offset(1, '[');
    offset += std::to_string(i * ByteRows::kBytesPerRow);
    offset += "]: ";
    ASSERT_EQ(line.rfind(offset, 0), 0u) << line;
    const std::vector<uint8_t> row = RowBytes(line);
    ASSERT_EQ(row.size(), ByteRows::kBytesPerRow) << line;
    seen.insert(seen.end(), row.begin(), row.end());
  }
  EXPECT_TRUE(std::equal(seen.begin(), seen.end(), bytes.begin(), bytes.begin() + ByteRows::kShownBytes));
}

TEST(OutputTree, ByteRowsShortLastRowAndTextColumn) {
  std::vector<uint8_t> bytes(kByteLinesLimit + 3, 'A');
  bytes[kByteLinesLimit + 1] = 0x0A;
  bytes[kByteLinesLimit + 2] = 0xB0;
  const ByteRows rows(bytes);
  ASSERT_EQ(rows.LineCount(), kByteLinesLimit / ByteRows::kBytesPerRow + 1) << "no count line when all are kept";
  EXPECT_EQ(rows.Line(0), "[0]: 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41  AAAAAAAAAAAAAAAA");
  // The short row is padded so its text column lines up with the full ones.
  const std::string last = rows.Line(rows.LineCount() - 1);
  EXPECT_EQ(last, "[1024]: 41 0A B0" + std::string(13 * 3, ' ') + "  A..");

  CTreeNode exact;
  exact.SetByteVector("KVT", std::span<const uint8_t>(bytes.data(), kByteLinesLimit));
  EXPECT_FALSE(exact.Rows()) << "up to the limit every byte keeps its own line";
  EXPECT_EQ(exact.Children().size(), kByteLinesLimit);
  EXPECT_EQ(exact.LineCount(), kByteLinesLimit);
}

TEST(OutputTree, RenderingFormatsRowsAtTheirDepth) {
  const std::vector<uint8_t> bytes = Counting(ByteRows::kShownBytes + 5);
  CTreeNodeMFC root;
  root.SetText("Frame");
  root.AddLine("Header");
  root.AddNode().SetByteVector("Data", bytes);

  EXPECT_EQ(Render(root, -2), "Frame");
  EXPECT_EQ(Render(root, 1), "Frame\r\n  Header\r\n  Data [4101]\r\n") << "rows lie one level further down";
  const std::string text = Render(root, 9);
  const size_t rows = ByteRows::kShownBytes / ByteRows::kBytesPerRow;
  EXPECT_EQ(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')), 3 + rows + 1);
  EXPECT_NE(text.find("\r\n    [0]: "), std::string::npos) << "rows indented below their node";
  const std::string tail = "    ... 5 more bytes\r\n";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);

  CTreeNode copy = root;
  root.Clear();
  EXPECT_EQ(root.LineCount(), 0u);
  EXPECT_EQ(Render(copy, 9), text) << "a copy keeps the rows";
}

}  // namespace
