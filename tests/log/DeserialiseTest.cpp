#include <gtest/gtest.h>

#include <vector>

#include "log/Deserialise.h"
#include "log/Framing.h"

namespace {

template <typename D>
std::vector<int32_t> FeedAll(D& d, const std::vector<uint8_t>& bytes) {
  std::vector<int32_t> results;
  for (uint8_t b : bytes) results.push_back(d.Feed(b));
  return results;
}

std::vector<uint8_t> Body(const ByteBuffer& b) { return {b.data, b.data + b.length}; }

TEST(QlxDeserialise, TimeTagWithEscapedByteCountsBothBytes) {
  CQLX_Deserialise d;
  const std::vector<uint8_t> file = {0x1B, 0x01, 0x03, 0x11, 0x1B, 0x1B, 0x33, 0x44,
                                     0x55, 0x66, 0x77, 0x88, 0x1B, 0x0A};
  const auto results = FeedAll(d, file);
  EXPECT_EQ(results.back(), FR_Complete);
  EXPECT_EQ(Body(d.GetBuffer()),
            (std::vector<uint8_t>{0x03, 0x11, 0x1B, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88}));
  EXPECT_EQ(d.TakeConsumed(), file.size());
  EXPECT_EQ(d.TakeConsumed(), 0u);
}

TEST(QlxDeserialise, EscapesOutsideATag) {
  CQLX_Deserialise d;
  EXPECT_EQ(FeedAll(d, {0x1B, 0x1B}), (std::vector<int32_t>{FR_EscapeSeen, FR_EscapePair}));
  EXPECT_EQ(FeedAll(d, {0x1B, 0x0A}), (std::vector<int32_t>{FR_EscapeSeen, FR_Outside}));
  EXPECT_EQ(FeedAll(d, {0x1B, 0x55}), (std::vector<int32_t>{FR_EscapeSeen, FR_Outside}));
}

TEST(QlxDeserialise, OverlongBodyAndInvalidEscapeAbandonTheTag) {
  CQLX_Deserialise d;
  std::vector<uint8_t> file = {0x1B, 0x01};
  file.insert(file.end(), 101, 0x42);
  file.insert(file.end(), {0x1B, 0x0A});
  const auto results = FeedAll(d, file);
  EXPECT_EQ(results[2 + 100], FR_Taken) << "the byte that overflows is still reported as taken";
  EXPECT_EQ(results.back(), FR_Outside) << "no tag is open any more";

  CQLX_Deserialise e;
  const auto r2 = FeedAll(e, {0x1B, 0x01, 0x05, 0x1B, 0x42, 0x1B, 0x0A});
  EXPECT_EQ(r2[4], FR_Outside);
  EXPECT_EQ(r2.back(), FR_Outside);
}

TEST(QlxDeserialise, NewStartPairRestartsTheTag) {
  CQLX_Deserialise d;
  const auto results = FeedAll(d, {0x1B, 0x01, 0x07, 0x07, 0x1B, 0x01, 0x09, 0x1B, 0x0A});
  EXPECT_EQ(results.back(), FR_Complete);
  EXPECT_EQ(Body(d.GetBuffer()), (std::vector<uint8_t>{0x09}));
  EXPECT_EQ(d.TakeConsumed(), 5u) << "counted from the second start pair";
}

TEST(KvtDeserialise, RebootFrameAndChecks) {
  CKVT_Deserialise d;
  const auto results = FeedAll(d, {0x10, 0x02, 0x11, 0x00, 0xEF, 0x10, 0x03});
  EXPECT_EQ(results, (std::vector<int32_t>{FR_EscapeSeen, FR_Started, FR_Taken, FR_Taken, FR_Taken,
                                           FR_EscapeSeen, FR_Complete}));
  const ByteBuffer& b = d.GetBuffer();
  EXPECT_EQ(KvtMessageType(b.data, b.length), 0x301u);
  const uint8_t bad[] = {0x11, 0x00, 0x00};
  EXPECT_EQ(KvtMessageType(bad, 3), 0x304u);
}

TEST(KvtDeserialise, LengthRules) {
  // 0x93 with a body of 13 bytes is too short even when the sum is right.
  std::vector<uint8_t> payload(10, 0);
  Bytes body = MakeKvtBody(0x93, payload);
  ASSERT_EQ(body.size(), 13u);
  EXPECT_EQ(KvtMessageType(body.data(), 13), 0x303u);

  // A well-formed 0x93: payload length = data count + 11.
  std::vector<uint8_t> n2k = {2, 0x10, 0xF1, 0x01, 0xFF, 0x23, 1, 2, 3, 4, 3, 0xAA, 0xBB, 0xCC};
  body = MakeKvtBody(0x93, n2k);
  EXPECT_EQ(CheckKvtLength(body.data(), static_cast<uint32_t>(body.size())), 0);
  EXPECT_EQ(KvtMessageType(body.data(), static_cast<uint32_t>(body.size())), 0x500u);
  n2k[10] = 4;  // data count no longer matches
  body = MakeKvtBody(0x93, n2k);
  EXPECT_EQ(CheckKvtLength(body.data(), static_cast<uint32_t>(body.size())), kKvtWrongLength);

  // HOX long form: error code at offset 10 must be 0.
  std::vector<uint8_t> hox(13, 0);
  body = MakeKvtBody(0xA0, hox);
  EXPECT_EQ(KvtMessageType(body.data(), static_cast<uint32_t>(body.size())), 0x400u);
  hox[8] = 1;  // body offset 10
  body = MakeKvtBody(0xA0, hox);
  EXPECT_EQ(CheckKvtLength(body.data(), static_cast<uint32_t>(body.size())), kHoxTargetError);
  EXPECT_EQ(KvtMessageType(body.data(), static_cast<uint32_t>(body.size())), 0x303u);
  body = MakeKvtBody(0xA2, std::vector<uint8_t>(5, 0));
  EXPECT_EQ(CheckKvtLength(body.data(), static_cast<uint32_t>(body.size())), kKvtWrongLength);

  // 0xA1 and 0xA4 pass whatever their length.
  const uint8_t shortHox[] = {0xA1, 0x40};
  EXPECT_EQ(CheckKvtLength(shortHox, 2), 0);
  // Other commands: N = L + 3.
  body = MakeKvtBody(0x55, std::vector<uint8_t>{1, 2});
  EXPECT_EQ(KvtMessageType(body.data(), static_cast<uint32_t>(body.size())), 0x300u);
  EXPECT_EQ(CheckKvtLength(body.data(), static_cast<uint32_t>(body.size()) - 1), kKvtWrongLength);
}

TEST(KvtDeserialise, BodiesWithoutCommandOrLengthAreBad) {
  // The checks must not read past a body of 0 or 1 bytes.
  EXPECT_EQ(KvtMessageType(nullptr, 0), 0x303u);
  const uint8_t zero[] = {0x00};
  EXPECT_EQ(KvtMessageType(zero, 1), 0x303u);
  const uint8_t a1[] = {0xA1};
  EXPECT_EQ(KvtMessageType(a1, 1), 0x304u);
}

TEST(KvtDeserialise, OverlongBodyIsAbandoned) {
  CKVT_Deserialise d;
  std::vector<uint8_t> frame = {0x10, 0x02};
  frame.resize(frame.size() + 237, 0x01);
  frame.insert(frame.end(), {0x10, 0x03});
  const auto results = FeedAll(d, frame);
  EXPECT_EQ(results.back(), FR_Outside);
}

TEST(N183Deserialise, ChecksumRules) {
  const std::string good = WithChecksum("$GPHDT,123.4,T");
  const auto feed = [](const std::string& s) {
    CN183_Deserialise d;
    int32_t last = 0;
    for (char c : s + "\r\n") last = d.Feed(static_cast<uint8_t>(c));
    return last;
  };
  EXPECT_EQ(feed(good), FR_Complete);
  EXPECT_EQ(feed("$GPHDT,123.4,T"), FR_Complete);
  EXPECT_EQ(feed("$GPHDT,123.4,T*00"), FR_ChecksumMismatch);
  // Lower-case digits read as 0: "$GPHDT,0,T" has checksum 0x2b.
  ASSERT_EQ(SentenceChecksum("$GPHDT,0,T"), 0x2B);
  EXPECT_EQ(feed("$GPHDT,0,T*2b"), FR_ChecksumMismatch);
  EXPECT_EQ(feed("$GPHDT,0,T*2B"), FR_Complete);

  // A "*" with no digits is judged on this sentence alone, never on the
  // digits the one before it carried.
  CN183_Deserialise reused;
  int32_t last = 0;
  for (char c : good + "\r\n$GPHDT,123.4,T*\r\n") last = reused.Feed(static_cast<uint8_t>(c));
  EXPECT_EQ(last, feed("$GPHDT,123.4,T*"));
  EXPECT_EQ(last, FR_ChecksumMismatch);
}

TEST(N183Deserialise, StrayControlByteIsNeitherStoredNorSummed) {
  CN183_Deserialise d;
  const std::string s = WithChecksum("$GPHDT,1,T");
  std::string withNul = s;
  withNul.insert(5, 1, '\0');
  int32_t last = 0;
  for (char c : withNul + "\r\n") last = d.Feed(static_cast<uint8_t>(c));
  EXPECT_EQ(last, FR_Complete);
  const ByteBuffer& b = d.GetBuffer();
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data), b.length), s);
  EXPECT_EQ(d.TakeConsumed(), withNul.size() + 2);
}

