#include "gateway/N183SentencePlan.h"

#include "gateway/EntryPlanIndex.h"
#include "library/N183Lookup.h"

N183SentencePlan PlanN183TxSentence(const DatabaseImageView& database, const uint8_t* entry) {
  N183SentencePlan plan;
  plan.sentence = ReadN183TxSentence(entry);
  for (uint32_t i = 0; i < plan.sentence.fieldCount; ++i) {
    const uint8_t* raw = GetN183TxField(database, entry, i);
    if (!raw) break;
    plan.fields.push_back(ReadN183Field(raw));
  }
  UnpackFormatterKey(plan.sentence.formatterKey, plan.formatter);
  return plan;
}

void N183SentencePlans::Build(const DatabaseImageView& database) {
  transmit_ = database.sections[kViewN183TxSentences];
  plans_.clear();
  for (uint32_t i = 0; i < CountN183TxSentences(database); ++i) {
    plans_.push_back(PlanN183TxSentence(database, GetN183TxSentence(database, i)));
  }
}

const N183SentencePlan* N183SentencePlans::Find(const uint8_t* entry) const {
  return PlanOfEntry(transmit_, plans_, entry);
}
