// What others read from the synthetic writer: the HOX responses decode
// field by field against the device-message library, qlx synth checks its
// arguments, and the bundled sample is exactly what the script regenerates.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "decode/HoxDecoder.h"
#include "base/OutputTree.h"
#include "log/synth/HoxMessages.h"
#include "tests/QlxProgram.h"

namespace {

std::string Decode(const std::vector<uint8_t>& body) {
  CTreeNode root("");
  EXPECT_EQ(DecodeKvtHox(body, root, DM_Full), 0);
  std::string text;
  RenderText(root, text, 9, 2, 0);
  return text;
}

TEST(SynthHox, ResponsesFillEveryFieldOfTheirDefinition) {
  const HoxDevice device{7, 1234567, 3600, 10, 20};
  for (uint8_t id : {kHoxHardwareInfo, kHoxPortBaudConfig, kHoxSystemStatus}) {
    const std::string text = Decode(HoxResponseBody(device, id));
    EXPECT_EQ(text.find("not found"), std::string::npos) << text;
    EXPECT_EQ(text.find("not present"), std::string::npos) << text;
    EXPECT_EQ(text.find("UNDECODABLE"), std::string::npos) << text;
    EXPECT_NE(text.find("No Error detected"), std::string::npos) << text;
  }
  EXPECT_NE(Decode(HoxResponseBody(device, kHoxHardwareInfo)).find("Serial number = 1234567"), std::string::npos);
  EXPECT_NE(Decode(HoxResponseBody(device, kHoxPortBaudConfig)).find("38400"), std::string::npos);
}

int QlxStatus(const std::string& arguments) { return RunQlx(arguments).status; }

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(SynthCommand, BadArgumentsExitWithStatusTwo) {
  const std::string out = (std::filesystem::temp_directory_path() / "synth-args.qlx").string();
  EXPECT_EQ(QlxStatus("synth"), 2);
  EXPECT_EQ(QlxStatus("synth --minutes 1"), 2);
  EXPECT_EQ(QlxStatus("synth --out " + out + " --minutes 0"), 2);
  EXPECT_EQ(QlxStatus("synth --out " + out + " --minutes x"), 2);
  EXPECT_EQ(QlxStatus("synth --out " + out + " --bytes 999"), 2);
  EXPECT_EQ(QlxStatus("synth --out " + out + " --minutes 1 --bytes 5000"), 2);
  EXPECT_EQ(QlxStatus("synth --out " + out + " --seed -1"), 2);
  EXPECT_EQ(QlxStatus("synth --out " + out + " --start 2026-13-01T00:00:00"), 2);
  EXPECT_EQ(QlxStatus("synth --out " + out + " --colour red"), 2);
  EXPECT_EQ(QlxStatus("synth --out /nonexistent-dir/x.qlx"), 2);
  EXPECT_EQ(QlxStatus("synth --out " + out + " --bytes 20000 --seed 3"), 0);
  const std::string written = ReadFile(out);
  EXPECT_LE(written.size(), 20000u);
  EXPECT_GT(written.size(), 15000u);
  std::filesystem::remove(out);
}

// The command is the one scripts/make-sample runs.
// A write that fails half way (the file size limit stands in for a full
// disk) leaves the file that was there, and no temporary beside it.
TEST(SynthCommand, FailedWriteKeepsTheOldFile) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("qlx-synth-full-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::filesystem::path out = dir / "log.qlx";
  std::ofstream(out) << "an older log";
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 64 * 1024;  // a one-minute log is about 150 KB
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const QlxResult run = RunQlx("synth --minutes 1 --out '" + out.string() + "'");
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "qlx: " + out.string() + ": write failed: File too large\n");
  EXPECT_EQ(run.out, "") << "no success line for a failed write";
  std::ifstream in(out);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "an older log");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
  std::filesystem::remove_all(dir);
}

TEST(SynthSample, BundledSampleIsWhatTheScriptRegenerates) {
  const std::filesystem::path sample = std::filesystem::path(QLX_SOURCE_DIR) / "samples" / "sample.qlx";
  const std::string script = ReadFile(std::filesystem::path(QLX_SOURCE_DIR) / "scripts" / "make-sample");
  const std::string arguments = "--minutes 2 --seed 1 --start 2026-06-14T09:30:00";
  ASSERT_NE(script.find(arguments), std::string::npos) << "scripts/make-sample changed its command";
  const std::string out = (std::filesystem::temp_directory_path() / "synth-sample.qlx").string();
  ASSERT_EQ(QlxStatus("synth --out " + out + " " + arguments), 0);
  const std::string bundled = ReadFile(sample);
  EXPECT_LE(bundled.size(), 1000000u);
  EXPECT_TRUE(ReadFile(out) == bundled) << "samples/sample.qlx is out of date: run scripts/make-sample";
  std::filesystem::remove(out);
}

}  // namespace
