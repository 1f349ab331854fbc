// The record list's compact index and records that refer to the file image:
// what comes back from At() is what went in, the image lives as long as the
// records that point into it, and only bytes that framing changed are copied.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "log/Framing.h"
#include "log/RecordList.h"
#include "log/RecordParser.h"
#include "log/synth/SyntheticLog.h"
#include "tests/log/ImageOf.h"

namespace {

struct Appended {
  uint64_t time;
  uint32_t type;
  uint32_t group;
  size_t length;
};

bool InImage(const Record& r, const LogFileImage& image) {
  return r.data.data() >= image.Data() && r.data.data() + r.data.size() <= image.Data() + image.Length();
}

std::string Text(const Record& r) { return std::string(r.data.begin(), r.data.end()); }

TEST(RecordList, TimesLengthsAndKindsComeBackAsAppended) {
  // Times change at irregular records, within and across the lookup's
  // blocks, and come back to earlier values; a few lengths need the escape.
  static constexpr uint32_t kKinds[][2] = {{MT_N2K, MG_KVT}, {MT_N183, MG_N183}, {MT_Unknown, MG_None},
                                           {MT_N183, MG_ASCII}, {MT_QLX, MG_QLX}};
  static constexpr size_t kLongs[] = {0xFFFE, 0xFFFF, 0x10000, 300000};
  std::vector<uint8_t> bytes(300000);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7);
  RecordList list;
  std::vector<Appended> appended;
  uint32_t state = 12345;
  uint64_t time = 0;
  for (size_t i = 0; i < 20000; ++i) {
    state = state * 1103515245u + 12345u;
    const uint32_t r = state >> 8;
    if (r % 5 == 0) time = r % 3 == 0 ? 1000 : uint64_t{r} << 20;  // 1000 comes back again and again
    if (i % 600 >= 300 && i % 600 < 310) time = i;                  // a run of one record each
    const size_t length = i % 997 == 5 ? kLongs[(i / 997) % 4] : r % 40;
    const auto& kind = kKinds[(r >> 4) % 5];
    list.Append(time, kind[0], kind[1], bytes.data(), length);
    appended.push_back({time, kind[0], kind[1], length});
  }
  ASSERT_EQ(list.Count(), appended.size());
  for (size_t i = 0; i < appended.size(); ++i) {
    const Record r = list.At(i);
    ASSERT_EQ(r.time, appended[i].time) << "record " << i;
    ASSERT_EQ(r.type, appended[i].type) << "record " << i;
    ASSERT_EQ(r.group, appended[i].group) << "record " << i;
    ASSERT_EQ(r.colour, MessageTypeColour(appended[i].type)) << "record " << i;
    ASSERT_EQ(r.data.size(), appended[i].length) << "record " << i;
    ASSERT_EQ(std::memcmp(r.data.data(), bytes.data(), r.data.size()), 0) << "record " << i;
  }
  EXPECT_THROW(list.At(appended.size()), std::out_of_range);
  EXPECT_THROW(list.At(SIZE_MAX), std::out_of_range);

  // Going through the list follows the runs from wherever it starts: at
  // the first record, inside a run, inside a run of one, at a block's end.
  for (const size_t from : {size_t{0}, size_t{1}, size_t{303}, size_t{255}, size_t{19999}}) {
    size_t next = from;
    list.ForEach(from, appended.size(), [&](size_t i, const Record& r) {
      ASSERT_EQ(i, next++);
      const Record at = list.At(i);
      ASSERT_EQ(r.time, at.time) << "record " << i << " from " << from;
      ASSERT_EQ(r.type, at.type) << "record " << i;
      ASSERT_EQ(r.data.data(), at.data.data()) << "record " << i;
      ASSERT_EQ(r.data.size(), at.data.size()) << "record " << i;
    });
    EXPECT_EQ(next, appended.size());
  }
  EXPECT_THROW(list.ForEach(0, appended.size() + 1, [](size_t, const Record&) {}), std::out_of_range);
  list.Forget(5000, 0);
  EXPECT_THROW(list.ForEach(4999, 5001, [](size_t, const Record&) {}), std::out_of_range);
  size_t seen = 0;
  list.ForEach(5000, 5600, [&](size_t i, const Record& r) { seen += r.time == appended[i].time; });
  EXPECT_EQ(seen, 600u);
}

