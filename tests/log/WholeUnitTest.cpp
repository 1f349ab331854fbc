// Parse takes a whole sentence, frame or tag in one go when nothing is open
// and nothing is pending, and records it straight from the file image when
// its bytes stand there as they are. Every such shortcut must make exactly
// the records that feeding the bytes one at a time makes, whatever comes
// before and after the unit, and wherever the input is cut.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "log/Framing.h"
#include "log/RecordParser.h"
#include "tests/log/ImageOf.h"

namespace {

Bytes Of(const std::string& s) { return Bytes(s.begin(), s.end()); }

struct Shown {
  uint64_t time;
  uint32_t type;
  std::vector<uint8_t> data;
  bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& s, std::ostream* os) {
  *os << MessageTypeName(s.type) << " @" << s.time << " [";
  for (uint8_t b : s.data) *os << ' ' << std::hex << int{b};
  *os << " ]";
}

std::vector<Shown> ShownBy(const RecordParser& p) {
  std::vector<Shown> out;
  for (size_t i = 0; i < p.Count(); ++i) {
    const Record r = p.At(i);
    out.push_back({r.time, r.type, {r.data.begin(), r.data.end()}});
  }
  return out;
}

std::vector<Shown> ByteByByte(const Bytes& file) {
  RecordParser p;
  for (uint8_t b : file) p.Feed(b);
  p.Parse(nullptr, 0);
  return ShownBy(p);
}

// Sentences whose last bytes the whole-sentence shortcut reads, and those
// it must leave to the byte-by-byte path.
std::vector<std::string> Sentences() {
  std::vector<std::string> s = {
      WithChecksum("$GPGGA,1,2,3") + "\r\n",
      "$GPGGA,1,2,3*00\r\n",                      // checksum mismatch
      "$GPGGA,1,2,3\r\n",                         // no checksum
      "$GPGGA,1,2,3*4f\r\n",                      // lower-case digits read as 0
      "$GPGGA,1,2,3*4\r\n",                       // one digit
      "$GPGGA,1,2,3*\r\n",                        // no digits
      "$GPGGA,1,2,3*12*34\r\n",                   // a second checksum
      "$GPGGA,1,2,3*12X\r\n",                     // text after the digits
      "$GPGGA,1,2,3\n",                           // LF alone does not end it
      "$GPGGA,1,2,3\r\r\n",                       // two CRs
      "$GPGGA,1,2\r3\n",                          // a CR inside the text
      "$GPGGA,1\x7F,2\x01,3\r\n",                 // bytes the sentence skips
      "!AIVDM,1,1,,A,13aGmP0P00PD;88MD5MTDww@2<0L,0*23\r\n",
      "$GPGGA,1,2$GPZDA,4\r\n",                   // restarted
      "$\r\n",                                    // nothing but the start
      "$GPGGA,1,2,3*1",                           // cut short inside the checksum
  };
  // Around the sentence buffer's capacity, with and without a checksum.
  for (size_t length = CN183_Deserialise::kCapacity - 4; length <= CN183_Deserialise::kCapacity + 1; ++length) {
    std::string text(length, 'A');
    text[0] = '$';
    s.push_back(text + "\r\n");
    s.push_back(text + "*41\r\n");
  }
  return s;
}

std::vector<Bytes> Tags() {
  std::vector<Bytes> t;
  Bytes b;
  AppendTimeTag(b, 0x0123456789ABCDEFull);
  t.push_back(b);
  b.clear();
  AppendQlxTag(b, Bytes{0x07, 'v', '1'});
  t.push_back(b);
  b.clear();
  AppendQlxTag(b, Bytes{0x07, 0x1B, '2'});  // an escaped escape inside
  t.push_back(b);
  b.clear();
  AppendQlxTag(b, Bytes{});
  t.push_back(b);
  b.clear();
  AppendQlxTag(b, Bytes(CQLX_Deserialise::kCapacity, 'x'));  // exactly full
  t.push_back(b);
  b.clear();
  AppendQlxTag(b, Bytes(CQLX_Deserialise::kCapacity + 1, 'x'));  // overflowing
  t.push_back(b);
  t.push_back(Bytes{0x1B, 0x01, 0x07, 'a', 0x1B, 'Z', 'b'});  // ended by a bad escape
  return t;
}

std::vector<Bytes> Units() {
  std::vector<Bytes> units;
  for (const std::string& s : Sentences()) units.push_back(Of(s));
  for (const Bytes& t : Tags()) units.push_back(t);
  Bytes frame;
  AppendKvtFrame(frame, MakeKvtBody(0x93, Bytes{0x01, 0x02, 0x03}));
  units.push_back(frame);
  frame.clear();
  AppendKvtFrame(frame, MakeKvtBody(0x93, Bytes{0x10, 0x1B, 0x03}));  // stuffed by both layers
  units.push_back(frame);
  return units;
}

// Each unit alone, after pending junk, between clean units and after a time
// tag; parsed in runs from a copy and from the image, as the reference does
// byte by byte.
TEST(WholeUnits, MakeWhatByteByByteMakesInEveryContext) {
  Bytes clean;
  AppendKvtFrame(clean, MakeKvtBody(0x93, Bytes{0xAA, 0xBB}));
  Bytes timed;
  AppendTimeTag(timed, 42);
  Bytes cleanThenJunk = clean;
  cleanThenJunk.push_back('j');
  Bytes junkAroundTime = Of("j");
  junkAroundTime.insert(junkAroundTime.end(), timed.begin(), timed.end());
  junkAroundTime.push_back('k');
  const std::vector<std::pair<Bytes, Bytes>> contexts = {
      {{}, {}},
      {Of("junk"), {}},
      {Of("x\x1B\x1By"), Of("z")},
      {Of("a\x10\x10" "b"), Of("z")},  // doubled frame escapes in the junk
      {clean, clean},
      {cleanThenJunk, Of("t")},
      {junkAroundTime, Of("t")},  // a time tag does not end the junk
      {timed, Of("$GPZDA,1\r\n")},
  };
  int checked = 0;
  for (const Bytes& unit : Units()) {
    for (const auto& [before, after] : contexts) {
      Bytes file = before;
      file.insert(file.end(), unit.begin(), unit.end());
      file.insert(file.end(), after.begin(), after.end());
      const std::vector<Shown> expected = ByteByByte(file);
      RecordParser copied;
      copied.Parse(file.data(), file.size());
      ASSERT_EQ(ShownBy(copied), expected) << "unit " << checked;
      RecordParser referring;
      referring.Parse(ImageOf(file));
      ASSERT_EQ(ShownBy(referring), expected) << "unit " << checked << " from the image";
      ++checked;
    }
  }
  EXPECT_GT(checked, 250);
}

// Stray bytes ended by a whole unit are recorded from the image with the
// unit, so that a soup of such pairs leaves the store empty.
TEST(WholeUnits, StrayBytesBeforeAUnitAreNotStored) {
  Bytes file;
  for (int i = 0; i < 1000; ++i) {
    file.push_back(static_cast<uint8_t>('a' + i % 26));
    AppendQlxTag(file, Bytes{});
    file.insert(file.end(), {'x', 'y'});
    AppendKvtFrame(file, MakeKvtBody(0x93, Bytes{0x01, 0x02}));
    file.push_back('z');
    AppendSentence(file, WithChecksum("$GPZDA,1"));
  }
  const std::shared_ptr<LogFileImage> image = ImageOf(file);
  RecordParser p;
  p.Parse(image);
  ASSERT_EQ(ShownBy(p), ByteByByte(file));
  ASSERT_EQ(p.Count(), 6000u);
  EXPECT_EQ(p.Records().ByteCount(), 0u);
  for (size_t i = 0; i < p.Count(); i += 2) {
    const Record stray = p.At(i);
    EXPECT_TRUE(stray.data.data() >= image->Data() && stray.data.data() < image->Data() + image->Length()) << i;
  }
}

// Cut anywhere, the rest parsed in runs after a byte-by-byte prefix.
TEST(WholeUnits, MakeWhatByteByByteMakesFromEverySplit) {
  Bytes file = Of("j");
  for (const Bytes& unit : Units()) file.insert(file.end(), unit.begin(), unit.end());
  const std::vector<Shown> expected = ByteByByte(file);
  ASSERT_GT(expected.size(), 30u);
  for (size_t split = 0; split <= file.size(); ++split) {
    RecordParser fresh;
    for (size_t i = 0; i < split; ++i) fresh.Feed(file[i]);
    fresh.Parse(file.data() + split, file.size() - split);
    ASSERT_EQ(ShownBy(fresh), expected) << "split " << split;
  }
}

// The shortcut records a clean sentence from the image, and copies one whose
// text is not the file's bytes as they are.
TEST(WholeUnits, OnlySentencesAsTheyStandReferToTheImage) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {WithChecksum("$GPGGA,1,2,3") + "\r\n", true},
      {"$GPGGA,1,2,3\r\n", true},
      {"$GPGGA,1,2\r3\n", false},
      {"$GPGGA,1\x7F,2\r\n", false},
  };
  for (const auto& [sentence, asInFile] : cases) {
    const std::shared_ptr<LogFileImage> image = ImageOf(Of(sentence));
    RecordParser p;
    p.Parse(image);
    ASSERT_EQ(p.Count(), 1u) << sentence;
    const Record r = p.At(0);
    const bool inImage = r.data.data() >= image->Data() && r.data.data() < image->Data() + image->Length();
    EXPECT_EQ(inImage, asInFile) << sentence;
    EXPECT_EQ(p.Records().ByteCount(), asInFile ? 0u : r.data.size()) << sentence;
  }
}

}  // namespace
