// The record list and the export decode a log on every core; their output
// must be the bytes of a single worker's, whatever the number of workers.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "../QlxProgram.h"

namespace {

namespace fs = std::filesystem;

class ParallelOutput : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = fs::temp_directory_path() / ("qlx-parallel-test-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    // About 45000 records: several chunks of both commands.
    log_ = (dir_ / "synthetic.qlx").string();
    ASSERT_EQ(RunQlx("synth --out '" + log_ + "' --bytes 1400000 --seed 3").status, 0);
  }
  static void TearDownTestSuite() { fs::remove_all(dir_); }

  static fs::path dir_;
  static std::string log_;
};

fs::path ParallelOutput::dir_;
std::string ParallelOutput::log_;

TEST_F(ParallelOutput, ListIsTheSameForEveryNumberOfWorkers) {
  const QlxResult one = RunQlx("list --threads 1 '" + log_ + "'");
  ASSERT_EQ(one.status, 0);
  EXPECT_GT(std::count(one.out.begin(), one.out.end(), '\n'), 40000);
  EXPECT_EQ(RunQlx("list --threads 3 '" + log_ + "'").out, one.out);
  EXPECT_EQ(RunQlx("list '" + log_ + "'").out, one.out);
  EXPECT_EQ(RunQlx("list --latin1 --threads 2 '" + log_ + "'").out,
            RunQlx("list --latin1 --threads 1 '" + log_ + "'").out);

  const std::string filter = " --filter 'n183 || pgn == 127250'";
  const QlxResult filtered = RunQlx("list --threads 1 '" + log_ + "'" + filter);
  ASSERT_EQ(filtered.status, 0);
  EXPECT_FALSE(filtered.out.empty());
  EXPECT_LT(filtered.out.size(), one.out.size());
  EXPECT_EQ(RunQlx("list --threads 4 '" + log_ + "'" + filter).out, filtered.out);
}

TEST_F(ParallelOutput, ExportIsTheSameForEveryNumberOfWorkers) {
  for (const char* format : {"csv", "jsonl"}) {
    const QlxResult one = RunQlx("export '" + log_ + "' --format " + format + " --threads 1");
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_GT(one.out.size(), 1000000u);
    EXPECT_EQ(RunQlx("export '" + log_ + "' --format " + format + " --threads 3").out, one.out) << format;
    const fs::path out = dir_ / (std::string("export.") + format);
    ASSERT_EQ(RunQlx("export '" + log_ + "' --format " + format + " --out '" + out.string() + "'").status, 0);
    std::ifstream file(out, std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(file)), {});
    EXPECT_EQ(written, one.out) << format << " written to a file on every core";
  }
  const std::string filter = " --filter 'n2k && src == 20'";
  EXPECT_EQ(RunQlx("export '" + log_ + "' --format csv --threads 2" + filter).out,
            RunQlx("export '" + log_ + "' --format csv --threads 1" + filter).out);
}

TEST_F(ParallelOutput, BadWorkerCountsAreRefused) {
  for (const char* bad : {"0", "x", "2x", "-1", "100000"}) {
    const QlxResult list = RunQlx("list --threads " + std::string(bad) + " '" + log_ + "'");
    EXPECT_EQ(list.status, 2) << bad;
    EXPECT_NE(list.err.find("--threads must be a number"), std::string::npos) << list.err;
    EXPECT_EQ(RunQlx("export '" + log_ + "' --format csv --threads " + std::string(bad)).status, 2) << bad;
  }
  EXPECT_EQ(RunQlx("list '" + log_ + "' --threads").status, 2);
  EXPECT_EQ(RunQlx("list --threads 1 --threads 2 '" + log_ + "'").status, 2);
}

TEST_F(ParallelOutput, AListThatCannotBeWrittenFails) {
  const QlxResult full = RunQlx("list '" + log_ + "' >/dev/full");
  EXPECT_EQ(full.status, 2);
  EXPECT_NE(full.err.find("write failed"), std::string::npos) << full.err;
}

// Text-only unrecognised data keeps its line ends and backslashes in the
// summary; the list escapes them so that a record stays on one line.
TEST_F(ParallelOutput, ListEscapesControlCharactersInRuns) {
  const fs::path path = dir_ / "escapes.qlx";
  // Long runs are scanned eight bytes at a time: escapes sit inside and
  // past the first eight.
  std::ofstream(path, std::ios::binary) << "$GPGGA,1*00\r\n"
                                           "he\\llo\\\r\nabcdefghijklmnopq\\rstuvwxyz0123456789\\\r\n";
  const QlxResult list = RunQlx("list '" + path.string() + "'");
  ASSERT_EQ(list.status, 0);
  EXPECT_EQ(list.out,
            "1\t00:00:00.000\tN183XC\t$GPGGA,1*00\n"
            "2\t00:00:00.000\tUNKNOWN\t"
            "he\\\\llo\\\\\\r\\nabcdefghijklmnopq\\\\rstuvwxyz0123456789\\\\\\r\\n\n");
}

}  // namespace
