#include "log/Framing.h"

namespace {

constexpr uint8_t kQlxEscape = 0x1B;
constexpr uint8_t kKvtEscape = 0x10;

void AppendStuffed(Bytes& out, std::span<const uint8_t> body, uint8_t escape) {
  for (uint8_t b : body) {
    out.push_back(b);
    if (b == escape) out.push_back(b);
  }
}

}  // namespace

void PutLittleEndian(Bytes& out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void AppendQlxEscaped(Bytes& out, std::span<const uint8_t> stream) { AppendStuffed(out, stream, kQlxEscape); }

void AppendQlxTag(Bytes& out, std::span<const uint8_t> body) {
  out.push_back(kQlxEscape);
  out.push_back(0x01);
  AppendStuffed(out, body, kQlxEscape);
  out.push_back(kQlxEscape);
  out.push_back(0x0A);
}

void AppendTimeTag(Bytes& out, uint64_t fileTime) {
  // Written for every tenth of a second of a log: no buffer of its own.
  uint8_t body[9] = {0x03};
  for (int i = 0; i < 8; ++i) body[1 + i] = static_cast<uint8_t>(fileTime >> (8 * i));
  AppendQlxTag(out, body);
}

void AppendVersionTag(Bytes& out, uint32_t thousandths) {
  Bytes body{0x01};
  PutLittleEndian(body, thousandths, 4);
  AppendQlxTag(out, body);
}

Bytes MakeKvtBody(uint8_t command, std::span<const uint8_t> payload) {
  Bytes body;
  AssignKvtBody(body, command, payload);
  return body;
}

void AssignKvtBody(Bytes& body, uint8_t command, std::span<const uint8_t> payload) {
  body.clear();
  body.push_back(command);
  body.push_back(static_cast<uint8_t>(payload.size()));
  body.insert(body.end(), payload.begin(), payload.end());
  uint8_t sum = 0;
  for (uint8_t b : body) sum = static_cast<uint8_t>(sum + b);
  body.push_back(static_cast<uint8_t>(-sum));
}

Bytes EncodeKvtFrame(std::span<const uint8_t> body) {
  Bytes frame{kKvtEscape, 0x02};
  AppendStuffed(frame, body, kKvtEscape);
  frame.push_back(kKvtEscape);
  frame.push_back(0x03);
  return frame;
}

void AppendKvtFrame(Bytes& out, std::span<const uint8_t> body) {
  // Both layers at once, as AppendQlxEscaped(EncodeKvtFrame(body)) would
  // give them, without the frame in between.
  const auto put = [&out](uint8_t b) {
    out.push_back(b);
    if (b == kQlxEscape) out.push_back(b);
  };
  put(kKvtEscape);
  put(0x02);
  for (uint8_t b : body) {
    put(b);
    if (b == kKvtEscape) put(b);
  }
  put(kKvtEscape);
  put(0x03);
}

uint8_t SentenceChecksum(std::string_view sentence) {
  uint8_t sum = 0;
  for (size_t i = 1; i < sentence.size() && sentence[i] != '*'; ++i) sum ^= static_cast<uint8_t>(sentence[i]);
  return sum;
}

std::string WithChecksum(std::string_view sentence) {
  std::string text(sentence);
  AppendChecksum(text);
  return text;
}

void AppendChecksum(std::string& sentence) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  const uint8_t sum = SentenceChecksum(sentence);
  const char tail[3] = {'*', kDigits[sum >> 4], kDigits[sum & 0x0F]};
  sentence.append(tail, sizeof tail);
}

void AppendSentence(Bytes& out, std::string_view sentence) {
  AppendQlxEscaped(out, std::span(reinterpret_cast<const uint8_t*>(sentence.data()), sentence.size()));
  out.push_back('\r');
  out.push_back('\n');
}
