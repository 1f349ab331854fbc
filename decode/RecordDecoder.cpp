#include "decode/RecordDecoder.h"

#include <algorithm>

#include "decode/HoxDecoder.h"
#include "decode/N183Decoder.h"
#include "decode/N2kDecoder.h"
#include "decode/GatewayHooks.h"
#include "log/ByteOrder.h"
#include "log/Deserialise.h"
#include "log/LogTime.h"

namespace {

constexpr uint8_t kVersionTag = 0x01;

constexpr const char kRebootLabel[] = "KVT Re-Boot command ";
constexpr const char kUnknownKvtLabel[] = "Raw Unrecognised KVT Data ";
constexpr const char kUnknownDataLabel[] = "Raw Unrecognised Data ";
// The sentence decoder reads only the first bytes of text-only data.
constexpr size_t kSentenceBytes = SentenceRecord::kCapacity - 1;

void AppendVersionText(std::string& text, std::span<const uint8_t> data) {
  const uint32_t version = static_cast<uint32_t>(LoadLEPadded(data, 1, 4));
  AppendFormat(text, "QLX File Version %u.%03u", version / 1000, version % 1000);
}

bool IsTextOnly(std::span<const uint8_t> data) {
  return std::all_of(data.begin(), data.end(), [](uint8_t b) { return IsSentenceChar(b, false); });
}

void DecodeSentence(const Record& record, CTreeNode& tree, int level, CWXN* gateway,
                    const EarlierRecordData& earlierRecord) {
  EarlierSentence earlier;
  if (earlierRecord)
    earlier = [&earlierRecord](uint32_t back) {
      const std::span<const uint8_t> data = earlierRecord(back);
      return std::string_view(reinterpret_cast<const char*>(data.data()), data.size());
    };
  DecodeN183Record(record.data.data(), static_cast<uint32_t>(record.data.size()), tree, level, GatewayClock(),
                   gateway, earlier);
}

// The summary of text-only data counts the bytes past what the sentence
// decoder reads; the decode keeps all of them reachable.
void AddBytesPastSentence(const Record& record, CTreeNode& tree) {
  if (record.data.size() > kSentenceBytes) tree.AddNode().SetByteVector(kUnknownDataLabel, record.data);
}

// The summaries of unbounded length: those PutBoundedSummary leaves.
void AppendUnboundedSummary(std::string& text, const Record& record) {
  const uint8_t* bytes = record.data.data();
  const uint32_t count = static_cast<uint32_t>(record.data.size());
  switch (record.group) {
    case MG_QLX:
      AppendVersionText(text, record.data);
      return;
    case MG_KVT:
      if (record.type == MT_Reboot)
        AppendByteCountTitle(text, kRebootLabel, count);
      else if (record.type >= MT_HoxCmd && record.type <= MT_HoxBoot)
        AppendHoxBytesSummary(text, record.data);
      else if (record.type == MT_N2K)
        AppendKvtN2kSummary(text, bytes, count);
      else
        AppendByteCountTitle(text, kUnknownKvtLabel, count);
      return;
    default:
      if (IsTextOnly(record.data)) {
        AppendSentenceSummary(text, bytes, count);
        if (count > kSentenceBytes) {
          text += ' ';
          AppendMoreBytes(text, count - kSentenceBytes);
        }
        return;
      }
      AppendHexSummary(text, bytes, count);
      return;
  }
}

// The record list's line, written straight into the text: what the root of
// the record's tree would hold, made by the same functions the decoders use
// for that root, without building the tree.
void AppendSummary(std::string& text, const Record& record) {
  char line[kBoundedSummaryRoom];
  if (char* end = PutBoundedSummary(line, record))
    text.append(line, static_cast<size_t>(end - line));
  else
    AppendUnboundedSummary(text, record);
}

}  // namespace

void AppendRecordSummary(std::string& text, const Record& record) {
  if (!record.data.empty()) AppendSummary(text, record);
}

