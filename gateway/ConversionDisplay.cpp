#include "gateway/ConversionDisplay.h"

#include <set>

#include "base/OutputTree.h"
#include "base/RepositoryCatalogue.h"
#include "decode/DecodeMode.h"
#include "decode/GatewayHooks.h"
#include "decode/N183Decoder.h"
#include "decode/N2kDecoder.h"
#include "gateway/N183ToPgnList.h"
#include "gateway/TargetSentences.h"
#include "gateway/WXN.h"
#include "library/N183Lookup.h"
#include "library/N2kLookup.h"

namespace {

// A controller that never finishes its cycle would have hung the real
// gateway; here it is one more fact about the conversion, shown in the tree
// beside whatever was sent before it froze.
template <typename Run>
void RunShowingFreeze(CTreeNode& node, Run run) {
  try {
    run();
  } catch (const CInstrumentErr& e) {
    node.AddLine("%s", e.what());
  }
}

void ShowN2kOutput(CTreeNode& node, CWXN& gateway, uint32_t now) {
  gateway.N2kOutput().clear();
  CTreeNode& output = node.AddNode();
  output.SetText("Current N2K Output");
  output.SetExpand(true);
  RunShowingFreeze(output, [&] { gateway.RunN2kController(true, now); });
  for (const N2kOutputMessage& sent : gateway.N2kOutput()) {
    N2kMessage message;
    message.time = sent.time;
    message.pgn = sent.pgn;
    message.priority = sent.priority;
    message.source = sent.source;
    message.destination = sent.destination;
    message.length = static_cast<int32_t>(sent.length);
    message.data = sent.data.data();
    CTreeNode& child = output.AddNode();
    child.SetExpand(true);
    // A message that overran the builder is kept without its data: there
    // are no fields to decode.
    DecodePgn(message, child, sent.length != 0 ? DM_Full : DM_Gateway);
  }
}

void ShowN183Output(CTreeNode& node, CWXN& gateway, uint32_t now) {
  gateway.N183Output().clear();
  CTreeNode& output = node.AddNode();
  output.SetText("Current N183 Output");
  output.SetExpand(true);
  RunShowingFreeze(output, [&] { gateway.RunN183Controller(true, now); });
  for (const N183OutputSentence& sent : gateway.N183Output()) {
    SentenceRecord record;
    MakeSentenceRecord(reinterpret_cast<const uint8_t*>(sent.text), sent.length, sent.time, record);
    CTreeNode& child = output.AddNode();
    child.SetExpand(true);
    DecodeN183Sentence(record, child, DM_Full, nullptr);
  }
}

}  // namespace

bool ShowN183Conversion(CTreeNode& node, const SentenceRecord& sentence, CWXN* gateway) {
  if (gateway == nullptr) return true;
  const uint32_t now = GatewayClock();
  gateway->ConvertN183(sentence.text, sentence.length, now);
  const DatabaseImageView& database = gateway->Engine().database;
  const uint8_t* matched = gateway->Engine().n183Receive.matched;
  if (matched == nullptr) return true;

  // Children live in a vector: a node is complete before its next sibling
  // is added, so no reference outlives a reallocation.
  const N183SentenceEntry entry = ReadN183RxSentence(matched);
  CTreeNode& converted = node.AddNode();
  converted.SetText("Converted Fields [%u]", static_cast<unsigned>(entry.fieldCount));
  for (uint32_t i = 0; i < entry.fieldCount; ++i) {
    const uint8_t* raw = GetN183RxField(database, matched, i);
    if (!raw) break;
    const N183FieldEntry field = ReadN183Field(raw);
    converted.AddLine("Field %u : Repos: %s", static_cast<unsigned>(field.fieldNumber),
                      GetRepositoryName(field.repositoryIndex));
  }
  CTreeNode& created = node.AddNode();
  created.SetText("Repository values created:");
  created.SetExpand(true);
  CTreeNode& pgns = created.AddNode();
  ListLibraryPGNs(pgns, LibraryPgnsFedBy(database, matched), true);
  pgns.SetExpand(true);
  ShowN2kOutput(node, *gateway, now);
  return true;
}

bool ShowN2kConversion(CTreeNode& node, const N2kMessage& message, CWXN* gateway) {
  if (gateway == nullptr) return false;
  const uint32_t now = GatewayClock();
  gateway->ConvertN2k(message, now);
  const DatabaseImageView& database = gateway->Engine().database;
  const uint8_t* matched = gateway->Engine().n2kReceive.matched;
  if (matched == nullptr) return false;

  const N2KPGNEntry entry = ReadN2KRxPGN(matched);
  CTreeNode& converted = node.AddNode();
  converted.SetText("Converted Fields [%u]", static_cast<unsigned>(entry.fieldCount));
  std::set<uint32_t> sentenceIndices;
  for (uint32_t i = 0; i < entry.fieldCount; ++i) {
    const uint8_t* raw = GetN2KRxField(database, matched, i);
    if (!raw) break;
    const N2KFieldEntry field = ReadN2KField(raw);
    if (field.repositoryIndex != RD_NONE && field.repositoryIndex < kRepositoryDatatypeCount) {
      converted.AddLine("Field %u : Repos: %s", static_cast<unsigned>(field.fieldNumber),
                        GetRepositoryName(field.repositoryIndex));
      CollectSentencesUsingRepository(field.repositoryIndex, sentenceIndices);
    } else {
      converted.AddLine("Field %u : No associated repository datatype", static_cast<unsigned>(field.fieldNumber));
    }
  }

  CTreeNode& created = node.AddNode();
  created.SetText("Repository values created:");
  created.SetExpand(true);
  ShowTargetSentences(created.AddNode(), sentenceIndices, *gateway, now);

  ShowN183Output(node, *gateway, now);
  return true;
}

void InstallConversionDisplays() {
  GatewayDisplaySlots& slots = DisplaySlots();
  slots.showN183Conversion = &ShowN183Conversion;
  slots.showN2kConversion = &ShowN2kConversion;
}
