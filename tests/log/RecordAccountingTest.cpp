// Every byte of a log is shown once: in the record of the unit that took it,
// in unrecognised data, or nowhere only when the format makes it framing
// (start and end pairs, stuffing, a sentence's line end and the control
// bytes a sentence skips). Units nest (a tag inside a frame inside a
// sentence), and the parser must not show the outer unit's bytes twice or
// lose an inner unit's bytes when either completes or is abandoned.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "log/Framing.h"
#include "log/RecordParser.h"
#include "tests/log/ImageOf.h"

namespace {

std::vector<uint8_t> DataOf(const Record& r) { return {r.data.begin(), r.data.end()}; }

Bytes Of(const std::string& s) { return Bytes(s.begin(), s.end()); }

struct Shown {
  uint32_t type;
  std::vector<uint8_t> data;
  bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& s, std::ostream* os) {
  *os << MessageTypeName(s.type) << " [";
  for (uint8_t b : s.data) *os << ' ' << std::hex << int{b};
  *os << " ]";
}

std::vector<Shown> ParseAll(const Bytes& file) {
  RecordParser p;
  p.Parse(file.data(), file.size());
  std::vector<Shown> out;
  for (size_t i = 0; i < p.Count(); ++i) out.push_back({p.At(i).type, DataOf(p.At(i))});
  return out;
}

TEST(RecordAccounting, TagInsideFrameInsideSentence) {
  const Bytes file = Of(std::string("$AB\x10\x02xy\x1b\x01\x1b\x0a\x10\x03\r\n", 15));
  const std::vector<Shown> expected = {
      {MT_QLX, {}},
      {MT_KVTXC, {'x', 'y'}},
      {MT_N183, {'$', 'A', 'B'}},
  };
  EXPECT_EQ(ParseAll(file), expected) << "the sentence's first bytes are not shown again as unrecognised data";
}

TEST(RecordAccounting, TagOverflowingInsideAFrame) {
  // The tag outgrows its buffer and is abandoned; the frame it sits in goes
  // on and completes. The tag's bytes are unrecognised, the frame keeps its own.
  Bytes file = {0x10, 0x02, 0x93, 0x13, 0x02, 0x1B, 0x01};
  file.resize(file.size() + 101, 'U');
  Bytes tag(file.begin() + 5, file.end());
  file.insert(file.end(), {0xAA, 0xBB, 0x10, 0x03});
  const std::vector<Shown> expected = {
      {MT_Unknown, tag},
      {MT_KVTXC, {0x93, 0x13, 0x02, 0xAA, 0xBB}},
  };
  EXPECT_EQ(ParseAll(file), expected);
}

TEST(RecordAccounting, FrameAbandonedInsideASentence) {
  // The frame takes "xy" and is then ended by a bad escape; the sentence goes
  // on and completes without them, so they are unrecognised data.
  const Bytes file = Of(std::string("$AB\x10\x02xy\x10Z\r\n", 11));
  const std::vector<Shown> expected = {
      {MT_Unknown, {0x10, 0x02, 'x', 'y', 0x10}},
      {MT_N183, {'$', 'A', 'B', 'Z'}},
  };
  EXPECT_EQ(ParseAll(file), expected);
}

TEST(RecordAccounting, UnitsInsideAnAbandonedSentenceKeepFileOrderOfTheRest) {
  Bytes file = Of("x$AB");
  AppendVersionTag(file, 7);
  file.push_back('C');
  const std::vector<Shown> expected = {
      {MT_Unknown, {'x'}},
      {MT_QLX, {0x01, 7, 0, 0, 0}},
      {MT_Unknown, {'$', 'A', 'B'}},
      {MT_Unknown, {'C'}},
  };
  EXPECT_EQ(ParseAll(file), expected) << "the sentence never ends: all its bytes are unrecognised, once";
}

// Random soups of units, junk and units cut open with other units inside.
class Soup {
 public:
  explicit Soup(uint32_t seed) : state_(seed) {}

