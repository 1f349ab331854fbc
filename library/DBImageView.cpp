#include "library/DBImageView.h"

#include "log/ByteOrder.h"
#include "library/DBMemImage.h"
#include "library/N183Lookup.h"

namespace {

struct SectionLayout {
  uint32_t id;
  uint32_t entrySize;
};

constexpr SectionLayout kListSections[kViewSectionCount] = {
    {kDBSectionN183RxSentences, kDBN183RxSentenceEntrySize},
    {kDBSectionN183RxFields, kDBN183FieldEntrySize},
    {kDBSectionN183TxSentences, kDBN183TxSentenceEntrySize},
    {kDBSectionN183TxFields, kDBN183FieldEntrySize},
    {kDBSectionN2KRxPGNs, kDBN2KPGNEntrySize},
    {kDBSectionN2KRxFields, kDBN2KFieldEntrySize},
    {kDBSectionN2KTxPGNs, kDBN2KPGNEntrySize},
    {kDBSectionN2KTxFields, kDBN2KFieldEntrySize},
};

void ClearView(DatabaseImageView& view) {
  for (size_t i = 0; i < kViewSectionCount; ++i) {
    view.sections[i] = {kListSections[i].id, kListSections[i].entrySize, nullptr, 0};
  }
}

// Finds the section inside the root and fills its pair. The walk stops at a
// header that would not lie wholly inside the root and the image bytes, so a
// size written in the image can never carry a read past the end.
uint32_t OpenSection(DatabaseImageSection& section, const uint8_t* image, uint64_t rootEnd) {
  uint64_t offset = kDBSectionHeaderSize;
  while (offset + kDBSectionHeaderSize <= rootEnd) {
    const uint8_t* header = image + offset;
    const uint32_t size = LoadU32(header);
    const uint32_t id = LoadU32(header + 4);
    const uint32_t count = LoadU32(header + 8);
    if (size < kDBSectionHeaderSize || offset + size > rootEnd) break;
    if (id == section.id) {
      // A list the builder left empty is a header alone with count 0: the
      // gateway then has nothing to convert on that side, which is not an
      // error. Any other disagreement of size and count is.
      const uint32_t body = size - kDBSectionHeaderSize;
      const bool matches = count == 0 ? body == 0 : body / count == section.entrySize;
      if (!matches) return kDBImageEntrySizeMismatch;
      section.entries = header + kDBSectionHeaderSize;
      section.count = count;
      return kDBImageOpened;
    }
    offset += size;
  }
  return kDBImageMissingSection;
}

const uint8_t* EntryAt(const DatabaseImageSection& section, uint32_t position) {
  if (position >= section.count) return nullptr;
  return section.entries + static_cast<size_t>(position) * section.entrySize;
}

const uint8_t* FieldOf(const DatabaseImageSection& fields, uint32_t firstFieldIndex, uint32_t i) {
  return EntryAt(fields, firstFieldIndex + i);
}

// Binary search over keys in ascending order; on a hit, the run of equal
// keys around it. Returns the run's length and its first entry.
template <typename KeyOf>
uint32_t FindRun(const DatabaseImageSection& section, uint32_t key, KeyOf keyOf, const uint8_t*& first) {
  first = nullptr;
  uint32_t lo = 0;
  uint32_t hi = section.count;
  while (lo < hi) {
    const uint32_t mid = lo + (hi - lo) / 2;
    const uint32_t midKey = keyOf(EntryAt(section, mid));
    if (midKey == key) {
      uint32_t begin = mid;
      while (begin > 0 && keyOf(EntryAt(section, begin - 1)) == key) --begin;
      uint32_t end = mid + 1;
      while (end < section.count && keyOf(EntryAt(section, end)) == key) ++end;
      first = EntryAt(section, begin);
      return end - begin;
    }
    if (key < midKey) {
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  return 0;
}

uint32_t KeyAtStart(const uint8_t* entry) { return LoadU32(entry); }

N183SentenceEntry ReadSentenceCommon(const uint8_t* e) {
  N183SentenceEntry s{};
  s.formatterKey = LoadU32(e);
  s.talker[0] = static_cast<char>(e[4]);
  s.talker[1] = static_cast<char>(e[5]);
  s.firstFieldIndex = LoadU16(e + 6);
  s.fieldCount = e[8];
  s.startDelimiter = static_cast<char>(e[9]);
  s.modifierField = e[10];
  s.modifierValue = static_cast<char>(e[11]);
  return s;
}

N2KPGNEntry ReadPGNCommon(const uint8_t* e) {
  N2KPGNEntry p{};
  p.pgn = LoadU32(e);
  p.firstFieldIndex = LoadU16(e + 4);
  p.fieldCount = e[6];
  p.size = e[7];
  p.groupFieldIndex = e[8];
  p.groupSize = e[9];
  p.groupBits = e[10];
  p.repeatRepository = e[11];
  return p;
}

}  // namespace

const char* DatabaseImageErrorText(uint32_t code) {
  switch (code) {
    case kDBImageOpened:
      return "image opened";
    case kDBImageEntrySizeMismatch:
      return "a list section's size does not match its entry size and count";
    case kDBImageWrongRoot:
      return "not a database image: no root section at the start";
    case kDBImageMissingSection:
      return "a list section is missing or runs past the end of the image";
  }
  return "unknown result code";
}

uint32_t OpenDatabaseImage(DatabaseImageView& view, const uint8_t* image, size_t length) {
  ClearView(view);
  if (!image || length < kDBSectionHeaderSize || LoadU32(image + 4) != kDBSectionRoot) return kDBImageWrongRoot;
  // An image cut short keeps the sections that still lie wholly inside it.
  const uint64_t rootEnd = LoadU32(image) < length ? LoadU32(image) : length;
  for (DatabaseImageSection& section : view.sections) {
    const uint32_t result = OpenSection(section, image, rootEnd);
    if (result != kDBImageOpened) {
      ClearView(view);
      return result;
    }
  }
  return kDBImageOpened;
}

N183SentenceEntry ReadN183RxSentence(const uint8_t* e) {
  N183SentenceEntry s = ReadSentenceCommon(e);
  s.multiPartCode = e[12];
  s.groupFirstField = e[13];
  s.groupSize = e[14];
  s.groupRepository = e[15];
  s.groupFieldIndex = e[16];
  s.groupMaximum = e[17];
  s.positionInList = e[18];
  return s;
}

N183SentenceEntry ReadN183TxSentence(const uint8_t* e) {
  N183SentenceEntry s = ReadSentenceCommon(e);
  s.transmitInterval = LoadU32(e + 12);
  s.multiPartCode = e[16];
  s.groupFirstField = e[17];
  s.groupSize = e[18];
  s.groupRepository = e[19];
  s.groupMaximum = e[20];
  return s;
}

N183FieldEntry ReadN183Field(const uint8_t* e) {
  return {e[0], e[1], e[2], e[3], e[4], static_cast<int8_t>(e[5]), e[6], e[7], LoadU32(e + 8)};
}

N2KPGNEntry ReadN2KRxPGN(const uint8_t* e) {
  N2KPGNEntry p = ReadPGNCommon(e);
  p.positionInList = e[12];
  return p;
}

N2KPGNEntry ReadN2KTxPGN(const uint8_t* e) {
  N2KPGNEntry p = ReadPGNCommon(e);
  p.instances = e[12];
  p.priority = e[13];
  p.transmitInterval = LoadU16(e + 14);
  return p;
}

N2KFieldEntry ReadN2KField(const uint8_t* e) {
  return {e[0], e[1], e[2], e[3], LoadU16(e + 4), e[6], e[7], e[8], e[9], LoadU16(e + 10)};
}

const uint8_t* GetN183RxSentence(const DatabaseImageView& view, uint32_t position) {
  return EntryAt(view.sections[kViewN183RxSentences], position);
}
const uint8_t* GetN183TxSentence(const DatabaseImageView& view, uint32_t position) {
  return EntryAt(view.sections[kViewN183TxSentences], position);
}
const uint8_t* GetN2KRxPGN(const DatabaseImageView& view, uint32_t position) {
  return EntryAt(view.sections[kViewN2KRxPGNs], position);
}
const uint8_t* GetN2KTxPGN(const DatabaseImageView& view, uint32_t position) {
  return EntryAt(view.sections[kViewN2KTxPGNs], position);
}

uint32_t CountN183RxSentences(const DatabaseImageView& view) { return view.sections[kViewN183RxSentences].count; }
uint32_t CountN183TxSentences(const DatabaseImageView& view) { return view.sections[kViewN183TxSentences].count; }
uint32_t CountN2KRxPGNs(const DatabaseImageView& view) { return view.sections[kViewN2KRxPGNs].count; }
uint32_t CountN2KTxPGNs(const DatabaseImageView& view) { return view.sections[kViewN2KTxPGNs].count; }

const uint8_t* GetN183RxField(const DatabaseImageView& view, const uint8_t* sentence, uint32_t i) {
  return FieldOf(view.sections[kViewN183RxFields], LoadU16(sentence + 6), i);
}
const uint8_t* GetN183TxField(const DatabaseImageView& view, const uint8_t* sentence, uint32_t i) {
  return FieldOf(view.sections[kViewN183TxFields], LoadU16(sentence + 6), i);
}
const uint8_t* GetN2KRxField(const DatabaseImageView& view, const uint8_t* pgn, uint32_t i) {
  return FieldOf(view.sections[kViewN2KRxFields], LoadU16(pgn + 4), i);
}
const uint8_t* GetN2KTxField(const DatabaseImageView& view, const uint8_t* pgn, uint32_t i) {
  return FieldOf(view.sections[kViewN2KTxFields], LoadU16(pgn + 4), i);
}

uint32_t FindN183RxSentences(const DatabaseImageView& view, char c0, char c1, char c2, const uint8_t*& first) {
  return FindRun(view.sections[kViewN183RxSentences], PackFormatterKey(c0, c1, c2), KeyAtStart, first);
}

const uint8_t* FindN183TxSentence(const DatabaseImageView& view, char c0, char c1, char c2) {
  const uint8_t* first = nullptr;
  FindRun(view.sections[kViewN183TxSentences], PackFormatterKey(c0, c1, c2), KeyAtStart, first);
  return first;
}

const uint8_t* FindN2KRxPGN(const DatabaseImageView& view, uint32_t pgn) {
  const uint8_t* first = nullptr;
  FindRun(view.sections[kViewN2KRxPGNs], pgn, KeyAtStart, first);
  return first;
}

const uint8_t* FindN2KTxPGN(const DatabaseImageView& view, uint32_t pgn) {
  const uint8_t* first = nullptr;
  FindRun(view.sections[kViewN2KTxPGNs], pgn, KeyAtStart, first);
  return first;
}

uint32_t CountSentenceFields(const DatabaseImageView& view, const uint8_t* sentence) {
  const uint8_t fieldCount = sentence[8];
  if (fieldCount == 0) return 0;
  const uint8_t* last = GetN183RxField(view, sentence, fieldCount - 1u);
  if (!last) return 0;
  const DT0183Type* type = GetDT0183Type(last[1]);
  return last[0] + (type ? type->fieldSpan : 1u);
}
