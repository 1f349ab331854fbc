#include "decode/AisDecoder.h"

#include "library/N183Lookup.h"
#include "library/N183Tables.h"

namespace {

// The two rows of message 24 are told apart by this field of the payload.
constexpr uint32_t kPartNumberDefinition = 52;
// Identifier, repeat indicator and MMSI open every message.
constexpr uint32_t kCommonHeader[] = {0, 1, 2};

// ITU-R M.1371 6-bit ASCII armour: '0'..'W' and '`'..'w'.
int SixBitsOf(char c) {
  const int ch = static_cast<unsigned char>(c);
  if ((ch >= 48 && ch <= 87) || (ch >= 96 && ch <= 119)) return ArmourSixBits(static_cast<uint8_t>(ch));
  return -1;
}

// 6-bit characters: values below 32 are '@'..'_', the rest ' '..'?'.
// '@' is padding: the text ends at the first one.
std::string SixBitText(const AisBits& bits, uint32_t at, uint32_t characters) {
  std::string text;
  for (uint32_t i = 0; i < characters; ++i) {
    const char c = static_cast<char>(bits.Read(at + 6 * i, 6));
    const char ch = c < 32 ? static_cast<char>(c + 64) : c;
    if (ch == '@') break;
    text += ch;
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

const AISMessage* LayoutOf(const AisBits& bits, uint32_t messageId) {
  const AISMessage* parts[2] = {};
  uint32_t found = 0;
  for (uint32_t i = 0; i < kAISMessageCount && found < 2; ++i)
    if (kAISMessages[i].messageId == messageId) parts[found++] = &kAISMessages[i];
  if (found < 2) return parts[0];
  // Several parts: read the part number where the first part's layout has it.
  uint32_t at = 0;
  for (uint32_t i = 0; i < parts[0]->fieldCount; ++i) {
    const AISFieldListRow* row = GetAISFieldListRow(parts[0]->firstFieldRow + i);
    const AISFieldDefinition* definition = row ? GetAISFieldDefinition(row->fieldDefinition) : nullptr;
    if (definition == nullptr) break;
    if (row->fieldDefinition == kPartNumberDefinition) {
      if (at + definition->bitWidth > bits.Count()) break;
      const uint64_t part = bits.Read(at, definition->bitWidth);
      return part < found ? parts[part] : parts[0];
    }
    at += definition->bitWidth;
  }
  return parts[0];
}

// Reads one field at bit at; false when it does not lie wholly in the bits.
bool ReadField(const AisBits& bits, uint32_t at, const AISFieldDefinition& definition, AisDecode& decode) {
  const uint32_t width = definition.bitWidth;
  if (width > bits.Count() || at > bits.Count() - width) return false;
  AisField field;
  field.definition = &definition;
  if (IsAisTextField(definition)) {
    field.text = SixBitText(bits, at, width / 6);
  } else if (width == 0) {
    // A field of no bits is the sum of the two before it (the beam, port
    // plus starboard); unknown when either is.
    const size_t n = decode.fields.size();
    if (n >= 2 && decode.fields[n - 1].value != 0 && decode.fields[n - 2].value != 0)
      field.value = decode.fields[n - 1].value + decode.fields[n - 2].value;
  } else {
    const uint64_t raw = bits.Read(at, width);
    field.value = static_cast<int64_t>(raw);
    if (definition.isSigned != 0 && width < 64 && (raw >> (width - 1)) != 0)
      field.value -= static_cast<int64_t>(uint64_t{1} << width);
  }
  decode.fields.push_back(std::move(field));
  return true;
}

}  // namespace

bool AisBits::AppendArmour(std::string_view armoured, uint32_t fillBits) {
  const size_t start = bits_.size();
  for (const char c : armoured) {
    const int v = SixBitsOf(c);
    if (v < 0) return false;
    for (int b = 5; b >= 0; --b) bits_.push_back(static_cast<uint8_t>((v >> b) & 1));
  }
  const size_t added = bits_.size() - start;
  bits_.resize(bits_.size() - (fillBits < added ? fillBits : added));
  return true;
}

uint64_t AisBits::Read(uint32_t at, uint32_t width) const {
  uint64_t value = 0;
  for (uint32_t i = 0; i < width; ++i) value = (value << 1) | bits_[at + i];
  return value;
}

bool IsAisTextField(const AISFieldDefinition& definition) {
  const std::string_view range = definition.rangeText;
  return definition.bitWidth % 6 == 0 && definition.bitWidth > 0 && range.ends_with(" characters");
}

AisDecode DecodeAisBits(const AisBits& bits) {
  AisDecode decode;
  if (bits.Count() < 6) return decode;
  decode.messageId = static_cast<uint32_t>(bits.Read(0, 6));
  decode.message = LayoutOf(bits, decode.messageId);
  if (decode.message == nullptr || decode.message->fieldCount == 0) {
    uint32_t at = 0;
    for (const uint32_t index : kCommonHeader) {
      const AISFieldDefinition& definition = *GetAISFieldDefinition(index);
      if (!ReadField(bits, at, definition, decode)) break;
      at += definition.bitWidth;
    }
    return decode;
  }
  bool inside = true;
  uint32_t at = 0;
  for (uint32_t i = 0; i < decode.message->fieldCount; ++i) {
    const AISFieldListRow* row = GetAISFieldListRow(decode.message->firstFieldRow + i);
    const AISFieldDefinition* definition = row ? GetAISFieldDefinition(row->fieldDefinition) : nullptr;
    if (definition == nullptr) break;
    inside = inside && ReadField(bits, at, *definition, decode);
    at += definition->bitWidth;
  }
  decode.layoutBits = at;
  return decode;
}
