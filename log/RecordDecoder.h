// Turns a record into text at one of three levels: the summary line of the
// record list, the full decode tree of the info view, or the gateway decode.
// The record's group and type choose the decoder.
#pragma once

#include <cstdint>
#include <string>

#include "decode/DecodeMode.h"
#include "decode/OutputTree.h"
#include "log/Record.h"

class CWXN;

// One per view, reused for every call: nothing is cached between calls.
struct DecodeContext {
  CTreeNodeMFC tree;
  std::string text;
  uint32_t previousTime = 0;  // gateway-level milliseconds of the last record handed on
};

// The level is the decoders' mode (DecodeMode).
void DecodeRecord(int level, DecodeContext& context, const Record& record, CWXN* gateway);

// The text a selected record puts on the clipboard: the raw bytes, the
// summary and the full decode.
std::string SelectionText(const Record& record);
