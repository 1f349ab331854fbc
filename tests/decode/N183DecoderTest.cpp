#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decode/N183Decoder.h"
#include "decode/DecodeMode.h"
#include "base/OutputTree.h"

namespace {

std::vector<std::string> Lines(const std::string& sentence, int mode = DM_Full) {
  CTreeNodeMFC root;
  DecodeN183Record(reinterpret_cast<const uint8_t*>(sentence.data()), static_cast<uint32_t>(sentence.size()), root,
                   mode, 0, nullptr);
  std::vector<std::string> lines{root.Text()};
  for (const CTreeNode& c : root.Children()) lines.push_back(c.Text());
  return lines;
}

TEST(N183Decoder, SummaryIsTheSentenceItself) {
  const std::string s = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
  EXPECT_EQ(Lines(s, DM_Summary), (std::vector<std::string>{s}));
  EXPECT_EQ(Lines(s, DM_Gateway), (std::vector<std::string>{s})) << "no gateway installed";
}

TEST(N183Decoder, GgaHeaderAndFieldsNumberedFromZero) {
  const std::string s = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
  const auto lines = Lines(s);
  EXPECT_EQ(lines[0].rfind("NMEA 0183 Sentence: GP GGA (", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1], "Number of Fields = 14");
  EXPECT_EQ(lines[2], "Original Length = " + std::to_string(s.size()));
  EXPECT_EQ(lines[3].rfind("Description = ", 0), 0u);
  EXPECT_EQ(lines[4].rfind("Field 0: ", 0), 0u);
  EXPECT_NE(lines[4].find(" = 123519"), std::string::npos) << lines[4];
  EXPECT_NE(lines.back().find(" = EMPTY - NO DATA"), std::string::npos) << lines.back();
}

TEST(N183Decoder, GsvRepeatsPerSatellite) {
  const std::string s = "$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00*49";
  const auto lines = Lines(s);
  std::vector<std::string> sections;
  std::vector<std::string> fieldHeads;
  for (const auto& l : lines) {
    if (l.rfind("----", 0) == 0) sections.push_back(l);
    if (l.rfind("Field ", 0) == 0) fieldHeads.push_back(l.substr(0, l.find(':')));
  }
  EXPECT_EQ(sections, (std::vector<std::string>{"---- Repeat Section #1", "---- Repeat Section #2",
                                                "---- Repeat Section #3"}));
  ASSERT_EQ(fieldHeads.size(), 15u);
  EXPECT_EQ(fieldHeads.back(), "Field 14");
}

TEST(N183Decoder, UnknownFormatterAndProprietaryTalker) {
  const auto lines = Lines("$XXZZZ,1,2*00");
  EXPECT_EQ(lines, (std::vector<std::string>{"NMEA 0183 Sentence: XX ZZZ", "Number of Fields = 2",
                                             "Original Length = 13", "Formatter not found in Torvanode Library",
                                             "Full decode not possible"}));
  EXPECT_EQ(Lines("$PQTZX,1,2"), (std::vector<std::string>{""})) << "the logger's own sentences are not decoded";
}

TEST(N183Decoder, AtMost26FieldsAreSplit) {
  std::string s = "$GPXXX";
  for (int i = 0; i < 40; ++i) {
    s += ',';
    s += std::to_string(i);
  }
  const auto lines = Lines(s);
  EXPECT_EQ(lines[1], "Number of Fields = 26");
}

TEST(N183Decoder, ArmourPacksSixBitsMostSignificantFirst) {
  uint8_t out[300];
  uint32_t count = 0;
  // "0" -> 0, "w" -> 63: 000000 111111 000000 111111 -> 0x03 0xF0 0x3F
  EXPECT_EQ(DecodeArmour("0w0w", out, 300, count), 0);
  ASSERT_EQ(count, 3u);
  EXPECT_EQ(out[0], 0x03);
  EXPECT_EQ(out[1], 0xF0);
  EXPECT_EQ(out[2], 0x3F);
  EXPECT_EQ(DecodeArmour("0w0", out, 300, count), 0);
  EXPECT_EQ(count, 2u) << "a trailing partial byte is not counted";
  const std::string full(300, '1');
  EXPECT_EQ(DecodeArmour(full.c_str(), out, 300, count), -1398);
  EXPECT_EQ(count, 225u);
}

TEST(N183Decoder, ArmouredDeviceMessage) {
  // "!PQTZB" carries a device message: "0000" is the three bytes 00 00 00,
  // which is no device command.
  const auto lines = Lines("!PQTZB,1,1,0000");
  EXPECT_EQ(lines[0], "KVT-HOX Unknown Command. ID: 0x0000, Length: 0");
  EXPECT_EQ(Lines("!PQTZB,1,1,0000", DM_Gateway)[0], "!PQTZB,1,1,0000");
}

}  // namespace
