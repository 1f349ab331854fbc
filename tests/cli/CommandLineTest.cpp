// The qlx program as scripts use it: exit status, stdout and stderr.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/QlxProgram.h"

namespace {

class CommandLine : public ::testing::Test {
 protected:
  std::filesystem::path dir_ = std::filesystem::temp_directory_path() / "qlx-cli-test";
  void SetUp() override { std::filesystem::create_directories(dir_); }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Write(const char* name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
    return (dir_ / name).string();
  }
};

TEST_F(CommandLine, FilesWithoutRecordsFailClearly) {
  for (const char* command : {"dump", "list"}) {
    SCOPED_TRACE(command);
    QlxResult missing = RunQlx(std::string(command) + " '" + (dir_ / "nothing.qlx").string() + "'");
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_NE(missing.err.find("nothing.qlx"), std::string::npos) << missing.err;

    QlxResult empty = RunQlx(std::string(command) + " '" + Write("empty.qlx", "") + "'");
    EXPECT_EQ(empty.status, 2);
    EXPECT_NE(empty.err.find("empty"), std::string::npos) << empty.err;
    EXPECT_TRUE(empty.out.empty());
  }
}

TEST_F(CommandLine, ListAndShowOfOneSentence) {
  const std::string log = Write("one.qlx", "\x80\xFF$GPHDT,12.5,T*03\r\n");
  const QlxResult list = RunQlx("list '" + log + "'");
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out, "1\t00:00:00.000\tUNKNOWN\t80 FF \n2\t00:00:00.000\tN183\t$GPHDT,12.5,T*03\n");

  const QlxResult show = RunQlx("show '" + log + "' 1");
  EXPECT_EQ(show.status, 0);
  EXPECT_EQ(show.out,
            "Raw KVT Data:\r\n0x80,0xFF,\r\nBasic Message\r\n80 FF \r\n\r\nFull decoded Message\r\n80 FF \r\n");

  for (const char* line : {"0", "3", "x", "1x", "-1"}) {
    const QlxResult bad = RunQlx("show '" + log + "' " + line);
    EXPECT_EQ(bad.status, 2) << line;
    EXPECT_TRUE(bad.out.empty()) << line;
    EXPECT_FALSE(bad.err.empty()) << line;
  }
}

TEST_F(CommandLine, UsageAndHelp) {
  EXPECT_EQ(RunQlx("").status, 2);
  EXPECT_EQ(RunQlx("frobnicate").status, 2);
  EXPECT_EQ(RunQlx("list").status, 2);
  const QlxResult help = RunQlx("--help");
  EXPECT_EQ(help.status, 0);
  for (const char* command : {"dump", "list", "show"}) EXPECT_NE(help.out.find(command), std::string::npos);
  const QlxResult listHelp = RunQlx("list --help");
  EXPECT_EQ(listHelp.status, 0);
  EXPECT_NE(listHelp.out.find("usage: qlx list FILE"), std::string::npos);
}

}  // namespace
