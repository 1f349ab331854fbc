// Value bytes are moved whole for the common widths; every width must give
// what taking the bytes one by one, least significant first, gives, and
// must leave the bytes past it alone.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "gateway/ValueBytes.h"

namespace {

TEST(ValueBytes, EveryWidthAgreesWithByteByByte) {
  const uint64_t value = 0x8877665544332211ull;
  for (uint32_t width = 0; width <= 8; ++width) {
    std::array<uint8_t, 10> stored{};
    stored.fill(0xEE);
    StoreValueBytes(stored.data(), value, width);
    for (uint32_t i = 0; i < stored.size(); ++i) {
      const uint8_t expected = i < width ? static_cast<uint8_t>(value >> (8 * i)) : 0xEE;
      EXPECT_EQ(stored[i], expected) << "width " << width << " byte " << i;
    }
    const uint64_t mask = width >= 8 ? ~uint64_t{0} : (uint64_t{1} << (8 * width)) - 1;
    EXPECT_EQ(LoadValueBytes(stored.data(), width), value & mask) << "width " << width;
  }
}

}  // namespace
