// Messages built from the public field layouts, with known raw values in
// every field, decoded by the library's decoder: each field must show the
// physical value or status word the public definition predicts. One message
// per pattern and PGN: small values, mid-range and negative values, the
// extremes of signed fields, and the not-available, out-of-range and
// reserved patterns; strings of fixed length, with a length byte, and with a
// non-ASCII control byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "decode/DecodeMode.h"
#include "decode/N2kDecoder.h"
#include "base/OutputTree.h"
#include "library/N2kLookup.h"
#include "tests/library/N2kPublicReference.h"

namespace {

enum Pattern { kSmall, kMiddle, kExtreme, kNotAvailable, kOutOfRange, kReserved, kUnicodeText, kPatternCount };

// The raw value of a numeric field of width bits under a pattern.
int64_t RawValue(Pattern pattern, uint32_t width, bool isSigned) {
  const uint64_t ones = width >= 64 ? ~uint64_t{0} : (uint64_t{1} << width) - 1;
  const int64_t top = static_cast<int64_t>(isSigned ? ones >> 1 : ones);
  int64_t raw = 1;
  switch (pattern) {
    case kMiddle:
      raw = isSigned ? -top / 3 : top / 3;
      break;
    case kExtreme:
      raw = isSigned ? -top - 1 : top - 3;
      break;
    case kNotAvailable:
      raw = top;
      break;
    case kOutOfRange:
      raw = top - 1;
      break;
    case kReserved:
      raw = top - 2;
      break;
    default:
      break;
  }
  // Fields too narrow for a pattern take 0.
  return !isSigned && raw < 0 ? 0 : raw;
}

struct Payload {
  std::vector<uint8_t> bytes = std::vector<uint8_t>(N2kMessage::kCapacity, 0);
  uint32_t bit = 0;
  bool room = true;

  void Put(uint64_t value, uint32_t width) {
    if (bit + width > bytes.size() * 8) {
      room = false;
      return;
    }
    for (uint32_t i = 0; i < width; ++i, ++bit)
      if (i < 64 && ((value >> i) & 1)) bytes[bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
  }
};

const std::string kText = "QLX7";

// What the field's line should show after "= ", or how to read the number.
struct Expected {
  std::string text;       // exact text, when not empty
  double value = 0;       // else the leading number of the line's value
  bool numeric = false;
};

// Our value text back to a number: a plain or signed decimal, a clock time,
// a calendar date, or a position whose decimal degrees follow in brackets.
bool ShownNumber(const std::string& shown, uint32_t unitCode, double& value) {
  int a = 0, b = 0, c = 0;
  double s = 0;
  if (unitCode == 23 && std::sscanf(shown.c_str(), "%d:%d:%lf", &a, &b, &s) == 3) {
    value = a * 3600.0 + b * 60 + s;
    return true;
  }
  if (unitCode == 4 && std::sscanf(shown.c_str(), "%d/%d/%d", &a, &b, &c) == 3) {
    // Days since 1970 of the shown date, by the civil calendar.
    const int y = c - (b <= 2), era = y / 400, yoe = y - era * 400;
    const int doy = (153 * (b + (b > 2 ? -3 : 9)) + 2) / 5 + a - 1;
    value = era * 146097.0 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
    return true;
  }
  // A position shows degrees and minutes first, its decimal degrees in brackets.
  const size_t bracket = shown.rfind(" (");
  const char* start = shown.c_str() + (unitCode == 2 && bracket != std::string::npos ? bracket + 2 : 0);
  char* end = nullptr;
  value = std::strtod(start, &end);
  return end != start;
}

struct Check {
  const FieldDefinition* ours;
  Expected expected;
};

class RoundTrip {
 public:
  RoundTrip() : reference_(LoadReference()), listed_(LoadDifferences()) {}

