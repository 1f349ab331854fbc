#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/QlxProgram.h"

namespace {

enum class Stream { kOut, kErr };

// One of the two output streams of qlx, in `out`.
QlxResult Qlx(const std::string& arguments, Stream stream = Stream::kOut) {
  QlxResult run = RunQlx(arguments);
  if (stream == Stream::kErr) run.out = run.err;
  return run;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(LibrarySentencesCommand, OneLinePerDefinition) {
  const QlxResult run = Qlx("library sentences");
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 143u);
  EXPECT_EQ(lines[0], "$IIAAM  Waypoint Arrival Alarm  fields 0  interval 2000 ms");
  EXPECT_EQ(lines[33], "$GPGGA  Global Positioning System Fix Data  fields 10  interval 1000 ms");
  EXPECT_EQ(lines[109].rfind("!IIVDM  AIS VHF Datalink Message  fields 6", 0), 0u) << lines[109];
  EXPECT_EQ(lines[142], "$IIZZU  Time, UTC  fields 0  interval 1000 ms");
}

TEST(LibrarySentenceCommand, ShowsFieldRows) {
  const QlxResult run = Qlx("library sentence GSV");
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("$GPGSV GNSS Satellites in View\n", 0), 0u);
  EXPECT_NE(run.out.find("fields: 7 definitions from index 54, covering 7 sentence fields"), std::string::npos);
  EXPECT_NE(run.out.find("   3 Satellite ID (PRN) number\n"
                         "     type DT0183_VariableNumber (6), unit UT183_0 (0), repository RD_GNSS_SatPRN (84), "
                         "fixed 2 digits\n"
                         "     group of 4, at most 4, count in RD_GNSSNumSVsInView (70);"),
            std::string::npos)
      << run.out;
}

TEST(LibrarySentenceCommand, ShowsBothWindDefinitions) {
  const QlxResult run = Qlx("library sentence MWV");
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("applies when field 1 holds 'R'"), std::string::npos);
  EXPECT_NE(run.out.find("applies when field 1 holds 'T'"), std::string::npos);
  EXPECT_NE(run.out.find("valid when field 4 says so (rule 2)"), std::string::npos);
}

TEST(LibrarySentenceCommand, RejectsUnknownFormatters) {
  for (const char* arguments : {"library sentence XYZ", "library sentence GSVX", "library sentence",
                                "library sentence gsv", "library sentences extra", "library ais extra"}) {
    EXPECT_EQ(Qlx(arguments).out, "") << arguments;
    const QlxResult run = Qlx(arguments, Stream::kErr);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_EQ(run.out.rfind("qlx: ", 0), 0u) << arguments;
  }
}

TEST(LibraryAisCommand, ListsMessagesWithTheirRuns) {
  const QlxResult run = Qlx("library ais");
  ASSERT_EQ(run.status, 0);
  int messages = 0;
  std::vector<std::string> totals;
  for (const std::string& line : Lines(run.out)) {
    if (line.rfind("Message ", 0) == 0) ++messages;
    if (line.rfind("  total ", 0) == 0) totals.push_back(line);
  }
  EXPECT_EQ(messages, 27);
  EXPECT_EQ(totals, (std::vector<std::string>{"  total 168 bits", "  total 168 bits", "  total 168 bits",
                                              "  total 168 bits", "  total 424 bits", "  total 168 bits",
                                              "  total 168 bits", "  total 312 bits", "  total 160 bits",
                                              "  total 168 bits"}));
  EXPECT_NE(run.out.find("   9 bit 116  12 bits COG [Degrees] x10^-1, range 0..3599 n/a 3600 -> RD_AIS_COG (0)"),
            std::string::npos);
}

}  // namespace
