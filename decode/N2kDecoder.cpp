#include "decode/N2kDecoder.h"

#include <array>
#include <charconv>
#include <cstring>
#include <string>

#include "decode/FieldReport.h"
#include "decode/HoxDecoder.h"
#include "decode/N2kFieldExtract.h"
#include "decode/NumberFormat.h"
#include "base/DigitPairs.h"
#include "base/OutputTree.h"
#include "base/SafeFormat.h"
#include "decode/ValueText.h"
#include "decode/GatewayHooks.h"
#include "library/N2kLookup.h"
#include "log/ByteOrder.h"
#include "log/Deserialise.h"

namespace {

constexpr uint32_t kReservedFieldEntry = 1;
constexpr uint32_t kAisSpareEntry = 301;
constexpr uint32_t kBinaryBitFieldEntry = 141;
constexpr uint32_t kProprietaryFastAddressed = 126720;
// Manufacturer code 273 in industry group 4: the logger maker's own messages.
constexpr uint8_t kOwnProprietaryHeader[2] = {0x11, 0x99};

std::string_view Chars(const uint8_t* bytes, uint32_t count) {
  return {reinterpret_cast<const char*>(bytes), count};
}

uint32_t FieldBits(const FieldDefinition& f) { return f.sizeBits + 8u * f.sizeBytes; }

const DataDictionaryEntry& EntryOf(const FieldDefinition& f) {
  const DataDictionaryEntry* d = GetDDEntry(f.dictionaryIndex);
  return d != nullptr ? *d : kDataDictionary[0];
}

bool UsesNullCheck(uint32_t pgn, uint32_t field) {
  int32_t first = -1, count = 0;
  if (FindConversionMapRows(pgn, field, first, count) != 0) return false;
  const N2kConversionMapRow* row = GetConversionMapRow(static_cast<uint32_t>(first));
  return row != nullptr && row->useNullCheck != 0;
}

// The count of a repeating group, read with the count field's own entry.
uint32_t ReadGroupCount(const N2kMessage& m, const PgnDefinition& def, uint32_t countField) {
  if (countField >= def.fieldCount) return 0;
  const FieldDefinition& c = def.fields[countField];
  if (c.bitPosition < 0) return 0;
  const DataDictionaryEntry& d = EntryOf(c);
  const uint32_t length = static_cast<uint32_t>(m.length);
  FieldRead r;
  if (IsBitFieldFormat(d.dataType))
    r = ExtractBitField(m.data, length, static_cast<uint32_t>(c.bitPosition), d.defaultSizeBits, true);
  else if (IsIntegerFormat(d.dataType))
    r = ExtractByteField(m.data, length, d, d.defaultSizeBytes, static_cast<uint32_t>(c.bitPosition) / 8);
  else
    return 0;
  // A count field beyond the data is no count at all.
  if (r.truncated) return 0;
  return static_cast<uint32_t>(r.value.value);
}

// Floating-point fields are shown as the shortest decimal that reads back to
// the same binary value, so no digit is invented or lost.
template <typename Float>
std::string FloatText(const uint8_t* bytes) {
  Float f;
  std::memcpy(&f, bytes, sizeof f);
  char text[40];
  const auto result = std::to_chars(text, text + sizeof text, f);
  return std::string(text, result.ptr);
}

// PutPgn writes every PGN below this, which is every PGN a log can hold.
constexpr uint32_t kPgnsPut = 1000000;
// What PutPgn writes: six places and five hex digits.
constexpr size_t kPgnTextSize = 16;

// "%6d (0x%05X)" of a PGN below kPgnsPut, written at p a pair of digits at
// a time.
char* PutPgn(char* p, uint32_t pgn) {
  std::memcpy(p, &kDecimalPairs[2 * (pgn / 10000)], 2);
  std::memcpy(p + 2, &kDecimalPairs[2 * (pgn / 100 % 100)], 2);
  std::memcpy(p + 4, &kDecimalPairs[2 * (pgn % 100)], 2);
  for (int i = 0; i < 5 && p[i] == '0'; ++i) p[i] = ' ';
  std::memcpy(p + 6, " (0x", 4);
  p[10] = "0123456789ABCDEF"[pgn >> 16];
  std::memcpy(p + 11, &kHexPairs[2 * ((pgn >> 8) & 0xFF)], 2);
  std::memcpy(p + 13, &kHexPairs[2 * (pgn & 0xFF)], 2);
  p[15] = ')';
  return p + kPgnTextSize;
}

// "%6d (0x%05X)" of a PGN. A logged PGN has 18 bits; a message built by a
// caller with a larger number still reads as printf's signed int did.
void AppendPgn(std::string& text, uint32_t pgn) {
  if (pgn < kPgnsPut) {
    char line[kPgnTextSize];
    text.append(line, static_cast<size_t>(PutPgn(line, pgn) - line));
    return;
  }
  if (static_cast<int32_t>(pgn) < 0)
    AppendFormat(text, "%6d", static_cast<int32_t>(pgn));
  else
    AppendUnsigned(text, pgn, 6, ' ');
  text += " (0x";
  AppendHex(text, pgn, 5);
  text += ')';
}

std::string RepeatSectionLine(uint32_t section) {
  std::string line = "---- Repeat Section #";
  AppendUnsigned(line, section);
  return line;
}

void AppendUnits(std::string& line, const DataDictionaryEntry& d) {
  if (d.unitSingular[0] != '\0') {
    line += ' ';
    line += d.unitPlural;
  }
}

// Fields the scaled-integer path cannot carry: floating point, 16-bit
// characters and undefined data.
void AppendOtherFormat(std::string& line, const N2kMessage& m, const FieldDefinition& f, const DataDictionaryEntry& d,
                       uint32_t bitPosition) {
  const uint32_t length = static_cast<uint32_t>(m.length);
  const uint32_t at = bitPosition / 8;
  const uint32_t bytes = f.sizeBytes != 0 && f.sizeBytes != 255 ? f.sizeBytes : (FieldBits(f) + 7) / 8;
  FieldSink* sink = ActiveFieldSink();
  if (at > length || bytes > length - at) {
    line += "Truncated - the field runs past the end of the data";
    if (sink) ReportN2kStatus(*sink, f, FieldStatus::Error);
    return;
  }
  const uint8_t* p = m.data + at;
  if ((d.dataType == 4 && bytes == 4) || (d.dataType == 5 && bytes == 8)) {
    const std::string number = bytes == 4 ? FloatText<float>(p) : FloatText<double>(p);
    line += number;
    AppendUnits(line, d);
    if (sink) ReportN2kDecimal(*sink, f, d, number);
  } else if (d.dataType == 2) {
    const size_t textStart = line.size() + 1;
    // UTF-16 little-endian; what Latin-1 cannot show becomes '?'.
    line += '"';
    for (uint32_t i = 0; i + 1 < bytes; i += 2) {
      const uint16_t c = static_cast<uint16_t>(p[i] | (p[i + 1] << 8));
      if (c == 0) break;
      line += c < 0x100 ? static_cast<char>(c) : '?';
    }
    if (sink) ReportN2kText(*sink, f, std::string_view(line).substr(textStart));
    line += '"';
  } else {
    line += '[';
    const size_t hexStart = line.size();
    AppendDottedHex(line, p, bytes);
    if (sink) ReportN2kText(*sink, f, std::string_view(line).substr(hexStart));
    line += ']';
  }
}

// ParseKvtN2k, inline in the record list's line.
inline int32_t ParseFrame(const uint8_t* body, uint32_t count, N2kMessage& message, uint32_t receivedTime) {
  if (count < 2) return kKvtWrongLength;
  const uint8_t command = body[0];
  uint32_t dataAt;
  uint32_t dataCountAt;
  uint32_t overhead;
  switch (command) {
    case 0x92:
      dataCountAt = 8, dataAt = 9, overhead = 7;
      break;
    case 0x93:
      dataCountAt = 12, dataAt = 13, overhead = 11;
      break;
    case 0x94:
      dataCountAt = 7, dataAt = 8, overhead = 6;
      break;
    default:
      return kKvtCommandUnknown;
  }
  // The frame checks compare the payload length with the data count but not
  // with the bytes the frame really holds: both must agree here, and the
  // data must fit the message's 224 bytes.
  if (count <= dataCountAt) return kKvtWrongLength;
  const uint32_t n = body[dataCountAt];
  if (body[1] != n + overhead || count < static_cast<uint32_t>(body[1]) + 3 || n > N2kMessage::kCapacity)
    return kKvtWrongLength;
  message.priority = body[2] & 0x07;
  message.pgn = static_cast<uint32_t>(LoadLE(body + 3, 3)) & 0x3FFFF;
  message.destination = body[6];
  // The short form carries no source address.
  message.source = command == 0x94 ? 255 : body[7];
  message.time = command == 0x93 ? LoadU32(body + 8) : receivedTime;
  message.length = static_cast<int32_t>(n);
  message.capacity = N2kMessage::kCapacity;
  message.data = body + dataAt;
  return 0;
}

}  // namespace

