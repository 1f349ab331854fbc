// Writers of the three log units: the exact inverse of the deserialisers.
// Tests round-trip through them and the synthetic-log writer builds its files
// with them, so there is one definition of the byte format.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Outside tags every 0x1B of the logged stream is written doubled.
void AppendQlxEscaped(Bytes& out, std::span<const uint8_t> stream);
// A QLX tag: 0x1B 0x01, the body with 0x1B doubled, 0x1B 0x0A.
void AppendQlxTag(Bytes& out, std::span<const uint8_t> body);
void AppendTimeTag(Bytes& out, uint64_t fileTime);
void AppendVersionTag(Bytes& out, uint32_t thousandths);

// command, payload length, payload, and the checksum that makes the body sum
// to 0 modulo 256.
Bytes MakeKvtBody(uint8_t command, std::span<const uint8_t> payload);
// The same into `body`, which keeps its capacity from frame to frame.
void AssignKvtBody(Bytes& body, uint8_t command, std::span<const uint8_t> payload);
// The frame as the logged stream carries it (0x10 0x02, body with 0x10
// doubled, 0x10 0x03), not yet escaped for the QLX layer.
Bytes EncodeKvtFrame(std::span<const uint8_t> body);
// Frame and QLX layer both applied: the bytes as they stand in the file.
void AppendKvtFrame(Bytes& out, std::span<const uint8_t> body);

// XOR of the characters after the start character, up to the "*" or the end.
uint8_t SentenceChecksum(std::string_view sentence);
// "$...*HH" with upper-case hex digits.
std::string WithChecksum(std::string_view sentence);
// The same "*HH" appended to the sentence in place.
void AppendChecksum(std::string& sentence);
// The sentence followed by CR LF, escaped for the QLX layer.
void AppendSentence(Bytes& out, std::string_view sentence);

void PutLittleEndian(Bytes& out, uint64_t value, int bytes);
