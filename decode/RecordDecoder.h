// Turns a record into text at one of three levels: the summary line of the
// record list, the full decode tree of the info view, or the gateway decode.
// The record's group and type choose the decoder.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "decode/DecodeMode.h"
#include "decode/N183Decoder.h"
#include "decode/N2kDecoder.h"
#include "base/OutputTree.h"
#include "log/Record.h"

class CWXN;

// The bytes of the record `back` places before the one decoded (1 = the one
// just before it), empty when there is none: a message spread over several
// records is decoded on its last one.
using EarlierRecordData = std::function<std::span<const uint8_t>(uint32_t back)>;

// One per view, reused for every call: nothing is cached between calls.
struct DecodeContext {
  CTreeNodeMFC tree;
  std::string text;
  uint32_t previousTime = 0;  // gateway-level milliseconds of the last record handed on
  EarlierRecordData earlier;  // set by the caller for the record decoded; may be empty
};

// The level is the decoders' mode (DecodeMode). A summary is written into
// context.text alone and leaves the tree empty: the record list asks for
// millions of them, and the text's buffer is reused from call to call.
void DecodeRecord(int level, DecodeContext& context, const Record& record, CWXN* gateway);

// The summary appended to a text of the caller's: a listing writes it
// straight into its output.
void AppendRecordSummary(std::string& text, const Record& record);
// The summary of a record for which it has a bound, written at p, which
// has room for kBoundedSummaryRoom: an NMEA 2000 line, a sentence, short
// unrecognised data, nothing for a record without bytes. Returns its end,
// or nullptr, having written nothing, for any other record (a long one, a
// device message, a frame the decoder refuses, the file version).
inline constexpr size_t kBoundedSummaryRoom = 3 * kSummaryBytes;
char* PutBoundedSummary(char* p, const Record& record);
// True when the record's summary is printable ASCII other than the
// backslash whatever the record's bytes, so that a writer that escapes
// control characters need not look at it: an NMEA 2000 line is numbers and
// hex.
inline bool SummaryIsPrintable(const Record& record) { return record.group == MG_KVT && record.type == MT_N2K; }

// The text a selected record puts on the clipboard: the raw bytes, the
// summary and the full decode; with a gateway, the decode is at the gateway
// level, which converts the record into the gateway's repositories.
std::string SelectionText(const Record& record, const EarlierRecordData& earlier = {}, CWXN* gateway = nullptr);
// The same around a decode the caller has already made and rendered: the
// full decode, or the gateway decode in gateway mode.
std::string SelectionText(const Record& record, const EarlierRecordData& earlier, const std::string& decoded);
