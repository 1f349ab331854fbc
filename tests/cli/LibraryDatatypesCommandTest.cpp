#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/QlxProgram.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(LibraryDatatypesCommand, OneLinePerCatalogueRow) {
  const QlxResult run = RunQlx("library datatypes");
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 141u);
  EXPECT_EQ(lines[0], "index  name                            format      instances  banked  AIS");
  EXPECT_EQ(lines[1], "    0  RD_AIS_COG                      uint16              1  no      yes");
  EXPECT_EQ(lines[71], "   70  RD_GNSSNumSVsInView             uint8               1  yes     no");
  EXPECT_EQ(lines[85], "   84  RD_GNSS_SatPRN                  uint8              18  yes     no");
  EXPECT_EQ(lines[101], "  100  RD_NONE                         Undefined           1  no      no");
  EXPECT_EQ(lines[140], "  139  RD_Yaw                          int16               1  no      no");
}

TEST(LibraryDatatypesCommand, TakesNoArguments) {
  const QlxResult run = RunQlx("library datatypes extra");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("takes no arguments"), std::string::npos);
}

}  // namespace
