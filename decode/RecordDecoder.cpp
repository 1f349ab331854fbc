#include "decode/RecordDecoder.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "decode/HoxDecoder.h"
#include "decode/N183Decoder.h"
#include "decode/N2kDecoder.h"
#include "decode/GatewayHooks.h"
#include "log/ByteOrder.h"
#include "log/Deserialise.h"
#include "log/LogTime.h"

namespace {

constexpr uint8_t kVersionTag = 0x01;

std::string VersionText(std::span<const uint8_t> data) {
  const uint32_t version = static_cast<uint32_t>(LoadLEPadded(data, 1, 4));
  char text[48];
  std::snprintf(text, sizeof text, "QLX File Version %u.%03u", version / 1000, version % 1000);
  return text;
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

// The sentence decoder reads only the first bytes of text-only data: the
// summary counts the rest, and the decode keeps all of them reachable.
void AddBytesPastSentence(const Record& record, CTreeNode& tree, int level) {
  constexpr size_t kSentenceBytes = SentenceRecord::kCapacity - 1;
  if (record.data.size() <= kSentenceBytes) return;
  if (level == DM_Summary)
    tree.SetTextString(tree.Text() + " " + MoreBytesText(record.data.size() - kSentenceBytes));
  else
    tree.AddNode().SetByteVector("Raw Unrecognised Data ", record.data);
}

}  // namespace

void DecodeRecord(int level, DecodeContext& context, const Record& record, CWXN* gateway) {
  context.text.clear();
  context.tree.Clear();
  context.tree.SetExpand(false);
  const int depth = level == DM_Summary ? -2 : 9;
  if (record.data.empty()) return;

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
      // Only the file version has a rendering; other tags summarise as nothing.
      if (record.data[0] == kVersionTag) context.text = VersionText(record.data);
      return;
    case MG_N183:
      DecodeSentence(record, context.tree, level, gateway, context.earlier);
      break;
    case MG_KVT:
      if (record.type == MT_Reboot) {
        context.tree.SetByteVector("KVT Re-Boot command ", record.data);
      } else if (record.type >= MT_HoxCmd && record.type <= MT_HoxBoot) {
        const std::vector<uint8_t> copy(record.data.begin(), record.data.end());
        DecodeHoxBytes(context.tree, copy.data(), count, level);
      } else if (record.type == MT_N2K) {
        DecodeKvtN2k(record.data.data(), count, context.tree, level, gateway,
                     level == DM_Gateway ? context.previousTime : recordMs);
      } else {
        context.tree.SetByteVector("Raw Unrecognised KVT Data ", record.data);
      }
      break;
    default:
      if (IsTextOnly(record.data)) {
        DecodeSentence(record, context.tree, level, gateway, context.earlier);
        AddBytesPastSentence(record, context.tree, level);
        break;
      }
      context.tree.SetByteVector("Raw Unrecognised Data ", record.data);
      AppendHexSummary(context.text, record.data.data(), record.data.size());
      return;
  }
  RenderText(context.tree, context.text, depth, 2, 0);
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
