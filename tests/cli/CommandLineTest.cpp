// The qlx program as scripts use it: exit status, stdout and stderr.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

Outcome Qlx(const std::string& args) {
  const auto errFile = std::filesystem::temp_directory_path() / ("qlx-cli-err-" + std::to_string(::getpid()));
  const std::string command = std::string("'") + QLX_BINARY + "' " + args + " 2>'" + errFile.string() + "'";
  Outcome run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 65536> buffer;
  size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int raw = ::pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream err(errFile, std::ios::binary);
  run.err.assign(std::istreambuf_iterator<char>(err), {});
  std::filesystem::remove(errFile);
  return run;
}

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
    Outcome missing = Qlx(std::string(command) + " '" + (dir_ / "nothing.qlx").string() + "'");
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_NE(missing.err.find("nothing.qlx"), std::string::npos) << missing.err;

    Outcome empty = Qlx(std::string(command) + " '" + Write("empty.qlx", "") + "'");
    EXPECT_EQ(empty.status, 2);
    EXPECT_NE(empty.err.find("empty"), std::string::npos) << empty.err;
    EXPECT_TRUE(empty.out.empty());
  }
}

TEST_F(CommandLine, ListAndShowOfOneSentence) {
  const std::string log = Write("one.qlx", "\x80\xFF$GPHDT,12.5,T*03\r\n");
  const Outcome list = Qlx("list '" + log + "'");
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out, "1\t00:00:00.000\tUNKNOWN\t80 FF \n2\t00:00:00.000\tN183\t$GPHDT,12.5,T*03\n");

  const Outcome show = Qlx("show '" + log + "' 1");
  EXPECT_EQ(show.status, 0);
  EXPECT_EQ(show.out,
            "Raw KVT Data:\r\n0x80,0xFF,\r\nBasic Message\r\n80 FF \r\n\r\nFull decoded Message\r\n80 FF \r\n");

  for (const char* line : {"0", "3", "x", "1x", "-1"}) {
    const Outcome bad = Qlx("show '" + log + "' " + line);
    EXPECT_EQ(bad.status, 2) << line;
    EXPECT_TRUE(bad.out.empty()) << line;
    EXPECT_FALSE(bad.err.empty()) << line;
  }
}

TEST_F(CommandLine, UsageAndHelp) {
  EXPECT_EQ(Qlx("").status, 2);
  EXPECT_EQ(Qlx("frobnicate").status, 2);
  EXPECT_EQ(Qlx("list").status, 2);
  const Outcome help = Qlx("--help");
  EXPECT_EQ(help.status, 0);
  for (const char* command : {"dump", "list", "show"}) EXPECT_NE(help.out.find(command), std::string::npos);
  const Outcome listHelp = Qlx("list --help");
  EXPECT_EQ(listHelp.status, 0);
  EXPECT_NE(listHelp.out.find("usage: qlx list FILE"), std::string::npos);
}

}  // namespace
