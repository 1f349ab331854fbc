#include "log/Framing.h"

#include <cstdio>

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
  Bytes body{0x03};
  PutLittleEndian(body, fileTime, 8);
  AppendQlxTag(out, body);
}

void AppendVersionTag(Bytes& out, uint32_t thousandths) {
  Bytes body{0x01};
  PutLittleEndian(body, thousandths, 4);
  AppendQlxTag(out, body);
}

Bytes MakeKvtBody(uint8_t command, std::span<const uint8_t> payload) {
  Bytes body;
  body.reserve(payload.size() + 3);
  body.push_back(command);
  body.push_back(static_cast<uint8_t>(payload.size()));
  body.insert(body.end(), payload.begin(), payload.end());
  uint8_t sum = 0;
  for (uint8_t b : body) sum = static_cast<uint8_t>(sum + b);
  body.push_back(static_cast<uint8_t>(-sum));
  return body;
}

Bytes EncodeKvtFrame(std::span<const uint8_t> body) {
  Bytes frame{kKvtEscape, 0x02};
  AppendStuffed(frame, body, kKvtEscape);
  frame.push_back(kKvtEscape);
  frame.push_back(0x03);
  return frame;
}

void AppendKvtFrame(Bytes& out, std::span<const uint8_t> body) { AppendQlxEscaped(out, EncodeKvtFrame(body)); }

uint8_t SentenceChecksum(std::string_view sentence) {
  uint8_t sum = 0;
  for (size_t i = 1; i < sentence.size() && sentence[i] != '*'; ++i) sum ^= static_cast<uint8_t>(sentence[i]);
  return sum;
}

std::string WithChecksum(std::string_view sentence) {
  char tail[4];
  std::snprintf(tail, sizeof tail, "*%02X", SentenceChecksum(sentence));
  return std::string(sentence) + tail;
}

void AppendSentence(Bytes& out, std::string_view sentence) {
  std::string line(sentence);
  line += "\r\n";
  AppendQlxEscaped(out, std::span(reinterpret_cast<const uint8_t*>(line.data()), line.size()));
}
