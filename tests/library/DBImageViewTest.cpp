#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <cstring>
#include <random>
#include <vector>

#include "log/ByteOrder.h"
#include "library/DBImageView.h"
#include "library/DBMemImage.h"
#include "library/N183Lookup.h"
#include "tests/DBTestImage.h"

namespace {

constexpr uint32_t kIds[kViewSectionCount] = {0x00010500, 0x00010501, 0x00010600, 0x00010601,
                                              0x00010700, 0x00010701, 0x00010800, 0x00010801};
constexpr uint32_t kSizes[kViewSectionCount] = {20, 12, 24, 12, 16, 12, 16, 12};
// The shared image writer names its sections; the numbers a gateway reads
// are stated here on their own.
static_assert(std::equal(std::begin(kIds), std::end(kIds), std::begin(kTestImageSectionIds)));

using Entry = TestImageEntry;
using SectionEntries = TestImageSections;

std::vector<uint8_t> WriteImage(const SectionEntries& sections) { return WriteTestImage(sections); }

Entry SentenceEntry(const char* formatter, uint16_t firstField, uint8_t fieldCount) {
  Entry e(20, 0);
  StoreU32(e.data(), FormatterKeyOf(formatter));
  StoreU16(e.data() + 6, firstField);
  e[8] = fieldCount;
  return e;
}

Entry PgnEntry(uint32_t pgn, uint16_t firstField, uint8_t fieldCount, size_t size = 16) {
  Entry e(size, 0);
  StoreU32(e.data(), pgn);
  StoreU16(e.data() + 4, firstField);
  e[6] = fieldCount;
  return e;
}

Entry FieldEntry(uint8_t fieldNumber, uint8_t type) {
  Entry e(12, 0);
  e[0] = fieldNumber;
  e[1] = type;
  return e;
}

SectionEntries Sample() {
  SectionEntries s;
  s[kViewN183RxSentences] = {SentenceEntry("GGA", 0, 2), SentenceEntry("MWV", 2, 1), SentenceEntry("MWV", 3, 1),
                             SentenceEntry("RMC", 0xFF, 0)};
  s[kViewN183RxFields] = {FieldEntry(1, DT0183_Latitude), FieldEntry(5, DT0183_FixedNumber),
                          FieldEntry(0, DT0183_VariableNumber), FieldEntry(2, DT0183_VariableNumber)};
  s[kViewN183TxSentences] = {Entry(24, 0)};
  StoreU32(s[kViewN183TxSentences][0].data(), FormatterKeyOf("HDG"));
  s[kViewN2KRxPGNs] = {PgnEntry(127245, 0, 1), PgnEntry(129029, 1, 1)};
  s[kViewN2KRxFields] = {FieldEntry(4, 0), FieldEntry(15, 0)};
  return s;
}

// Everything the view hands out lies inside the bytes it was given.
void ExpectViewInside(const DatabaseImageView& view, const std::vector<uint8_t>& image) {
  for (const DatabaseImageSection& section : view.sections) {
    if (section.count == 0) continue;
    ASSERT_GE(section.entries, image.data());
    ASSERT_LE(section.entries + uint64_t{section.count} * section.entrySize, image.data() + image.size());
  }
}

TEST(DBImageView, OpensAWrittenImageAndReadsItsEntries) {
  const std::vector<uint8_t> image = WriteImage(Sample());
  DatabaseImageView view;
  ASSERT_EQ(OpenDatabaseImage(view, image.data(), image.size()), kDBImageOpened);
  EXPECT_EQ(CountN183RxSentences(view), 4u);
  EXPECT_EQ(CountN183TxSentences(view), 1u);
  EXPECT_EQ(CountN2KRxPGNs(view), 2u);
  EXPECT_EQ(CountN2KTxPGNs(view), 0u);
  EXPECT_EQ(view.sections[kViewN183RxFields].count, 4u);

  const uint8_t* gga = GetN183RxSentence(view, 0);
  ASSERT_NE(gga, nullptr);
  EXPECT_EQ(ReadN183RxSentence(gga).formatterKey, FormatterKeyOf("GGA"));
  EXPECT_EQ(ReadN183Field(GetN183RxField(view, gga, 1)).fieldNumber, 5);
  EXPECT_EQ(GetN183RxSentence(view, 4), nullptr);
  EXPECT_EQ(GetN2KTxPGN(view, 0), nullptr);

  const uint8_t* rudder = FindN2KRxPGN(view, 127245);
  ASSERT_NE(rudder, nullptr);
  EXPECT_EQ(ReadN2KField(GetN2KRxField(view, rudder, 0)).fieldNumber, 4);
  // A first field index past the field section gives null, not a stray read.
  EXPECT_EQ(GetN2KRxField(view, rudder, 2), nullptr);
  EXPECT_EQ(GetN183RxField(view, GetN183RxSentence(view, 3), 0), nullptr);
}

TEST(DBImageView, SearchesFindExactKeysAndTheRunOfEqualFormatters) {
  const std::vector<uint8_t> image = WriteImage(Sample());
  DatabaseImageView view;
  ASSERT_EQ(OpenDatabaseImage(view, image.data(), image.size()), kDBImageOpened);
  const uint8_t* first = nullptr;
  EXPECT_EQ(FindN183RxSentences(view, 'M', 'W', 'V', first), 2u);
  EXPECT_EQ(first, GetN183RxSentence(view, 1));
  EXPECT_EQ(FindN183RxSentences(view, 'G', 'G', 'A', first), 1u);
  EXPECT_EQ(first, GetN183RxSentence(view, 0));
  EXPECT_EQ(FindN183RxSentences(view, 'R', 'M', 'C', first), 1u);
  EXPECT_EQ(FindN183RxSentences(view, 'A', 'A', 'M', first), 0u);
  EXPECT_EQ(first, nullptr);
  EXPECT_EQ(FindN183RxSentences(view, 'Z', 'D', 'A', first), 0u);
  EXPECT_NE(FindN183TxSentence(view, 'H', 'D', 'G'), nullptr);
  EXPECT_EQ(FindN183TxSentence(view, 'H', 'D', 'T'), nullptr);
  EXPECT_EQ(FindN2KRxPGN(view, 129029), GetN2KRxPGN(view, 1));
  EXPECT_EQ(FindN2KRxPGN(view, 129028), nullptr);
  EXPECT_EQ(FindN2KTxPGN(view, 127245), nullptr);
}

TEST(DBImageView, CountSentenceFieldsAddsTheSpanOfTheLastFieldType) {
  const std::vector<uint8_t> image = WriteImage(Sample());
  DatabaseImageView view;
  ASSERT_EQ(OpenDatabaseImage(view, image.data(), image.size()), kDBImageOpened);
  // GGA's last field is number 5, a fixed number of one comma field.
  EXPECT_EQ(CountSentenceFields(view, GetN183RxSentence(view, 0)), 5u + GetDT0183Type(DT0183_FixedNumber)->fieldSpan);
  EXPECT_EQ(CountSentenceFields(view, GetN183RxSentence(view, 3)), 0u);
  EXPECT_EQ(GetDT0183Type(DT0183_Latitude)->fieldSpan, 2u);
}

TEST(DBImageView, RefusesImagesThatAreNotDatabases) {
  DatabaseImageView view;
  EXPECT_EQ(OpenDatabaseImage(view, nullptr, 100), kDBImageWrongRoot);
  std::vector<uint8_t> image = WriteImage(Sample());
  EXPECT_EQ(OpenDatabaseImage(view, image.data(), 11), kDBImageWrongRoot);
  image[4] = 0x01;
  EXPECT_EQ(OpenDatabaseImage(view, image.data(), image.size()), kDBImageWrongRoot);
  for (const DatabaseImageSection& section : view.sections) EXPECT_EQ(section.count, 0u);
}

TEST(DBImageView, EmptyListsAreAcceptedOnlyAsBareHeaders) {
  SectionEntries none;
  std::vector<uint8_t> image = WriteImage(none);
  DatabaseImageView view;
  ASSERT_EQ(OpenDatabaseImage(view, image.data(), image.size()), kDBImageOpened);
  EXPECT_EQ(GetN183RxSentence(view, 0), nullptr);
  const uint8_t* first = reinterpret_cast<const uint8_t*>(1);
  EXPECT_EQ(FindN183RxSentences(view, 'G', 'G', 'A', first), 0u);
  EXPECT_EQ(first, nullptr);

  // A count of 0 over a body of entries is a size mismatch.
  image = WriteImage(Sample());
  const size_t rxSection = 12 + 16;  // after the root and the name section
  ASSERT_EQ(LoadU32(image.data() + rxSection + 4), 0x00010500u);
  StoreU32(image.data() + rxSection + 8, 0);
  EXPECT_EQ(OpenDatabaseImage(view, image.data(), image.size()), kDBImageEntrySizeMismatch);
  for (const DatabaseImageSection& section : view.sections) EXPECT_EQ(section.entries, nullptr);
}

TEST(DBImageView, SizesAndCountsThatDisagreeAreRefused) {
  std::vector<uint8_t> image = WriteImage(Sample());
  const size_t rxSection = 12 + 16;
  DatabaseImageView view;
  // 4 receive sentences in 80 bytes: a count of 5 would read 20 bytes more.
  StoreU32(image.data() + rxSection + 8, 5);
  EXPECT_EQ(OpenDatabaseImage(view, image.data(), image.size()), kDBImageEntrySizeMismatch);
  StoreU32(image.data() + rxSection + 8, 0xFFFFFFFF);
  EXPECT_EQ(OpenDatabaseImage(view, image.data(), image.size()), kDBImageEntrySizeMismatch);
}

TEST(DBImageView, HeaderSizesNeverCarryTheWalkOutsideTheImage) {
  const std::vector<uint8_t> good = WriteImage(Sample());
  const size_t rxSection = 12 + 16;
  DatabaseImageView view;
  for (uint32_t size : {0u, 4u, 11u, 0x7FFFFFFFu, 0xFFFFFFF4u}) {
    std::vector<uint8_t> image = good;
    StoreU32(image.data() + rxSection, size);
    EXPECT_EQ(OpenDatabaseImage(view, image.data(), image.size()), kDBImageMissingSection) << size;
  }
  // A root that claims more than the file holds: the sections inside open.
  std::vector<uint8_t> image = good;
  StoreU32(image.data(), 0xFFFFFFF0);
  EXPECT_EQ(OpenDatabaseImage(view, image.data(), image.size()), kDBImageOpened);
  ExpectViewInside(view, image);
}

TEST(DBImageView, ATruncatedImageIsReadOnlyWithinItsBytes) {
  const std::vector<uint8_t> good = WriteImage(Sample());
  for (size_t length = 0; length <= good.size(); ++length) {
    // A copy of exactly this length, so a read past it is caught by the
    // address sanitizer.
    const std::vector<uint8_t> image(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
    DatabaseImageView view;
    const uint32_t result = OpenDatabaseImage(view, image.data(), image.size());
    if (length == good.size()) {
      EXPECT_EQ(result, kDBImageOpened);
    } else {
      EXPECT_NE(result, kDBImageOpened) << length;
    }
    ExpectViewInside(view, image);
  }
}

TEST(DBImageView, CorruptedImagesNeverHandOutEntriesOutsideTheirBytes) {
  const std::vector<uint8_t> good = WriteImage(Sample());
  std::mt19937 random(20261207);
  int opened = 0;
  for (int round = 0; round < 3000; ++round) {
    std::vector<uint8_t> image = good;
    const int flips = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < flips; ++i) image[random() % image.size()] = static_cast<uint8_t>(random());
    DatabaseImageView view;
    if (OpenDatabaseImage(view, image.data(), image.size()) != kDBImageOpened) continue;
    ++opened;
    ExpectViewInside(view, image);
    for (uint32_t i = 0; i < CountN183RxSentences(view); ++i) {
      const uint8_t* sentence = GetN183RxSentence(view, i);
      for (uint32_t f = 0; f < sentence[8]; ++f) {
        const uint8_t* field = GetN183RxField(view, sentence, f);
        if (field) {
          ASSERT_LT(field, image.data() + image.size());
        }
      }
      CountSentenceFields(view, sentence);
    }
  }
  // Most flips land in entry bodies and leave the image readable.
  EXPECT_GT(opened, 1000);
}

}  // namespace
