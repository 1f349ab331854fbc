// Decodes one logged NMEA 2000 message: the KVT frame that carries it is
// unpacked into an N2kMessage, which is summarised in one line or decoded
// field by field against the library, repeating groups section by section.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "decode/DecodeMode.h"

class CTreeNode;
class CWXN;
struct PgnDefinition;
struct FieldDefinition;

struct N2kMessage {
  static constexpr uint32_t kCapacity = 224;
  uint32_t time = 0;  // milliseconds
  uint32_t pgn = 0;
  uint8_t priority = 0;
  uint8_t source = 0;
  uint8_t destination = 0;
  int32_t length = 0;
  uint32_t capacity = kCapacity;
  const uint8_t* data = nullptr;
};


// 0, -1097 (wrong length) or -1099 (not an NMEA 2000 layout). The message's
// data points into the body. Only the 0x93 frame carries the logger's time
// stamp; the others take receivedTime (milliseconds), which the caller
// takes from the record, so that a message never depends on when it is read.
int32_t ParseKvtN2k(const uint8_t* body, uint32_t count, N2kMessage& message, uint32_t receivedTime);
// In gateway mode the caller has set the gateway clock already.
int32_t DecodeKvtN2k(const uint8_t* body, uint32_t count, CTreeNode& root, int mode, CWXN* gateway,
                     uint32_t receivedTime);
// The one-line summary of a message: "PGN: 127250 (0x1F112), SRC = 20, DST =
// 255, Priority = 2, Len = 8, Data = 30 51 ...". The record list writes it
// straight into its reused text; the output tree's root gets the same line.
void AppendN2kSummary(std::string& text, const N2kMessage& message);
// The summary of a frame body ParseKvtN2k takes, written at p, which has
// room for kKvtN2kSummaryRoom; returns its end. Returns nullptr, having
// written nothing, for a frame it refuses.
inline constexpr size_t kKvtN2kSummaryRoom = 86 + 3 * N2kMessage::kCapacity;
char* PutKvtN2kSummary(char* p, const uint8_t* body, uint32_t count);
// The line that names a frame ParseKvtN2k refused (code is its result).
void AppendKvtN2kFault(std::string& text, int32_t code, const uint8_t* body, uint32_t count);
// The summary of a KVT frame body: the message's, or the refusal's.
void AppendKvtN2kSummary(std::string& text, const uint8_t* body, uint32_t count);
void DecodeN2kMessage(const N2kMessage& message, int mode, CTreeNode& root, CWXN* gateway);
void DecodePgn(const N2kMessage& message, CTreeNode& node, int mode);
void AddPgnHeader(const PgnDefinition* definition, const N2kMessage& message, CTreeNode& node);
void DecodeFields(CTreeNode& node, const N2kMessage& message, const PgnDefinition* definition);
void DecodeField(const N2kMessage& message, CTreeNode& node, const FieldDefinition& field, uint32_t& bitPosition);
