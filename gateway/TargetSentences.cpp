#include "gateway/TargetSentences.h"

#include "base/OutputTree.h"
#include "decode/RecordDecoder.h"
#include "gateway/WXN.h"
#include "library/DBImageView.h"
#include "library/N183Lookup.h"
#include "log/MessageType.h"

void ShowTargetSentences(CTreeNode& block, const std::set<uint32_t>& sentenceIndices, CWXN& gateway, uint32_t now) {
  block.SetText("NMEA 0183 Sentences Targetted ");
  block.SetExpand(true);
  CTreeNode& library = block.AddNode();
  library.SetText("All (Library) Sentences");
  library.SetExpand(true);
  ListLibrarySentences(library, sentenceIndices, false);

  CTreeNode& actual = block.AddNode();
  actual.SetText("Actual (Database) Sentences");
  // Two library rows can share a formatter (MWV relative and true); the
  // database entry is built once.
  std::set<const uint8_t*> built;
  DecodeContext context;
  for (uint32_t index : sentenceIndices) {
    const SentenceDefinition* sentence = GetSentenceByIndex(index);
    if (sentence == nullptr) continue;
    const char* formatter = FormatterOf(*sentence);
    const uint8_t* entry = FindN183TxSentence(gateway.Engine().database, formatter[0], formatter[1], formatter[2]);
    if (entry == nullptr || !built.insert(entry).second) continue;
    gateway.N183Output().clear();
    gateway.BuildN183Sentence(entry, now);
    for (const N183OutputSentence& output : gateway.N183Output()) {
      Record record;
      record.type = MT_N183;
      record.group = MG_N183;
      record.data = std::span(reinterpret_cast<const uint8_t*>(output.text), output.length);
      DecodeRecord(DM_Full, context, record, nullptr);
      CTreeNode& child = actual.AddNode();
      child = context.tree;
      child.SetText("%c%c%c", formatter[0], formatter[1], formatter[2]);
    }
  }
  gateway.N183Output().clear();
}
