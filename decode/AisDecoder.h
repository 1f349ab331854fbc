// AIS payloads of !VDM / !VDO sentences: the 6-bit armour undone into bits,
// the bits read field by field with the library's AIS message layouts, and
// the "AIS Message" section of a sentence's full decode, which joins the
// fragments of a multi-sentence message on its last fragment.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "decode/N183Decoder.h"

class CTreeNode;
struct AISFieldDefinition;
struct AISMessage;

// The payload bits, most significant bit of the first character first.
class AisBits {
 public:
  // Appends the characters of an armoured payload and drops fillBits from
  // its end. At a character outside the armour nothing more is appended and
  // the result is false.
  bool AppendArmour(std::string_view armoured, uint32_t fillBits);
  uint32_t Count() const { return static_cast<uint32_t>(bits_.size()); }
  // width bits (at most 64) from bit at; at + width must not pass Count().
  uint64_t Read(uint32_t at, uint32_t width) const;

 private:
  std::vector<uint8_t> bits_;
};

struct AisField {
  const AISFieldDefinition* definition = nullptr;
  int64_t value = 0;  // sign-extended for signed fields; the raw count otherwise
  std::string text;   // the characters of a text field, padding removed
};

struct AisDecode {
  uint32_t messageId = 0;
  const AISMessage* message = nullptr;  // null for an identifier the library does not list
  uint32_t layoutBits = 0;              // bits of the message's field list; 0 when it has none
  std::vector<AisField> fields;         // the fields that lie wholly inside the payload
};

// Reads the fields of the message's layout as far as the bits go. A message
// without a layout in the library gives the identifier, repeat indicator and
// MMSI that every message starts with.
AisDecode DecodeAisBits(const AisBits& bits);

// True for a field that holds 6-bit characters rather than a number.
bool IsAisTextField(const AISFieldDefinition& definition);

// The fragments of a VDM/VDO sentence and where they come from.
struct AisFragment {
  uint32_t count = 0;   // sentences of the message, 1..9
  uint32_t number = 0;  // this sentence's place, 1..count
  std::string sequenceId;
  std::string payload;
  uint32_t fillBits = 0;
};

bool IsAisSentence(const SplitSentence& split);
// False when the fragment count and number are not usable.
bool ParseAisFragment(const SplitSentence& split, AisFragment& fragment);

// Adds the "AIS Message" section for a VDM/VDO sentence to root.
void AddAisSection(CTreeNode& root, const SplitSentence& split, const EarlierSentence& earlier);