  Bytes Make() {
    Bytes out;
    for (uint32_t n = 3 + Next() % 12; n > 0; --n) Piece(out, 0);
    return out;
  }

 private:
  uint32_t Next() { return state_ = state_ * 1103515245u + 12345u, state_ >> 8; }

  // Junk leans on the bytes that open, close and escape units.
  uint8_t JunkByte() {
    static constexpr std::array<uint8_t, 18> kAlphabet = {0x00, 0x01, 0x02, 0x0A, 0x10, 0x1B, '\r', '\n', '$',
                                                          '!',  '*',  'A',  'U',  '7',  0x7E, 0x93, 0xFF, 0x10};
    return kAlphabet[Next() % kAlphabet.size()];
  }

  Bytes Payload(size_t max) {
    Bytes b(Next() % (max + 1));
    for (auto& x : b) x = Next() % 3 == 0 ? JunkByte() : static_cast<uint8_t>(Next());
    return b;
  }

  void Piece(Bytes& out, int depth) {
    Bytes unit;
    switch (Next() % 10) {
      case 0: {
        Bytes body = Payload(110);  // sometimes too long for a tag
        if (!body.empty() && body[0] == 0x03) body[0] = 0x05;  // time tags drop their bytes by design
        AppendQlxTag(unit, body);
        break;
      }
      case 1:
      case 2:
        AppendKvtFrame(unit, MakeKvtBody(static_cast<uint8_t>(0x90 + Next() % 0x20), Payload(240)));
        break;
      case 3: {
        unit = EncodeKvtFrame(MakeKvtBody(0x11, Payload(20)));  // QLX layer not applied
        break;
      }
      case 4:
      case 5: {
        std::string s = Next() % 2 ? "$GPGGA," : "!AIVDM,";
        for (uint32_t k = Next() % 320; k > 0; --k) s += static_cast<char>(0x20 + Next() % 0x60);
        AppendSentence(unit, Next() % 2 ? WithChecksum(s) : s);
        break;
      }
      case 6: {
        // Runs the parser takes in bulk: start pairs and doubled escapes.
        const uint8_t second = Next() % 2 ? 0x02 : (Next() % 2 ? 0x10 : 0x1B);
        const uint8_t first = second == 0x1B ? 0x1B : 0x10;
        for (uint32_t k = 1 + Next() % 6; k > 0; --k) unit.insert(unit.end(), {first, second});
        break;
      }
      default:
        for (uint32_t k = Next() % 12; k > 0; --k) unit.push_back(JunkByte());
        break;
    }
    if (depth < 3 && unit.size() > 2 && Next() % 2) {
      // Cut the unit open and put another piece inside it.
      const size_t cut = 1 + Next() % (unit.size() - 1);
      out.insert(out.end(), unit.begin(), unit.begin() + static_cast<std::ptrdiff_t>(cut));
      Piece(out, depth + 1);
      out.insert(out.end(), unit.begin() + static_cast<std::ptrdiff_t>(cut), unit.end());
    } else {
      out.insert(out.end(), unit.begin(), unit.end());
    }
  }

