#include "gateway/N183ToPgnList.h"

#include <string>

#include "base/OutputTree.h"
#include "library/N183Lookup.h"
#include "library/N2kLookup.h"

std::set<uint32_t> LibraryPgnsFedBy(const DatabaseImageView& view, const uint8_t* rxSentence) {
  std::set<uint32_t> pgnIndices;
  const uint32_t count = ReadN183RxSentence(rxSentence).fieldCount;
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* field = GetN183RxField(view, rxSentence, i);
    if (!field) break;
    CollectPGNsUsingRepository(ReadN183Field(field).repositoryIndex, pgnIndices);
  }
  return pgnIndices;
}

const SentenceDefinition* LibrarySentenceOf(const N183SentenceEntry& entry) {
  const SentenceDefinition* first = nullptr;
  for (uint32_t index = 0; const SentenceDefinition* row = GetSentenceByIndex(index); ++index) {
    if (FormatterKeyOf(FormatterOf(*row)) != entry.formatterKey) continue;
    if (!first) first = row;
    if (row->modifierField == entry.modifierField && row->modifierValue == entry.modifierValue) return row;
  }
  return first;
}

void ListN183ToPgns(const DatabaseImageView& view, CTreeNode& node) {
  const uint32_t count = CountN183RxSentences(view);
  node.SetText("N183 Target Formatter List to N2K PGN List [%u]", count);
  node.SetExpand(true);
  for (uint32_t position = 0; position < count; ++position) {
    const uint8_t* rx = GetN183RxSentence(view, position);
    const std::set<uint32_t> pgnIndices = LibraryPgnsFedBy(view, rx);
    if (pgnIndices.empty()) continue;
    const N183SentenceEntry entry = ReadN183RxSentence(rx);
    const SentenceDefinition* sentence = LibrarySentenceOf(entry);
    char formatter[4];
    UnpackFormatterKey(entry.formatterKey, formatter);
    CTreeNode& child = node.AddNode();
    child.SetText("%s : %s", formatter, sentence ? sentence->name : "");
    CTreeNode& pgns = child.AddNode();
    ListLibraryPGNs(pgns, pgnIndices, true);
    pgns.SetExpand(true);
  }
}
