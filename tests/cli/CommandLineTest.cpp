// The qlx program as scripts use it: exit status, stdout and stderr.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "log/RecordParser.h"
#include "tests/QlxProgram.h"

namespace {

class CommandLine : public ::testing::Test {
 protected:
  // One folder per test: ctest runs the tests of this file side by side.
  std::filesystem::path dir_ =
      std::filesystem::temp_directory_path() /
      (std::string("qlx-cli-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
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

  for (const char* line : {"0", "3", "x", "1x", "-1", "+1", ""}) {
    const QlxResult bad = RunQlx("show '" + log + "' '" + line + "'");
    EXPECT_EQ(bad.status, 2) << line;
    EXPECT_TRUE(bad.out.empty()) << line;
    EXPECT_FALSE(bad.err.empty()) << line;
  }
  EXPECT_EQ(RunQlx("show '" + log + "' 0").err, RunQlx("show '" + log + "' -1").err);
}

// Unrecognised text can hold raw line ends and other control characters; a
// pipeline still gets one line per record, and can read the bytes back.
TEST_F(CommandLine, ListEscapesControlCharacters) {
  const std::string text = Write("text.qlx", "ab\ncd\rx\\y\r\n");
  const QlxResult escaped = RunQlx("list '" + text + "'");
  EXPECT_EQ(escaped.status, 0) << escaped.err;
  EXPECT_EQ(escaped.out, "1\t00:00:00.000\tUNKNOWN\tab\\ncd\\rx\\\\y\\r\\n\n");
}

TEST_F(CommandLine, NotAQlxLogIsListedWithOneNote) {
  const std::string log = Write("notes.txt", "These are my notes.\nNothing logged here.\n");
  const QlxResult list = RunQlx("list '" + log + "'");
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out, "1\t00:00:00.000\tUNKNOWN\tThese are my notes.\\nNothing logged here.\\n\n");
  EXPECT_EQ(list.err, "qlx: " + log + ": " + kNotQlxLogMessage + "\n");

  const QlxResult sentence = RunQlx("list '" + Write("hdt.qlx", "$GPHDT,12.5,T*03\r\n") + "'");
  EXPECT_EQ(sentence.err, "") << "a log says nothing";
}


// The command names, as the overview lists them ("list", "library pgn").
std::vector<std::string> CommandNames(const std::string& overview) {
  std::vector<std::string> names;
  std::istringstream lines(overview);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("  qlx ", 0) != 0) continue;
    std::istringstream words(line.substr(6));
    std::string word, name;
    while (words >> word && std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
      name += (name.empty() ? "" : " ") + word;
    names.push_back(name);
  }
  return names;
}

void ExpectFitsTerminal(const std::string& text, const std::string& what) {
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) EXPECT_LE(line.size(), 80u) << what << ": " << line;
}

TEST_F(CommandLine, HelpOfEveryCommandFits80Columns) {
  const QlxResult overview = RunQlx("--help");
  ASSERT_EQ(overview.status, 0);
  ExpectFitsTerminal(overview.out, "qlx --help");
  const std::vector<std::string> names = CommandNames(overview.out);
  EXPECT_GE(names.size(), 10u) << overview.out;
  for (const std::string& name : names) {
    const QlxResult help = RunQlx(name + " --help");
    EXPECT_EQ(help.status, 0) << name;
    EXPECT_EQ(help.out.rfind("usage: qlx " + name, 0), 0u) << help.out;
    ExpectFitsTerminal(help.out, name);
  }
}

TEST_F(CommandLine, GroupsListTheirSubCommands) {
  for (const char* group : {"library", "db"}) {
    const QlxResult help = RunQlx(std::string(group) + " --help");
    EXPECT_EQ(help.status, 0) << group;
    ExpectFitsTerminal(help.out, group);
    size_t listed = 0;
    for (const std::string& name : CommandNames(RunQlx("--help").out)) {
      if (name.rfind(std::string(group) + " ", 0) != 0) continue;
      EXPECT_NE(help.out.find("  qlx " + name), std::string::npos) << help.out;
      ++listed;
    }
    EXPECT_GE(listed, 2u) << group;

    const QlxResult bare = RunQlx(group);
    EXPECT_EQ(bare.status, 2);
    EXPECT_NE(bare.err.find("sub-commands:"), std::string::npos) << bare.err;
    const QlxResult unknown = RunQlx(std::string(group) + " frobnicate");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("unknown command '" + std::string(group) + " frobnicate'"), std::string::npos)
        << unknown.err;
  }
}

TEST_F(CommandLine, Version) {
  const QlxResult version = RunQlx("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "qlx " QLX_VERSION "\n");
  EXPECT_NE(RunQlx("--help").out.find("qlx " QLX_VERSION " "), std::string::npos);
}

// The figures qlx synth prints are what the reader finds in the file it wrote,
// faults and all.
TEST_F(CommandLine, SynthCountsWhatListFinds) {
  const std::string log = (dir_ / "synth.qlx").string();
  for (const char* seed : {"3", "11"}) {
    const QlxResult synth = RunQlx("synth --out '" + log + "' --bytes 120000 --seed " + seed);
    ASSERT_EQ(synth.status, 0) << synth.err;
    unsigned long long records = 0, n2k = 0, n183 = 0, other = 0;
    const size_t figures = synth.out.find("tenths of a second, ");
    ASSERT_NE(figures, std::string::npos) << synth.out;
    ASSERT_EQ(std::sscanf(synth.out.c_str() + figures,
                          "tenths of a second, %llu records as the reader lists them (%llu N2K, %llu N183, %llu other)",
                          &records, &n2k, &n183, &other),
              4)
        << synth.out;

    const QlxResult list = RunQlx("list '" + log + "'");
    ASSERT_EQ(list.status, 0) << list.err;
    std::map<std::string, size_t> byType;
    size_t lines = 0;
    std::istringstream rows(list.out);
    std::string row;
    while (std::getline(rows, row)) {
      ++lines;
      const size_t type = row.find('\t', row.find('\t') + 1) + 1;
      ++byType[row.substr(type, row.find('\t', type) - type)];
    }
    EXPECT_EQ(lines, records) << seed;
    EXPECT_EQ(byType["N2K"], n2k) << seed;
    EXPECT_EQ(byType["N183"], n183) << seed;
    EXPECT_EQ(lines - byType["N2K"] - byType["N183"], other) << seed;
    EXPECT_GT(lines - byType["N2K"] - byType["N183"], 0u) << "faults and tags make other records";
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
  EXPECT_NE(listHelp.out.find("usage: qlx list [--latin1] [--threads N] FILE"), std::string::npos);
}

}  // namespace
