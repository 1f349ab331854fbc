// Every byte the decoders write for a few synthetic logs, folded into one
// digest per record kind: a faster formatter or lookup that changes a single
// character anywhere fails here, and the kind whose digest moved says where
// to look.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "log/LogTime.h"
#include "decode/RecordDecoder.h"
#include "log/RecordParser.h"
#include "log/synth/SyntheticLog.h"

namespace {

enum Kind { kN2k, kN183, kHox, kOther, kKinds };

Kind KindOf(const Record& r) {
  if (r.type == MT_N2K) return kN2k;
  if (r.group == MG_N183) return kN183;
  if (r.type >= MT_HoxCmd && r.type <= MT_HoxBoot) return kHox;
  return kOther;
}

// FNV-1a, 64 bits: enough to tell outputs apart, and stable across hosts.
void Fold(uint64_t& digest, const std::string& text) {
  for (unsigned char c : text) digest = (digest ^ c) * 0x100000001B3ULL;
  // A separator keeps "ab"+"c" apart from "a"+"bc".
  digest = (digest ^ 0xFF) * 0x100000001B3ULL;
}

std::string Hex(uint64_t v) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(v));
  return text;
}

struct Digests {
  uint64_t kind[kKinds];
  size_t records[kKinds];
};

// Time, summary and full decode of every record of the seed's log.
Digests DigestOfSeed(uint32_t seed) {
  SynthOptions options;
  options.seed = seed;
  options.minutes = 4;
  const Bytes log = MakeSyntheticLog(options);
  RecordParser parser;
  parser.Reset();
  parser.Parse(log.data(), log.size());
  Digests d{};
  for (uint64_t& v : d.kind) v = 0xCBF29CE484222325ULL;
  DecodeContext context;
  for (size_t i = 0; i < parser.Count(); ++i) {
    const Record r = parser.At(i);
    const Kind k = KindOf(r);
    ++d.records[k];
    Fold(d.kind[k], FormatLogTime(r.time));
    DecodeRecord(DM_Summary, context, r, nullptr);
    Fold(d.kind[k], context.text);
    DecodeRecord(DM_Full, context, r, nullptr);
    Fold(d.kind[k], context.text);
  }
  return d;
}

// Generated once from the decoders as they stood before their formatting was
// rewritten for speed (the expected values were printed by this test with
// the digests left empty); they must never be regenerated to make a change
// pass, only for a deliberate change of the decoded text. The N183 column
// was made again when VDM/VDO decodes gained their AIS section, and the same
// values came out of the decoders before and after the speed rewrite.
struct Expected {
  uint32_t seed;
  const char* kind[kKinds];  // N2K, N183, HOX, other
};
constexpr Expected kExpected[] = {
    {1, {"6b0d64e126097bfb", "96e445f9ec13e67d", "a04f8ccd0cf670fb", "9106c94725adc049"}},
    {2, {"ef149a1656e1346d", "14cde2672ecb4ac1", "109077ccfbd214bc", "baaa9c8c55d18ce8"}},
    {3, {"8939769a9924c6d0", "bb7633ba22ae3da0", "5170930620771d17", "2516f141d0884f54"}},
};

TEST(DecodeDigest, EveryRecordDecodesToTheSameBytesAsBefore) {
  for (const Expected& e : kExpected) {
    const Digests d = DigestOfSeed(e.seed);
    for (int k = 0; k < kKinds; ++k) {
      EXPECT_GT(d.records[k], 0u) << "seed " << e.seed << " kind " << k << " has no records to guard";
      EXPECT_EQ(Hex(d.kind[k]), e.kind[k]) << "seed " << e.seed << " kind " << k << " (" << d.records[k]
                                           << " records)";
    }
  }
}

}  // namespace
