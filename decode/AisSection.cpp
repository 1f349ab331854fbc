// The "AIS Message" section of a VDM/VDO sentence's full decode.
#include <cstdio>
#include <cstring>
#include <string>

#include "decode/AisDecoder.h"
#include "base/OutputTree.h"
#include "library/N183Lookup.h"
#include "library/N183Tables.h"
#include "library/N2kLookup.h"

namespace {

// How far back the earlier fragments of a message are looked for.
constexpr uint32_t kFragmentWindow = 32;

// AIS fields whose values the NMEA 2000 enumerations name: AIS field
// definition row, dictionary number.
struct NamedValues {
  uint32_t definition;
  uint16_t dictionaryNumber;
};
constexpr NamedValues kNamedValues[] = {
    {1, 185},   // repeat indicator
    {3, 183},   // navigational status
    {14, 189},  // RAIM flag
    {22, 191},  // type of EPFD
    {28, 193},  // type of ship and cargo
    {44, 294},  // class B unit flag
    {45, 295},  // class B display flag
    {46, 296},  // class B DSC flag
    {47, 297},  // class B band flag
    {48, 298},  // class B message 22 flag
    {49, 299},  // mode flag
    {50, 245},  // communication state selector
};

// Conversion rows that need their own rendering.
constexpr uint32_t kMinutesOfArc = 2;
constexpr uint32_t kRateOfTurn = 8;

const char* EnumName(uint32_t definition, int64_t value) {
  if (value < 0 || value > 255) return nullptr;
  for (const NamedValues& n : kNamedValues)
    if (n.definition == definition) {
      const EnumerationValue* e = FindEnumValue(n.dictionaryNumber, static_cast<uint8_t>(value));
      return e != nullptr ? e->description : nullptr;
    }
  return nullptr;
}

std::string Format(const char* format, long long a, long long b = 0, long long c = 0, long long d = 0) {
  char text[96];
  std::snprintf(text, sizeof text, format, a, b, c, d);
  return text;
}

// The exact decimal of value x 10^exponent (exponent 0 or negative).
std::string Decimal(int64_t value, int32_t exponent) {
  const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::string digits = std::to_string(magnitude);
  if (exponent < 0) {
    const size_t decimals = static_cast<size_t>(-exponent);
    if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
    digits.insert(digits.size() - decimals, 1, '.');
  }
  return value < 0 ? '-' + digits : digits;
}

// Degrees and minutes from 1/10 000 minute of arc, exactly.
std::string DegreesMinutes(int64_t value, bool latitude) {
  const long long magnitude = value < 0 ? -value : value;
  const char hemisphere = latitude ? (value < 0 ? 'S' : 'N') : (value < 0 ? 'W' : 'E');
  std::string text = Format(latitude ? "%02lld" : "%03lld", magnitude / 600000);
  text += '\xB0';
  text += Format(" %02lld.%04lld' ", magnitude % 600000 / 10000, magnitude % 10000);
  text += hemisphere;
  return text;
}

// The rate of turn is carried as 4.733 x the square root of degrees per
// minute; 127 means faster than 5 degrees per 30 s without a turn indicator.
std::string RateOfTurn(int64_t value) {
  if (value == 127 || value == -127)
    return Format("%lld (turning ", value) + (value > 0 ? "right" : "left") +
           " faster than 5 Degrees per 30 s, no turn indicator)";
  // Tenths of a degree per minute: (v / 4.733)^2 = v^2 x 10^6 / 22401289.
  const long long tenths = (value * value * 10000000 + 11200644) / 22401289;
  if (value == 0) return "0 (not turning)";
  return Format("%lld (%lld.%lld Degrees/min ", value, tenths / 10, tenths % 10) + (value > 0 ? "right)" : "left)");
}

std::string ValueText(const AisField& field, const AisDecode& decode) {
  const AISFieldDefinition& d = *field.definition;
  if (IsAisTextField(d)) return field.text.empty() ? "Not Available" : '"' + field.text + '"';
  if (d.index == 0 && decode.message != nullptr) return std::to_string(field.value) + " (" + decode.message->name + ")";
  // A field of no bits is composed from others; 0 when one of them is unknown.
  if (d.bitWidth == 0 && field.value == 0) return "Not Available";
  if (d.conversionRow == kRateOfTurn && (field.value == 127 || field.value == -127)) return RateOfTurn(field.value);
  const AISRange* range = d.rangeRow != 0 ? GetAISRange(d.rangeRow) : nullptr;
  if (range != nullptr) {
    if (field.value == range->notAvailable) return "Not Available";
    if (field.value < range->minimum || field.value > range->maximum)
      return "Out of range (" + std::to_string(field.value) + ")";
  }
  if (d.conversionRow == kRateOfTurn) return RateOfTurn(field.value);
  if (d.conversionRow == kMinutesOfArc)
    return DegreesMinutes(field.value, std::strncmp(d.name, "Lat", 3) == 0) + " (" +
           Decimal(field.value, d.exponent) + " " + d.unit + ")";
  std::string text = Decimal(field.value, d.exponent);
  if (d.unit[0] != '\0') text += std::string(" ") + d.unit;
  if (const char* name = EnumName(d.index, field.value)) text += std::string(" (") + name + ")";
  return text;
}

bool IsSingleDigit(const char* text, uint32_t& value) {
  if (text[0] < '0' || text[0] > '9' || text[1] != '\0') return false;
  value = static_cast<uint32_t>(text[0] - '0');
  return true;
}

bool ParseEarlier(std::string_view text, AisFragment& fragment) {
  if (text.empty()) return false;
  SentenceRecord record;
  MakeSentenceRecord(reinterpret_cast<const uint8_t*>(text.data()), static_cast<uint32_t>(text.size()), 0, record);
  SplitSentence split;
  SplitSentenceText(record, split);
  return IsAisSentence(split) && ParseAisFragment(split, fragment);
}

void AddFields(CTreeNode& section, const AisBits& bits, uint32_t sentences) {
  const AisDecode decode = DecodeAisBits(bits);
  if (sentences > 1)
    section.AddLine("Payload = %u bits from %u sentences", bits.Count(), sentences);
  else
    section.AddLine("Payload = %u bits", bits.Count());
  if (bits.Count() < 6) {
    section.AddLine("The payload is too short to hold a message identifier");
    return;
  }
  if (decode.layoutBits != 0 && decode.layoutBits != bits.Count())
    section.AddLine("Payload length does not match message %u: %u bits expected, %u present", decode.messageId,
                    decode.layoutBits, bits.Count());
  for (const AisField& field : decode.fields)
    section.AddLineString(std::string(field.definition->name) + " = " + ValueText(field, decode));
  if (decode.message == nullptr)
    section.AddLine("Message %u is not in the library", decode.messageId);
  else if (decode.message->fieldCount == 0)
    section.AddLine("The library holds no field layout for message %u (%s)", decode.messageId, decode.message->name);
  else if (decode.layoutBits > bits.Count())
    section.AddLine("The fields after %s are not in the payload",
                    decode.fields.empty() ? "the start" : decode.fields.back().definition->name);
}

}  // namespace

