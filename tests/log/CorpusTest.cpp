// The real captures of the shared corpus, wrapped into logs: every record
// must come out with the group, type, bytes and time the index records.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "library/N183Lookup.h"
#include "log/LogTime.h"
#include "decode/RecordDecoder.h"
#include "log/RecordParser.h"

namespace {

const std::filesystem::path kCorpus = std::filesystem::path(QLX_SOURCE_DIR) / ".." / "shared" / "corpus" /
                                      "real-nmea0183-ais";

uint32_t TypeCode(const std::string& name) {
  if (name == "QLX") return MT_QLX;
  if (name == "N183") return MT_N183;
  if (name == "N183XC") return MT_N183XC;
  return 0xFFFF;
}

uint32_t GroupCode(const std::string& name) {
  if (name == "QLX") return MG_QLX;
  if (name == "N183") return MG_N183;
  return 0xFFFF;
}

class Corpus : public ::testing::TestWithParam<const char*> {};

TEST_P(Corpus, EveryRecordAsIndexed) {
  const std::filesystem::path log = kCorpus / GetParam();
  if (!std::filesystem::exists(log)) GTEST_SKIP() << "no corpus beside the repository";
  const nlohmann::json index = nlohmann::json::parse(std::ifstream(kCorpus / "index.json"))[GetParam()];

  LogFileImage image;
  ASSERT_EQ(image.Load(log.c_str()), 0);
  ASSERT_EQ(image.Length(), index["bytes"].get<uint32_t>());
  RecordParser parser;
  parser.Parse(image.Data(), image.Length());
  ASSERT_EQ(parser.Count(), index["records"].get<size_t>());

  for (const auto& [line, expected] : index["records_by_line"].items()) {
    const Record r = parser.At(std::stoul(line) - 1);
    SCOPED_TRACE("record " + line);
    EXPECT_EQ(r.group, GroupCode(expected["group"]));
    EXPECT_EQ(r.type, TypeCode(expected["type"]));
    EXPECT_EQ(r.time, expected["time"].get<uint64_t>());
    if (expected.contains("sentence")) {
      EXPECT_EQ(std::string(r.data.begin(), r.data.end()), expected["sentence"].get<std::string>());
      EXPECT_EQ(FormatLogTime(r.time), expected["time_text"].get<std::string>());
    } else {
      EXPECT_EQ(FormatByteList(r.data.data(), r.data.size(), nullptr, nullptr),
                expected["data_hex"].get<std::string>());
    }
  }
}

// Every real sentence decodes at every level: its summary is the sentence
// itself, and its full decode names talker and formatter, with one line per
// field the library defines.
TEST_P(Corpus, EveryRecordDecodes) {
  const std::filesystem::path log = kCorpus / GetParam();
  if (!std::filesystem::exists(log)) GTEST_SKIP() << "no corpus beside the repository";
  LogFileImage image;
  ASSERT_EQ(image.Load(log.c_str()), 0);
  RecordParser parser;
  parser.Parse(image.Data(), image.Length());
  DecodeContext context;
  size_t known = 0;
  for (size_t i = 0; i < parser.Count(); ++i) {
    const Record r = parser.At(i);
    if (r.group != MG_N183) continue;
    const std::string sentence(r.data.begin(), r.data.end());
    SCOPED_TRACE(sentence);
    DecodeRecord(DM_Summary, context, r, nullptr);
    EXPECT_EQ(context.text, sentence.substr(0, 299));
    DecodeRecord(DM_Gateway, context, r, nullptr);
    EXPECT_EQ(context.tree.Text(), sentence.substr(0, 299));
    DecodeRecord(DM_Full, context, r, nullptr);
    if (sentence.rfind("$PQTZ", 0) == 0) continue;
    EXPECT_EQ(context.tree.Text().rfind("NMEA 0183 Sentence: ", 0), 0u);
    const size_t formatterAt = sentence.size() > 1 && sentence[1] == 'P' ? 2 : 3;
    const SentenceDefinition* definition =
        sentence.size() >= formatterAt + 3 ? FindSentence(sentence.c_str() + formatterAt) : nullptr;
    if (definition == nullptr) continue;
    ++known;
    EXPECT_EQ(context.text.find("Formatter not found"), std::string::npos);
    // The first defined field has its line whenever the sentence reaches it.
    const size_t fields = static_cast<size_t>(std::count(sentence.begin(), sentence.end(), ','));
    if (definition->fieldCount > 0 && fields > definition->fields[0].fieldNumber) {
      EXPECT_NE(context.text.find("\r\n  Field " + std::to_string(definition->fields[0].fieldNumber) + ": "),
                std::string::npos);
    }
  }
  EXPECT_GT(known, parser.Count() / 2) << "most real sentences have a library definition";
}

INSTANTIATE_TEST_SUITE_P(RealCaptures, Corpus, ::testing::Values("real.qlx", "ais.qlx"),
                         [](const auto& info) { return std::string(info.param).substr(0, info.param[0] == 'r' ? 4 : 3); });

}  // namespace