int32_t ParseKvtN2k(const uint8_t* body, uint32_t count, N2kMessage& message, uint32_t receivedTime) {
  return ParseFrame(body, count, message, receivedTime);
}


int32_t DecodeKvtN2k(const uint8_t* body, uint32_t count, CTreeNode& root, int mode, CWXN* gateway,
                     uint32_t receivedTime) {
  N2kMessage message;
  const int32_t code = ParseKvtN2k(body, count, message, receivedTime);
  if (code != 0) {
    std::string title;
    AppendKvtN2kFault(title, code, body, count);
    root.SetTextString(std::move(title));
    root.AddNode().SetByteVector("KVT-N2K Data", std::span<const uint8_t>(body, count));
    return code;
  }
  DecodeN2kMessage(message, mode, root, gateway);
  return 0;
}

void DecodeN2kMessage(const N2kMessage& message, int mode, CTreeNode& root, CWXN* gateway) {
  root.SetExpand(true);
  if (mode == DM_Full) {
    DecodePgn(message, root, DM_Full);
    return;
  }
  const ShowN2kConversionFn show = DisplaySlots().showN2kConversion;
  if (mode == DM_Gateway && show != nullptr && gateway != nullptr) {
    DecodePgn(message, root, DM_Gateway);
    if (show(root, message, gateway)) return;
    root.SetText("No Translation was done");
    root.AddLine("A matching translation was not found for this PGN");
    root.AddLine("Basic breakdown of PGN appears below");
    DecodePgn(message, root.AddNode(), DM_Gateway);
    return;
  }
  std::string text;
  AppendN2kSummary(text, message);
  root.SetTextString(std::move(text));
}