bool IsAisSentence(const SplitSentence& split) {
  const char* formatter = split.text + split.formatterAt;
  return std::strncmp(formatter, "VDM", 4) == 0 || std::strncmp(formatter, "VDO", 4) == 0;
}

bool ParseAisFragment(const SplitSentence& split, AisFragment& fragment) {
  if (split.fieldCount < 5) return false;
  if (!IsSingleDigit(split.Field(0), fragment.count) || !IsSingleDigit(split.Field(1), fragment.number)) return false;
  if (fragment.count == 0 || fragment.number == 0 || fragment.number > fragment.count) return false;
  fragment.sequenceId = split.Field(2);
  fragment.payload = split.Field(4);
  fragment.fillBits = 0;
  if (split.fieldCount > 5) IsSingleDigit(split.Field(5), fragment.fillBits);
  return true;
}

void AddAisSection(CTreeNode& root, const SplitSentence& split, const EarlierSentence& earlier) {
  CTreeNode& section = root.AddNode();
  section.SetText("AIS Message");
  AisFragment last;
  if (!ParseAisFragment(split, last)) {
    section.AddLine("Fragment count or number is not a digit 1 to 9: no payload decoded");
    return;
  }
  if (last.number < last.count) {
    section.AddLine("Fragment %u of %u, sequence id '%s': the message is decoded on its last fragment", last.number,
                    last.count, last.sequenceId.c_str());
    return;
  }
  std::vector<AisFragment> fragments(last.count);
  fragments[last.count - 1] = last;
  uint32_t back = 0;
  for (uint32_t wanted = last.count - 1; wanted >= 1; --wanted) {
    bool found = false;
    while (!found && back < kFragmentWindow) {
      AisFragment f;
      ++back;
      found = earlier && ParseEarlier(earlier(back), f) && f.count == last.count && f.number == wanted &&
              f.sequenceId == last.sequenceId;
      if (found) fragments[wanted - 1] = f;
    }
    if (!found) {
      section.AddLine("Fragment %u of %u, sequence id '%s': fragment %u is missing from the %u records before it",
                      last.number, last.count, last.sequenceId.c_str(), wanted, kFragmentWindow);
      return;
    }
  }
  AisBits bits;
  for (uint32_t i = 0; i < last.count; ++i) {
    if (!bits.AppendArmour(fragments[i].payload, i + 1 == last.count ? fragments[i].fillBits : 0)) {
      section.AddLine("Fragment %u holds a character outside the 6-bit armour: decoded up to it", i + 1);
      break;
    }
  }
  AddFields(section, bits, last.count);
}
