// The gateway level of the decode tree, through the record dispatcher as the
// views reach it: what a record converted into, and what the gateway sends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decode/DecodeMode.h"
#include "decode/GatewayHooks.h"
#include "decode/RecordDecoder.h"
#include "gateway/WXN.h"
#include "library/DBImageView.h"
#include "log/Framing.h"
#include "log/MessageType.h"

namespace {

struct OwnedRecord {
  std::vector<uint8_t> bytes;
  Record record;
};

OwnedRecord Sentence(const std::string& text, uint64_t time) {
  OwnedRecord r;
  r.bytes.assign(text.begin(), text.end());
  r.record.type = MT_N183;
  r.record.group = MG_N183;
  r.record.time = time;
  r.record.data = r.bytes;
  return r;
}

OwnedRecord Pgn93(uint32_t pgn, const std::vector<uint8_t>& data, uint64_t time) {
  std::vector<uint8_t> payload = {3, static_cast<uint8_t>(pgn), static_cast<uint8_t>(pgn >> 8),
                                  static_cast<uint8_t>(pgn >> 16), 255, 35, 0, 0, 0, 0,
                                  static_cast<uint8_t>(data.size())};
  payload.insert(payload.end(), data.begin(), data.end());
  OwnedRecord r;
  r.bytes = MakeKvtBody(0x93, payload);
  r.record.type = MT_N2K;
  r.record.group = MG_KVT;
  r.record.time = time;
  r.record.data = r.bytes;
  return r;
}

const CTreeNode* Child(const CTreeNode& node, const std::string& prefix) {
  for (const CTreeNode& child : node.Children())
    if (child.Text().rfind(prefix, 0) == 0) return &child;
  return nullptr;
}

bool HasChild(const CTreeNode& node, const std::string& prefix) { return Child(node, prefix) != nullptr; }

constexpr uint64_t kTicksPerMs = 10000;
const std::string kGll = "$GPGLL,4916.45,N,12311.12,W,225444,A,A*5C";

TEST(ConversionDisplay, SentenceListsItsFieldsAndTheMessagesTheyFeed) {
  CWXN gateway;
  DecodeContext context;
  const OwnedRecord gll = Sentence(kGll, 777000 * kTicksPerMs);
  DecodeRecord(DM_Gateway, context, gll.record, &gateway);
  EXPECT_EQ(GatewayClock(), 777000u) << "the gateway runs on the record's time";

  const CTreeNode& root = context.tree;
  EXPECT_EQ(root.Text(), kGll);
  const CTreeNode* converted = Child(root, "Converted Fields [");
  ASSERT_NE(converted, nullptr) << context.text;
  EXPECT_TRUE(HasChild(*converted, "Field 0 : Repos: RD_LatitudeWGS84")) << context.text;
  EXPECT_TRUE(HasChild(*converted, "Field 2 : Repos: RD_LongitudeWGS84")) << context.text;

  const CTreeNode* created = Child(root, "Repository values created:");
  ASSERT_NE(created, nullptr);
  const CTreeNode* library = Child(*created, "Library PGNs");
  ASSERT_NE(library, nullptr);
  EXPECT_TRUE(HasChild(*library, "129025 : ")) << context.text;

  const CTreeNode* output = Child(root, "Current N2K Output");
  ASSERT_NE(output, nullptr);
  const CTreeNode* position = Child(*output, "NMEA 2000 PGN: 129025 (0x1F801)");
  ASSERT_NE(position, nullptr) << context.text;
  EXPECT_TRUE(HasChild(*position, "Name: ")) << "decoded as the info view decodes a logged message";
  EXPECT_NE(context.text.find("Current N2K Output"), std::string::npos) << "rendered into the text as well";
}

TEST(ConversionDisplay, MessageListsTheSentencesItFeedsAndTheirDecode) {
  CWXN gateway;
  DecodeContext context;
  // Vessel heading 1.0000 rad, magnetic.
  const OwnedRecord heading = Pgn93(127250, {0x00, 0x10, 0x27, 0xFF, 0x7F, 0xFF, 0x7F, 0xFD}, 5000 * kTicksPerMs);
  DecodeRecord(DM_Gateway, context, heading.record, &gateway);

  const CTreeNode& root = context.tree;
  EXPECT_EQ(root.Text(), "NMEA 2000 PGN: 127250 (0x1F112)");
  const CTreeNode* converted = Child(root, "Converted Fields [");
  ASSERT_NE(converted, nullptr) << context.text;
  EXPECT_TRUE(HasChild(*converted, "Field 1 : Repos: RD_Heading")) << context.text;

  const CTreeNode* created = Child(root, "Repository values created:");
  ASSERT_NE(created, nullptr);
  const CTreeNode* targetted = Child(*created, "NMEA 0183 Sentences Targetted ");
  ASSERT_NE(targetted, nullptr);
  const CTreeNode* all = Child(*targetted, "All (Library) Sentences");
  ASSERT_NE(all, nullptr);
  EXPECT_TRUE(HasChild(*all, "HDG")) << context.text;
  const CTreeNode* actual = Child(*targetted, "Actual (Database) Sentences");
  ASSERT_NE(actual, nullptr);
  const CTreeNode* hdg = Child(*actual, "HDG");
  ASSERT_NE(hdg, nullptr) << context.text;
  EXPECT_TRUE(HasChild(*hdg, "Number of Fields = ")) << "the built sentence is decoded beneath its formatter";

  const CTreeNode* output = Child(root, "Current N183 Output");
  ASSERT_NE(output, nullptr);
  const CTreeNode* sent = Child(*output, "NMEA 0183 Sentence: HC HDG");
  ASSERT_NE(sent, nullptr) << context.text;
  EXPECT_TRUE(HasChild(*sent, "Field 0: Magnetic sensor heading, degrees = 57.3")) << context.text;
}

TEST(ConversionDisplay, MessageWithoutReceiveEntryIsNotTranslated) {
  CWXN gateway;
  DecodeContext context;
  // ISO Request: nothing in the gateway database receives it.
  ASSERT_EQ(FindN2KRxPGN(gateway.Engine().database, 59904), nullptr);
  const OwnedRecord request = Pgn93(59904, {0x14, 0xF0, 0x01}, 5000 * kTicksPerMs);
  DecodeRecord(DM_Gateway, context, request.record, &gateway);
  EXPECT_EQ(context.tree.Text(), "No Translation was done");
  EXPECT_TRUE(HasChild(context.tree, "A matching translation was not found for this PGN"));
  EXPECT_TRUE(HasChild(context.tree, "NMEA 2000 PGN:  59904 (0x0EA00)")) << context.text;
}

TEST(ConversionDisplay, NoGatewayDecodesAsWithoutOne) {
  CWXN installsTheDisplays;
  DecodeContext gatewayLevel, summary;
  const OwnedRecord gll = Sentence(kGll, 0);
  DecodeRecord(DM_Gateway, gatewayLevel, gll.record, nullptr);
  DecodeRecord(DM_Summary, summary, gll.record, nullptr);
  EXPECT_EQ(gatewayLevel.tree.Text(), summary.text);
  EXPECT_TRUE(gatewayLevel.tree.Children().empty());
  const OwnedRecord heading = Pgn93(127250, {0x00, 0x10, 0x27, 0xFF, 0x7F, 0xFF, 0x7F, 0xFD}, 0);
  DecodeRecord(DM_Gateway, gatewayLevel, heading.record, nullptr);
  DecodeRecord(DM_Summary, summary, heading.record, nullptr);
  EXPECT_EQ(gatewayLevel.tree.Text(), summary.text);
  EXPECT_TRUE(gatewayLevel.tree.Children().empty());
}

}  // namespace
