#include "wizard/ConversionLists.h"

#include <cstdio>
#include <vector>

#include "base/OutputTree.h"
#include "gateway/N183ToPgnList.h"
#include "library/N183Lookup.h"
#include "library/N2kLookup.h"
#include "wizard/Coverage.h"
#include "wizard/EntryLabels.h"

namespace {

const char* PgnDescription(uint32_t pgn) {
  const PgnDefinition* definition = FindPGN(pgn);
  return definition ? definition->description : "";
}

std::string FormatterText(uint32_t formatterKey) {
  char formatter[4];
  UnpackFormatterKey(formatterKey, formatter);
  return std::string(formatter, 3);
}

std::vector<std::string> N183TxLabels(const DatabaseImageView& view, const std::vector<uint32_t>& positions) {
  std::vector<std::string> labels;
  for (uint32_t position : positions) {
    labels.push_back(N183TxLabel(ReadN183TxSentence(GetN183TxSentence(view, position))));
  }
  return labels;
}

std::vector<std::string> N2KTxLabels(const DatabaseImageView& view, const std::vector<uint32_t>& positions) {
  std::vector<std::string> labels;
  for (uint32_t position : positions) labels.push_back(N2KTxLabel(ReadN2KTxPGN(GetN2KTxPGN(view, position))));
  return labels;
}

// Between double quotes; a quote inside is doubled so that the cell stays
// one cell for any reader of the table.
void AppendQuotedCell(std::string& csv, const std::string& text) {
  csv += '"';
  for (char c : text) {
    if (c == '"') csv += '"';
    csv += c;
  }
  csv += '"';
}

std::string Join(const std::vector<std::string>& labels) {
  std::string joined;
  for (const std::string& label : labels) {
    if (!joined.empty()) joined += ", ";
    joined += label;
  }
  return joined;
}

void AppendRow(std::string& csv, const std::string& key, const std::string& description,
               const std::vector<std::string>& definite, const std::vector<std::string>& partial) {
  csv += "\r\n";
  csv += key;
  csv += ',';
  AppendQuotedCell(csv, description);
  csv += ',';
  if (!definite.empty()) {
    AppendQuotedCell(csv, Join(definite));
    csv += ',';
  } else if (!partial.empty()) {
    csv += ',';
  }
  if (!partial.empty()) {
    AppendQuotedCell(csv, Join(partial));
    csv += ',';
  }
}

}  // namespace

void ListN2kToN183(const DatabaseImageView& view, CTreeNode& node) {
  node.SetText("NMEA 2000 Rx PGN to NMEA 0183 Tx List");
  node.SetExpand(true);
  const uint32_t count = CountN2KRxPGNs(view);
  for (uint32_t position = 0; position < count; ++position) {
    const uint8_t* rx = GetN2KRxPGN(view, position);
    const uint32_t pgn = ReadN2KRxPGN(rx).pgn;
    const CoverageLists lists = CoverN2KRx(view, rx);
    CTreeNode& child = node.AddNode();
    child.SetText("PGN [%u][%X] %s", pgn, pgn, PgnDescription(pgn));
    for (const std::string& label : N183TxLabels(view, lists.definite)) child.AddLineString(label);
    if (!lists.partial.empty()) {
      CTreeNode& partial = child.AddNode();
      partial.SetText("Partial [%zu]", lists.partial.size());
      for (const std::string& label : N183TxLabels(view, lists.partial)) partial.AddLineString(label);
    }
  }
}

std::string CsvN2kToN183(const DatabaseImageView& view) {
  std::string csv = "Database NMEA 2000 Rx PGN to NMEA 0183 Tx Formatter List\r\n";
  csv += "Received PGN,Description,Definite,Partial";
  const uint32_t count = CountN2KRxPGNs(view);
  for (uint32_t position = 0; position < count; ++position) {
    const uint8_t* rx = GetN2KRxPGN(view, position);
    const uint32_t pgn = ReadN2KRxPGN(rx).pgn;
    const CoverageLists lists = CoverN2KRx(view, rx);
    char key[32];
    std::snprintf(key, sizeof key, "%u [%X]", pgn, pgn);
    AppendRow(csv, key, PgnDescription(pgn), N183TxLabels(view, lists.definite), N183TxLabels(view, lists.partial));
  }
  return csv;
}

std::string CsvN183ToN2k(const DatabaseImageView& view) {
  std::string csv = "Database NMEA 0183 Rx Sentence to NMEA 2000 Tx PGN List\r\n";
  csv += "Received Sentence,Description,Definite,Partial";
  const uint32_t count = CountN183RxSentences(view);
  for (uint32_t position = 0; position < count; ++position) {
    const uint8_t* rx = GetN183RxSentence(view, position);
    const N183SentenceEntry entry = ReadN183RxSentence(rx);
    const SentenceDefinition* sentence = LibrarySentenceOf(entry);
    const CoverageLists lists = CoverN183Rx(view, rx);
    AppendRow(csv, FormatterText(entry.formatterKey), sentence ? sentence->description : "",
              N2KTxLabels(view, lists.definite), N2KTxLabels(view, lists.partial));
  }
  return csv;
}
