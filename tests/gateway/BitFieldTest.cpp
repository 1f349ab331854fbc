// Fields are read and written a byte at a time; the result must be that of
// taking the bits one by one, least significant first, for every position
// and width, and bits outside the field must keep theirs.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>

#include "gateway/FieldSelector.h"

namespace {

constexpr uint32_t kLength = 12;

uint64_t ReadOneByOne(const uint8_t* data, uint32_t position, uint32_t width) {
  uint64_t out = 0;
  for (uint32_t i = 0; i < width; ++i) {
    const uint32_t bit = position + i;
    out |= static_cast<uint64_t>((data[bit / 8] >> (bit % 8)) & 1u) << i;
  }
  return out;
}

void WriteOneByOne(uint8_t* data, uint32_t position, uint32_t width, uint64_t value) {
  for (uint32_t i = 0; i < width; ++i) {
    const uint32_t bit = position + i;
    const uint8_t mask = static_cast<uint8_t>(1u << (bit % 8));
    if ((value >> i) & 1u) data[bit / 8] |= mask;
    else data[bit / 8] &= static_cast<uint8_t>(~mask);
  }
}

TEST(BitFields, EveryPositionAndWidthAgreesWithBitByBit) {
  std::mt19937_64 random(7);
  for (uint32_t width = 0; width <= 64; ++width) {
    for (uint32_t position = 0; position + width <= kLength * 8; ++position) {
      std::array<uint8_t, kLength> data{};
      for (uint8_t& b : data) b = static_cast<uint8_t>(random());
      std::array<uint8_t, kLength> expected = data;
      const uint64_t value = random();
      uint64_t read = 0;
      ASSERT_TRUE(ReadBitsLE(data.data(), kLength, position, width, read));
      ASSERT_EQ(read, ReadOneByOne(data.data(), position, width)) << position << "+" << width;
      ASSERT_TRUE(WriteBitsLE(data.data(), kLength, position, width, value));
      WriteOneByOne(expected.data(), position, width, value);
      ASSERT_EQ(data, expected) << position << "+" << width;
    }
  }
}

TEST(BitFields, FieldsPastTheLengthAreNeitherReadNorWritten) {
  std::array<uint8_t, kLength> data{};
  data.fill(0x5A);
  const std::array<uint8_t, kLength> before = data;
  uint64_t read = 1;
  EXPECT_FALSE(ReadBitsLE(data.data(), kLength, kLength * 8 - 3, 4, read));
  EXPECT_EQ(read, 0u);
  EXPECT_FALSE(WriteBitsLE(data.data(), kLength, kLength * 8 - 3, 4, 0));
  EXPECT_FALSE(WriteBitsLE(data.data(), kLength, 0, 65, 0));
  EXPECT_FALSE(WriteBitsLE(data.data(), kLength, 0xFFFFFFF0u, 32, 0));
  EXPECT_EQ(data, before);
}

}  // namespace
