// The AIS section of a VDM/VDO decode: payloads built bit by bit, so that
// every not-available pattern, a short payload and the joining of fragments
// are known exactly.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "decode/AisDecoder.h"
#include "decode/DecodeMode.h"
#include "base/OutputTree.h"

namespace {

// Fields as (value, width), armoured most significant bit first.
std::string Armour(const std::vector<std::pair<int64_t, uint32_t>>& fields, uint32_t& fillBits) {
  std::vector<int> bits;
  for (const auto& [value, width] : fields)
    for (uint32_t b = width; b-- > 0;) bits.push_back(static_cast<int>((static_cast<uint64_t>(value) >> b) & 1));
  fillBits = (6 - bits.size() % 6) % 6;
  bits.resize(bits.size() + fillBits, 0);
  std::string text;
  for (size_t i = 0; i < bits.size(); i += 6) {
    int v = 0;
    for (size_t j = 0; j < 6; ++j) v = v * 2 + bits[i + j];
    text += static_cast<char>(v < 40 ? v + 48 : v + 56);
  }
  return text;
}

std::string Sentence(const std::string& payload, uint32_t fillBits, int count = 1, int number = 1,
                     const std::string& sequence = "") {
  return "!AIVDM," + std::to_string(count) + "," + std::to_string(number) + "," + sequence + ",A," + payload + "," +
         std::to_string(fillBits) + "*00";
}

// The rendered full decode of the last sentence, the others being the records before it.
std::string Decode(const std::vector<std::string>& records) {
  const EarlierSentence earlier = [&records](uint32_t back) {
    return back < records.size() ? std::string_view(records[records.size() - 1 - back]) : std::string_view();
  };
  CTreeNodeMFC root;
  const std::string& last = records.back();
  DecodeN183Record(reinterpret_cast<const uint8_t*>(last.data()), static_cast<uint32_t>(last.size()), root, DM_Full, 0,
                   nullptr, earlier);
  std::string text;
  RenderText(root, text, 9, 2, 0);
  const size_t at = text.find("  AIS Message");
  return at == std::string::npos ? "" : text.substr(at);
}

bool Has(const std::string& text, const std::string& line) { return text.find("    " + line + "\r\n") != std::string::npos; }

// A message 1 position report with every field given.
std::vector<std::pair<int64_t, uint32_t>> PositionReport(int64_t rot, int64_t sog, int64_t lon, int64_t lat, int64_t cog,
                                                         int64_t heading) {
  return {{1, 6},   {0, 2},  {366123456, 30}, {0, 4}, {rot, 8},       {sog, 10}, {1, 1}, {lon, 28},
          {lat, 27}, {cog, 12}, {heading, 9},   {33, 6}, {0, 2}, {0, 3}, {0, 1}, {0, 19}};
}

TEST(AisDecoder, PositionReportValuesAndUnits) {
  uint32_t fill = 0;
  // 4 deg 35.3217' W, 49 deg 59.1932' N.
  const std::string text = Decode({Sentence(Armour(PositionReport(-7, 45, -2753217, 29991932, 125, 12), fill), fill)});
  EXPECT_TRUE(Has(text, "Payload = 168 bits")) << text;
  EXPECT_TRUE(Has(text, "User ID = 366123456"));
  EXPECT_TRUE(Has(text, "Navigational Status = 0 (Under way using engine)"));
  EXPECT_TRUE(Has(text, "ROT = -7 (2.2 Degrees/min left)"));
  EXPECT_TRUE(Has(text, "SOG = 4.5 Knots"));
  EXPECT_TRUE(Has(text, "Longitude = 004\xB0 35.3217' W (-275.3217 Minutes)"));
  EXPECT_TRUE(Has(text, "Latitude = 49\xB0 59.1932' N (2999.1932 Minutes)"));
  EXPECT_TRUE(Has(text, "COG = 12.5 Degrees"));
  EXPECT_TRUE(Has(text, "True Heading = 12 Degrees"));
  EXPECT_TRUE(Has(text, "Time Stamp = 33 Seconds"));
}

TEST(AisDecoder, NotAvailableAndOutOfRangePatternsAreNamed) {
  uint32_t fill = 0;
  const std::string text =
      Decode({Sentence(Armour(PositionReport(-128, 1023, 108600000, 54600000, 3600, 511), fill), fill)});
  for (const char* name : {"ROT", "SOG", "Longitude", "Latitude", "COG", "True Heading"})
    EXPECT_TRUE(Has(text, std::string(name) + " = Not Available")) << name << "\n" << text;

  const std::string odd = Decode({Sentence(Armour(PositionReport(127, 1022, 0, 0, 3601, 400), fill), fill)});
  EXPECT_TRUE(Has(odd, "ROT = 127 (turning right faster than 5 Degrees per 30 s, no turn indicator)")) << odd;
  EXPECT_TRUE(Has(odd, "COG = Out of range (3601)"));
  EXPECT_TRUE(Has(odd, "True Heading = Out of range (400)"));
  EXPECT_TRUE(Has(odd, "SOG = 102.2 Knots"));
}

TEST(AisDecoder, ShortPayloadSaysSoAndStopsAtItsLastWholeField) {
  uint32_t fill = 0;
  const std::string full = Armour(PositionReport(0, 10, 0, 0, 0, 0), fill);
  // 9 characters: 54 bits, which end inside the speed over ground.
  const std::string text = Decode({Sentence(full.substr(0, 9), 0)});
  EXPECT_TRUE(Has(text, "Payload length does not match message 1: 168 bits expected, 54 present")) << text;
  EXPECT_TRUE(Has(text, "ROT = 0 (not turning)"));
  EXPECT_EQ(text.find("SOG ="), std::string::npos);
  EXPECT_TRUE(Has(text, "The fields after ROT are not in the payload"));

  // Longer than the layout: every field is read, the extra bits are named.
  const std::string longer = Decode({Sentence(full + "00", 0)});
  EXPECT_TRUE(Has(longer, "Payload length does not match message 1: 168 bits expected, 180 present")) << longer;
  EXPECT_TRUE(Has(longer, "Communication State = 0"));
}

TEST(AisDecoder, ArmourBitsAndFill) {
  AisBits bits;
  EXPECT_TRUE(bits.AppendArmour("w0", 4));  // 111111 000000, less four fill bits
  EXPECT_EQ(bits.Count(), 8u);
  EXPECT_EQ(bits.Read(0, 8), 0xFCu);
  EXPECT_FALSE(bits.AppendArmour("1X1", 0));  // 'X' lies between the two armour ranges
  EXPECT_EQ(bits.Count(), 14u);
}

std::vector<std::pair<int64_t, uint32_t>> Text(const std::string& text, size_t characters) {
  std::vector<std::pair<int64_t, uint32_t>> fields;
  for (size_t i = 0; i < characters; ++i) {
    const char c = i < text.size() ? text[i] : '@';
    fields.emplace_back(c >= 64 ? c - 64 : c, 6);
  }
  return fields;
}

// Message 5 over two sentences: sequence id 7, the first fragment 60 characters.
std::pair<std::string, std::string> StaticVoyageFragments(const std::string& sequence) {
  std::vector<std::pair<int64_t, uint32_t>> f = {{5, 6}, {0, 2}, {227361540, 30}, {0, 2}, {9134270, 30}};
  for (const auto& c : Text("", 7)) f.push_back(c);  // call sign not available
  for (const auto& c : Text("LA CORMORANE", 20)) f.push_back(c);
  const std::vector<std::pair<int64_t, uint32_t>> rest = {{30, 8}, {16, 9}, {6, 9}, {4, 6}, {3, 6}, {1, 4},
                                                          {6, 4},  {15, 5}, {24, 5}, {30, 6}, {31, 8}};
  f.insert(f.end(), rest.begin(), rest.end());
  for (const auto& c : Text("LE GUILVINEC", 20)) f.push_back(c);
  f.emplace_back(0, 1);
  f.emplace_back(0, 1);
  uint32_t fill = 0;
  const std::string payload = Armour(f, fill);
  return {Sentence(payload.substr(0, 60), 0, 2, 1, sequence), Sentence(payload.substr(60), fill, 2, 2, sequence)};
}

TEST(AisDecoder, TwoFragmentsJoinOnTheLastThroughEarlierRecords) {
  const auto [first, second] = StaticVoyageFragments("7");
  const std::string other = "$GPGLL,4916.45,N,12311.12,W,225444,A*31";
  const auto [strayFirst, straySecond] = StaticVoyageFragments("3");
  const std::string text = Decode({first, other, strayFirst, second});
  EXPECT_TRUE(Has(text, "Payload = 424 bits from 2 sentences")) << text;
  EXPECT_TRUE(Has(text, "IMO Number = 9134270"));
  EXPECT_TRUE(Has(text, "Call sign = Not Available"));
  EXPECT_TRUE(Has(text, "Name = \"LA CORMORANE\""));
  EXPECT_TRUE(Has(text, "Beam = 7 Metres"));
  EXPECT_TRUE(Has(text, "ETA Hour = Not Available"));
  EXPECT_TRUE(Has(text, "ETA Minute = 30 Minutes"));
  EXPECT_TRUE(Has(text, "Maximum Present Static Draught = 3.1 Metres"));
  EXPECT_TRUE(Has(text, "Destination = \"LE GUILVINEC\""));

  EXPECT_TRUE(Has(Decode({first}), "Fragment 1 of 2, sequence id '7': the message is decoded on its last fragment"));
  const std::string orphan = Decode({other, strayFirst, second});
  EXPECT_TRUE(Has(orphan, "Fragment 2 of 2, sequence id '7': fragment 1 is missing from the 32 records before it"))
      << orphan;
  EXPECT_EQ(orphan.find("Payload"), std::string::npos);
}

TEST(AisDecoder, StaticDataReportPartIsChosenByItsPartNumber) {
  std::vector<std::pair<int64_t, uint32_t>> f = {{24, 6}, {0, 2}, {271041815, 30}, {1, 2}, {60, 8}};
  for (const auto& c : Text("1D00014", 7)) f.push_back(c);
  for (const auto& c : Text("TC6163", 7)) f.push_back(c);
  const std::vector<std::pair<int64_t, uint32_t>> rest = {{0, 9}, {15, 9}, {0, 6}, {5, 6}, {0, 6}};
  f.insert(f.end(), rest.begin(), rest.end());
  uint32_t fill = 0;
  const std::string text = Decode({Sentence(Armour(f, fill), fill)});
  EXPECT_TRUE(Has(text, "Message ID = 24 (Class B \"CS\" Static data report, part B)")) << text;
  EXPECT_TRUE(Has(text, "Call sign = \"TC6163\""));
  EXPECT_TRUE(Has(text, "Dimension to Bow = Not Available"));
  EXPECT_TRUE(Has(text, "Beam = Not Available"));
  EXPECT_EQ(text.find("Payload length"), std::string::npos);
}

}  // namespace
