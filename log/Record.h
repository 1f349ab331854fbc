// One parsed log entry as callers see it. The bytes live in the record
// list's contiguous store; a Record is a view that stays valid as long as the
// list is not reset.
#pragma once

#include <cstdint>
#include <span>

#include "log/MessageType.h"

struct Record {
  uint64_t time = 0;   // log time when the record was made (FILETIME scale)
  uint32_t type = MT_Unknown;
  uint32_t group = MG_None;
  uint32_t colour = 0;
  // The unit: QLX tag body (tag type first), KVT frame body (command,
  // length, payload, checksum), the sentence (start character first, no CR
  // LF), or unrecognised bytes as they stand in the file.
  std::span<const uint8_t> data;
};
