#include "library/N183Lookup.h"

#include <cstring>

#include "base/OutputTree.h"

const CN183Lib kN183Lib;

uint32_t FormatterKeyOf(const char* formatter) {
  if (!formatter || std::strlen(formatter) < 3) return 0;
  return PackFormatterKey(formatter[0], formatter[1], formatter[2]);
}

void UnpackFormatterKey(uint32_t key, char formatter[4]) {
  formatter[0] = static_cast<char>(key >> 24);
  formatter[1] = static_cast<char>(key >> 16);
  formatter[2] = static_cast<char>(key >> 8);
  formatter[3] = '\0';
}

const SentenceDefinition* FindSentence(const char* text) {
  // Three bytes are compared whatever follows them, so a shorter text must
  // not be read past its terminator.
  if (!text || strnlen(text, 3) < 3) return nullptr;
  uint32_t lo = 0;
  uint32_t hi = kSentenceCount;
  while (lo != hi) {
    const uint32_t mid = (lo + hi) / 2;
    const int order = std::memcmp(text, FormatterOf(kSentenceDefinitions[mid]), 3);
    if (order == 0) return &kSentenceDefinitions[mid];
    if (order < 0) {
      if (hi == mid) return nullptr;
      hi = mid;
    } else {
      if (lo == mid) return nullptr;
      lo = mid;
    }
  }
  return nullptr;
}

const SentenceDefinition* FindSentenceByKey(uint32_t formatterKey) {
  char formatter[4];
  UnpackFormatterKey(formatterKey, formatter);
  return FindSentence(formatter);
}

const char* GetSentenceName(uint32_t formatterKey) {
  const SentenceDefinition* row = FindSentenceByKey(formatterKey);
  return row ? row->name : "";
}

const SentenceDefinition* GetSentenceByIndex(uint32_t index) {
  return index < kSentenceCount ? &kSentenceDefinitions[index] : nullptr;
}

const SentenceFieldDefinition* GetSentenceField(uint32_t index) {
  return index < kSentenceFieldCount ? &kSentenceFieldDefinitions[index] : nullptr;
}

const DT0183Type* GetDT0183Type(uint32_t code) {
  for (const DT0183Type& row : kDT0183Types) {
    if (row.code == code) return &row;
  }
  return nullptr;
}

const UT183UnitName* GetUT183UnitName(uint32_t code) {
  return code < kUT183UnitCount ? &kUT183UnitNames[code] : nullptr;
}

const UT183Conversion* GetUT183Conversion(uint32_t code) {
  return code < kUT183UnitCount ? &kUT183Conversions[code] : nullptr;
}

const N183ConversionFactor* GetConversionFactor(uint32_t index) {
  return index < kN183ConversionFactorCount ? &kN183ConversionFactors[index] : nullptr;
}

const AISMessage* GetAISMessage(uint32_t index) {
  return index < kAISMessageCount ? &kAISMessages[index] : nullptr;
}

const AISFieldDefinition* GetAISFieldDefinition(uint32_t index) {
  return index < kAISFieldDefinitionCount ? &kAISFieldDefinitions[index] : nullptr;
}

const AISFieldListRow* GetAISFieldListRow(uint32_t index) {
  return index < kAISFieldListCount ? &kAISFieldList[index] : nullptr;
}

const AISRange* GetAISRange(uint32_t index) {
  return index < kAISRangeCount ? &kAISRanges[index] : nullptr;
}

uint32_t CountCoveredFields(const SentenceDefinition& sentence) {
  if (sentence.fieldCount == 0) return 0;
  const SentenceFieldDefinition& last = sentence.fields[sentence.fieldCount - 1];
  const DT0183Type* type = GetDT0183Type(last.fieldType);
  return last.fieldNumber + (type ? type->fieldSpan : 0);
}

void CollectSentencesUsingRepository(uint32_t repositoryIndex, std::set<uint32_t>& sentenceIndices) {
  if (repositoryIndex == kRepositoryNone) return;
  for (const SentenceDefinition& sentence : kSentenceDefinitions) {
    for (uint32_t i = 0; i < sentence.fieldCount; ++i) {
      if (sentence.fields[i].repositoryIndex == repositoryIndex) {
        sentenceIndices.insert(sentence.libraryIndex);
        break;
      }
    }
  }
}

void ListLibrarySentences(CTreeNode& node, const std::set<uint32_t>& sentenceIndices, bool verbose) {
  for (uint32_t index : sentenceIndices) {
    const SentenceDefinition* sentence = GetSentenceByIndex(index);
    if (!sentence) continue;
    if (verbose) {
      node.AddNode().SetText("%s : %s", FormatterOf(*sentence), sentence->name);
    } else {
      node.AddNode().SetText("%s", FormatterOf(*sentence));
    }
  }
}
