#include "decode/N183Decoder.h"

#include <cstring>
#include <string>

#include "decode/AisDecoder.h"
#include "decode/FieldReport.h"
#include "decode/HoxDecoder.h"
#include "decode/DecodeMode.h"
#include "decode/NumberFormat.h"
#include "base/OutputTree.h"
#include "decode/GatewayHooks.h"
#include "library/N183Lookup.h"
#include "base/ByteBuffer.h"

namespace {

bool StartsWith(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

// The armoured payload of "!PQTZB,1,1,<payload>": field 2.
uint32_t ArmouredDeviceMessage(const SentenceRecord& record, uint8_t* bytes) {
  SplitSentence split;
  SplitSentenceText(record, split);
  uint32_t count = 0;
  if (split.fieldCount > 2) DecodeArmour(split.Field(2), bytes, SentenceRecord::kCapacity, count);
  return count;
}

}  // namespace

uint32_t SentenceTextLength(const uint8_t* bytes, uint32_t count) {
  const uint32_t n = count < SentenceRecord::kCapacity - 1 ? count : SentenceRecord::kCapacity - 1;
  // A NUL inside the bytes ends the text, as it ends every use of it.
  const void* nul = n > 0 ? std::memchr(bytes, 0, n) : nullptr;
  return nul != nullptr ? static_cast<uint32_t>(static_cast<const uint8_t*>(nul) - bytes) : n;
}

void AppendSentenceSummary(std::string& text, const uint8_t* bytes, uint32_t count) {
  text.append(reinterpret_cast<const char*>(bytes), SentenceTextLength(bytes, count));
}

char* PutSentenceSummary(char* p, const uint8_t* bytes, uint32_t count) {
  // A few stray bytes of text are copied one at a time up to a NUL: for so
  // few, cheaper than a search and a copy.
  if (count <= 16) {
    for (const uint8_t* end = bytes + count; bytes < end && *bytes != 0; ++bytes) *p++ = static_cast<char>(*bytes);
    return p;
  }
  const uint32_t n = SentenceTextLength(bytes, count);
  std::memcpy(p, bytes, n);
  return p + n;
}

void MakeSentenceRecord(const uint8_t* bytes, uint32_t count, uint32_t time, SentenceRecord& record) {
  const uint32_t n = count < SentenceRecord::kCapacity - 1 ? count : SentenceRecord::kCapacity - 1;
  if (n > 0) std::memcpy(record.text, bytes, n);
  record.text[n] = '\0';
  record.length = SentenceTextLength(bytes, n);
  record.time = time;
  record.capacity = SentenceRecord::kCapacity;
}

void SplitSentenceText(const SentenceRecord& record, SplitSentence& split) {
  std::memcpy(split.text, record.text, sizeof split.text);
  split.text[sizeof split.text - 1] = '\0';
  const uint32_t length = static_cast<uint32_t>(std::strlen(split.text));
  split.addressLength = (length > 1 && split.text[1] == 'P') ? 2 : 3;
  split.formatterAt = split.addressLength < length ? split.addressLength : length;
  split.fieldCount = 0;
  for (uint32_t i = split.formatterAt; i < length; ++i) {
    if (split.text[i] == '*') {
      split.text[i] = '\0';
      break;
    }
    if (split.text[i] == ',') {
      split.text[i] = '\0';
      if (split.fieldCount < SplitSentence::kMaxFields) split.fieldAt[split.fieldCount++] = i + 1;
      else break;
    }
  }
}

int32_t DecodeN183Record(const uint8_t* bytes, uint32_t count, CTreeNode& root, int mode, uint32_t time,
                         CWXN* gateway, const EarlierSentence& earlier) {
  SentenceRecord record;
  MakeSentenceRecord(bytes, count, time, record);
  DecodeN183Sentence(record, root, mode, gateway, earlier);
  return 0;
}

void DecodeN183Sentence(const SentenceRecord& record, CTreeNode& root, int mode, CWXN* gateway,
                        const EarlierSentence& earlier) {
  root.SetExpand(true);
  if (mode == DM_Full) {
    if (StartsWith(record.text, "!PQTZB")) {
      uint8_t bytes[SentenceRecord::kCapacity];
      const uint32_t n = ArmouredDeviceMessage(record, bytes);
      DecodeHoxBytes(root, bytes, n, DM_Full);
      return;
    }
    if (StartsWith(record.text, "$PQTZ")) return;
    SplitSentence split;
    SplitSentenceText(record, split);
    const SentenceDefinition* definition = FindSentence(split.text + split.formatterAt);
    AddSentenceHeader(definition, root, split, record, record.length);
    DecodeSentenceFields(root, record, split, definition);
    if (IsAisSentence(split)) AddAisSection(root, split, earlier);
    return;
  }
  if (mode == DM_Gateway) {
    if (StartsWith(record.text, "!PQTZB")) {
      uint8_t bytes[SentenceRecord::kCapacity];
      const uint32_t n = ArmouredDeviceMessage(record, bytes);
      root.AddNode().SetByteList("KVT-HOX Data", std::span<const uint8_t>(bytes, n));
      root.SetTextString(record.text);
      return;
    }
    const ShowN183ConversionFn show = DisplaySlots().showN183Conversion;
    if (show != nullptr && gateway != nullptr) {
      const SentenceRecord copy = record;
      if (show(root, copy, gateway)) root.SetTextString(record.text);
      return;
    }
  }
  root.SetTextString(record.text);
}

void AddSentenceHeader(const SentenceDefinition* definition, CTreeNode& root, const SplitSentence& split,
                       const SentenceRecord& record, uint32_t textLength) {
  // The talker: the address characters after the start character.
  const uint32_t addressEnd = split.addressLength < textLength ? split.addressLength : textLength;
  const char* talker = record.text + (addressEnd > 0 ? 1 : 0);
  const size_t talkerLength = addressEnd > 0 ? addressEnd - 1 : 0;
  std::string title = "NMEA 0183 Sentence: ";
  title.append(talker, strnlen(talker, talkerLength));
  title += ' ';
  title += definition != nullptr ? definition->address + 2 : split.text + split.formatterAt;
  if (definition != nullptr) {
    title += " (";
    title += definition->name;
    title += ')';
  }
  root.SetTextString(std::move(title));
  std::string line = "Number of Fields = ";
  AppendUnsigned(line, split.fieldCount);
  root.AddLineString(std::move(line));
  line = "Original Length = ";
  AppendUnsigned(line, textLength);
  root.AddLineString(std::move(line));
  if (definition != nullptr) {
    root.AddLineString(std::string("Description = ") + definition->description);
    return;
  }
  root.AddLineString("Formatter not found in Torvanode Library");
  root.AddLineString("Full decode not possible");
}

void DecodeSentenceFields(CTreeNode& root, const SentenceRecord&, const SplitSentence& split,
                          const SentenceDefinition* definition) {
  if (definition == nullptr) return;
  const uint32_t definitions = definition->fieldCount;
  uint32_t s = 0, o = 0, g = 0, q = 0, r = 0, c = 1;
  bool header = false;
  for (uint32_t f = 0; f < split.fieldCount; ++f) {
    const SentenceFieldDefinition* d = nullptr;
    for (uint32_t i = s; i < definitions; ++i) {
      if (definition->fields[i].fieldNumber + o == f) {
        d = &definition->fields[i];
        break;
      }
    }
    if (d == nullptr) continue;
    const bool grouped = r != 0 || (g == 0 && d->groupSize != 0);
    if (g == 0 && d->groupSize != 0) {
      g = d->groupSize;
      q = d->fieldNumber;
      o = 0;
      r = split.fieldCount > d->fieldNumber ? (split.fieldCount - d->fieldNumber) / g : 0;
      if (r > d->groupMaximum) r = d->groupMaximum;
      c = 1;
      header = true;
    }
    if (r != 0) {
      if (f == q) header = true;
      if (f == q + g - 1) {
        o += g;
        --r;
        q += g;
        if (r == 0) {
          s += g;
          g = 0;
          o = 0;
        }
      }
    } else {
      ++s;
    }
    if (header) {
      std::string section = "---- Repeat Section #";
      AppendUnsigned(section, c++);
      root.AddLineString(std::move(section));
      header = false;
    }
    const char* value = split.Field(f);
    if (FieldSink* sink = ActiveFieldSink()) {
      sink->SetSection(grouped ? c - 1 : 0);
      ReportN183Field(*sink, f, *d, value);
    }
    std::string line = "Field ";
    AppendUnsigned(line, f);
    line += ": ";
    line += d->name;
    line += " = ";
    line += value[0] == '\0' ? "EMPTY - NO DATA" : value;
    root.AddNode().SetTextString(std::move(line));
  }
}

int32_t DecodeArmour(const char* text, uint8_t* out, uint32_t maxCharacters, uint32_t& count) {
  count = 0;
  uint32_t bits = 0;
  uint32_t held = 0;
  for (uint32_t i = 0; i < maxCharacters; ++i) {
    const uint8_t ch = static_cast<uint8_t>(text[i]);
    if (ch == '\0') return 0;
    const uint32_t v = ArmourSixBits(ch);
    bits = (bits << 6) | v;
    held += 6;
    if (held >= 8) {
      held -= 8;
      out[count++] = static_cast<uint8_t>(bits >> held);
      bits &= (1u << held) - 1;
    }
  }
  return kBufFull;
}
