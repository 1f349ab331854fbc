// Decoder of KVT-HOX device messages: the commands and responses that read
// or change a device's configuration. A message arrives as a KVT frame body,
// embedded in the maker's proprietary PGN 126720 or de-armoured from the
// "!PQTZB" sentence; it is decoded against the device-message library into
// an output tree. Bad input never throws: every problem becomes a tree line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "decode/DecodeMode.h"
#include "decode/HoxLibrary.h"
#include "base/OutputTree.h"
#include "base/RepositoryValue.h"
#include "log/Deserialise.h"

constexpr uint32_t kHoxMaxData = 222;

struct HoxMessage {
  uint32_t time = 0;          // millisecond tick at parsing
  bool longForm = false;
  uint16_t id = 0;            // command byte x 256 + HOX ID
  uint32_t sequenceId = 1;
  uint32_t modelId = 0;
  uint32_t serialId = 0;
  int32_t errorCode = 0;
  uint32_t dataCount = 0;
  uint8_t data[kHoxMaxData] = {};
};

// Parses a frame body (command byte, payload length, payload). Returns 0,
// kKvtCommandUnknown for a command byte that carries no device message, or
// kKvtWrongLength when the length byte gives more than 222 data bytes, too
// few for the header, or more bytes than were supplied.
int32_t ParseHox(std::span<const uint8_t> bytes, HoxMessage& message);

// Copies the frame body and decodes it.
int32_t DecodeKvtHox(std::span<const uint8_t> bytes, CTreeNode& node, int mode);
// Parses and decodes; on a parse failure the node names the failure and
// holds a dump of the bytes. Returns 0 or the parse result.
int32_t DecodeHoxBytes(CTreeNode& node, const uint8_t* bytes, size_t count, int mode);
// The one-line summary: "KVT-HOX: 0xA100, Len = 2, Data = 01 02 ", with the
// sequence, model, serial and error of the long form. The record list
// writes it straight into its reused text; the tree's root gets the same.
void AppendHoxSummary(std::string& text, const HoxMessage& message);
// The line that names a frame ParseHox refused (result is its result).
void AppendHoxFault(std::string& text, int32_t result, std::span<const uint8_t> frame);
// The summary of a frame body: the message's, or the refusal's.
void AppendHoxBytesSummary(std::string& text, std::span<const uint8_t> frame);
// Summary line, full decode or byte dump by mode.
void DecodeHoxMessage(const HoxMessage& message, CTreeNode& node, int mode);
void DecodeHoxFull(CTreeNode& node, const HoxMessage& message);
void AddHoxHeader(const HoxMessage& message, const HoxDefinition* definition, CTreeNode& node);
void DecodeHoxFields(CTreeNode& node, const HoxMessage& message, const HoxDefinition* definition);
// Decodes the counted group whose count field is definition field `field`,
// advancing the field index and the byte offset past it.
void DecodeHoxGroup(uint32_t& field, uint32_t& offset, CTreeNode& node, const HoxMessage& message,
                    const HoxDefinition& definition);
// Writes one field line into the node and gives back the extracted value
// (status Error when the field holds no number).
RepositoryValue DecodeHoxField(const HoxMessage& message, const HoxFieldDefinition& field,
                               uint32_t offset, CTreeNode& node);
// The typed rendering of an extracted value; modelId picks the operating
// mode names.
std::string HoxValueText(const RepositoryValue& value, uint32_t code, uint32_t modelId);