void AppendKvtN2kFault(std::string& text, int32_t code, const uint8_t* body, uint32_t count) {
  const unsigned id = count > 0 ? body[0] : 0;
  const unsigned length = count > 1 ? body[1] : 0;
  if (code == kKvtCommandUnknown)
    AppendFormat(text, "KVT-N2K Unknown Command. ID: 0x%02X, Length: %u", id, length);
  else if (code == kKvtWrongLength)
    AppendFormat(text, "KVT-N2K Wrong Length. ID: 0x%02X, Length: %u", id, length);
  else
    AppendFormat(text, "KVT-N2K Error: %i. ID: 0x%02X, Length: %u", code, id, length);
}

namespace {

// "PGN: ... Data = " of a message whose PGN PutPgn writes.
constexpr size_t kN2kHeadMax = 5 + kPgnTextSize + 8 + 3 + 8 + 3 + 13 + 3 + 8 + 10 + 9;

// ", SRC = ... Data = ", the part of the head after the PGN.
char* PutN2kAddresses(char* p, const N2kMessage& message) {
  const auto put = [&p](std::string_view part) {
    std::memcpy(p, part.data(), part.size());
    p += part.size();
  };
  const auto number = [&p](uint32_t v) { p = std::to_chars(p, p + 10, v).ptr; };
  put(", SRC = ");
  number(message.source);
  put(", DST = ");
  number(message.destination);
  put(", Priority = ");
  number(message.priority);
  put(", Len = ");
  number(static_cast<uint32_t>(message.length));
  put(", Data = ");
  return p;
}

char* PutN2kHead(char* p, const N2kMessage& message) {
  std::memcpy(p, "PGN: ", 5);
  return PutN2kAddresses(PutPgn(p + 5, message.pgn), message);
}

// A sender repeats the same PGN, addresses, priority and length message
// after message, so the text before the data is mostly one already written.
// Each thread keeps the last few, one per slot.
class N2kHeadCache {
 public:
  // The head of the message, written at p with room for kN2kHeadMax.
  char* Put(char* p, const N2kMessage& m) {
    Entry& e = entries_[(m.pgn * 31 + m.source * 7 + m.destination + static_cast<uint32_t>(m.length)) % kSlots];
    if (!e.used || e.pgn != m.pgn || e.length != m.length || e.source != m.source ||
        e.destination != m.destination || e.priority != m.priority) {
      e = {m.pgn, m.length, m.source, m.destination, m.priority, true, 0, {}};
      e.size = static_cast<uint8_t>(PutN2kHead(e.text, m) - e.text);
    }
    std::memcpy(p, e.text, kN2kHeadMax);
    return p + e.size;
  }

