#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "log/Framing.h"
#include "decode/GatewayHooks.h"
#include "decode/RecordDecoder.h"
#include "log/RecordParser.h"

namespace {

Record Make(uint32_t type, uint32_t group, const std::vector<uint8_t>& data) {
  static std::vector<std::vector<uint8_t>> keep;
  keep.push_back(data);
  Record r;
  r.type = type;
  r.group = group;
  r.data = keep.back();
  return r;
}

std::string Summary(const Record& r) {
  DecodeContext c;
  DecodeRecord(DM_Summary, c, r, nullptr);
  return c.text;
}

TEST(RecordDecoder, QlxTags) {
  DecodeContext c;
  DecodeRecord(DM_Full, c, Make(MT_QLX, MG_QLX, {0x01, 0xD0, 0x07, 0, 0}), nullptr);
  EXPECT_EQ(c.text, "QLX File Version 2.000");
  EXPECT_EQ(c.tree.Text(), "");
  EXPECT_TRUE(c.tree.Children().empty());
  EXPECT_EQ(Summary(Make(MT_QLX, MG_QLX, {0x01, 0xE2, 0x04, 0, 0})), "QLX File Version 1.250");
  EXPECT_EQ(Summary(Make(MT_QLX, MG_QLX, {0x07, 1, 2})), "");
  EXPECT_EQ(Summary(Make(MT_QLX, MG_QLX, {})), "");
}

TEST(RecordDecoder, KvtRenderings) {
  const Record bad = Make(MT_KVTXC, MG_KVT, {0x11, 0x00, 0x00});
  EXPECT_EQ(Summary(bad), "Raw Unrecognised KVT Data  [3]");
  DecodeContext c;
  DecodeRecord(DM_Full, c, bad, nullptr);
  EXPECT_EQ(c.text, "Raw Unrecognised KVT Data  [3]\r\n  [0]: 11 \r\n  [1]: 00 \r\n  [2]: 00 \r\n");
  EXPECT_EQ(Summary(Make(MT_Reboot, MG_KVT, {0x11, 0x00, 0xEF})), "KVT Re-Boot command  [3]");
}

TEST(RecordDecoder, UnrecognisedData) {
  const std::string text = "$GPHDT,12.5,T";
  EXPECT_EQ(Summary(Make(MT_Unknown, MG_None, std::vector<uint8_t>(text.begin(), text.end()))), text)
      << "text-only data decodes as a sentence";
  EXPECT_EQ(Summary(Make(MT_Unknown, MG_None, {'A', 0x80, 'B'})), "41 80 42 ");
  DecodeContext c;
  DecodeRecord(DM_Full, c, Make(MT_Unknown, MG_None, {0x00, 0xFF}), nullptr);
  EXPECT_EQ(c.text, "00 FF ");
  EXPECT_EQ(c.tree.Text(), "Raw Unrecognised Data  [2]");
}

TEST(RecordDecoder, SelectionTextOfASentence) {
  const std::string s = "$GPHDT,12.5,T*03";
  const Record r = Make(MT_N183, MG_N183, std::vector<uint8_t>(s.begin(), s.end()));
  const std::string text = SelectionText(r);
  EXPECT_EQ(text.rfind("Raw KVT Data:\r\n0x24,0x47,", 0), 0u);
  EXPECT_NE(text.find("\r\nBasic Message\r\n" + s + "\r\n\r\nFull decoded Message\r\nNMEA 0183 Sentence: GP HDT ("),
            std::string::npos)
      << text;
  EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
}

TEST(RecordDecoder, EmptyRecordAndContextReuse) {
  DecodeContext c;
  DecodeRecord(DM_Full, c, Make(MT_Reboot, MG_KVT, {0x11, 0x00, 0xEF}), nullptr);
  EXPECT_FALSE(c.text.empty());
  DecodeRecord(DM_Full, c, Make(MT_N183, MG_N183, {}), nullptr);
  EXPECT_TRUE(c.text.empty());
  EXPECT_TRUE(c.tree.Children().empty());
}

TEST(RecordDecoder, GatewayLevelSetsTheClock) {
  DecodeContext c;
  Record r = Make(MT_Reboot, MG_KVT, {0x11, 0x00, 0xEF});
  r.time = 123456 * 10000ULL;
  DecodeRecord(DM_Gateway, c, r, nullptr);
  EXPECT_EQ(c.previousTime, 123456u);
  r.time = 0;
  DecodeRecord(DM_Gateway, c, r, nullptr);
  EXPECT_EQ(c.previousTime, 124456u);
  r.type = MT_KVT;
  r.time = 5000 * 10000ULL;
  DecodeRecord(DM_Gateway, c, r, nullptr);
  EXPECT_EQ(c.previousTime, 5000u) << "every record sets the clock, and it may step back";
  EXPECT_EQ(GatewayClock(), 5000u);
}

// A run of unrecognised bytes can be as long as the file: every text made of
// it is bounded, and says how much it leaves out.
TEST(RecordDecoder, LongUnrecognisedDataIsBounded) {
  const Record zeros = Make(MT_Unknown, MG_None, std::vector<uint8_t>(2000000, 0));
  std::string hex;
  for (size_t i = 0; i < kSummaryBytes; ++i) hex += "00 ";
  EXPECT_EQ(Summary(zeros), hex + "... 1999744 more bytes");

  DecodeContext c;
  DecodeRecord(DM_Full, c, zeros, nullptr);
  EXPECT_EQ(c.tree.Text(), "Raw Unrecognised Data  [2000000]");
  EXPECT_TRUE(c.tree.Children().empty());
  ASSERT_TRUE(c.tree.Rows());
  EXPECT_EQ(c.tree.Rows()->Line(c.tree.Rows()->LineCount() - 1), "... 1995904 more bytes");

  const std::string text = SelectionText(zeros);
  EXPECT_LT(text.size(), 64u * 1024);
  std::string bytes;
  for (size_t i = 0; i < ByteRows::kShownBytes; ++i) bytes += "0x00,";
  EXPECT_EQ(text.rfind("Raw KVT Data:\r\n" + bytes + "\r\n... 1995904 more bytes not copied\r\nBasic Message\r\n" + hex,
                       0),
            0u);
  const std::string decode = "Full decoded Message\r\n" + hex + "... 1999744 more bytes\r\n";
  ASSERT_GT(text.size(), decode.size());
  EXPECT_EQ(text.substr(text.size() - decode.size()), decode);
}

TEST(RecordDecoder, LongKvtFrameRendersBoundedRows) {
  std::vector<uint8_t> body(5000, 0x10);
  body[0] = 0x93;
  for (const uint32_t type : {static_cast<uint32_t>(MT_KVTBad), static_cast<uint32_t>(MT_Reboot)}) {
    DecodeContext c;
    DecodeRecord(DM_Full, c, Make(type, MG_KVT, body), nullptr);
    const std::string tail = "  ... 904 more bytes\r\n";
    ASSERT_GT(c.text.size(), tail.size());
    EXPECT_EQ(c.text.substr(c.text.size() - tail.size()), tail) << type;
    EXPECT_NE(c.text.find("\r\n  [0]: 93 10 10 "), std::string::npos) << type;
    EXPECT_LT(c.text.size(), 32u * 1024) << type;
  }
}

// The sentence decoder reads only the start of text-only data; the bytes past
// it are still listed.
TEST(RecordDecoder, LongTextOnlyDataKeepsItsBytes) {
  std::string junk(3000, 'A');
  junk[0] = '$';
  junk[2999] = 'Z';
  const Record r = Make(MT_Unknown, MG_None, std::vector<uint8_t>(junk.begin(), junk.end()));
  EXPECT_EQ(Summary(r), junk.substr(0, 299) + " ... 2701 more bytes");
  EXPECT_EQ(Summary(Make(MT_Unknown, MG_None, std::vector<uint8_t>(junk.begin(), junk.begin() + 299))),
            junk.substr(0, 299))
      << "all the decoder reads, and nothing more to count";
  DecodeContext c;
  DecodeRecord(DM_Full, c, r, nullptr);
  ASSERT_FALSE(c.tree.Children().empty());
  const CTreeNode& bytes = c.tree.Children().back();
  EXPECT_EQ(bytes.Text(), "Raw Unrecognised Data  [3000]");
  ASSERT_TRUE(bytes.Rows());
  EXPECT_EQ(bytes.Rows()->ByteCount(), 3000u);
  EXPECT_EQ(bytes.Rows()->Line(0).substr(0, 9), "[0]: 24 4");

  const std::string shortText = "$GPHDT,12.5,T";
  const Record shortRecord = Make(MT_Unknown, MG_None, std::vector<uint8_t>(shortText.begin(), shortText.end()));
  DecodeRecord(DM_Full, c, shortRecord, nullptr);
  for (const CTreeNode& child : c.tree.Children()) EXPECT_FALSE(child.Rows()) << "a short text is all decoded";
}

}  // namespace