  // Builds the PGN's message under a pattern, decodes it and compares every
  // paired field it could place.
  void Run(const PgnDefinition& p, const json& entry, Pattern pattern) {
    const json& fields = entry["public"]["fields"];
    std::map<const json*, const FieldDefinition*> ours;
    for (const auto& [f, pub] : PairFields(p, fields)) ours[pub] = f;

    Payload payload;
    std::vector<Check> checks;
    for (const json& pub : fields) {
      const FieldDefinition* f = ours.count(&pub) ? ours[&pub] : nullptr;
      if (!pub["bit_offset"].is_null() && pub["bit_offset"].get<uint32_t>() != payload.bit) break;
      if (!Place(p, pub, f, pattern, payload, checks) || !payload.room) break;
      // The decoder does not move past a field sized by the message itself.
      if (f != nullptr && f->sizeFromContext != 0) break;
    }
    const N2kMessage message{0, p.pgn, 3, 1, 255, static_cast<int32_t>((payload.bit + 7) / 8), N2kMessage::kCapacity,
                             payload.bytes.data()};
    CTreeNodeMFC root;
    DecodeN2kMessage(message, DM_Full, root, nullptr);
    std::string text;
    RenderText(root, text, 9, 2, 0);
    for (const Check& check : checks) Compare(p, *check.ours, check.expected, text);
  }

  int checked = 0;

 private:
  bool Place(const PgnDefinition& p, const json& pub, const FieldDefinition* f, Pattern pattern, Payload& payload,
             std::vector<Check>& checks) {
    const std::string type = pub["field_type"].get<std::string>();
    if (type == "STRING_LAU") {
      if (payload.bit % 8 != 0) return false;
      const bool unicode = pattern == kUnicodeText;
      payload.Put(kText.size() + 2, 8);
      payload.Put(unicode ? 0 : 1, 8);
      for (const char c : kText) payload.Put(static_cast<uint8_t>(c), 8);
      if (f != nullptr && DataTypeOf(*f) == 1) checks.push_back({f, {unicode ? "" : '"' + kText + '"'}});
      return true;
    }
    if (pub["bit_length"].is_null()) return false;
    const uint32_t width = pub["bit_length"].get<uint32_t>();
    if (type == "STRING_FIX") {
      std::string text;
      for (uint32_t i = 0; i < width / 8; ++i) text += static_cast<char>('A' + i % 26);
      for (const char c : text) payload.Put(static_cast<uint8_t>(c), 8);
      if (f != nullptr && DataTypeOf(*f) == 3) checks.push_back({f, {'"' + text + '"'}});
      return true;
    }
    const bool isSigned = pub["signed"].is_boolean() && pub["signed"].get<bool>();
    // A repeating group is given one repetition; its count must say so.
    const bool countField = IsCountField(p, f);
    const int64_t raw = countField ? 1 : RawValue(pattern, width, isSigned);
    payload.Put(static_cast<uint64_t>(raw), width);
    // Binary-coded decimal digits (the DSC addresses) are held as a fixed
    // string of bytes, which has no numeric prediction.
    if (f == nullptr || countField || !pub["signed"].is_boolean() || type == "FLOAT" || type == "DECIMAL") return true;
    // The decoder walks the fields in turn, so a listed position is still
    // checked: the message holds the bytes where the public layout puts them.
    if (Listed(listed_, p.pgn, f->fieldNumber, "width") || Listed(listed_, p.pgn, f->fieldNumber, "signed")) return true;
    checks.push_back({f, Predict(p, pub, *f, raw, width, isSigned)});
    return true;
  }