 private:
  static constexpr size_t kSlots = 64;
  struct Entry {
    uint32_t pgn;
    int32_t length;
    uint8_t source;
    uint8_t destination;
    uint8_t priority;
    bool used;
    uint8_t size;
    char text[kN2kHeadMax];
  };
  std::array<Entry, kSlots> entries_{};
};

N2kHeadCache& N2kHeads() {
  static thread_local N2kHeadCache heads;
  return heads;
}

}  // namespace

void AppendN2kSummary(std::string& text, const N2kMessage& message) {
  // The line of every NMEA 2000 record in the list: the text grows once and
  // the line is written in place.
  const size_t count = static_cast<size_t>(message.length);
  const size_t shown = count < kByteDumpCap ? count : kByteDumpCap;
  char* p;
  if (message.pgn >= kPgnsPut) {
    text += "PGN: ";
    AppendPgn(text, message.pgn);
    const size_t at = text.size();
    text.resize(at + kN2kHeadMax + 3 * shown);
    p = PutN2kAddresses(text.data() + at, message);
  } else {
    const size_t at = text.size();
    text.resize(at + kN2kHeadMax + 3 * shown);
    p = N2kHeads().Put(text.data() + at, message);
  }
  p = PutHexBytes(p, message.data, shown);
  text.resize(static_cast<size_t>(p - text.data()));
  if (count > kByteDumpCap) text += kByteDumpCapNote;
}

char* PutKvtN2kSummary(char* p, const uint8_t* body, uint32_t count) {
  // A frame's PGN has 18 bits and its data fits the message: the line has
  // neither the wide PGN nor the note of a cut.
  static_assert(0x3FFFF < kPgnsPut && N2kMessage::kCapacity <= kByteDumpCap);
  static_assert(kKvtN2kSummaryRoom == kN2kHeadMax + 3 * N2kMessage::kCapacity);
  N2kMessage message;
  if (ParseFrame(body, count, message, 0) != 0) return nullptr;
  return PutHexBytes(N2kHeads().Put(p, message), message.data, static_cast<size_t>(message.length));
}