TEST(N183Deserialise, OverlongSentenceIsAbandonedAtThe301stCharacter) {
  CN183_Deserialise d;
  EXPECT_EQ(d.Feed('$'), FR_Started);
  for (int i = 1; i < 300; ++i) ASSERT_EQ(d.Feed('A'), FR_Taken);
  EXPECT_EQ(d.Feed('A'), FR_BufferFull);
  EXPECT_EQ(d.Feed('\r'), FR_Outside);
  EXPECT_EQ(d.Feed('\n'), FR_Outside);
}

TEST(N183Deserialise, StartCharacterRestartsAndLoneLfIsText) {
  CN183_Deserialise d;
  for (char c : std::string("$AB\n!CD\r\n")) d.Feed(static_cast<uint8_t>(c));
  const ByteBuffer& b = d.GetBuffer();
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data), b.length), "!CD");
  CN183_Deserialise e;
  int32_t last = 0;
  for (char c : std::string("$A\nB\r\n")) last = e.Feed(static_cast<uint8_t>(c));
  EXPECT_EQ(last, FR_Complete);
  EXPECT_EQ(e.GetBuffer().length, 4u) << "an LF without CR is a sentence character";
}

TEST(CharacterTests, SentenceSetAndHexDigits) {
  EXPECT_TRUE(IsSentenceChar('\r', true));
  EXPECT_TRUE(IsSentenceChar('}', true));
  EXPECT_FALSE(IsSentenceChar('~', false));
  EXPECT_FALSE(IsSentenceChar(0x7F, false));
  EXPECT_FALSE(IsSentenceChar(0x80, false));
  EXPECT_FALSE(IsSentenceChar(0x09, false));
  EXPECT_TRUE(IsSentenceChar('$', false));
  EXPECT_FALSE(IsSentenceChar('!', true));
  EXPECT_EQ(HexDigitValue('9'), 9);
  EXPECT_EQ(HexDigitValue('F'), 15);
  EXPECT_EQ(HexDigitValue('f'), 0);
  EXPECT_EQ(HexDigitValue('G'), 0);
}

}  // namespace
