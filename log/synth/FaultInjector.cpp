#include "log/synth/FaultInjector.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

#include "log/MessageType.h"

namespace {

constexpr uint8_t kDle = 0x10;

// Bytes that start no unit and cannot end up in one.
bool IsInertByte(uint8_t b) { return b != kDle && b != 0x1B && b != '$' && b != '!'; }

void AppendStuffedBody(Bytes& raw, const Bytes& body, size_t from, size_t to) {
  for (size_t i = from; i < to; ++i) {
    raw.push_back(body[i]);
    if (body[i] == kDle) raw.push_back(kDle);
  }
}

}  // namespace

void FaultInjector::AppendSentence(Bytes& out, std::string_view sentence) {
  std::string text = WithChecksum(sentence);
  if (random_.Chance(kShare)) {
    const uint32_t pick = random_.Below(10);
    const bool hasHexLetter = std::any_of(text.end() - 2, text.end(), [](char c) { return c >= 'A' && c <= 'F'; });
    if (pick < 4) {
      AppendStrayBytes(out);
      stats_.CountRecord(MT_N183);
    } else if (pick < 7 && hasHexLetter) {
      // Lower-case digits read as 0: with a letter among them the
      // checksum can no longer match.
      for (auto it = text.end() - 2; it != text.end(); ++it) *it = static_cast<char>(std::tolower(*it));
      stats_.CountFault(SynthFault::LowerCaseChecksum, MT_N183XC);
    } else {
      const uint8_t wrong = static_cast<uint8_t>(SentenceChecksum(text) ^ (1 + random_.Below(255)));
      char digits[3];
      std::snprintf(digits, sizeof digits, "%02X", wrong);
      text.replace(text.size() - 2, 2, digits);
      stats_.CountFault(SynthFault::BadSentenceChecksum, MT_N183XC);
    }
  } else {
    stats_.CountRecord(MT_N183);
  }
  ::AppendSentence(out, text);
}

void FaultInjector::AppendN2kFrame(Bytes& out, const Bytes& body) {
  if (!random_.Chance(kShare)) {
    stats_.CountRecord(MT_N2K);
    AppendKvtFrame(out, body);
    return;
  }
  switch (random_.Below(4)) {
    case 0:
      AppendStrayBytes(out);
      stats_.CountRecord(MT_N2K);
      AppendKvtFrame(out, body);
      break;
    case 1:
      AppendTruncatedFrame(out, body);
      stats_.CountRecord(MT_N2K);
      AppendKvtFrame(out, body);
      break;
    case 2:
      AppendMisEscapedFrame(out, body);
      break;
    default: {
      Bytes spoilt = body;
      spoilt.back() = static_cast<uint8_t>(spoilt.back() + 1 + random_.Below(255));
      stats_.CountFault(SynthFault::BadFrameChecksum, MT_KVTXC);
      AppendKvtFrame(out, spoilt);
    }
  }
}

bool FaultInjector::HoxResponseFails() {
  // Responses are few; a higher share keeps their errors visible.
  if (!random_.Chance(kShare * 10)) return false;
  stats_.CountFault(SynthFault::HoxErrorResponse, MT_KVTBad);
  return true;
}

void FaultInjector::AppendStrayBytes(Bytes& out) {
  const uint32_t count = 1 + random_.Below(6);
  for (uint32_t i = 0; i < count; ++i) {
    uint8_t b;
    do b = static_cast<uint8_t>(random_.Below(256));
    while (!IsInertByte(b));
    out.push_back(b);
  }
  stats_.CountFault(SynthFault::StrayBytes, MT_Unknown);
}

// The start pair and part of the body; the start pair of the frame after it
// abandons it, so its bytes become unrecognised data. The cut falls between
// body bytes, never inside a doubled 0x10, which would swallow that start pair.
void FaultInjector::AppendTruncatedFrame(Bytes& out, const Bytes& body) {
  const size_t kept = 1 + random_.Below(static_cast<uint32_t>(body.size() - 1));
  Bytes raw{kDle, 0x02};
  AppendStuffedBody(raw, body, 0, kept);
  AppendQlxEscaped(out, raw);
  stats_.CountFault(SynthFault::TruncatedFrame, MT_Unknown);
}

// A single 0x10 and a byte that is neither start, end nor escape abandons
// the frame; what follows is read outside any frame and must not look like
// the start of a sentence, so the bad escape moves on past any '$' or '!'.
void FaultInjector::AppendMisEscapedFrame(Bytes& out, const Bytes& body) {
  size_t at = 1 + random_.Below(static_cast<uint32_t>(body.size()));
  while (at < body.size() && std::any_of(body.begin() + static_cast<long>(at), body.end(),
                                         [](uint8_t b) { return b == '$' || b == '!'; }))
    ++at;
  Bytes raw{kDle, 0x02};
  AppendStuffedBody(raw, body, 0, at);
  raw.push_back(kDle);
  raw.push_back(static_cast<uint8_t>('A' + random_.Below(26)));
  AppendStuffedBody(raw, body, at, body.size());
  raw.push_back(kDle);
  raw.push_back(0x03);
  AppendQlxEscaped(out, raw);
  stats_.CountFault(SynthFault::MisEscapedFrame, MT_Unknown);
}
