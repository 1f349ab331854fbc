#include "query/RecordFacts.h"

#include <algorithm>
#include <cstring>

#include "decode/N2kDecoder.h"
#include "library/N2kLookup.h"
#include "log/LogTime.h"

namespace {

constexpr std::string_view kDeviceMessageSentence = "!PQTZB";

std::string_view SentenceText(const Record& record) {
  return {reinterpret_cast<const char*>(record.data.data()), record.data.size()};
}

bool IsDeviceMessageSentence(const Record& record) {
  return record.group == MG_N183 && SentenceText(record).starts_with(kDeviceMessageSentence);
}

// AIS travels as encapsulated VDM/VDO sentences, or as the NMEA 2000 groups
// the library names after it.
bool IsAis(const Record& record) {
  SentenceAddress address;
  if (ReadSentenceAddress(record, address))
    return SentenceText(record).starts_with('!') && (address.formatter == "VDM" || address.formatter == "VDO");
  N2kHeader header;
  if (!ReadN2kHeader(record, header)) return false;
  const char* name = GetPGNName(header.pgn);
  return name != nullptr && std::strncmp(name, "AIS ", 4) == 0;
}

bool ParseDigits(std::string_view text, size_t count, uint64_t& value) {
  if (text.size() != count || count == 0) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  return true;
}

}  // namespace

bool IsOfKind(const Record& record, RecordKind kind) {
  switch (kind) {
    case RecordKind::N2k:
      return record.type == MT_N2K;
    case RecordKind::N183:
      return record.group == MG_N183;
    case RecordKind::Ais:
      return IsAis(record);
    case RecordKind::Hox:
      return (record.type >= MT_HoxCmd && record.type <= MT_HoxBoot) || IsDeviceMessageSentence(record);
    case RecordKind::Qlx:
      return record.group == MG_QLX;
    case RecordKind::Bad:
      return record.type == MT_N183XC || record.type == MT_N183Err || record.type == MT_KVTBad ||
             record.type == MT_KVTXC;
    case RecordKind::Unknown:
      return record.group == MG_None;
  }
  return false;
}

bool ReadN2kHeader(const Record& record, N2kHeader& header) {
  if (record.type != MT_N2K) return false;
  N2kMessage message;
  // Only the header is read: the message time does not matter.
  if (ParseKvtN2k(record.data.data(), static_cast<uint32_t>(record.data.size()), message, 0) != 0) return false;
  header.pgn = message.pgn;
  header.priority = message.priority;
  header.source = message.source;
  header.destination = message.destination;
  return true;
}

bool ReadSentenceAddress(const Record& record, SentenceAddress& address) {
  if (record.group != MG_N183) return false;
  const std::string_view text = SentenceText(record);
  // The sentence decoder's own rule: a 'P' after the start character marks a
  // proprietary sentence, whose address has no two-letter talker.
  const size_t addressLength = text.size() > 1 && text[1] == 'P' ? 2 : 3;
  const size_t formatterAt = addressLength < text.size() ? addressLength : text.size();
  address.talker = text.substr(text.empty() ? 0 : 1, formatterAt > 0 ? formatterAt - 1 : 0);
  const size_t end = text.find_first_of(",*", formatterAt);
  address.formatter = text.substr(formatterAt, end == std::string_view::npos ? text.size() - formatterAt : end - formatterAt);
  return true;
}

bool TimeOfDay(const Record& record, uint32_t& milliseconds) {
  // The record list shows no time for counts the calendar conversion
  // refuses; the scale starts at a midnight, so the rest is a remainder.
  if (record.time >= (uint64_t{1} << 63)) return false;
  milliseconds = static_cast<uint32_t>(record.time / kFileTimeTicksPerMillisecond % kMillisecondsPerDay);
  return true;
}

bool ParseTimeOfDay(std::string_view text, uint64_t& milliseconds, uint64_t& span) {
  uint64_t hour = 0, minute = 0, second = 0, fraction = 0;
  std::string_view rest = text;
  const size_t colon = rest.find(':');
  if (colon == std::string_view::npos || !ParseDigits(rest.substr(0, colon), colon == 1 ? 1 : 2, hour)) return false;
  rest.remove_prefix(colon + 1);
  const size_t colon2 = rest.find(':');
  if (!ParseDigits(rest.substr(0, std::min(colon2, rest.size())), 2, minute)) return false;
  span = 60000;
  if (colon2 != std::string_view::npos) {
    rest.remove_prefix(colon2 + 1);
    const size_t dot = rest.find('.');
    if (!ParseDigits(rest.substr(0, std::min(dot, rest.size())), 2, second)) return false;
    span = 1000;
    if (dot != std::string_view::npos) {
      const std::string_view digits = rest.substr(dot + 1);
      if (digits.empty() || digits.size() > 3 || !ParseDigits(digits, digits.size(), fraction)) return false;
      for (size_t i = digits.size(); i < 3; ++i) fraction *= 10;
      span = digits.size() == 1 ? 100 : digits.size() == 2 ? 10 : 1;
    }
  }
  if (hour > 23 || minute > 59 || second > 59) return false;
  milliseconds = ((hour * 60 + minute) * 60 + second) * 1000 + fraction;
  return true;
}
