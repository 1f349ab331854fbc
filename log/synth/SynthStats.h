// What a synthetic log holds: the records a parser must make of it, by
// message type, and the faults injected on purpose.
#pragma once

#include <array>
#include <cstdint>
#include <map>

enum class SynthFault {
  StrayBytes,           // unrecognised bytes between units
  BadSentenceChecksum,
  LowerCaseChecksum,    // the digits are right but written in lower case
  TruncatedFrame,       // start pair and part of a body, then the next frame
  MisEscapedFrame,      // a single 0x10 followed by a non-framing byte
  BadFrameChecksum,
  HoxErrorResponse,     // a HOX response with a non-zero error code
  Count,
};

struct SynthStats {
  uint64_t bytes = 0;
  uint64_t timeTags = 0;
  std::map<uint32_t, uint64_t> records;  // by message type
  uint64_t faultRecords = 0;             // records that stand for injected faults
  std::array<uint64_t, static_cast<size_t>(SynthFault::Count)> faults{};

  void CountRecord(uint32_t type) { ++records[type]; }
  void CountFault(SynthFault fault, uint32_t type) {
    ++faults[static_cast<size_t>(fault)];
    ++faultRecords;
    ++records[type];
  }
  uint64_t RecordCount() const {
    uint64_t n = 0;
    for (const auto& [type, count] : records) n += count;
    return n;
  }
};
