#include <gtest/gtest.h>

#include <cstring>

#include "log/PageBuffer.h"
#include "log/RecordList.h"

namespace {

TEST(PageBuffer, GrowingKeepsEveryByte) {
  PageBuffer b;
  EXPECT_EQ(b.Size(), 0u);
  // Appends of odd sizes across several remaps of the mapping.
  size_t written = 0;
  for (size_t n = 1; written < (size_t{9} << 20); n = n * 3 % 100003 + 1) {
    uint8_t* at = b.Extend(n);
    for (size_t i = 0; i < n; ++i) at[i] = static_cast<uint8_t>((written + i) * 7);
    written += n;
  }
  ASSERT_EQ(b.Size(), written);
  EXPECT_GE(b.Capacity(), written);
  for (size_t i = 0; i < written; i += 4093) ASSERT_EQ(b.Data()[i], static_cast<uint8_t>(i * 7)) << i;

  b.Shrink(10);
  EXPECT_EQ(b.Size(), 10u);
  b.Shrink(20);
  EXPECT_EQ(b.Size(), 10u) << "shrinking never grows";

  PageBuffer moved(std::move(b));
  EXPECT_EQ(moved.Size(), 10u);
  EXPECT_EQ(b.Data(), nullptr);
  moved.Clear();
  EXPECT_EQ(moved.Size(), 0u);
}

TEST(RecordList, RecordsSurviveTheGrowthOfTheirStores) {
  RecordList list;
  const uint8_t bytes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  for (uint32_t i = 0; i < 300000; ++i) list.Append(i, MT_N2K, MG_KVT, bytes, i % 10);
  ASSERT_EQ(list.Count(), 300000u);
  for (uint32_t i = 0; i < 300000; i += 7919) {
    const Record r = list.At(i);
    EXPECT_EQ(r.time, i);
    EXPECT_EQ(r.type, MT_N2K);
    EXPECT_EQ(r.group, MG_KVT);
    ASSERT_EQ(r.data.size(), i % 10);
    EXPECT_EQ(std::memcmp(r.data.data(), bytes, r.data.size()), 0);
  }
  list.Clear();
  EXPECT_EQ(list.Count(), 0u);
  EXPECT_THROW(list.At(0), std::out_of_range);
}

}  // namespace