char* PutBoundedSummary(char* p, const Record& record) {
  static_assert(kBoundedSummaryRoom >= kKvtN2kSummaryRoom && kBoundedSummaryRoom >= kSentenceSummaryRoom &&
                kBoundedSummaryRoom >= 3 * kSummaryBytes);
  const uint8_t* bytes = record.data.data();
  const uint32_t count = static_cast<uint32_t>(record.data.size());
  if (count == 0) return p;
  switch (record.group) {
    case MG_QLX:
      // Only the file version has a rendering; other tags summarise as nothing.
      return bytes[0] == kVersionTag ? nullptr : p;
    case MG_N183:
      return PutSentenceSummary(p, bytes, count);
    case MG_KVT:
      return record.type == MT_N2K ? PutKvtN2kSummary(p, bytes, count) : nullptr;
    default:
      if (IsTextOnly(record.data)) return count <= kSentenceBytes ? PutSentenceSummary(p, bytes, count) : nullptr;
      return count <= kSummaryBytes ? PutHexBytes(p, bytes, count) : nullptr;
  }
}

void DecodeRecord(int level, DecodeContext& context, const Record& record, CWXN* gateway) {
  context.text.clear();
  context.tree.Clear();
  context.tree.SetExpand(false);
  if (record.data.empty()) return;
  if (level == DM_Summary) {
    AppendSummary(context.text, record);
    return;
  }

  // The gateway lives on the log's clock: a record's age of values is the
  // same whenever, and in whatever order, records are looked at.
  const uint32_t recordMs = static_cast<uint32_t>(record.time / kFileTimeTicksPerMillisecond);
  if (level == DM_Gateway) {
    context.previousTime = record.time != 0 ? recordMs : context.previousTime + 1000;
    SetGatewayClock(context.previousTime);
  }

  const uint32_t count = static_cast<uint32_t>(record.data.size());
  switch (record.group) {
    case MG_QLX:
      // A tag's decode is its summary.
      AppendSummary(context.text, record);
      return;
    case MG_N183:
      DecodeSentence(record, context.tree, level, gateway, context.earlier);
      break;
    case MG_KVT:
      if (record.type == MT_Reboot)
        context.tree.SetByteVector(kRebootLabel, record.data);
      else if (record.type >= MT_HoxCmd && record.type <= MT_HoxBoot)
        DecodeHoxBytes(context.tree, record.data.data(), count, level);
      else if (record.type == MT_N2K)
        DecodeKvtN2k(record.data.data(), count, context.tree, level, gateway,
                     level == DM_Gateway ? context.previousTime : recordMs);
      else
        context.tree.SetByteVector(kUnknownKvtLabel, record.data);
      break;
    default:
      if (IsTextOnly(record.data)) {
        DecodeSentence(record, context.tree, level, gateway, context.earlier);
        AddBytesPastSentence(record, context.tree);
        break;
      }
      // The tree holds every byte for the info view; the text stays the
      // summary's bounded run.
      context.tree.SetByteVector(kUnknownDataLabel, record.data);
      AppendSummary(context.text, record);
      return;
  }
  RenderText(context.tree, context.text, 9, 2, 0);
}

std::string SelectionText(const Record& record, const EarlierRecordData& earlier, CWXN* gateway) {
  DecodeContext context;
  context.earlier = earlier;
  if (gateway != nullptr)
    DecodeRecord(DM_Gateway, context, record, gateway);
  else
    DecodeRecord(DM_Full, context, record, nullptr);
  return SelectionText(record, earlier, context.text);
}

std::string SelectionText(const Record& record, const EarlierRecordData& earlier, const std::string& decoded) {
  DecodeContext context;
  context.earlier = earlier;
  std::string text = "Raw KVT Data:\r\n";
  const size_t copied = std::min(record.data.size(), ByteRows::kShownBytes);
  text += FormatByteList(record.data.data(), copied, "0x", ",");
  if (copied < record.data.size()) text += "\r\n" + MoreBytesText(record.data.size() - copied) + " not copied";
  text += "\r\nBasic Message\r\n";
  DecodeRecord(DM_Summary, context, record, nullptr);
  text += context.text;
  text += "\r\n\r\nFull decoded Message\r\n";
  text += decoded;
  text += "\r\n";
  return text;
}
