// Writes realistic QLX logs of a vessel underway, since no real log can be
// shipped: the bundled sample, the parser's tests and the benchmark are made
// with it. The same options give the same bytes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <span>

#include "log/Framing.h"
#include "log/LogTime.h"
#include "log/synth/SynthStats.h"

struct SynthOptions {
  uint32_t seed = 1;
  // Length of the log when targetBytes is 0.
  uint32_t minutes = 10;
  // When not 0: as many whole tenths of a second as fit in this many bytes.
  uint64_t targetBytes = 0;
  CivilTime start{2026, 6, 14, 9, 30, 0, 0};  // UTC
};

// Receives the log in chunks of about a megabyte, so that a log of any size
// is written in bounded memory.
using SynthSink = std::function<void(std::span<const uint8_t>)>;

SynthStats WriteSyntheticLog(const SynthOptions& options, const SynthSink& sink);
// False when the file reports a write error.
bool WriteSyntheticLog(const SynthOptions& options, std::FILE* file, SynthStats* stats = nullptr);
// The whole log in memory: for tests and small logs.
Bytes MakeSyntheticLog(const SynthOptions& options, SynthStats* stats = nullptr);
