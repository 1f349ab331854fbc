#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "decode/N2kDecoder.h"
#include "base/OutputTree.h"
#include "decode/GatewayHooks.h"
#include "library/N2kLookup.h"
#include "log/Framing.h"

namespace {

// A KVT 0x93 body carrying one NMEA 2000 message.
Bytes Frame93(uint32_t pgn, const std::vector<uint8_t>& data, uint8_t priority = 3, uint8_t source = 35,
              uint8_t destination = 255, uint32_t stamp = 1000) {
  Bytes payload = {priority, static_cast<uint8_t>(pgn), static_cast<uint8_t>(pgn >> 8),
                   static_cast<uint8_t>(pgn >> 16), destination, source};
  PutLittleEndian(payload, stamp, 4);
  payload.push_back(static_cast<uint8_t>(data.size()));
  payload.insert(payload.end(), data.begin(), data.end());
  return MakeKvtBody(0x93, payload);
}

std::vector<std::string> Lines(const Bytes& body, int mode = DM_Full) {
  CTreeNodeMFC root;
  DecodeKvtN2k(body.data(), static_cast<uint32_t>(body.size()), root, mode, nullptr, 0);
  std::vector<std::string> lines{root.Text()};
  for (const CTreeNode& c : root.Children()) lines.push_back(c.Text());
  return lines;
}

bool Contains(const std::vector<std::string>& lines, const std::string& text) {
  for (const auto& l : lines)
    if (l == text) return true;
  return false;
}

const std::string* Find(const std::vector<std::string>& lines, const std::string& prefix) {
  for (const auto& l : lines)
    if (l.rfind(prefix, 0) == 0) return &l;
  return nullptr;
}

TEST(N2kDecoder, SummaryLine) {
  const auto lines = Lines(Frame93(127250, {0x00, 0x10, 0x27, 0xFF, 0x7F, 0xFF, 0x7F, 0xFD}), DM_Summary);
  EXPECT_EQ(lines[0],
            "PGN: 127250 (0x1F112), SRC = 35, DST = 255, Priority = 3, Len = 8, Data = 00 10 27 FF 7F FF 7F FD ");
  EXPECT_EQ(lines.size(), 1u);
}

TEST(N2kDecoder, GatewayModeWithoutCallbackSummarises) {
  ASSERT_EQ(DisplaySlots().showN2kConversion, nullptr);
  const Bytes body = Frame93(127250, {0, 0x10, 0x27, 0xFF, 0x7F, 0xFF, 0x7F, 0xFD});
  EXPECT_EQ(Lines(body, DM_Gateway), Lines(body, DM_Summary));
}

TEST(N2kDecoder, HeadingDecodesWithUnitsAndStatus) {
  // 127250: SID 0, heading 1.0000 rad, deviation not available, variation
  // 0x7FFE out of range, reference 1 (magnetic).
  const auto lines = Lines(Frame93(127250, {0x00, 0x10, 0x27, 0xFF, 0x7F, 0xFE, 0x7F, 0xFD}));
  EXPECT_EQ(lines[0], "NMEA 2000 PGN: 127250 (0x1F112)");
  EXPECT_EQ(lines[1], "Name: Vessel Heading ");
  EXPECT_EQ(lines[2], "Source = 35, Destination = 255");
  EXPECT_EQ(lines[3], "Priority = 3, Length = 8");
  EXPECT_EQ(lines[4], "Number Of Fields = 6");
  const std::string* heading = Find(lines, "Field 2: ");
  ASSERT_NE(heading, nullptr);
  EXPECT_NE(heading->find("1.0000 Radians (57.296 Degrees)"), std::string::npos) << *heading;
  const std::string* deviation = Find(lines, "Field 3: ");
  ASSERT_NE(deviation, nullptr);
  EXPECT_NE(deviation->find("= Not Available"), std::string::npos) << *deviation;
  const std::string* variation = Find(lines, "Field 4: ");
  ASSERT_NE(variation, nullptr);
  EXPECT_NE(variation->find("= Out of range"), std::string::npos) << *variation;
}

TEST(N2kDecoder, SystemTimeHasAReservedField) {
  // 126992: SID 1, source 0 (GPS) in 4 bits, reserved 4 bits, date 14610
  // days (2010-01-01), time 45296.5 s.
  const auto lines = Lines(Frame93(126992, {0x01, 0xF0, 0x12, 0x39, 0x88, 0xB2, 0xFF, 0x1A}));
  EXPECT_TRUE(Contains(lines, "Field 3: Reserved field")) << ::testing::PrintToString(lines);
  const std::string* date = Find(lines, "Field 4: ");
  ASSERT_NE(date, nullptr);
  EXPECT_NE(date->find("01/01/2010"), std::string::npos) << *date;
  const std::string* time = Find(lines, "Field 5: ");
  ASSERT_NE(time, nullptr);
  EXPECT_NE(time->find("12:34:56.500"), std::string::npos) << *time;
}

TEST(N2kDecoder, SatellitesInViewRepeatsPerSatellite) {
  // 129540: SID, mode (2 bits) + reserved (6), 3 satellites of 12 bytes.
  std::vector<uint8_t> data = {0x01, 0xFD, 0x03};
  for (uint8_t prn : {5, 12, 29}) {
    const std::vector<uint8_t> sat = {prn, 0x10, 0x27, 0x20, 0x4E, 0xA0, 0x0F, 0xFF, 0xFF, 0xFF, 0x7F, 0xF2};
    data.insert(data.end(), sat.begin(), sat.end());
  }
  const auto lines = Lines(Frame93(129540, data));
  std::vector<std::string> sections;
  for (const auto& l : lines)
    if (l.rfind("----", 0) == 0) sections.push_back(l);
  EXPECT_EQ(sections, (std::vector<std::string>{"---- Repeat Section #1", "---- Repeat Section #2",
                                                "---- Repeat Section #3"}));
  // header (5 lines) + 4 fields before the group + 3 x (1 + 7)
  EXPECT_EQ(lines.size(), 5u + 4u + 24u) << ::testing::PrintToString(lines);
  EXPECT_EQ(lines.back().rfind("Field 11: ", 0), 0u);
}

TEST(N2kDecoder, CountedGroupOfZeroOr255EndsTheDecode) {
  std::vector<uint8_t> data = {0x01, 0xFD, 0x00};
  data.resize(40, 0);
  auto lines = Lines(Frame93(129540, data));
  EXPECT_EQ(lines.size(), 5u + 4u);
  EXPECT_EQ(Find(lines, "----"), nullptr);
  data[2] = 0xFF;
  lines = Lines(Frame93(129540, data));
  EXPECT_EQ(lines.size(), 5u + 4u);
}

TEST(N2kDecoder, ShortMessageEndsWithOverrun) {
  // 127250 needs 8 bytes; with 7 the reference field (number 4 counting
  // from 0, bit 56) is the first to start past the end.
  const auto lines = Lines(Frame93(127250, {0x00, 0x10, 0x27, 0xFF, 0x7F, 0xFF, 0x7F}));
  EXPECT_EQ(lines.back(), "Decode buffer overrun at field 4");
}

TEST(N2kDecoder, FieldRunningPastTheDataIsNeverReadBeyondIt) {
  // 6 bytes: the variation field (bytes 5..6) starts inside and ends outside.
  const auto lines = Lines(Frame93(127250, {0x00, 0x10, 0x27, 0xFF, 0x7F, 0x01}));
  const std::string* variation = Find(lines, "Field 4: ");
  ASSERT_NE(variation, nullptr);
  EXPECT_NE(variation->find("Truncated"), std::string::npos) << *variation;
}

TEST(N2kDecoder, UnknownPgnShowsHeaderAndHex) {
  // 131071 would still be inside the proprietary range of 130816.
  const auto lines = Lines(Frame93(65000, {0xAB, 0xCD}));
  EXPECT_EQ(lines, (std::vector<std::string>{"NMEA 2000 PGN:  65000 (0x0FDE8)", "The PGN was not found in the library",
                                             "Full decode not possible", "Source = 35, Destination = 255",
                                             "Priority = 3, Length = 2", "DATA: ", "AB CD "}));
}

TEST(N2kDecoder, BadFramesShowTheirBytes) {
  Bytes body = Frame93(127250, {1, 2, 3});
  body[1] = 99;  // payload length no longer data count + 11
  CTreeNodeMFC root;
  EXPECT_EQ(DecodeKvtN2k(body.data(), static_cast<uint32_t>(body.size()), root, DM_Full, nullptr, 0), -1097);
  EXPECT_EQ(root.Text(), "KVT-N2K Wrong Length. ID: 0x93, Length: 99");
  ASSERT_EQ(root.Children().size(), 1u);
  EXPECT_EQ(root.Children()[0].Children().size(), body.size());

  const Bytes unknown = MakeKvtBody(0x90, Bytes{1, 2, 3});
  CTreeNodeMFC u;
  EXPECT_EQ(DecodeKvtN2k(unknown.data(), static_cast<uint32_t>(unknown.size()), u, DM_Summary, nullptr, 0), -1099);
  EXPECT_EQ(u.Text(), "KVT-N2K Unknown Command. ID: 0x90, Length: 3");

  // A data count that agrees with the payload length but not with the bytes
  // the frame holds is a wrong length, not a read past the frame.
  Bytes cut = Frame93(127250, {1, 2, 3, 4, 5, 6, 7, 8});
  cut.resize(cut.size() - 4);
  CTreeNodeMFC c;
  EXPECT_EQ(DecodeKvtN2k(cut.data(), static_cast<uint32_t>(cut.size()), c, DM_Full, nullptr, 0), -1097);
}

TEST(N2kDecoder, SummaryCapsTheHexDump) {
  N2kMessage m;
  std::vector<uint8_t> data(300, 0x11);
  m.pgn = 130816;
  m.length = 300;
  m.data = data.data();
  CTreeNodeMFC root;
  DecodeN2kMessage(m, DM_Summary, root, nullptr);
  const std::string& t = root.Text();
  EXPECT_EQ(t.substr(t.size() - 35), "11  < Error - Data over 256 long! >");
}

// The list line as printf wrote it, for messages whose heads share slots
// of the writer's cache and come back after others have taken them.
TEST(N2kDecoder, SummaryLinesOfInterleavedSendersMatchPrintf) {
  struct Sender {
    uint32_t pgn;
    uint8_t source, destination, priority;
    int32_t length;
  };
  const Sender senders[] = {{129025, 10, 255, 2, 8},   {129025, 11, 255, 2, 8},  {129025, 10, 255, 3, 8},
                            {129025, 10, 255, 2, 9},   {127250, 20, 255, 2, 8},  {59904, 0, 0, 6, 3},
                            {0, 0, 0, 0, 0},           {999999, 254, 253, 7, 1}, {1000000, 1, 2, 3, 4},
                            {0x3FFFF, 255, 255, 7, 223}, {0xFFFFFFFF, 5, 6, 7, 2}, {129029, 10, 255, 3, 51}};
  std::vector<uint8_t> data(256);
  uint32_t state = 7;
  for (int round = 0; round < 2000; ++round) {
    state = state * 1103515245u + 12345u;
    const Sender& s = senders[(state >> 16) % std::size(senders)];
    for (uint8_t& b : data) b = static_cast<uint8_t>(state = state * 69069u + 1u);
    N2kMessage m;
    m.pgn = s.pgn;
    m.source = s.source;
    m.destination = s.destination;
    m.priority = s.priority;
    m.length = s.length;
    m.data = data.data();
    char head[160];
    std::snprintf(head, sizeof head, "PGN: %6d (0x%05X), SRC = %u, DST = %u, Priority = %u, Len = %u, Data = ",
                  static_cast<int>(s.pgn), s.pgn, s.source, s.destination, s.priority, static_cast<unsigned>(s.length));
    std::string want = head;
    for (int32_t i = 0; i < s.length; ++i) {
      std::snprintf(head, sizeof head, "%02X ", data[static_cast<size_t>(i)]);
      want += head;
    }
    std::string text = "x";
    AppendN2kSummary(text, m);
    ASSERT_EQ(text, "x" + want) << "round " << round;
  }
}

TEST(N2kDecoder, FrameLinesWrittenInPlaceEqualTheAppendedOnes) {
  // Frames of each command and of none, whose length byte, data count and
  // real length agree or not: the line written in place is the appended
  // one, and a refused frame writes nothing.
  uint32_t state = 3;
  const auto next = [&state] { return (state = state * 1103515245u + 12345u) >> 16; };
  int written = 0;
  for (int round = 0; round < 3000; ++round) {
    static constexpr uint8_t kCommands[] = {0x92, 0x93, 0x94, 0x95};
    const uint8_t command = kCommands[next() % 4];
    const uint32_t dataCountAt = command == 0x93 ? 12 : command == 0x92 ? 8 : 7;
    const uint32_t n = next() % 8 == 0 ? 225 + next() % 31 : next() % 224;
    Bytes body(dataCountAt + 1 + n + 2);
    for (uint8_t& b : body) b = static_cast<uint8_t>(next());
    body[0] = command;
    body[dataCountAt] = static_cast<uint8_t>(n);
    body[1] = static_cast<uint8_t>(n + dataCountAt - 1 + (next() % 6 == 0 ? 1 : 0));
    if (next() % 6 == 0) body.resize(next() % body.size());
    const uint32_t count = static_cast<uint32_t>(body.size());
    std::string appended;
    AppendKvtN2kSummary(appended, body.data(), count);
    std::vector<char> room(kKvtN2kSummaryRoom);
    char* end = PutKvtN2kSummary(room.data(), body.data(), count);
    N2kMessage m;
    const bool parsed = ParseKvtN2k(body.data(), count, m, 0) == 0;
    ASSERT_EQ(end != nullptr, parsed) << "round " << round;
    if (end == nullptr) continue;
    ++written;
    ASSERT_EQ(std::string(room.data(), end), appended) << "round " << round;
  }
  EXPECT_GT(written, 1000);
}

TEST(N2kDecoder, Frames92And94) {
  Bytes p92 = {6, 0x12, 0xF1, 0x01, 0xFF, 0x07, 2, 0xAA, 0xBB};
  const Bytes b92 = MakeKvtBody(0x92, p92);
  N2kMessage m;
  ASSERT_EQ(ParseKvtN2k(b92.data(), static_cast<uint32_t>(b92.size()), m, 4321), 0);
  EXPECT_EQ(m.time, 4321u) << "a frame without a stamp takes the time it was received";
  EXPECT_EQ(m.pgn, 127250u);
  EXPECT_EQ(m.priority, 6);
  EXPECT_EQ(m.source, 7);
  EXPECT_EQ(m.length, 2);
  Bytes p94 = {2, 0x12, 0xF1, 0x01, 0xFF, 1, 0xCC};
  const Bytes b94 = MakeKvtBody(0x94, p94);
  ASSERT_EQ(ParseKvtN2k(b94.data(), static_cast<uint32_t>(b94.size()), m, 0xFFFFFFFF), 0);
  EXPECT_EQ(m.time, 0xFFFFFFFFu);
  EXPECT_EQ(m.source, 255);
  EXPECT_EQ(m.data[0], 0xCC);
}

}  // namespace