  // The public prediction: the NMEA 2000 top patterns are status words, any
  // other count is count x resolution in the public unit.
  Expected Predict(const PgnDefinition& p, const json& pub, const FieldDefinition& f, int64_t raw, uint32_t width,
                   bool isSigned) {
    const DataDictionaryEntry& d = *GetDDEntry(f.dictionaryIndex);
    const int64_t top = RawValue(kNotAvailable, width, isSigned);
    // Bit fields are plain counts; only those the conversion map checks for
    // null know the not-available and out-of-range patterns.
    const bool bitField = IsBits(d.dataType);
    const bool checked = !bitField || NullChecked(p.pgn, f.fieldNumber);
    if (checked && width >= 2 && raw == top) return {"Not Available"};
    if (checked && width >= 2 && raw == top - 1) return {"Out of range"};
    if (!bitField && width >= 8 && raw == top - 2) return {"RESERVED"};
    double publicPerOurs = 1;
    SameUnit(pub["unit"], d.unitCode, publicPerOurs);
    const bool scaled = !Listed(listed_, p.pgn, f.fieldNumber, "resolution");
    const double resolution = scaled && pub["resolution"].is_number() ? pub["resolution"].get<double>() : 1.0;
    Expected e;
    e.numeric = true;
    e.value = static_cast<double>(raw) * resolution / publicPerOurs;
    return e;
  }

  void Compare(const PgnDefinition& p, const FieldDefinition& f, const Expected& expected, const std::string& text) {
    char label[160];
    std::snprintf(label, sizeof label, "  Field %u: %s = ", f.fieldNumber + 1u, f.name);
    const size_t at = text.find(label);
    ++checked;
    if (at == std::string::npos) {
      ADD_FAILURE() << p.pgn << " field " << +f.fieldNumber << " not shown in\n" << text;
      return;
    }
    const size_t start = at + std::strlen(label);
    const std::string shown = text.substr(start, text.find("\r\n", start) - start);
    if (!expected.numeric) {
      EXPECT_EQ(shown, expected.text) << p.pgn << " field " << +f.fieldNumber << " " << f.name;
      return;
    }
    double value = 0;
    const DataDictionaryEntry& d = *GetDDEntry(f.dictionaryIndex);
    ASSERT_TRUE(ShownNumber(shown, d.unitCode, value)) << p.pgn << " " << f.name << ": " << shown;
    // A negative multiplier divides the count with truncation before the
    // exponent is applied, so up to one undivided step can be lost.
    const double step = d.resolutionMultiplier < 0 ? std::pow(10.0, d.resolutionExponent) : Resolution(d) * 0.5001;
    const double tolerance = std::fabs(expected.value) * 2e-5 + step;
    EXPECT_NEAR(value, expected.value, tolerance) << p.pgn << " field " << +f.fieldNumber << " " << f.name << ": "
                                                   << shown;
  }

  static uint32_t DataTypeOf(const FieldDefinition& f) { return GetDDEntry(f.dictionaryIndex)->dataType; }

  static bool IsCountField(const PgnDefinition& p, const FieldDefinition* f) {
    if (f == nullptr) return false;
    for (uint32_t n = 0; n < p.fieldCount; ++n)
      if (p.fields[n].groupSize != 0 && p.fields[n].repeatCountField == f->fieldNumber) return true;
    return false;
  }

  static bool NullChecked(uint32_t pgn, uint32_t field) {
    int32_t first = -1, count = 0;
    if (FindConversionMapRows(pgn, field, first, count) != 0) return false;
    return GetConversionMapRow(static_cast<uint32_t>(first))->useNullCheck != 0;
  }

 public:
  const json reference_;
  const std::map<DifferenceKey, std::string> listed_;
};

TEST(N2kRoundTrip, EveryPgnDecodesThePublicPrediction) {
  RoundTrip trip;
  const json& entries = trip.reference_["pgns"];
  ASSERT_EQ(entries.size(), kPgnCount);
  for (uint32_t i = 0; i < kPgnCount; ++i)
    for (int pattern = 0; pattern < kPatternCount; ++pattern)
      trip.Run(kPgnDefinitions[i], entries[i], static_cast<Pattern>(pattern));
  std::printf("round trip: %d field values checked over %u PGNs\n", trip.checked, kPgnCount);
  EXPECT_GT(trip.checked, 5000);
}

}  // namespace