void AppendKvtN2kSummary(std::string& text, const uint8_t* body, uint32_t count) {
  N2kMessage message;
  const int32_t code = ParseKvtN2k(body, count, message, 0);
  if (code != 0)
    AppendKvtN2kFault(text, code, body, count);
  else
    AppendN2kSummary(text, message);
}

void DecodePgn(const N2kMessage& message, CTreeNode& node, int mode) {
  const PgnDefinition* definition = FindPGN(message.pgn);
  if (definition == nullptr) {
    node.AddLine("The PGN was not found in the library");
    node.AddLine("Full decode not possible");
  }
  AddPgnHeader(definition, message, node);
  if (mode == DM_Full) DecodeFields(node, message, definition);
}

void AddPgnHeader(const PgnDefinition* definition, const N2kMessage& message, CTreeNode& node) {
  std::string title = "NMEA 2000 PGN: ";
  AppendPgn(title, message.pgn);
  node.SetTextString(std::move(title));
  if (definition != nullptr) node.AddLineString(std::string("Name: ") + definition->name + ' ');
  std::string line = "Source = ";
  AppendUnsigned(line, message.source);
  line += ", Destination = ";
  AppendUnsigned(line, message.destination);
  node.AddLineString(std::move(line));
  line = "Priority = ";
  AppendUnsigned(line, message.priority);
  line += ", Length = ";
  AppendUnsigned(line, static_cast<uint32_t>(message.length));
  node.AddLineString(std::move(line));
  if (definition != nullptr) {
    line = "Number Of Fields = ";
    AppendUnsigned(line, definition->fieldCount & 0xFF);
    node.AddLineString(std::move(line));
  }
}

void DecodeFields(CTreeNode& node, const N2kMessage& message, const PgnDefinition* definition) {
  if (definition == nullptr) {
    node.AddLine("DATA: ");
    std::string hex;
    AppendHexBytesCapped(hex, message.data, static_cast<size_t>(message.length));
    node.AddLineString(std::move(hex));
    return;
  }
  const uint32_t fieldCount = definition->fieldCount & 0xFF;
  if (fieldCount == 0) return;
  const uint32_t totalBits = static_cast<uint32_t>(message.length) * 8;
  uint32_t p = 0, n = 0, end = fieldCount, groupStart = 0, repeats = 0, done = 0;
  bool untilEnd = false;
  for (;;) {
    const FieldDefinition& f = definition->fields[n];
    if (repeats == 0 && f.groupSize != 0) {
      end = n + f.groupSize < fieldCount ? n + f.groupSize : fieldCount;
      groupStart = n;
      if (f.repeatCountField == 255) {
        untilEnd = true;
        if (p >= totalBits) {
          node.AddLine("Decode buffer overrun at field %d", f.fieldNumber);
          return;
        }
        node.AddLineString(RepeatSectionLine(1));
        done = 0;
      } else {
        repeats = ReadGroupCount(message, *definition, f.repeatCountField);
        if (repeats == 0 || repeats == 255) return;
        node.AddLineString(RepeatSectionLine(1));
        done = 0;
      }
    }
    if (p >= totalBits) {
      node.AddLine("Decode buffer overrun at field %d", f.fieldNumber);
      return;
    }
    if (FieldSink* sink = ActiveFieldSink()) sink->SetSection(untilEnd || repeats != 0 ? done + 1 : 0);
    DecodeField(message, node.AddNode(), f, p);
    ++n;
    if (untilEnd) {
      if (n < fieldCount) continue;
      if (p >= totalBits) return;
      n = groupStart;
      ++done;
      continue;
    }
    if (n < end) continue;
    ++done;
    if (done >= repeats) return;
    n = groupStart;
    node.AddLineString(RepeatSectionLine(done + 1));
  }
}