TEST(RecordList, RefusesWhatTheIndexCannotHold) {
  RecordList list;
  // Every pair of type and group the index can tell apart, then one more.
  for (uint32_t k = 0; k < 256; ++k) list.Append(0, k, k % 3, nullptr, 0);
  EXPECT_EQ(list.At(255).type, 255u);
  EXPECT_EQ(list.At(255).group, 0u);
  EXPECT_THROW(list.Append(0, 256, 0, nullptr, 0), std::length_error);

  const uint8_t one[] = {1};
  EXPECT_THROW(list.AppendStored(0, MT_Unknown, MG_None, list.ByteCount(), 1), std::out_of_range);
  auto bytes = std::make_shared<const uint8_t>(1);
  list.UseImage(bytes, 1);
  list.UseImage(bytes, 1);  // the same image again is no change
  EXPECT_THROW(list.UseImage(std::make_shared<const uint8_t>(2), 1), std::logic_error);
  EXPECT_THROW(list.AppendImage(0, MT_Unknown, MG_None, 1, 1), std::out_of_range);
  list.AppendImage(0, MT_Unknown, MG_None, 0, 1);
  EXPECT_EQ(list.At(list.Count() - 1).data[0], 1);
  list.Append(0, MT_Unknown, MG_None, one, 1);
  list.Clear();
  EXPECT_EQ(list.ImageData(), nullptr);
  EXPECT_NO_THROW(list.UseImage(std::make_shared<const uint8_t>(2), 1));
}

TEST(RecordImage, ImageLivesAsLongAsTheRecords) {
  Bytes file;
  AppendSentence(file, WithChecksum("$GPZDA,1,2,3"));
  std::weak_ptr<LogFileImage> watch;
  RecordParser parser;
  {
    std::shared_ptr<LogFileImage> image = ImageOf(file);
    watch = image;
    parser.Parse(std::move(image));
  }
  ASSERT_FALSE(watch.expired()) << "the records still point into the image";
  ASSERT_EQ(parser.Count(), 1u);
  EXPECT_EQ(Text(parser.At(0)), WithChecksum("$GPZDA,1,2,3"));
  EXPECT_TRUE(InImage(parser.At(0), *watch.lock()));
  parser.Reset();
  EXPECT_TRUE(watch.expired()) << "a reset lets the image go";
}

TEST(RecordImage, OnlyWhatFramingChangedIsCopied) {
  Bytes file;
  AppendSentence(file, WithChecksum("$GPXTE,A,A,0.67,L,N"));                           // 0: in the image
  file.insert(file.end(), {'a', 'b', 0x1B, 0x1B, 'c'});                              // 1: escape collapsed
  AppendKvtFrame(file, MakeKvtBody(0x93, Bytes{0x01, 0x02, 0x03}));                  // 2: in the image
  file.insert(file.end(), {'z', 'z'});                                               // 3: in the image
  AppendKvtFrame(file, MakeKvtBody(0x93, Bytes{0x10, 0x20}));                        // 4: unstuffed
  AppendQlxTag(file, Bytes{0x07, 'v', '1'});                                         // 5: in the image
  AppendQlxTag(file, Bytes{0x07, 0x1B, '2'});                                        // 6: unescaped
  AppendSentence(file, "$GPABC,\x7F" "1");                                           // 7: skipped byte
  file.insert(file.end(), {'t', 'a', 'i', 'l'});                                     // 8: in the image
  const std::shared_ptr<LogFileImage> image = ImageOf(file);
  RecordParser copied;
  copied.Parse(file.data(), file.size());
  RecordParser parser;
  parser.Parse(image);
  ASSERT_EQ(parser.Count(), 9u);
  const bool expected[] = {true, false, true, true, false, true, false, false, true};
  size_t copiedBytes = 0;
  for (size_t i = 0; i < parser.Count(); ++i) {
    const Record r = parser.At(i);
    EXPECT_EQ(InImage(r, *image), expected[i]) << "record " << i;
    EXPECT_EQ(Text(r), Text(copied.At(i))) << "record " << i;
    if (!expected[i]) copiedBytes += r.data.size();
  }
  EXPECT_EQ(Text(parser.At(1)), std::string("ab\x1B" "c"));
  // The store keeps the copies and nothing else: the two stray bytes before
  // the copied frame are recorded from the image before it is copied.
  EXPECT_EQ(parser.Records().ByteCount(), copiedBytes);
}

TEST(RecordImage, SyntheticLogIsHeldAlmostWhollyByTheImage) {
  SynthOptions options;
  options.seed = 3;
  options.minutes = 3;
  const Bytes file = MakeSyntheticLog(options);
  const std::shared_ptr<LogFileImage> image = ImageOf(file);
  RecordParser parser;
  parser.Parse(image);
  const RecordList& records = parser.Records();
  ASSERT_GT(records.Count(), 10000u);
  // Frames with a 0x10 in them (about one in five) and the odd fault are
  // copied; nothing else.
  EXPECT_LT(records.ByteCount(), file.size() / 5);
  EXPECT_LE(records.IndexBytes(), 10 * records.Count());
}

}  // namespace
