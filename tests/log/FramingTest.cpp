// The encoders write both framing layers in one pass and checksums in place;
// what they write must be what the layer-by-layer definitions give.
#include <gtest/gtest.h>

#include <string>

#include "log/Framing.h"

namespace {

TEST(Framing, KvtFrameInOnePassEqualsTheFrameEscapedForTheQlxLayer) {
  // Every byte that either layer doubles, alone, in pairs and at the ends.
  const Bytes bodies[] = {
      {},
      {0x93, 0x10, 0x1B, 0x00},
      {0x10, 0x10, 0x1B, 0x1B, 0x10},
      {0x1B, 0x02, 0x03, 0x0A, 0x01},
      {0x93, 0x0B, 0x02, 0x1B, 0x10, 0x01, 0x00, 0xFF, 0x10, 0x1B, 0x00, 0x00, 0x00, 0x10},
  };
  for (const Bytes& body : bodies) {
    Bytes expected{0xAA};
    AppendQlxEscaped(expected, EncodeKvtFrame(body));
    Bytes written{0xAA};
    AppendKvtFrame(written, body);
    EXPECT_EQ(written, expected);
  }
}

TEST(Framing, BodyAssignedIntoAUsedBufferEqualsAFreshOne) {
  Bytes body{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  const Bytes payload{0x02, 0x12, 0xF1, 0x01, 0xFF};
  AssignKvtBody(body, 0x93, payload);
  EXPECT_EQ(body, MakeKvtBody(0x93, payload));
  uint8_t sum = 0;
  for (uint8_t b : body) sum = static_cast<uint8_t>(sum + b);
  EXPECT_EQ(sum, 0);
}

TEST(Framing, ChecksumAppendedInPlace) {
  std::string sentence = "$GPDBT,12.3,f,3.75,M,2.05,F";
  AppendChecksum(sentence);
  EXPECT_EQ(sentence, WithChecksum("$GPDBT,12.3,f,3.75,M,2.05,F"));
  std::string empty = "$";
  AppendChecksum(empty);
  EXPECT_EQ(empty, "$*00");
  std::string hex = "$A";  // 0x41: both digits, upper case
  AppendChecksum(hex);
  EXPECT_EQ(hex, "$A*41");
  std::string high = "$\xFA";
  AppendChecksum(high);
  EXPECT_EQ(high, "$\xFA*FA");
}

}  // namespace
