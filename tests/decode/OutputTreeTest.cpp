#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decode/OutputTree.h"
#include "log/ByteBuffer.h"

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
  EXPECT_EQ(text.size(), 256u * 3 + std::string(" < Error - Data over 256 long! >").size());
  EXPECT_EQ(text.substr(765, 4), "AB  ");
  AppendHexBytes(text, bytes.data(), 2);
  EXPECT_EQ(text, "AB AB ");

  const uint8_t quoted[] = {'A', 'B', 0xFF, 'C'};
  std::string q = "x=";
  AppendQuoted(q, quoted, 4);
  EXPECT_EQ(q, "x=\"AB\"");
  const uint8_t withNul[] = {'A', 0, 'B'};
  q.clear();
  AppendQuoted(q, withNul, 3);
  EXPECT_EQ(q, std::string("\"A\0B\"", 5));
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
