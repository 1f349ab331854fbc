// qlx gateway n183 / n2k end to end: each conversion is checked against the
// physical quantity it carries, not against the converter's own output.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "log/Framing.h"
#include "tests/QlxProgram.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

// Sentences are passed with their checksum, as an instrument sends them.
std::string N183(const std::vector<std::string>& sentences, const std::string& options = "") {
  std::string args = "gateway n183 " + options;
  for (const std::string& s : sentences) {
    args += ' ';
    args += Quoted(WithChecksum(s));
  }
  return args;
}

struct SentPgn {
  uint32_t pgn = 0;
  uint32_t priority = 0;
  std::vector<uint8_t> data;
};

// The record list's summary of an NMEA 2000 message, taken apart again.
SentPgn ParseSummary(const std::string& line) {
  SentPgn m;
  unsigned pgn = 0, hex = 0, src = 0, dst = 0, pri = 0, len = 0;
  int used = 0;
  EXPECT_EQ(std::sscanf(line.c_str(), "PGN: %u (0x%X), SRC = %u, DST = %u, Priority = %u, Len = %u, Data = %n", &pgn,
                        &hex, &src, &dst, &pri, &len, &used),
            6)
      << line;
  EXPECT_EQ(pgn, hex) << line;
  EXPECT_EQ(src, 0u) << line;
  EXPECT_EQ(dst, 255u) << line;
  m.pgn = pgn;
  m.priority = pri;
  std::istringstream bytes(line.substr(static_cast<size_t>(used)));
  for (unsigned b; bytes >> std::hex >> b;) m.data.push_back(static_cast<uint8_t>(b));
  EXPECT_EQ(m.data.size(), len) << line;
  return m;
}

std::vector<SentPgn> SentPgns(const std::string& arguments) {
  const QlxResult run = RunQlx(arguments);
  EXPECT_EQ(run.status, 0) << arguments << "\n" << run.err;
  std::vector<SentPgn> sent;
  for (const std::string& line : Lines(run.out)) sent.push_back(ParseSummary(line));
  return sent;
}

SentPgn Only(const std::vector<SentPgn>& sent, uint32_t pgn) {
  SentPgn found;
  int count = 0;
  for (const SentPgn& m : sent) {
    if (m.pgn != pgn) continue;
    found = m;
    ++count;
  }
  EXPECT_EQ(count, 1) << "PGN " << pgn;
  if (found.data.size() < 8) found.data.resize(8, 0xFF);
  return found;
}

int64_t Signed(const std::vector<uint8_t>& d, size_t at, int bytes) {
  uint64_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | d[at + static_cast<size_t>(i)];
  const int bits = 8 * bytes;
  if (bits < 64 && (v >> (bits - 1)) != 0) v |= ~uint64_t{0} << bits;
  return static_cast<int64_t>(v);
}

uint64_t Unsigned(const std::vector<uint8_t>& d, size_t at, int bytes) {
  uint64_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | d[at + static_cast<size_t>(i)];
  return v;
}

constexpr double kPi = 3.14159265358979323846;

TEST(GatewayN183Command, SentencesBecomeTheirPgns) {
  // Depth 9.14 m below the transducer, in feet, metres and fathoms alike.
  EXPECT_NEAR(Unsigned(Only(SentPgns(N183({"$SDDBT,30.0,f,9.14,M,5.0,F"})), 128267).data, 1, 4), 914, 1);
  const SentPgn dpt = Only(SentPgns(N183({"$SDDPT,9.14,0.5"})), 128267);
  EXPECT_EQ(Unsigned(dpt.data, 1, 4), 914u);
  EXPECT_EQ(Signed(dpt.data, 5, 2), 500);  // offset in mm

  const SentPgn gll = Only(SentPgns(N183({"$GPGLL,4916.45,N,12311.12,W,225444,A,A"})), 129025);
  // Within a metre: the position is carried to 1e-5 degree.
  EXPECT_NEAR(static_cast<double>(Signed(gll.data, 0, 4)) * 1e-7, 49.0 + 16.45 / 60, 1e-5);
  EXPECT_NEAR(static_cast<double>(Signed(gll.data, 4, 4)) * 1e-7, -(123.0 + 11.12 / 60), 1e-5);

  // 0.67 NM steer left, in centimetres.
  const SentPgn xte = Only(SentPgns(N183({"$GPXTE,A,A,0.67,L,N"})), 129283);
  EXPECT_NEAR(static_cast<double>(Signed(xte.data, 2, 4)), 0.67 * 185200, 1);

  // -12.5 degrees a minute, in 1/32 microradian per second.
  const SentPgn rot = Only(SentPgns(N183({"$HEROT,-12.5,A"})), 127251);
  EXPECT_NEAR(static_cast<double>(Signed(rot.data, 1, 4)), -12.5 / 60 * kPi / 180 / 3.125e-8, 120);

  // Heading true and magnetic in 1e-4 rad with their reference, speed 6.5 kn.
  const std::vector<SentPgn> vhw = SentPgns(N183({"$VWVHW,45.0,T,43.0,M,6.5,N,12.0,K"}));
  bool sawTrue = false, sawMagnetic = false;
  for (const SentPgn& m : vhw) {
    if (m.pgn != 127250) continue;
    const uint32_t reference = m.data[7] & 0x03;
    const double degrees = static_cast<double>(Unsigned(m.data, 1, 2)) * 1e-4 * 180 / kPi;
    if (reference == 0) {
      sawTrue = true;
      EXPECT_NEAR(degrees, 45.0, 0.01);
    } else if (reference == 1) {
      sawMagnetic = true;
      EXPECT_NEAR(degrees, 43.0, 0.01);
    }
  }
  EXPECT_TRUE(sawTrue && sawMagnetic);
  EXPECT_NEAR(static_cast<double>(Unsigned(Only(vhw, 128259).data, 1, 2)), 6.5 * 1852 / 36, 1.5);

  const SentPgn gsa = Only(SentPgns(N183({"$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1"})), 129539);
  EXPECT_EQ(Signed(gsa.data, 2, 2), 130);  // HDOP
  EXPECT_EQ(Signed(gsa.data, 4, 2), 210);  // VDOP
}

