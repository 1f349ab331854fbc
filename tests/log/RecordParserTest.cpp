#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "log/Framing.h"
#include "log/LogTime.h"
#include "log/RecordParser.h"

namespace {

std::vector<uint8_t> DataOf(const Record& r) { return {r.data.begin(), r.data.end()}; }

Bytes RebootFrame() {
  Bytes out;
  AppendKvtFrame(out, MakeKvtBody(0x11, {}));
  return out;
}

void Parse(RecordParser& p, const Bytes& bytes) {
  p.Reset();
  p.Parse(bytes.data(), bytes.size());
}

TEST(RecordParser, SentenceWithoutLineEndIsOneUnrecognisedRecord) {
  RecordParser p;
  const std::string s = "$GPHDT,1.0,T";
  Parse(p, Bytes(s.begin(), s.end()));
  ASSERT_EQ(p.Count(), 1u);
  EXPECT_EQ(p.At(0).type, MT_Unknown);
  EXPECT_EQ(p.At(0).group, MG_None);
  EXPECT_EQ(p.At(0).colour, MakeColour(255, 0, 0));
  EXPECT_EQ(p.At(0).data.size(), s.size());
}

TEST(RecordParser, StrayBytesStandBeforeTheUnitThatEndedThem) {
  RecordParser p;
  Bytes file = RebootFrame();
  file.insert(file.begin(), {0xAA, 0xBB, 0xCC});
  Parse(p, file);
  ASSERT_EQ(p.Count(), 2u);
  EXPECT_EQ(DataOf(p.At(0)), (std::vector<uint8_t>{0xAA, 0xBB, 0xCC}));
  EXPECT_EQ(p.At(1).type, MT_Reboot);
  EXPECT_EQ(p.At(1).group, MG_KVT);
  EXPECT_EQ(DataOf(p.At(1)), (std::vector<uint8_t>{0x11, 0x00, 0xEF}));
  EXPECT_EQ(p.At(1).colour, MakeColour(160, 0, 160));
}

TEST(RecordParser, TimeTagsStampWhatFollowsOnly) {
  RecordParser p;
  const uint64_t t1 = CivilToFileTime({2024, 6, 1, 12, 34, 56, 789});
  Bytes file = {'x'};
  AppendTimeTag(file, t1);
  AppendSentence(file, WithChecksum("$GPHDT,1.0,T"));
  Parse(p, file);
  // The stray byte before the tag is flushed only when the sentence
  // completes, so it carries the new time as well.
  ASSERT_EQ(p.Count(), 2u);
  EXPECT_EQ(p.At(0).type, MT_Unknown);
  EXPECT_EQ(p.At(0).time, t1);
  EXPECT_EQ(p.At(1).type, MT_N183);
  EXPECT_EQ(FormatLogTime(p.At(1).time), "12:34:56.789");
}

TEST(RecordParser, LogTimeCarriesOverToTheNextFile) {
  RecordParser p;
  Bytes first;
  AppendTimeTag(first, 5 * kFileTimeTicksPerMillisecond);
  Parse(p, first);
  EXPECT_EQ(p.Count(), 0u);
  Parse(p, RebootFrame());
  ASSERT_EQ(p.Count(), 1u);
  EXPECT_EQ(p.At(0).time, 5 * kFileTimeTicksPerMillisecond);

  RecordParser fresh;
  Parse(fresh, RebootFrame());
  EXPECT_EQ(fresh.At(0).time, 0u);
  EXPECT_EQ(FormatLogTime(fresh.At(0).time), "00:00:00.000");
}

TEST(RecordParser, OtherTagsBecomeQlxRecords) {
  RecordParser p;
  Bytes file;
  AppendVersionTag(file, 1250);
  AppendQlxTag(file, Bytes{});  // no tag type at all
  AppendQlxTag(file, Bytes{0x03});  // a time tag of only its type byte is time 0
  AppendSentence(file, "$A");
  Parse(p, file);
  ASSERT_EQ(p.Count(), 3u);
  EXPECT_EQ(p.At(0).type, MT_QLX);
  EXPECT_EQ(p.At(0).data[0], 0x01);
  EXPECT_EQ(p.At(0).data.size(), 5u);
  EXPECT_EQ(p.At(1).type, MT_QLX);
  EXPECT_TRUE(p.At(1).data.empty());
  EXPECT_EQ(p.At(2).time, 0u);
}

TEST(RecordParser, EscapedBytesInsideFrames) {
  // A 0x1B in a KVT body is doubled by the QLX layer; the record holds it once.
  RecordParser p;
  const Bytes body = MakeKvtBody(0x55, Bytes{0x1B, 0x10, 0x42});
  Bytes file;
  AppendKvtFrame(file, body);
  Parse(p, file);
  ASSERT_EQ(p.Count(), 1u);
  EXPECT_EQ(DataOf(p.At(0)), body);
  EXPECT_EQ(p.At(0).type, MT_KVT);

  // Written with a single 0x1B the escape is dropped and the frame fails its checksum.
  Bytes raw = EncodeKvtFrame(body);
  Parse(p, raw);
  ASSERT_GE(p.Count(), 1u);
  EXPECT_EQ(p.At(p.Count() - 1).type, MT_KVTXC);
}

TEST(RecordParser, ChecksumMismatchStillMakesARecord) {
  RecordParser p;
  Bytes file;
  AppendSentence(file, "$GPHDT,1.0,T*00");
  Parse(p, file);
  ASSERT_EQ(p.Count(), 1u);
  EXPECT_EQ(p.At(0).type, MT_N183XC);
  EXPECT_EQ(p.At(0).group, MG_N183);
  EXPECT_EQ(p.At(0).colour, MakeColour(255, 0, 0));
}

TEST(RecordParser, TagsInsideOpenUnitsDoNotShowTheirBytesTwice) {
  // A tag that completes inside a frame or a sentence leaves the unit's
  // bytes to the unit: nothing of it shows as unrecognised data.
  RecordParser p;
  const Bytes body = MakeKvtBody(0x55, Bytes{1, 2, 3, 4});
  const Bytes frame = EncodeKvtFrame(body);
  const std::string sentence = WithChecksum("$GPHDT,1.0,T") + "\r\n";
  Bytes file = {0xEE};
  Bytes tag;
  AppendVersionTag(tag, 7);
  for (const Bytes& unit : {frame, Bytes(sentence.begin(), sentence.end())}) {
    file.insert(file.end(), unit.begin(), unit.begin() + 4);
    file.insert(file.end(), tag.begin(), tag.end());
    file.insert(file.end(), unit.begin() + 4, unit.end());
  }
  Parse(p, file);
  ASSERT_EQ(p.Count(), 5u);
  EXPECT_EQ(DataOf(p.At(0)), (std::vector<uint8_t>{0xEE})) << "stray bytes before the frame are shown";
  EXPECT_EQ(p.At(1).type, MT_QLX);
  EXPECT_EQ(p.At(2).type, MT_KVT);
  EXPECT_EQ(DataOf(p.At(2)), body);
  EXPECT_EQ(p.At(3).type, MT_QLX);
  EXPECT_EQ(p.At(4).type, MT_N183);
  size_t total = 0;
  for (size_t i = 0; i < p.Count(); ++i) total += p.At(i).data.size();
  EXPECT_LE(total, file.size());
}

TEST(RecordParser, OutOfRangeIndexThrows) {
  RecordParser p;
  Parse(p, RebootFrame());
  EXPECT_THROW(p.At(1), std::out_of_range);
}

TEST(RecordParser, EveryUnitRoundTripsThroughItsEncoder) {
  RecordParser p;
  Bytes file;
  std::vector<Bytes> bodies;
  for (int c = 0; c < 256; ++c) {
    Bytes payload;
    for (int i = 0; i < c % 40; ++i) payload.push_back(static_cast<uint8_t>(c * 7 + i * 13));
    payload.push_back(0x10);
    payload.push_back(0x1B);
    bodies.push_back(MakeKvtBody(0x55, payload));
    AppendKvtFrame(file, bodies.back());
    AppendSentence(file, WithChecksum("$IIMTW," + std::to_string(c) + ",C"));
  }
  Parse(p, file);
  ASSERT_EQ(p.Count(), 512u);
  for (size_t i = 0; i < 256; ++i) {
    EXPECT_EQ(DataOf(p.At(2 * i)), bodies[i]);
    EXPECT_EQ(p.At(2 * i + 1).type, MT_N183);
  }
}

class LogFileImageTest : public ::testing::Test {
 protected:
  // One folder per test: ctest runs the tests of this file side by side.
  std::filesystem::path dir_ =
      std::filesystem::temp_directory_path() /
      (std::string("qlx-image-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override { std::filesystem::create_directories(dir_); }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Write(const char* name, const std::string& content) {
    const auto path = dir_ / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
  }
};

TEST_F(LogFileImageTest, LoadRules) {
  LogFileImage image;
  EXPECT_EQ(image.Load((dir_ / "missing").c_str()), LogFileImage::kCannotOpen);
  EXPECT_EQ(image.Load(Write("empty", "").c_str()), LogFileImage::kEmptyOrTooLarge);
  EXPECT_EQ(image.Load(Write("small", "12345").c_str(), 5), LogFileImage::kEmptyOrTooLarge)
      << "a file of exactly the limit is refused";
  EXPECT_EQ(image.Length(), 0u);
  EXPECT_EQ(image.Load(Write("ok", "1234").c_str(), 5), 0);
  EXPECT_EQ(image.Length(), 4u);
  EXPECT_EQ(image.Data()[3], '4');
  EXPECT_EQ(image.FailureReason(), "");
}

// A failed load names the real reason: a device or a folder is not "too large".
TEST_F(LogFileImageTest, FailureReasons) {
  LogFileImage image;
  image.Load((dir_ / "missing").c_str());
  EXPECT_EQ(image.FailureReason(), "cannot open: No such file or directory");
  EXPECT_EQ(image.Load(dir_.c_str()), LogFileImage::kCannotOpen);
  EXPECT_EQ(image.FailureReason(), "cannot open: it is a directory");
  EXPECT_EQ(image.Load("/dev/zero"), LogFileImage::kCannotOpen);
  EXPECT_EQ(image.FailureReason(), "cannot open: it is not a regular file");
  image.Load(Write("empty", "").c_str());
  EXPECT_EQ(image.FailureReason(), "the file is empty");
  image.Load(Write("small", "12345").c_str(), 5);
  EXPECT_EQ(image.FailureReason(), "the file has 5 bytes or more");
}

TEST(LooksLikeQlxLog, NeedsATagOrAUnitInTheFirstMegabyte) {
  const std::vector<uint8_t> zeros(3 << 20, 0);
  EXPECT_FALSE(LooksLikeQlxLog(zeros.data(), zeros.size()));
  std::vector<uint8_t> late = zeros;
  const std::string sentence = "$GPGLL,,,,,,V*1C\r\n";
  std::copy(sentence.begin(), sentence.end(), late.begin() + (2 << 20));
  EXPECT_FALSE(LooksLikeQlxLog(late.data(), late.size())) << "only the first megabyte is looked at";
  std::copy(sentence.begin(), sentence.end(), late.begin() + 1000);
  EXPECT_TRUE(LooksLikeQlxLog(late.data(), late.size()));
}

// The sniff may look at the megabyte a piece at a time; a unit counts
// wherever it stands, across any power-of-two cut, up to the megabyte's end.
TEST(LooksLikeQlxLog, FindsAUnitAcrossEveryCut) {
  const std::string sentence = "$GPGLL,,,,,,V*1C\r\n";
  const size_t megabyte = 1 << 20;
  std::vector<size_t> starts = {megabyte - sentence.size()};
  for (size_t cut = 1 << 10; cut < megabyte; cut <<= 1) {
    for (size_t back = 1; back < sentence.size(); ++back) starts.push_back(cut - back);
  }
  for (size_t start : starts) {
    std::vector<uint8_t> log(megabyte + 100, 'z');
    std::copy(sentence.begin(), sentence.end(), log.begin() + static_cast<std::ptrdiff_t>(start));
    ASSERT_TRUE(LooksLikeQlxLog(log.data(), log.size())) << "sentence at " << start;
  }
  std::vector<uint8_t> cutOff(megabyte + 100, 'z');
  std::copy(sentence.begin(), sentence.end(), cutOff.begin() + (megabyte - sentence.size() + 1));
  EXPECT_FALSE(LooksLikeQlxLog(cutOff.data(), cutOff.size())) << "its line end lies past the megabyte";
}

}  // namespace

namespace {

void ExpectSameRecords(const RecordParser& a, const RecordParser& b) {
  ASSERT_EQ(a.Count(), b.Count());
  for (size_t i = 0; i < a.Count(); ++i) {
    const Record x = a.At(i), y = b.At(i);
    ASSERT_EQ(x.type, y.type) << i;
    ASSERT_EQ(x.group, y.group) << i;
    ASSERT_EQ(x.time, y.time) << i;
    ASSERT_TRUE(std::equal(x.data.begin(), x.data.end(), y.data.begin(), y.data.end())) << i;
  }
}

// Parse takes plain bytes a run at a time; it must make exactly the records
// that feeding the same bytes one at a time makes.
TEST(RecordParser, RunsAndSingleBytesAgree) {
  Bytes log;
  AppendVersionTag(log, 1250);
  uint32_t state = 12345;
  const auto next = [&state] { return state = state * 1103515245u + 12345u; };
  for (int unit = 0; unit < 3000; ++unit) {
    switch (next() % 6) {
      case 0:
        AppendTimeTag(log, uint64_t{next()} << 20);
        break;
      case 1: {
        Bytes payload(next() % 250);
        for (auto& b : payload) b = static_cast<uint8_t>(next() >> 13);
        AppendKvtFrame(log, MakeKvtBody(0x93, payload));
        break;
      }
      case 2: {
        std::string s = "$GPXXX,";
        for (uint32_t k = next() % 320; k > 0; --k) s += static_cast<char>(0x20 + (next() >> 9) % 0x60);
        AppendSentence(log, next() % 2 ? WithChecksum(s) : s);
        break;
      }
      default:
        for (uint32_t k = next() % 8; k > 0; --k) log.push_back(static_cast<uint8_t>(next() >> 11));
        break;
    }
  }
  RecordParser runs;
  runs.Parse(log.data(), log.size());
  RecordParser single;
  for (uint8_t b : log) single.Feed(b);
  single.Parse(nullptr, 0);
  ExpectSameRecords(runs, single);
  EXPECT_GT(runs.Count(), 1000u);
}

}  // namespace
