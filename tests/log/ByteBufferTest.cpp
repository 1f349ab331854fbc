#include <gtest/gtest.h>

#include "base/ByteBuffer.h"

namespace {

std::vector<int32_t> gReported;
void RecordError(int32_t code, const char*) { gReported.push_back(code); }

TEST(ByteBuffer, FullBufferRefusesAndKeepsItsBytes) {
  ByteBuffer b;
  BufInit(b, 3);
  for (uint8_t i = 0; i < 3; ++i) EXPECT_EQ(BufAppend(b, i), 0);
  EXPECT_TRUE(BufIsFull(b));
  EXPECT_EQ(BufAppend(b, 9), kBufFull);
  EXPECT_EQ(BufLength(b), 3u);
  EXPECT_EQ(b.data[2], 2);

  uint8_t* storage = b.data;
  BufClear(b);
  EXPECT_EQ(BufAppend(b, 7), 0);
  EXPECT_EQ(b.data, storage) << "clearing must not reallocate";
  EXPECT_EQ(BufFree(b), 0);
  EXPECT_EQ(b.data, nullptr);
  EXPECT_EQ(b.capacity, 0u);
}

TEST(ByteBuffer, AttachAndCopyEdgeCases) {
  ByteBuffer attached;
  BufAttach(attached, nullptr, 10);
  EXPECT_EQ(attached.length, 0u);
  EXPECT_EQ(attached.capacity, 0u);
  EXPECT_EQ(BufAppend(attached, 1), kBufFull);

  ByteBuffer empty;
  BufInitCopy(empty, nullptr, 0);
  EXPECT_EQ(empty.length, 0u);
  EXPECT_EQ(empty.capacity, 0u);

  const uint8_t src[] = {1, 2, 3, 4};
  CTorvBuf owned(src, 4);
  EXPECT_NE(owned.Get(), src);
  EXPECT_EQ(owned.Buffer().length, 4u);
  EXPECT_EQ(owned.Get()[3], 4);
}

TEST(ByteBuffer, ErrorsReachTheHookOnlyWhenInstalled) {
  ByteBuffer b;
  BufInit(b, 0);
  gReported.clear();
  const uint32_t before = BufferErrorCount();
  BufAppend(b, 1);
  EXPECT_TRUE(gReported.empty());
  EXPECT_EQ(BufferErrorCount(), before);

  SetBufferErrorHook(&RecordError);
  BufAppend(b, 1);
  SetBufferErrorHook(nullptr);
  ASSERT_EQ(gReported.size(), 1u);
  EXPECT_EQ(gReported[0], kBufFull);
  EXPECT_EQ(BufferErrorCount(), before + 1);
}

}  // namespace
