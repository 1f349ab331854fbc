#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/QlxProgram.h"

namespace {

std::string TempPath(const char* name) {
  return (testing::TempDir() + "qlx-db-" + std::to_string(getpid()) + "-") + name;
}

TEST(DatabaseCommands, TreeStartsWithTheDatabaseNameAndItsLists) {
  const QlxResult run = RunQlx("db tree --select Std");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("Torvanode Std Database\n  NMEA 0183 Sentences N183Rx\n    -Enabled: Yes\n", 0), 0u);
  EXPECT_NE(run.out.find("\n  NMEA 2000 PGNs N2KTx\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n    127245:Rudder\n"), std::string::npos);
  EXPECT_EQ(run.out.find('\r'), std::string::npos);
  EXPECT_EQ(RunQlx("db tree").out.rfind("Torvanode  Database\n", 0), 0u);
}

TEST(DatabaseCommands, BadSelectionsAreUsageErrors) {
  for (const char* args : {"db tree --select std", "db tree --select", "db image --select AIS", "db check"}) {
    const QlxResult run = RunQlx(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.err.rfind("qlx: ", 0), 0u) << args;
    EXPECT_EQ(run.out, "") << args;
  }
}

TEST(DatabaseCommands, AnImageWrittenIsAnImageTheCheckAccepts) {
  const std::string path = TempPath("ais.bin");
  const QlxResult written = RunQlx("db image --select AIS --out " + path);
  ASSERT_EQ(written.status, 0) << written.out;
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  const std::streamoff size = file.tellg();
  EXPECT_EQ(written.out, path + ": " + std::to_string(size) + " bytes\n");

  const QlxResult checked = RunQlx("db check " + path);
  EXPECT_EQ(checked.status, 0) << checked.out;
  EXPECT_NE(checked.out.find("\nsection 0x00010500  entry size 20  count "), std::string::npos);
  EXPECT_NE(checked.out.find("\nsection 0x00010801  entry size 12  count "), std::string::npos);
  std::remove(path.c_str());
}

TEST(DatabaseCommands, CheckReportsTheReadersRefusal) {
  const std::string path = TempPath("text.bin");
  std::ofstream(path) << "$GPGGA,not a database image at all\r\n";
  const QlxResult run = RunQlx("db check " + path);
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("refused with 0xFFFFFD5A: not a database image"), std::string::npos) << run.err;
  std::remove(path.c_str());
  EXPECT_EQ(RunQlx("db check " + path).status, 2);
}

// A failed write names its reason and never leaves a half-written image
// or empties the file that stood there.
TEST(DatabaseCommands, FailedWritesKeepTheOldFile) {
  const std::string missing = TempPath("no-such-folder") + "/image.bin";
  QlxResult run = RunQlx("db image --out " + missing);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "qlx: " + missing + ": cannot write the image: cannot create: No such file or directory\n");

  const std::string folder = TempPath("folder");
  std::filesystem::create_directories(folder);
  run = RunQlx("db image --out " + folder);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "qlx: " + folder + ": cannot write the image: cannot replace: it is a directory\n");
  EXPECT_TRUE(std::filesystem::is_empty(folder));
  std::filesystem::remove(folder);
}

TEST(DatabaseCommands, CheckNamesWhyAFileIsNoImage) {
  const std::string folder = TempPath("check-folder");
  std::filesystem::create_directories(folder);
  const std::string empty = TempPath("empty.bin");
  std::ofstream(empty).close();
  const std::string large = TempPath("large.bin");
  std::ofstream(large).close();
  std::filesystem::resize_file(large, 1 << 20);
  const std::pair<std::string, std::string> cases[] = {
      {folder, "cannot open: it is a directory"},
      {"/dev/zero", "cannot open: it is not a regular file"},
      {empty, "the file is empty"},
      {large, "the file has 1048576 bytes or more"},
      {TempPath("missing.bin"), "cannot open: No such file or directory"},
  };
  for (const auto& [path, reason] : cases) {
    const QlxResult run = RunQlx("db check " + path);
    EXPECT_EQ(run.status, 2) << path;
    EXPECT_EQ(run.err, "qlx: " + path + ": " + reason + "\n");
  }
  std::filesystem::remove(folder);
  std::remove(empty.c_str());
  std::remove(large.c_str());
}

}  // namespace
