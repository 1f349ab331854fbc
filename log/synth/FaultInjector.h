// The faults a real log carries now and then, injected into about half a
// percent of the units: every fault stands before or in place of the unit it
// spoils, so the records a parser makes of it are known in advance.
#pragma once

#include <string_view>

#include "log/Framing.h"
#include "log/synth/SynthRandom.h"
#include "log/synth/SynthStats.h"

class FaultInjector {
 public:
  // Share of the units that carry a fault.
  static constexpr double kShare = 0.005;

  FaultInjector(SynthRandom& random, SynthStats& stats) : random_(random), stats_(stats) {}

  // The sentence (without checksum) with its checksum and CR LF, or a
  // spoilt form of it.
  void AppendSentence(Bytes& out, std::string_view sentence);
  // A KVT frame carrying an NMEA 2000 message, or a spoilt form of it.
  void AppendN2kFrame(Bytes& out, const Bytes& body);
  // Whether the gateway's next HOX response reports an error (counted here).
  bool HoxResponseFails();

 private:
  void AppendStrayBytes(Bytes& out);
  void AppendTruncatedFrame(Bytes& out, const Bytes& body);
  void AppendMisEscapedFrame(Bytes& out, const Bytes& body);

  SynthRandom& random_;
  SynthStats& stats_;
};
