// The plans the sentence builder reads its NMEA 0183 transmit entries from
// must say what the image says, and a sentence built from them must be the
// one built by reading the image.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gateway/DatatypeFormat.h"
#include "gateway/N183SentenceBuilder.h"
#include "gateway/N183SentencePlan.h"
#include "library/N183Lookup.h"
#include "tests/gateway/GatewayDatabase.h"

namespace {

TEST(N183SentencePlans, EveryTransmitEntryIsFoundWithWhatTheImageSays) {
  const DatabaseImageView& database = FullDatabase();
  N183SentencePlans plans;
  plans.Build(database);
  ASSERT_GT(CountN183TxSentences(database), 0u);
  for (uint32_t i = 0; i < CountN183TxSentences(database); ++i) {
    const uint8_t* entry = GetN183TxSentence(database, i);
    const N183SentencePlan* plan = plans.Find(entry);
    ASSERT_NE(plan, nullptr) << i;
    const N183SentenceEntry sentence = ReadN183TxSentence(entry);
    EXPECT_EQ(plan->sentence.formatterKey, sentence.formatterKey);
    EXPECT_EQ(plan->sentence.modifierValue, sentence.modifierValue);
    EXPECT_EQ(plan->sentence.transmitInterval, sentence.transmitInterval);
    char formatter[4] = {};
    UnpackFormatterKey(sentence.formatterKey, formatter);
    EXPECT_EQ(std::string(plan->formatter, 3), std::string(formatter, 3));
    ASSERT_EQ(plan->fields.size(), sentence.fieldCount) << formatter;
    for (uint32_t f = 0; f < sentence.fieldCount; ++f) {
      const N183FieldEntry field = ReadN183Field(GetN183TxField(database, entry, f));
      EXPECT_EQ(plan->fields[f].fieldNumber, field.fieldNumber);
      EXPECT_EQ(plan->fields[f].fieldType, field.fieldType);
      EXPECT_EQ(plan->fields[f].repositoryIndex, field.repositoryIndex);
      EXPECT_EQ(plan->fields[f].flags, field.flags);
    }
  }
  EXPECT_EQ(plans.Find(GetN183TxSentence(database, 0) + 1), nullptr);
  EXPECT_EQ(plans.Find(GetN183RxSentence(database, 0)), nullptr);
  EXPECT_EQ(plans.Find(nullptr), nullptr);
}

std::vector<std::string> BuildAll(N183SentenceBuilder& builder) {
  std::vector<std::string> out;
  const DatabaseImageView& database = FullDatabase();
  for (uint32_t i = 0; i < CountN183TxSentences(database); ++i) {
    const int32_t result = BuildSentence(builder, GetN183TxSentence(database, i), [&](const N183OutputSentence& s) {
      out.emplace_back(s.text, s.length);
    });
    out.push_back("result " + std::to_string(result));
  }
  return out;
}

TEST(N183SentencePlans, SentencesBuiltFromPlansAreThoseBuiltFromTheImage) {
  constexpr uint32_t kNow = 20000;
  SetGatewayClock(kNow);
  Repository repository = MakeRepository(kN2kRepository);
  UpdateSource(&repository, 1, 10, kNow);
  // Every numeric datatype holds a value, so that every entry has fields to write.
  for (uint32_t d = 0; d < kRepositoryDatatypeCount; ++d) {
    const DatatypeFormat& format = FormatOfDatatype(d);
    if (!format.stored || format.isText) continue;
    for (uint32_t instance = 0; instance < format.stored->instances; ++instance) {
      SetValue(&repository, d, instance, Value(3 + d + instance, format.exponent), 1);
    }
  }
  N183SentencePlans plans;
  plans.Build(FullDatabase());
  N183SentenceBuilder planned;
  planned.repository = &repository;
  planned.database = &FullDatabase();
  planned.plans = &plans;
  N183SentenceBuilder read = planned;
  read.plans = nullptr;
  const std::vector<std::string> fromPlans = BuildAll(planned);
  const std::vector<std::string> fromImage = BuildAll(read);
  EXPECT_EQ(fromPlans, fromImage);
  size_t sentences = 0;
  for (const std::string& s : fromPlans) sentences += s.starts_with("$") || s.starts_with("!");
  EXPECT_GT(sentences, 10u);
}

}  // namespace