TEST(GatewayN183Command, RelativeAndTrueWindStayApart) {
  const SentPgn relative = Only(SentPgns(N183({"$WIMWV,214.8,R,10.0,N,A"})), 130306);
  const SentPgn theoretical = Only(SentPgns(N183({"$WIMWV,214.8,T,10.0,N,A"})), 130306);
  for (const SentPgn* m : {&relative, &theoretical}) {
    EXPECT_NEAR(static_cast<double>(Unsigned(m->data, 3, 2)) * 1e-4, 214.8 * kPi / 180, 1e-4);
    EXPECT_NEAR(static_cast<double>(Unsigned(m->data, 1, 2)), 10.0 * 1852 / 36, 1);
  }
  EXPECT_EQ(relative.data[5] & 0x07, 2);     // apparent
  EXPECT_EQ(theoretical.data[5] & 0x07, 3);  // true, referenced to the boat
}

TEST(GatewayN183Command, AnInvalidFixSendsNothing) {
  const QlxResult run =
      RunQlx(N183({"$GPRMC,225446,V,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E,N"}));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
}

TEST(GatewayN183Command, RepositoryRowsFollowTheOutput) {
  const QlxResult run = RunQlx(N183({"$SDDPT,9.14,0.5"}, "--repo"));
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u) << run.out;
  EXPECT_EQ(lines[0].rfind("PGN: 128267 (0x1F50B)", 0), 0u);
  EXPECT_EQ(lines[1], "\tRD_WaterDepth (121)\t0\t9.14\t m\t0\tValid");
  EXPECT_EQ(lines[2], "\tRD_WaterDepthOffset (122)\t0\t0.500\t m\t0\tValid");
  // The sentence's empty range field: heard, but not available.
  EXPECT_EQ(lines[3], "\tRD_WaterDepthRange (123)\t0\tNot Available\t m\t0\tNot Available");
}

TEST(GatewayN2kCommand, PgnsBecomeTheirSentences) {
  struct Case {
    const char* arguments;
    std::vector<std::string> sentences;
  };
  const Case cases[] = {
      // 9.14 m with 0.5 m offset to the waterline.
      {"128267 'FF 92 03 00 00 F4 01 FF'", {"$SDDBT,29.99,f,9.14,M,5.00,F", "$SDDPT,9.1,0.5,"}},
      {"127251 FFA039FEFFFFFFFF", {"$IIROT,-12.5,A"}},
      // 3.33 m/s through the water; 0.7854 rad true heading.
      {"128259 'FF 4D 01 FF FF FF FF'", {"$IIVHW,,T,,M,6.5,N,12.0,K"}},
      {"127250 'FF AE 1E FF 7F FF 7F FC'", {"$HCHDT,45.0,T", "$IIVHW,45.0,T,,M,,N,,K"}},
  };
  for (const Case& c : cases) {
    const QlxResult run = RunQlx(std::string("gateway n2k ") + c.arguments);
    EXPECT_EQ(run.status, 0) << c.arguments << "\n" << run.err;
    EXPECT_EQ(Lines(run.out), c.sentences) << c.arguments;
  }
}

TEST(GatewayCommands, BadArgumentsAreRefused) {
  const std::string tooLong = "$GPTXT," + std::string(293, 'A');
  const char* const cases[] = {
      "gateway n2k 128267 'FF D2 0'",
      "gateway n2k 128267 FFZZ",
      "gateway n2k 262144 FF",
      "gateway n2k --pri 8 128267 FF",
      "gateway n2k 128267",
      "gateway n183 --select Everything '$GPGLL'",
      "gateway n183",
  };
  for (const char* arguments : cases) {
    const QlxResult run = RunQlx(arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_EQ(run.out, "") << arguments;
    EXPECT_EQ(run.err.rfind("qlx: ", 0), 0u) << arguments;
  }
  ASSERT_EQ(tooLong.size(), 300u);
  EXPECT_EQ(RunQlx("gateway n183 " + Quoted(tooLong)).status, 2);
  EXPECT_EQ(RunQlx("gateway n183 " + Quoted(tooLong.substr(0, 299))).status, 0);
}

TEST(GatewayCommands, DatabaseSelectionDecidesWhatIsSent) {
  const std::vector<std::string> sentences = {"$GPGLL,4916.45,N,12311.12,W,225444,A,A", "$SDDPT,9.14,0.5"};
  const auto pgns = [&](const std::string& options) {
    std::vector<uint32_t> sent;
    for (const SentPgn& m : SentPgns(N183(sentences, options))) sent.push_back(m.pgn);
    return sent;
  };
  // The AIS database carries positions but not depths.
  EXPECT_EQ(pgns(""), (std::vector<uint32_t>{128267, 129025}));
  EXPECT_EQ(pgns("--select Full"), (std::vector<uint32_t>{128267, 129025}));
  EXPECT_EQ(pgns("--select Std"), (std::vector<uint32_t>{128267, 129025}));
  EXPECT_EQ(pgns("--select AIS"), (std::vector<uint32_t>{129025}));
}

}  // namespace
