#include "decode/HoxDecoder.h"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstring>
#include <limits>
#include <vector>

#include "decode/ErrorCodes.h"
#include "decode/FieldReport.h"
#include "decode/NumberFormat.h"
#include "log/ByteOrder.h"
#include "base/SafeFormat.h"

namespace {

constexpr uint32_t kLongHeaderBytes = 12;   // HOX ID, sequence, model, serial, error code
constexpr uint32_t kShortHeaderBytes = 1;   // HOX ID
constexpr uint32_t kArrayBytesPerLine = 32;

uint32_t MillisecondTick() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

bool IsLongForm(uint8_t command) { return command == 0xA0 || command == 0xA2 || command == 0xA3; }
bool IsShortForm(uint8_t command) { return command == 0x11 || command == 0xA1 || command == 0xA4; }

// Name tables are indexed by 32 bits; a larger number must not alias a small one.
uint32_t Clamp32(uint64_t v) {
  return static_cast<uint32_t>(std::min<uint64_t>(v, std::numeric_limits<uint32_t>::max()));
}

std::string BitsText(uint64_t v) {
  std::string digits;
  do {
    digits += (v & 1) ? '1' : '0';
    v >>= 1;
  } while (v != 0);
  return digits + "(b)";
}

int64_t FloorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Day serial n: 1 January 1900 is day 1, four-year cycles of 1461 days that
// begin with a leap year.
std::string DaySerialText(int64_t serial) {
  const int64_t days = serial - 1;
  const int64_t cycle = FloorDiv(days, 1461);
  int64_t dayOfYear = days - cycle * 1461;
  int yearInCycle = 0;
  if (dayOfYear >= 1096) {
    yearInCycle = 3;
    dayOfYear -= 1096;
  } else if (dayOfYear >= 731) {
    yearInCycle = 2;
    dayOfYear -= 731;
  } else if (dayOfYear >= 366) {
    yearInCycle = 1;
    dayOfYear -= 366;
  }
  const int monthDays[] = {31, yearInCycle == 0 ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  unsigned month = 0;
  while (dayOfYear >= monthDays[month]) dayOfYear -= monthDays[month++];
  std::string text;
  AppendFormat(text, "%02u/%02u/%" PRId64, static_cast<unsigned>(dayOfYear + 1), month + 1,
               1900 + 4 * cycle + yearInCycle);
  return text;
}

std::string TimeOfDayText(uint64_t fraction) {
  const uint64_t ticks = fraction * 675;  // 512ths of a second since midnight
  std::string text;
  AppendFormat(text, "%02" PRIu64 ":%02" PRIu64 ":%02" PRIu64, ticks / 1843200, ticks / 30720 % 60,
               ticks / 512 % 60);
  return text;
}

const char* Plural(uint64_t n, const char* one, const char* many) { return n == 1 ? one : many; }

std::string DurationText(uint64_t seconds) {
  const uint64_t days = seconds / 86400;
  const uint64_t hours = seconds / 3600 - 24 * days;
  const uint64_t minutes = seconds / 60 % 60;
  std::string text;
  AppendFormat(text, "%" PRIu64 " seconds (", seconds);
  if (days > 0) AppendFormat(text, "%" PRIu64 " %s, ", days, Plural(days, "day", "days"));
  if (days > 0 || hours != 0) AppendFormat(text, "%" PRIu64 " %s, ", hours, Plural(hours, "hour", "hours"));
  AppendFormat(text, "%" PRIu64 " %s) ", minutes, Plural(minutes, "minute", "minutes"));
  return text;
}

// The value of `length` little-endian bytes; the all-ones pattern and the
// two below it mark a missing, out-of-range or reserved value.
RepositoryValue Extract(const uint8_t* bytes, uint32_t length, int8_t exponent) {
  RepositoryValue v;
  v.exponent = exponent;
  v.resolutionFactor = 0;
  if (length == 0) {
    v.status = VS_NotAvailable;
    return v;
  }
  const uint64_t raw = LoadLE(bytes, length);
  const uint64_t allOnes = length >= 8 ? ~uint64_t{0} : (uint64_t{1} << (8 * length)) - 1;
  v.value = static_cast<int64_t>(raw);
  if (raw == allOnes)
    v.status = VS_NotAvailable;
  else if (raw == allOnes - 1)
    v.status = VS_OutOfRange;
  else if (raw == allOnes - 2)
    v.status = VS_Reserved;
  return v;
}

// Array bytes as lines of "Index i to j: [XX.XX...]" under the field node.
void AddArrayLines(CTreeNode& node, const uint8_t* bytes, uint32_t count) {
  for (uint32_t first = 0; first < count; first += kArrayBytesPerLine) {
    const uint32_t last = std::min(first + kArrayBytesPerLine, count) - 1;
    std::string line;
    AppendFormat(line, "Index %u to %u: [", first, last);
    AppendDottedHex(line, bytes + first, last - first + 1);
    line += ']';
    node.AddLineString(std::move(line));
  }
  node.SetExpand(true);
}

// The characters AppendQuoted shows: up to the first byte of 0x80 or more.
std::string_view QuotedChars(const uint8_t* bytes, size_t count) {
  size_t n = 0;
  while (n < count && bytes[n] < 0x80) ++n;
  return {reinterpret_cast<const char*>(bytes), n};
}

RepositoryValue NoNumber() {
  RepositoryValue v;
  v.status = VS_Error;
  v.resolutionFactor = 0;
  return v;
}

}  // namespace

int32_t ParseHox(std::span<const uint8_t> bytes, HoxMessage& message) {
  message = HoxMessage{};
  message.time = MillisecondTick();
  if (bytes.empty()) return kKvtWrongLength;
  const uint8_t command = bytes[0];
  if (!IsLongForm(command) && !IsShortForm(command)) return kKvtCommandUnknown;
  if (bytes.size() < 2) return kKvtWrongLength;
  const uint32_t payloadLength = bytes[1];
  message.longForm = IsLongForm(command);
  const uint32_t header = message.longForm ? kLongHeaderBytes : kShortHeaderBytes;
  // Unsigned, so a payload shorter than its header counts as too long.
  const uint32_t dataCount = payloadLength - header;
  if (dataCount > kHoxMaxData || bytes.size() < 2 + payloadLength) return kKvtWrongLength;

  const uint8_t* payload = bytes.data() + 2;
  message.id = static_cast<uint16_t>(command << 8 | payload[0]);
  if (message.longForm) {
    message.sequenceId = payload[1];
    message.modelId = LoadU16(payload + 2);
    message.serialId = LoadU32(payload + 4);
    message.errorCode = static_cast<int32_t>(LoadU32(payload + 8));
  }
  message.dataCount = dataCount;
  std::memcpy(message.data, payload + header, dataCount);
  return 0;
}

int32_t DecodeKvtHox(std::span<const uint8_t> bytes, CTreeNode& node, int mode) {
  return DecodeHoxBytes(node, bytes.data(), bytes.size(), mode);
}

int32_t DecodeHoxBytes(CTreeNode& node, const uint8_t* bytes, size_t count, int mode) {
  const std::span<const uint8_t> frame(bytes, bytes != nullptr ? count : 0);
  HoxMessage message;
  const int32_t result = ParseHox(frame, message);
  if (result == 0) {
    DecodeHoxMessage(message, node, mode);
    return 0;
  }
  std::string title;
  AppendHoxFault(title, result, frame);
  node.SetTextString(std::move(title));
  node.AddNode().SetByteList("KVT-HOX Data", frame);
  return result;
}

void AppendHoxFault(std::string& text, int32_t result, std::span<const uint8_t> frame) {
  const auto byteAt = [&frame](size_t i) -> unsigned { return i < frame.size() ? frame[i] : 0; };
  const unsigned id = byteAt(0) << 8 | byteAt(2);
  const unsigned length = byteAt(1);
  if (result == kKvtCommandUnknown)
    AppendFormat(text, "KVT-HOX Unknown Command. ID: 0x%04X, Length: %u", id, length);
  else if (result == kKvtWrongLength)
    AppendFormat(text, "KVT-HOX Wrong Length. ID: 0x%04X, Length: %u", id, length);
  else
    AppendFormat(text, "KVT-HOX Error: %i. ID: 0x%04X, Length: %u", result, id, length);
}

void AppendHoxSummary(std::string& text, const HoxMessage& message) {
  text += "KVT-HOX: 0x";
  AppendHex(text, message.id, 4);
  text += ',';
  if (message.longForm) {
    text += " Seq = ";
    AppendUnsigned(text, message.sequenceId);
    text += ", Model = ";
    AppendUnsigned(text, message.modelId);
    text += ", Serial = ";
    AppendUnsigned(text, message.serialId);
    text += ", Error = ";
    if (message.errorCode < 0) text += '-';
    AppendUnsigned(text, message.errorCode < 0 ? 0u - static_cast<uint32_t>(message.errorCode)
                                               : static_cast<uint32_t>(message.errorCode));
    text += ',';
  }
  text += " Len = ";
  AppendUnsigned(text, message.dataCount);
  const uint32_t count = std::min(message.dataCount, kHoxMaxData);
  if (count != 0) {
    text += ", Data = ";
    AppendHexBytesCapped(text, message.data, count);
  }
}

void AppendHoxBytesSummary(std::string& text, std::span<const uint8_t> frame) {
  HoxMessage message;
  const int32_t result = ParseHox(frame, message);
  if (result == 0)
    AppendHoxSummary(text, message);
  else
    AppendHoxFault(text, result, frame);
}

void DecodeHoxMessage(const HoxMessage& message, CTreeNode& node, int mode) {
  node.SetExpand(true);
  const uint32_t count = std::min(message.dataCount, kHoxMaxData);
  if (mode == DM_Gateway) {
    node.SetByteList("KVT-HOX Data", std::span<const uint8_t>(message.data, count));
  } else if (mode == DM_Full) {
    DecodeHoxFull(node, message);
  } else if (mode == DM_Summary) {
    std::string text;
    AppendHoxSummary(text, message);
    node.SetTextString(std::move(text));
  }
}

void DecodeHoxFull(CTreeNode& node, const HoxMessage& message) {
  const HoxDefinition* definition =
      FindHoxDefinition(message.id, static_cast<uint8_t>(message.sequenceId));
  if (definition == nullptr) {
    node.AddLine("The KVT-HOX ID was not found in the library");
    node.AddLine("Full decode not possible");
  }
  AddHoxHeader(message, definition, node);
  DecodeHoxFields(node, message, definition);
}

void AddHoxHeader(const HoxMessage& message, const HoxDefinition* definition, CTreeNode& node) {
  node.SetText("KVT-HOX Message ID: 0x%04X", message.id);
  if (definition != nullptr) {
    node.AddLine("Datatype: %s ", definition->datatypeName);
    node.AddLine("Description: %s ", definition->description);
  }
  if (message.longForm) {
    node.AddLine("Sequence ID = %u, Model ID = %s (%u), Serial ID = %u", message.sequenceId,
                 HoxModelName(message.modelId), message.modelId, message.serialId);
    node.AddLine("Error ID = %s (%i)", ErrorText(message.errorCode), message.errorCode);
  }
  if (definition != nullptr) node.AddLine("Number of Fields = %u", definition->fieldCount);
}

void DecodeHoxFields(CTreeNode& node, const HoxMessage& message, const HoxDefinition* definition) {
  const uint32_t count = std::min(message.dataCount, kHoxMaxData);
  if (definition == nullptr) {
    node.AddLine("Data: ");
    std::string hex;
    AppendHexBytesCapped(hex, message.data, count);
    node.AddLineString(std::move(hex));
    return;
  }
  // A device message inside a PGN field starts outside any repetition,
  // whatever the PGN's own decode left behind.
  if (FieldSink* sink = ActiveFieldSink()) sink->SetSection(0);
  uint32_t offset = 0;
  for (uint32_t i = 0; i < definition->fieldCount;) {
    if (offset >= count) {
      node.AddLine("Optional field(s) not present");
      return;
    }
    const HoxFieldDefinition& field = definition->fields[i];
    if (field.itemFieldCount != 0) {
      DecodeHoxGroup(i, offset, node, message, *definition);
      continue;
    }
    DecodeHoxField(message, field, offset, node.AddNode());
    offset += field.byteLength;
    ++i;
  }
}

void DecodeHoxGroup(uint32_t& field, uint32_t& offset, CTreeNode& node, const HoxMessage& message,
                    const HoxDefinition& definition) {
  const uint32_t dataCount = std::min(message.dataCount, kHoxMaxData);
  const uint32_t fieldCount = definition.fieldCount;
  const HoxFieldDefinition& counter = definition.fields[field];
  CTreeNode countLine;
  const RepositoryValue counted = DecodeHoxField(message, counter, offset, countLine);
  const uint64_t count = static_cast<uint64_t>(counted.value);
  countLine.SetText("Field %u: Number of %ss: %" PRIu64, counter.fieldNumber + 1u, counter.name, count);
  ++field;
  offset += counter.byteLength;

  const auto sameName = [&](uint32_t i) {
    return i < fieldCount && std::strcmp(counter.name, definition.fields[i].name) == 0;
  };
  const char* label = sameName(field) || sameName(field + 1) ? "Item" : counter.name;

  const uint32_t firstItemField = field;
  std::vector<CTreeNode> items;
  for (uint64_t k = 0; k < count; ++k) {
    if (field >= fieldCount) {
      countLine.SetText("!!!! Field index is invalid !!!!");
      break;
    }
    // A count larger than the data can hold ends with the data.
    if (offset >= dataCount) {
      field = std::min(firstItemField + counter.itemFieldCount, fieldCount);
      break;
    }
    const uint32_t itemStart = offset;
    if (FieldSink* sink = ActiveFieldSink()) sink->SetSection(static_cast<uint32_t>(k + 1));
    CTreeNode& item = items.emplace_back();
    item.SetText("%s %" PRIu64 ":", label, k);
    item.SetExpand(true);
    for (uint32_t n = 0; n < counter.itemFieldCount && field < fieldCount; ++n, ++field) {
      DecodeHoxField(message, definition.fields[field], offset, item.AddNode());
      offset += definition.fields[field].byteLength;
    }
    if (k + 1 < count) {
      if (offset == itemStart) break;  // items of no size would never end
      field = firstItemField;
    }
  }
  // Fields after the group stand outside any repetition.
  if (FieldSink* sink = ActiveFieldSink()) sink->SetSection(0);
  node.AddChild(countLine);
  for (const CTreeNode& item : items) node.AddChild(item);
}

RepositoryValue DecodeHoxField(const HoxMessage& message, const HoxFieldDefinition& field,
                               uint32_t offset, CTreeNode& node) {
  std::string line = "Field ";
  AppendUnsigned(line, field.fieldNumber + 1u);
  line += ": ";
  line += field.name;
  line += " = ";
  const uint32_t count = std::min(message.dataCount, kHoxMaxData);
  const uint32_t remaining = offset < count ? count - offset : 0;
  const uint8_t* at = message.data + std::min(offset, count);
  const HoxDataType* type = GetHoxDataType(field.dataType);
  const uint32_t code = type != nullptr ? type->code : kHoxUndecodableCode;
  RepositoryValue value = NoNumber();
  FieldSink* sink = ActiveFieldSink();

  if (code == HT_TextFixed) {
    AppendQuoted(line, at, remaining);
    if (sink) ReportHoxText(*sink, field, QuotedChars(at, remaining));
  } else if (code == HT_TextVariable) {
    // The length byte counts the whole message; the text starts two bytes on.
    const bool present = remaining >= 2 && at[0] == count;
    if (present) AppendQuoted(line, at + 2, std::min(at[0] - 2u, remaining - 2));
    if (sink) {
      if (present)
        ReportHoxText(*sink, field, QuotedChars(at + 2, std::min(at[0] - 2u, remaining - 2)));
      else
        ReportHoxStatus(*sink, field, FieldStatus::NotAvailable);
    }
  } else if (code == HT_DataArray) {
    // The array size is the byte before the field.
    const bool present = offset >= 1 && offset <= count && message.data[offset - 1] == remaining;
    if (present) AddArrayLines(node, at, remaining);
    if (sink) {
      if (present) {
        std::string hex;
        AppendDottedHex(hex, at, remaining);
        ReportHoxText(*sink, field, hex);
      } else {
        ReportHoxStatus(*sink, field, FieldStatus::NotAvailable);
      }
    }
  } else if (code >= kHoxUndecodableCode || type->byteLength > 8 || type->byteLength > remaining) {
    line += "UNDECODABLE FIELD";
    if (sink) ReportHoxStatus(*sink, field, FieldStatus::Error);
  } else {
    value = Extract(at, type->byteLength, type->exponent);
    line += HoxValueText(value, code, message.modelId);
    if (sink) ReportHoxValue(*sink, field, code, value);
  }
  node.SetTextString(std::move(line));
  return value;
}

std::string HoxValueText(const RepositoryValue& value, uint32_t code, uint32_t modelId) {
  if (value.status != VS_Valid) return StatusName(value.status);
  const uint64_t u = static_cast<uint64_t>(value.value);
  std::string text;
  switch (code) {
    case HT_Boolean:
      if (u == 1) return "True";
      if (u == 0) return "False";
      AppendFormat(text, "(%" PRIu64 ")", u);
      return text;
    case HT_Bits:
      return BitsText(u);
    case HT_Hex32:
      AppendFormat(text, "0x%08" PRIX64, u);
      return text;
    case HT_Date:
      return DaySerialText(value.value);
    case HT_TimeOfDay:
      return TimeOfDayText(u);
    case HT_Duration:
      return DurationText(u);
    case HT_Milliseconds:
      AppendFormat(text, "%" PRIu64 " milliseconds", u);
      return text;
    case HT_Microseconds:
      AppendFormat(text, "%" PRIu64 " microseconds", u);
      return text;
    case HT_ModelId:
      AppendFormat(text, "%s (%" PRIu64 ")", HoxModelName(Clamp32(u)), u);
      return text;
    case HT_ModelSubId:
      AppendFormat(text, "%s (%" PRIu64 ")", HoxModelSubIdName(Clamp32(u)), u);
      return text;
    case HT_OperatingMode:
      AppendFormat(text, "%s (%" PRIu64 ")", HoxOperatingModeName(modelId, Clamp32(u)), u);
      return text;
    case HT_HardwareProtocol:
      AppendFormat(text, "%s (%" PRIu64 ")", HoxHardwareProtocolName(Clamp32(u)), u);
      return text;
    case HT_Pgn:
      AppendFormat(text, "%" PRIu64 " (0x%05" PRIX64 ")", u, u);
      return text;
    case HT_CanName:
      AppendFormat(text, "0x%" PRIX64 " ()", u);
      return text;
    default:
      return NumberText(value, kDecimalsAsStored);
  }
}
