#include <gtest/gtest.h>

#include <string>

#include "tests/QlxProgram.h"

namespace {

// Both streams together, as a terminal shows them.
QlxResult Qlx(const std::string& args) {
  QlxResult run = RunQlx(args);
  run.out += run.err;
  return run;
}

int Lines(const std::string& text) {
  int n = 0;
  for (char c : text) n += c == '\n';
  return n;
}

TEST(LibraryPgnCommands, ListsEveryPgnOnALineOfItsOwn) {
  const QlxResult run = Qlx("library pgns");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Lines(run.out), 120);
  EXPECT_EQ(run.out.rfind("59392  ISO Acknowledgment  fields 4  length 8 bytes  single frame", 0), 0u);
  EXPECT_NE(run.out.find("\n129029  GNSS Position Data  fields 18  length variable  fast packet  interval 1000 ms\n"),
            std::string::npos);
}

TEST(LibraryPgnCommands, ShowsARangeMemberByItsRow) {
  const QlxResult run = Qlx("library pgn 59939");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("PGN 59904 (0x0EA00) ISO Request\n", 0), 0u);
  EXPECT_NE(run.out.find("covers 59904 to 60159"), std::string::npos);
}

TEST(LibraryPgnCommands, ShowsFieldsAndConversionRows) {
  const QlxResult run = Qlx("library pgn 0x1FA04");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("4 PRN (Sat ID): bit 24, 8 bits; DD row 74"), std::string::npos);
  EXPECT_NE(run.out.find("repeats 7 fields, count in field 3"), std::string::npos);
  EXPECT_NE(run.out.find("10 Reserved: bit 116, 4 bits; DD row 1 (DD001 Reserved field)"), std::string::npos);
  EXPECT_NE(run.out.find("-> RD_GNSS_SatPRN (84)"), std::string::npos);
  const QlxResult heading = Qlx("library pgn 127250");
  EXPECT_NE(heading.out.find("-> RD_HeadingSensorMag (89) when field 4 = 1 (DD117_DirectionReference_0x01)"),
            std::string::npos);
}

TEST(LibraryPgnCommands, RejectsUnknownAndMalformedPgns) {
  for (const char* args : {"library pgn 61440", "library pgn 0", "library pgn twelve", "library pgn -5",
                           "library pgn", "library pgn 1 2", "library pgns extra"}) {
    const QlxResult run = Qlx(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.out.rfind("qlx: ", 0), 0u) << args;
  }
}

}  // namespace
