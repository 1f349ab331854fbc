// The vector searches must find what the portable ones find, on every
// length (the block loop, the overlapping last block and the short tail)
// and on the bytes at the edges of each class.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "log/ByteScan.h"

namespace {

#if QLX_SCAN_SSE2

class Bytes {
 public:
  explicit Bytes(uint32_t seed) : state_(seed) {}
  // Mostly one kind of byte, with a few of the others: runs long enough to
  // cross blocks, and every stop and edge byte somewhere.
  std::vector<uint8_t> Make(size_t n, uint8_t lo, uint8_t hi, uint32_t oddOneIn) {
    static constexpr std::array<uint8_t, 16> kEdges = {0x00, 0x0A, 0x0D, 0x10, 0x1B, 0x1F, 0x20, '!',
                                                       '$',  '*',  0x7D, 0x7E, 0x7F, 0x80, 0xFF, 0x02};
    std::vector<uint8_t> out(n);
    for (auto& b : out) {
      b = Next() % oddOneIn == 0 ? kEdges[Next() % kEdges.size()]
                                 : static_cast<uint8_t>(lo + Next() % (uint32_t{hi} - lo + 1));
    }
    return out;
  }
  uint32_t Next() { return state_ = state_ * 1103515245u + 12345u, state_ >> 8; }

 private:
  uint32_t state_;
};

TEST(ByteScan, FindFirstOfAgreesWithThePortableSearch) {
  Bytes gen(7);
  for (int round = 0; round < 3000; ++round) {
    const size_t n = gen.Next() % 90;
    const auto data = gen.Make(n, 0x20, 0xFF, 1 + gen.Next() % 60);
    ASSERT_EQ(scan_sse2::FindFirstOf(data.data(), n, uint8_t{0x10}, uint8_t{0x1B}),
              scan_portable::FindFirstOf(data.data(), n, uint8_t{0x10}, uint8_t{0x1B}))
        << "round " << round;
    ASSERT_EQ(scan_sse2::FindFirstOf(data.data(), n, uint8_t{0x1B}, uint8_t{0x10}, uint8_t{'$'}, uint8_t{'!'}),
              scan_portable::FindFirstOf(data.data(), n, uint8_t{0x1B}, uint8_t{0x10}, uint8_t{'$'}, uint8_t{'!'}))
        << "round " << round;
  }
}

TEST(ByteScan, SentenceTextAgreesWithThePortableScan) {
  Bytes gen(11);
  for (int round = 0; round < 6000; ++round) {
    const size_t n = gen.Next() % 120;
    // Clean text, text with a stray byte now and then, and noise.
    const uint32_t kind = gen.Next() % 3;
    const auto data = kind == 2 ? gen.Make(n, 0x00, 0xFF, 1000) : gen.Make(n, 0x20, 0x7D, kind == 0 ? 80 : 9);
    const size_t room = gen.Next() % 4 == 0 ? gen.Next() % 40 : 300;
    std::vector<uint8_t> a(room + 16, 0xEE), b(room + 16, 0xEE);
    const TextRun x = scan_sse2::SentenceText(data.data(), n, a.data(), room);
    const TextRun y = scan_portable::SentenceText(data.data(), n, b.data(), room);
    ASSERT_EQ(x.consumed, y.consumed) << "round " << round;
    ASSERT_EQ(x.stored, y.stored) << "round " << round;
    ASSERT_EQ(x.sum, y.sum) << "round " << round;
    ASSERT_TRUE(std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(x.stored), b.begin())) << "round " << round;
    ASSERT_TRUE(std::all_of(a.begin() + static_cast<std::ptrdiff_t>(room), a.end(), [](uint8_t v) { return v == 0xEE; }))
        << "written past the room, round " << round;
  }
}

TEST(ByteScan, PairRunAgreesWithThePortableCount) {
  Bytes gen(17);
  const std::array<std::array<uint8_t, 2>, 3> pairs = {{{0x10, 0x10}, {0x1B, 0x1B}, {0x10, 0x02}}};
  for (int round = 0; round < 3000; ++round) {
    const auto [a, b] = pairs[gen.Next() % pairs.size()];
    std::vector<uint8_t> data(gen.Next() % 70);
    for (size_t i = 0; i < data.size(); ++i) data[i] = i % 2 == 0 ? a : b;
    if (!data.empty() && gen.Next() % 2) data[gen.Next() % data.size()] = static_cast<uint8_t>(gen.Next());
    ASSERT_EQ(scan_sse2::PairRun(data.data(), data.size(), a, b), scan_portable::PairRun(data.data(), data.size(), a, b))
        << "round " << round;
  }
}

TEST(ByteScan, SumBytesAgreesWithThePortableSum) {
  Bytes gen(13);
  for (size_t n = 0; n < 300; ++n) {
    const auto data = gen.Make(n, 0x00, 0xFF, 1000);
    ASSERT_EQ(scan_sse2::SumBytes(data.data(), n), scan_portable::SumBytes(data.data(), n)) << n;
  }
}

#endif

TEST(ByteScan, SentenceTextStopsWhereTheSentenceMachineMust) {
  // Plain characters are stored and summed, stray bytes passed over, and the
  // run ends before the first stop byte or the character that finds out full.
  const std::vector<uint8_t> text = {'G', 'P', 0x01, 0x7E, 0xB0, 'Z', ',', '*', '1'};
  std::array<uint8_t, 8> out{};
  TextRun r = scan::SentenceText(text.data(), text.size(), out.data(), out.size());
  EXPECT_EQ(r.consumed, 7u);
  EXPECT_EQ(r.stored, 4u);
  EXPECT_EQ(r.sum, 'G' ^ 'P' ^ 'Z' ^ ',');
  r = scan::SentenceText(text.data(), text.size(), out.data(), 2);
  EXPECT_EQ(r.consumed, 5u) << "stray bytes after a full buffer are still passed over";
  EXPECT_EQ(r.stored, 2u);
}

}  // namespace
