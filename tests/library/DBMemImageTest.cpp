#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "log/ByteOrder.h"
#include "library/DBMemImage.h"

namespace {

std::string ErrorText(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "";
}

const uint8_t* Bytes(const CDBMemImage& image) {
  uint32_t size = 0;
  return image.GetImage(size);
}

TEST(DBMemImage, StartsFilledAndEmpty) {
  CDBMemImage image;
  uint32_t size = 1;
  const uint8_t* bytes = image.GetImage(size);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(image.Alignment(), 1u);
  for (uint32_t i = 0; i < kDBImageCapacity; ++i) ASSERT_EQ(bytes[i], 0xFF) << i;
}

TEST(DBMemImage, WriteBytesPadsToTheAlignmentWithoutTouchingThePadding) {
  CDBMemImage image;
  image.Reset(0xAA);
  image.SetAlignment(4);
  const uint8_t data[5] = {1, 2, 3, 4, 5};
  uint32_t start = 99;
  uint32_t length = 99;
  image.WriteBytes(data, 5, &start, &length);
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(length, 8u);
  EXPECT_EQ(image.WritePosition(), 8u);
  EXPECT_EQ(image.ImageSize(), 8u);
  const uint8_t* bytes = Bytes(image);
  EXPECT_EQ(bytes[4], 5);
  EXPECT_EQ(bytes[5], 0xAA);
  EXPECT_EQ(bytes[7], 0xAA);

  image.SetAlignment(8);
  image.WriteBytes(data, 1, &start, &length);
  EXPECT_EQ(start, 8u);
  EXPECT_EQ(length, 8u);
  EXPECT_EQ(image.ImageSize(), 16u);
}

TEST(DBMemImage, BadAlignmentFallsBackToOneAndSaysSo) {
  CDBMemImage image;
  image.SetAlignment(8);
  for (uint32_t bad : {0u, 3u, 16u}) {
    EXPECT_EQ(ErrorText([&] { image.SetAlignment(bad); }), "KM7_LIBRARY_BADALIGN CDBMemImage alignment not valid!");
    EXPECT_EQ(image.Alignment(), 1u);
  }
}

TEST(DBMemImage, WritingPastTheBufferIsOutOfMemory) {
  CDBMemImage image;
  std::string full(kDBImageCapacity, 'x');
  image.WriteText(full);
  EXPECT_EQ(image.ImageSize(), kDBImageCapacity);
  EXPECT_EQ(ErrorText([&] { image.WriteByte(0); }), "Database CDBMemImage outof memory!");

  // Half a text fits: the bytes that fit are written, then the error.
  image.Reset(0xFF);
  image.WriteText(std::string(kDBImageCapacity - 2, 'y'));
  EXPECT_EQ(ErrorText([&] { image.WriteText("abc"); }), "Database CDBMemImage outof memory!");
  EXPECT_EQ(Bytes(image)[kDBImageCapacity - 1], 'b');
}

TEST(DBMemImage, SectionHeaderHoldsSizeIdAndCountLittleEndian) {
  CDBMemImage image;
  image.SetAlignment(4);
  image.OpenSection(0x00010200);
  image.WriteText("ABCDE");
  image.CloseSection(1);
  const uint8_t* bytes = Bytes(image);
  const uint8_t header[12] = {20, 0, 0, 0, 0x00, 0x02, 0x01, 0x00, 1, 0, 0, 0};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(bytes[i], header[i]) << i;
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes + 12), 5), "ABCDE");
  EXPECT_EQ(bytes[17], 0xFF);
  EXPECT_EQ(bytes[19], 0xFF);
  EXPECT_EQ(image.WritePosition(), 20u);
  EXPECT_EQ(image.ImageSize(), 20u);
}

TEST(DBMemImage, NestedSectionsCloseInnermostFirst) {
  CDBMemImage image;
  image.SetAlignment(4);
  image.OpenSection(0x00010000);
  image.OpenSection(0x00010501);
  const uint8_t entry[12] = {};
  image.WriteBytes(entry, 12);
  image.WriteBytes(entry, 12);
  image.CloseSection(2);
  image.CloseSection(1);
  const uint8_t* bytes = Bytes(image);
  EXPECT_EQ(LoadU32(bytes), 48u);
  EXPECT_EQ(LoadU32(bytes + 4), 0x00010000u);
  EXPECT_EQ(LoadU32(bytes + 12), 36u);
  EXPECT_EQ(LoadU32(bytes + 16), 0x00010501u);
  EXPECT_EQ(LoadU32(bytes + 20), 2u);
  EXPECT_EQ(image.ImageSize(), 48u);
}

TEST(DBMemImage, AReservationThatDoesNotFitFailsOnTheNextWrite) {
  CDBMemImage image;
  image.WriteText(std::string(kDBImageCapacity - 8, 'z'));
  image.OpenSection(0x00010500);
  EXPECT_EQ(image.WritePosition(), kDBImageCapacity - 8);
  image.WriteBytes("12345678", 8);
  EXPECT_EQ(ErrorText([&] { image.WriteByte(0); }), "Database CDBMemImage outof memory!");
}

TEST(DBMemImage, ResetForgetsSectionsLeftOpen) {
  CDBMemImage image;
  image.SetAlignment(4);
  image.OpenSection(0x00010000);
  image.Reset(0xFF);
  EXPECT_EQ(image.Alignment(), 1u);
  image.CloseSection(7);  // nothing open: no header written anywhere
  EXPECT_EQ(image.ImageSize(), 0u);
  EXPECT_EQ(LoadU32(Bytes(image)), 0xFFFFFFFFu);
}

TEST(DBMemImage, RangeAssertionsGuardTheEntryFields) {
  EXPECT_EQ(AssertRangeU8(0), 0);
  EXPECT_EQ(AssertRangeU8(255), 255);
  EXPECT_EQ(AssertRangeU16(65535), 65535);
  for (int64_t bad : {int64_t{-1}, int64_t{256}}) {
    EXPECT_EQ(ErrorText([&] { AssertRangeU8(bad); }), "Assert_Range: Overflowing range");
  }
  EXPECT_EQ(ErrorText([] { AssertRangeU16(65536); }), "Assert_Range: Overflowing range");
  EXPECT_EQ(ErrorText([] { AssertRangeU16(-1); }), "Assert_Range: Overflowing range");
}

}  // namespace