  uint32_t state_;
};

TEST(RecordAccounting, EveryByteIsShownOnceInRandomSoups) {
  int checked = 0;
  for (uint32_t seed = 1; seed <= 4000; ++seed) {
    const Bytes file = Soup(seed).Make();
    RecordParser p;
    p.Parse(file.data(), file.size());
    // A time tag formed by chance takes its bytes into the log time.
    if (p.CurrentLogTime() != 0) continue;
    ++checked;
    std::array<size_t, 256> inFile{}, shown{};
    for (uint8_t b : file) ++inFile[b];
    size_t total = 0;
    for (size_t i = 0; i < p.Count(); ++i) {
      for (uint8_t b : p.At(i).data) ++shown[b];
      total += p.At(i).data.size();
    }
    ASSERT_LE(total, file.size()) << "seed " << seed;
    for (int v = 0; v < 256; ++v) {
      // Printable characters are never framing and never skipped: each one
      // is in exactly one record. Other bytes may be framing, never shown twice.
      if (v >= 0x20 && v <= 0x7D) {
        ASSERT_EQ(shown[v], inFile[v]) << "seed " << seed << " byte " << v;
      } else {
        ASSERT_LE(shown[v], inFile[v]) << "seed " << seed << " byte " << v;
      }
    }
  }
  EXPECT_GT(checked, 3600);
}

// Parse takes whole units and runs of bytes in one go when it can; started
// in whatever state a byte-at-a-time prefix leaves, it must still make what
// feeding every byte makes.
TEST(RecordAccounting, SoupsParseTheSameFromEveryStartingState) {
  int soups = 0;
  for (uint32_t seed = 1; soups < 150; ++seed) {
    const Bytes file = Soup(seed).Make();
    if (file.size() > 1500) continue;
    RecordParser reference;
    for (uint8_t b : file) reference.Feed(b);
    reference.Parse(nullptr, 0);
    // One parser serves every split; a time tag formed by chance would carry
    // its time over from one to the next.
    if (reference.CurrentLogTime() != 0) continue;
    const std::vector<Shown> expected = [&] {
      std::vector<Shown> out;
      for (size_t i = 0; i < reference.Count(); ++i) out.push_back({reference.At(i).type, DataOf(reference.At(i))});
      return out;
    }();
    ++soups;
    RecordParser p;
    for (size_t split = 0; split <= file.size(); ++split) {
      p.Reset();
      for (size_t i = 0; i < split; ++i) p.Feed(file[i]);
      p.Parse(file.data() + split, file.size() - split);
      ASSERT_EQ(p.Count(), expected.size()) << "seed " << seed << " split " << split;
      for (size_t i = 0; i < p.Count(); ++i) {
        ASSERT_EQ((Shown{p.At(i).type, DataOf(p.At(i))}), expected[i]) << "seed " << seed << " split " << split;
      }
    }
  }
}

TEST(RecordAccounting, SoupsParseTheSameByteByByte) {
  for (uint32_t seed = 1; seed <= 1000; ++seed) {
    const Bytes file = Soup(seed).Make();
    RecordParser runs;
    runs.Parse(file.data(), file.size());
    RecordParser single;
    for (uint8_t b : file) single.Feed(b);
    single.Parse(nullptr, 0);
    ASSERT_EQ(runs.Count(), single.Count()) << "seed " << seed;
    for (size_t i = 0; i < runs.Count(); ++i) {
      ASSERT_EQ(runs.At(i).type, single.At(i).type) << "seed " << seed << " record " << i;
      ASSERT_EQ(DataOf(runs.At(i)), DataOf(single.At(i))) << "seed " << seed << " record " << i;
    }
  }
}

// Records that refer to the file image must be the records a copying parse
// makes: same kind, time and bytes, whatever the framing did around them.
TEST(RecordAccounting, SoupsParseTheSameFromTheImage) {
  int inImage = 0;
  for (uint32_t seed = 1; seed <= 1500; ++seed) {
    const Bytes file = Soup(seed).Make();
    if (file.empty()) continue;
    RecordParser copied;
    copied.Parse(file.data(), file.size());
    const std::shared_ptr<LogFileImage> image = ImageOf(file);
    RecordParser referring;
    referring.Parse(image);
    ASSERT_EQ(referring.Count(), copied.Count()) << "seed " << seed;
    for (size_t i = 0; i < copied.Count(); ++i) {
      const Record a = referring.At(i), b = copied.At(i);
      ASSERT_EQ(a.type, b.type) << "seed " << seed << " record " << i;
      ASSERT_EQ(a.group, b.group) << "seed " << seed << " record " << i;
      ASSERT_EQ(a.time, b.time) << "seed " << seed << " record " << i;
      ASSERT_EQ(DataOf(a), DataOf(b)) << "seed " << seed << " record " << i;
      inImage += !a.data.empty() && a.data.data() >= image->Data() && a.data.data() < image->Data() + image->Length();
    }
  }
  EXPECT_GT(inImage, 10000) << "most soup records lie in the file as they are";
}

}  // namespace
