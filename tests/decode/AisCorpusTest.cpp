// Real AIS captures against the decodes gpsd expects for them: every message
// of the corpus log is decoded on its last fragment, and every field the
// library's layouts hold agrees with gpsd's unscaled value.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "decode/AisDecoder.h"
#include "library/N183Lookup.h"
#include "library/N183Tables.h"
#include "log/LogTime.h"
#include "decode/RecordDecoder.h"
#include "log/RecordParser.h"

namespace {

using nlohmann::json;

const std::filesystem::path kCorpus =
    std::filesystem::path(QLX_SOURCE_DIR) / ".." / "shared" / "corpus" / "real-nmea0183-ais";

std::vector<json> Messages() {
  std::vector<json> messages;
  std::ifstream in(kCorpus / "ais.jsonl");
  std::string line;
  while (std::getline(in, line))
    if (!line.empty()) messages.push_back(json::parse(line));
  return messages;
}

// The value after "name = " in the rendered AIS section, up to the end of the line.
std::string SectionValue(const std::string& section, const std::string& name) {
  const size_t at = section.find("    " + name + " = ");
  if (at == std::string::npos) return "";
  const size_t start = at + name.size() + 7;
  return section.substr(start, section.find_first_of("\r\n (", start) - start);
}

TEST(AisCorpus, EveryMessageOfTheLogDecodesOnItsLastFragment) {
  if (!std::filesystem::exists(kCorpus / "ais.qlx")) GTEST_SKIP() << "no corpus beside the repository";
  LogFileImage image;
  ASSERT_EQ(image.Load((kCorpus / "ais.qlx").c_str()), 0);
  RecordParser parser;
  parser.Parse(image.Data(), image.Length());

  std::multiset<std::pair<std::string, std::string>> decoded;
  DecodeContext context;
  for (size_t i = 0; i < parser.Count(); ++i) {
    context.earlier = [&parser, i](uint32_t back) {
      return back <= i ? parser.At(i - back).data : std::span<const uint8_t>();
    };
    DecodeRecord(DM_Full, context, parser.At(i), nullptr);
    const size_t at = context.text.find("  AIS Message");
    if (at == std::string::npos) continue;
    const std::string section = context.text.substr(at);
    EXPECT_EQ(section.find("missing"), std::string::npos) << section;
    if (section.find("Payload = ") == std::string::npos) continue;
    decoded.emplace(SectionValue(section, "Message ID"), SectionValue(section, "User ID"));
  }
  std::multiset<std::pair<std::string, std::string>> expected;
  for (const json& m : Messages())
    expected.emplace(std::to_string(m["type"].get<int>()), std::to_string(m["mmsi"].get<long long>()));
  EXPECT_EQ(expected.size(), 331u);
  EXPECT_EQ(decoded, expected);
}

AisDecode DecodeSentences(const json& sentences) {
  std::vector<AisFragment> fragments(sentences.size());
  for (const json& s : sentences) {
    const std::string text = s.get<std::string>();
    SentenceRecord record;
    MakeSentenceRecord(reinterpret_cast<const uint8_t*>(text.data()), static_cast<uint32_t>(text.size()), 0, record);
    SplitSentence split;
    SplitSentenceText(record, split);
    AisFragment f;
    EXPECT_TRUE(IsAisSentence(split) && ParseAisFragment(split, f)) << text;
    if (f.number >= 1 && f.number <= fragments.size()) fragments[f.number - 1] = f;
  }
  AisBits bits;
  for (size_t i = 0; i < fragments.size(); ++i)
    EXPECT_TRUE(bits.AppendArmour(fragments[i].payload, i + 1 == fragments.size() ? fragments[i].fillBits : 0));
  return DecodeAisBits(bits);
}

// gpsd's names for the fields of the library's AIS field definitions.
const std::map<std::string, uint32_t> kGpsdFields = {
    {"mmsi", 2},      {"status", 3},      {"turn", 4},        {"speed", 5},     {"accuracy", 6},
    {"lon", 7},       {"lat", 8},         {"course", 9},      {"heading", 10},  {"second", 11},
    {"maneuver", 12}, {"raim", 14},       {"epfd", 22},     {"ais_version", 24},
    {"imo", 25},      {"callsign", 26},   {"shipname", 27},   {"shiptype", 28}, {"to_bow", 29},
    {"to_stern", 30}, {"to_port", 31},    {"to_starboard", 32}, {"draught", 38}, {"destination", 39},
    {"dte", 40},
};

// gpsd's composite times, split into the library's fields: "MM-DDTHH:MMZ"
// for the ETA (34..37), "YYYY-MM-DDTHH:MM:SSZ" for a base station (16..21).
std::map<uint32_t, json> SplitTimes(const json& expected) {
  std::map<uint32_t, json> values;
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  if (expected.contains("eta") &&
      std::sscanf(expected["eta"].get<std::string>().c_str(), "%d-%dT%d:%dZ", &mo, &d, &h, &mi) == 4)
    values = {{34, mo}, {35, d}, {36, h}, {37, mi}};
  if (expected.contains("timestamp") &&
      std::sscanf(expected["timestamp"].get<std::string>().c_str(), "%d-%d-%dT%d:%d:%dZ", &y, &mo, &d, &h, &mi, &s) ==
          6)
    values = {{16, y}, {17, mo}, {18, d}, {19, h}, {20, mi}, {21, s}};
  return values;
}

bool LayoutHas(const AISMessage& message, uint32_t definition) {
  for (uint32_t i = 0; i < message.fieldCount; ++i)
    if (GetAISFieldListRow(message.firstFieldRow + i)->fieldDefinition == definition) return true;
  return false;
}

struct Tally {
  int messages = 0, agreeing = 0, fields = 0, fieldsAgreeing = 0;
};

TEST(AisCorpus, FieldsAgreeWithGpsd) {
  if (!std::filesystem::exists(kCorpus / "ais.jsonl")) GTEST_SKIP() << "no corpus beside the repository";
  std::map<int, Tally> tally;
  for (const json& m : Messages()) {
    const AisDecode decode = DecodeSentences(m["sentences"]);
    ASSERT_EQ(decode.messageId, m["type"].get<uint32_t>()) << m["sentences"];
    // Message 27, the long-range broadcast, is not in the library.
    EXPECT_EQ(decode.message == nullptr, decode.messageId == 27);
    ASSERT_GE(decode.fields.size(), 3u);
    EXPECT_EQ(decode.fields[2].value, m["mmsi"].get<int64_t>());
    const json& expected = m.contains("expected_unscaled") ? m["expected_unscaled"] : m["expected"];
    if (decode.message == nullptr || decode.message->fieldCount == 0 || expected.is_null()) continue;
    ASSERT_FALSE(expected["scaled"].get<bool>());

    std::map<uint32_t, json> values = SplitTimes(expected);
    for (const auto& [key, definition] : kGpsdFields)
      if (expected.contains(key)) values[definition] = expected[key];
    Tally& t = tally[decode.messageId];
    ++t.messages;
    bool all = true;
    for (const auto& [definition, value] : values) {
      if (!LayoutHas(*decode.message, definition)) continue;
      const AisField* field = nullptr;
      for (const AisField& f : decode.fields)
        if (f.definition->index == definition) field = &f;
      bool agrees = field != nullptr;
      if (agrees && value.is_string()) agrees = field->text == value.get<std::string>();
      else if (agrees && value.is_boolean()) agrees = field->value == (value.get<bool>() ? 1 : 0);
      else if (agrees) agrees = field->value == value.get<int64_t>();
      EXPECT_TRUE(agrees) << "message " << decode.messageId << " " << GetAISFieldDefinition(definition)->name
                          << ": gpsd " << value << ", ours " << (field ? field->text + " " + std::to_string(field->value) : "absent")
                          << " in " << m["sentences"];
      ++t.fields;
      t.fieldsAgreeing += agrees ? 1 : 0;
      all = all && agrees;
    }
    t.agreeing += all ? 1 : 0;
  }
  for (const auto& [type, t] : tally)
    std::printf("AIS message %2d: %d of %d messages agree with gpsd (%d of %d fields)\n", type, t.agreeing,
                t.messages, t.fieldsAgreeing, t.fields);
  EXPECT_FALSE(tally.empty());
}

}  // namespace