void DecodeField(const N2kMessage& message, CTreeNode& node, const FieldDefinition& field, uint32_t& p) {
  const DataDictionaryEntry& d = EntryOf(field);
  const uint32_t length = static_cast<uint32_t>(message.length);
  const uint32_t at = p / 8;
  std::string line = "Field ";
  AppendUnsigned(line, field.fieldNumber + 1u);
  line += ": ";
  const size_t nameAt = line.size();
  line += field.name;
  line += " = ";
  bool advanced = false;
  FieldSink* sink = ActiveFieldSink();

  if (field.sizeFromContext != 0) {
    line += "SPECIAL FIELD DECODE REQUIRED";
    if (sink) ReportN2kStatus(*sink, field, FieldStatus::Error);
    advanced = true;
  } else if (d.dataType == 3) {
    const uint32_t bytes = field.sizeBytes == 255 ? 0 : field.sizeBytes;
    const uint32_t present = at < length ? length - at : 0;
    AppendQuoted(line, message.data + (at < length ? at : 0), bytes < present ? bytes : present);
    if (sink)
      ReportN2kText(*sink, field, Chars(message.data + (at < length ? at : 0), bytes < present ? bytes : present));
    p += bytes * 8;
    advanced = true;
  } else if (d.dataType == 1) {
    // A length below 2 leaves no room for characters: nothing is shown, and
    // the position moves past the length byte at least, so that a zero
    // length cannot hold the decode in place.
    const uint32_t total = at < length ? message.data[at] : 0;
    if (total >= 2 && at + 1 < length && message.data[at + 1] == 1) {
      const uint32_t wanted = total - 2;
      const uint32_t present = length - (at + 2);
      AppendQuoted(line, message.data + at + 2, wanted < present ? wanted : present);
      if (sink) ReportN2kText(*sink, field, Chars(message.data + at + 2, wanted < present ? wanted : present));
    } else if (sink) {
      ReportN2kText(*sink, field, {});
    }
    p += (total > 0 ? total : 1) * 8;
    advanced = true;
  } else if (field.dictionaryIndex == kReservedFieldEntry || field.dictionaryIndex == kAisSpareEntry ||
             (d.defaultSizeBits == 0 && d.defaultSizeBytes == 0)) {
    line.replace(nameAt, std::string::npos, "Reserved field");
    if (sink) ReportN2kStatus(*sink, field, FieldStatus::Reserved);
  } else if (field.dictionaryIndex == kBinaryBitFieldEntry) {
    line += '[';
    const size_t hexStart = line.size();
    if (at < length) AppendDottedHex(line, message.data + at, length - at);
    if (sink) ReportN2kText(*sink, field, std::string_view(line).substr(hexStart));
    line += ']';
    if (message.pgn >= kProprietaryFastAddressed && message.pgn <= kProprietaryFastAddressed + 255 && at == 2 &&
        length >= 2 && message.data[0] == kOwnProprietaryHeader[0] && message.data[1] == kOwnProprietaryHeader[1])
      DecodeHoxBytes(node.AddNode(), message.data + 2, length - 2, DM_Full);
  } else if (IsBitFieldFormat(d.dataType) || IsIntegerFormat(d.dataType)) {
    const FieldRead r = IsBitFieldFormat(d.dataType)
                            ? ExtractBitField(message.data, length, p, d.defaultSizeBits,
                                              UsesNullCheck(message.pgn, field.fieldNumber))
                            : ExtractByteField(message.data, length, d, d.defaultSizeBytes, at);
    if (r.truncated)
      line += "Truncated - the field runs past the end of the data";
    else
      AppendValueText(line, r.value, d, true);
    if (sink) ReportN2kValue(*sink, field, d, r);
  } else {
    AppendOtherFormat(line, message, field, d, p);
  }

  if (!advanced) p += field.sizeBytes != 0 ? field.sizeBytes * 8u : field.sizeBits;
  node.SetTextString(std::move(line));
}
