// The whole NMEA 2000 library held against the public field definitions:
// every field's position, width, signedness, resolution, unit and named
// values. A difference is either listed, with its reason, in
// data/n2k-public-differences.tsv or it fails the test; a listed difference
// that no longer occurs fails too, so the list stays exact.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "library/N2kLookup.h"
#include "library/N2kTables.h"
#include "tests/library/N2kPublicReference.h"

namespace {

struct Comparison {
  std::map<DifferenceKey, std::string> found;  // difference -> what differs
  std::set<std::pair<uint32_t, int>> comparedFields;
  std::set<std::pair<uint32_t, int>> differingFields;
};

void Differ(Comparison& c, uint32_t pgn, int field, const std::string& attribute, const std::string& what) {
  c.found.emplace(DifferenceKey{pgn, field, attribute}, what);
  if (field >= 0) c.differingFields.emplace(pgn, field);
}

void CompareLookup(Comparison& c, const json& reference, uint32_t pgn, const FieldDefinition& f,
                   const DataDictionaryEntry& d, const json& pub) {
  if (!pub["lookup"].is_string() || pub.contains("lookup_kind")) return;
  const json& values = reference["enumerations"][pub["lookup"].get<std::string>()];
  const uint32_t width = d.defaultSizeBits + 8u * d.defaultSizeBytes;
  std::string missing;
  bool ours = false;
  for (uint32_t i = 1; i < kEnumerationCount; ++i) {
    const EnumerationValue& e = kEnumerationValues[i];
    if (e.dictionaryNumber != d.dictionaryNumber) continue;
    ours = true;
    // The all-ones patterns (not available, error) are the standard's own;
    // the public lookups leave them implicit.
    if (width < 32 && e.value + 2u >= (1u << width)) continue;
    const std::string value = std::to_string(e.value);
    if (!values.contains(value)) {
      missing += ' ';
      missing += value;
    }
  }
  if (ours && !missing.empty()) Differ(c, pgn, f.fieldNumber, "lookup", "values the public lookup lacks:" + missing);
}

void CompareField(Comparison& c, const json& reference, uint32_t pgn, const FieldDefinition& f, const json& pub) {
  const int n = f.fieldNumber;
  c.comparedFields.emplace(pgn, n);
  const DataDictionaryEntry& d = *GetDDEntry(f.dictionaryIndex);
  char text[160];

  const int32_t publicOffset = pub["bit_offset"].is_null() ? -1 : pub["bit_offset"].get<int32_t>();
  if (publicOffset != f.bitPosition) {
    std::snprintf(text, sizeof text, "ours %d, public %d", f.bitPosition, publicOffset);
    Differ(c, pgn, n, "position", text);
  }
  const uint32_t publicBits = pub["bit_length"].is_null() ? 0 : pub["bit_length"].get<uint32_t>();
  // The value's width comes from the dictionary entry, so it must match too.
  const uint32_t entryBits = d.defaultSizeBits + 8u * d.defaultSizeBytes;
  const uint32_t valueBits = (IsInteger(d.dataType) || IsBits(d.dataType)) && entryBits != 0 ? entryBits : FieldBits(f);
  if (publicBits != FieldBits(f) || (f.sizeFromContext == 0 && valueBits != FieldBits(f))) {
    std::snprintf(text, sizeof text, "ours %u (value %u), public %u", FieldBits(f), valueBits, publicBits);
    Differ(c, pgn, n, "width", text);
  }
  const bool numeric = IsInteger(d.dataType) || IsBits(d.dataType);
  if (numeric && pub["signed"].is_boolean()) {
    const bool ours = d.dataType >= 9 && d.dataType <= 13;
    if (ours != pub["signed"].get<bool>()) Differ(c, pgn, n, "signed", ours ? "ours signed" : "ours unsigned");
  }
  double factor = 1;
  const bool unitAgrees = SameUnit(pub["unit"], d.unitCode, factor);
  if (numeric && !unitAgrees) {
    std::snprintf(text, sizeof text, "ours %u, public %s", d.unitCode, pub["unit"].dump().c_str());
    Differ(c, pgn, n, "unit", text);
  }
  if (numeric && pub["resolution"].is_number()) {
    // Bit fields are shown as plain counts.
    const double ours = IsBits(d.dataType) ? 1.0 : Resolution(d);
    const double expected = pub["resolution"].get<double>() / factor;
    if (std::fabs(ours - expected) > 1e-5 * std::fabs(expected)) {
      std::snprintf(text, sizeof text, "ours %g, public %g", ours, expected);
      Differ(c, pgn, n, "resolution", text);
    }
  }
  CompareLookup(c, reference, pgn, f, d, pub);
}

Comparison CompareLibrary(const json& reference) {
  Comparison c;
  const json& entries = reference["pgns"];
  EXPECT_EQ(entries.size(), kPgnCount);
  for (uint32_t i = 0; i < kPgnCount && i < entries.size(); ++i) {
    const json& entry = entries[i];
    const PgnDefinition& p = kPgnDefinitions[i];
    EXPECT_EQ(entry["pgn"].get<uint32_t>(), p.pgn);
    EXPECT_EQ(entry["name"].get<std::string>(), p.name);
    EXPECT_EQ(entry["field_count"].get<uint32_t>(), p.fieldCount);
    const json& fields = entry["public"]["fields"];
    if (fields.size() != p.fieldCount) {
      char counts[48];
      std::snprintf(counts, sizeof counts, "ours %u, public %zu", p.fieldCount, fields.size());
      Differ(c, p.pgn, -1, "count", counts);
    }
    for (const auto& [ours, pub] : PairFields(p, fields)) CompareField(c, reference, p.pgn, *ours, *pub);
  }
  return c;
}

TEST(N2kPublicReference, EveryDifferenceIsListedWithItsReason) {
  const json reference = LoadReference();
  const Comparison c = CompareLibrary(reference);
  const std::map<DifferenceKey, std::string> listed = LoadDifferences();

  // A row naming no field covers that attribute in every field of the PGN.
  std::set<DifferenceKey> used;
  for (const auto& [key, what] : c.found) {
    const auto& [pgn, field, attribute] = key;
    const DifferenceKey wholePgn{pgn, -1, attribute};
    const DifferenceKey& covering = listed.count(key) ? key : wholePgn;
    if (listed.count(covering))
      used.insert(covering);
    else
      ADD_FAILURE() << "unlisted difference: " << pgn << '\t' << (field < 0 ? "*" : std::to_string(field)) << '\t'
                    << attribute << "\t(" << what << ")";
  }
  for (const auto& [key, reason] : listed) {
    const auto& [pgn, field, attribute] = key;
    EXPECT_TRUE(used.count(key)) << "listed difference no longer occurs: " << pgn << ' ' << field << ' ' << attribute;
  }

  std::set<uint32_t> pgnsDiffering;
  for (const auto& [key, what] : c.found) pgnsDiffering.insert(std::get<0>(key));
  std::printf("public reference: %u of %u PGNs agree in every compared field; %zu of %zu compared fields agree\n",
              kPgnCount - static_cast<uint32_t>(pgnsDiffering.size()), kPgnCount,
              c.comparedFields.size() - c.differingFields.size(), c.comparedFields.size());
}

}  // namespace
