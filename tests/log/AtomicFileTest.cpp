#include "log/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  // One folder per test: ctest runs the tests of this file side by side.
  fs::path dir_ = fs::temp_directory_path() /
                  (std::string("qlx-atomic-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  size_t Entries() { return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {})); }
};

TEST_F(AtomicFileTest, ReplacesOnlyOnCommit) {
  const fs::path target = dir_ / "out.txt";
  std::ofstream(target) << "old";
  {
    AtomicFile file;
    ASSERT_TRUE(file.Create(target.string()));
    ASSERT_TRUE(file.Write("new contents"));
    EXPECT_EQ(Read(target), "old") << "the target stays as it was while the new file is written";
  }
  EXPECT_EQ(Read(target), "old") << "an abandoned write leaves the old file";
  EXPECT_EQ(Entries(), 1u) << "and no temporary behind";

  std::string error;
  ASSERT_TRUE(WriteFileAtomically(target.string(), "new contents", error)) << error;
  EXPECT_EQ(Read(target), "new contents");
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, FailuresSayWhy) {
  std::string error;
  EXPECT_FALSE(WriteFileAtomically((dir_ / "missing" / "out.txt").string(), "x", error));
  EXPECT_EQ(error, "cannot create: No such file or directory");
  // A folder where the file should go cannot be replaced by it.
  fs::create_directories(dir_ / "taken");
  EXPECT_FALSE(WriteFileAtomically((dir_ / "taken").string(), "x", error));
  EXPECT_EQ(error.rfind("cannot replace: ", 0), 0u) << error;
  EXPECT_EQ(Entries(), 1u) << "the temporary is removed after a failed rename";
  // A device or a pipe named as the target is refused, never renamed over:
  // run as root, `--out /dev/null` would otherwise replace /dev/null.
  const fs::path pipe = dir_ / "pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(WriteFileAtomically(pipe.string(), "x", error));
  EXPECT_EQ(error, "cannot replace: it is not a regular file");
  EXPECT_TRUE(fs::is_fifo(pipe));
  EXPECT_EQ(Entries(), 2u) << "no temporary is created";
  // A full device fails on the way and never reports success.
  if (fs::exists("/dev/full")) {
    AtomicFile full;
    full.Create((dir_ / "f").string());
    EXPECT_TRUE(std::freopen("/dev/full", "wb", full.Stream()) != nullptr);
    full.Write(std::string(1 << 16, 'x'));
    EXPECT_FALSE(full.Commit());
    EXPECT_FALSE(fs::exists(dir_ / "f"));
  }
}

}  // namespace
