// The public NMEA 2000 field reference and the list of the library's
// deliberate differences from it, shared by the tests that hold the library
// and its decoder against the public definitions.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "library/N2kTables.h"

using nlohmann::json;

inline const std::filesystem::path kReference =
    std::filesystem::path(QLX_SOURCE_DIR) / ".." / "shared" / "reference" / "n2k-public-fields.json";
inline const std::filesystem::path kDifferences =
    std::filesystem::path(QLX_SOURCE_DIR) / "tests" / "library" / "data" / "n2k-public-differences.tsv";

// (pgn, our field number or -1 for the whole PGN, attribute)
using DifferenceKey = std::tuple<uint32_t, int, std::string>;

inline std::map<DifferenceKey, std::string> LoadDifferences() {
  std::map<DifferenceKey, std::string> rows;
  std::ifstream in(kDifferences);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream cells(line);
    std::string pgn, field, attribute, reason;
    std::getline(cells, pgn, '\t');
    std::getline(cells, field, '\t');
    std::getline(cells, attribute, '\t');
    std::getline(cells, reason);
    EXPECT_FALSE(reason.empty()) << "a listed difference needs its reason: " << line;
    const DifferenceKey key{static_cast<uint32_t>(std::stoul(pgn)), field == "*" ? -1 : std::stoi(field), attribute};
    EXPECT_TRUE(rows.emplace(key, reason).second) << "listed twice: " << line;
  }
  return rows;
}

inline json LoadReference() { return json::parse(std::ifstream(kReference)); }

// True when the list names this attribute for the field or for its whole PGN.
inline bool Listed(const std::map<DifferenceKey, std::string>& listed, uint32_t pgn, int field,
                   const std::string& attribute) {
  return listed.count({pgn, field, attribute}) != 0 || listed.count({pgn, -1, attribute}) != 0;
}

// A public unit, one of our unit codes, and how many public units one of ours
// holds (a minute is 60 s, a cubic metre 1000 L).
struct UnitMatch {
  const char* publicUnit;
  uint32_t code;
  double publicPerOurs;
};
inline constexpr UnitMatch kUnits[] = {
    {"m", 8, 1},        {"s", 3, 1},        {"s", 23, 1},     {"s", 14, 60},     {"deg", 2, 1},
    {"rad", 20, 1},     {"m/s", 11, 1},     {"d", 4, 1},      {"%", 19, 1},      {"K", 7, 1},
    {"Pa", 17, 1},      {"Hz", 6, 1},       {"V", 25, 1},     {"V", 31, 1},      {"A", 1, 1},
    {"dB", 5, 1},       {"W", 26, 1},       {"rad/s", 21, 1}, {"rpm", 22, 1},    {"VAR", 29, 1},
    {"C", 30, 1},       {"Pa/hr", 18, 1},   {"L", 9, 1000},   {"L/h", 10, 1000}, {"m/m", 28, 1},
    {"ppt", 28, 1},     {"Cos Phi", 28, 1},
};

inline bool SameUnit(const json& unit, uint32_t ours, double& publicPerOurs) {
  publicPerOurs = 1;
  if (unit.is_null()) return ours == 0;
  for (const UnitMatch& m : kUnits)
    if (unit.get<std::string>() == m.publicUnit && ours == m.code) {
      publicPerOurs = m.publicPerOurs;
      return true;
    }
  return false;
}

inline uint32_t FieldBits(const FieldDefinition& f) {
  if (f.sizeBits == 255 || f.sizeBytes == 255) return 0;
  return f.sizeBits + 8u * f.sizeBytes;
}

inline bool IsInteger(uint32_t type) { return type >= 9 && type <= 17; }
inline bool IsBits(uint32_t type) { return type == 7 || type == 8; }

inline double Resolution(const DataDictionaryEntry& d) {
  const double scale = std::pow(10.0, d.resolutionExponent);
  return d.resolutionMultiplier < 0 ? scale / -d.resolutionMultiplier : scale * d.resolutionMultiplier;
}


// Our fields and the public fields that describe the same bits: all of them,
// in order, when the counts agree; otherwise those at the same bit offset with
// the same width.
inline std::vector<std::pair<const FieldDefinition*, const json*>> PairFields(const PgnDefinition& p,
                                                                              const json& publicFields) {
  std::vector<std::pair<const FieldDefinition*, const json*>> pairs;
  for (uint32_t n = 0; n < p.fieldCount; ++n) {
    const FieldDefinition& f = p.fields[n];
    if (publicFields.size() == p.fieldCount) {
      pairs.emplace_back(&f, &publicFields[n]);
      continue;
    }
    for (const json& pub : publicFields)
      if (f.bitPosition >= 0 && pub["bit_offset"] == f.bitPosition && pub["bit_length"] == FieldBits(f))
        pairs.emplace_back(&f, &pub);
  }
  return pairs;
}
