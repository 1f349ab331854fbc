#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <tuple>

#include "tests/QlxProgram.h"

namespace fs = std::filesystem;

namespace {

fs::path FreshFolder(const std::string& name) {
  const fs::path path = fs::temp_directory_path() / ("qlx-wizard-cli-" + std::to_string(::getpid()) + "-" + name);
  fs::remove_all(path);
  return path;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The build-time stamp inside the build information section: the only
// bytes that differ between two builds of one selection.
size_t BuildTimeOffset(const std::string& image) {
  for (size_t id = 4; id + 4 <= 64 && id + 4 <= image.size(); id += 4) {
    if (image.compare(id, 4, std::string("\x00\x01\x01\x00", 4)) == 0) return id + 8 + 8;
  }
  return std::string::npos;
}

TEST(WizardCommand, GeneratedDatabaseSourceCompilesToTheImageBytes) {
  const fs::path folder = FreshFolder("compile");
  const QlxResult save = RunQlx("wizard save --out '" + folder.string() + "'");
  ASSERT_EQ(save.status, 0) << save.err;

  std::ofstream(folder / "ConfigsWXN1.h") << "#include <cstdint>\n"
                                             "typedef std::uint8_t u8;\n"
                                             "#define cMAIN_NMEADBDefaultsSize 16384\n";
  std::ofstream(folder / "WXNDBDefaults.h") << "extern const u8 _DBDefaults[cMAIN_NMEADBDefaultsSize];\n";
  std::ofstream(folder / "dump.cpp") << "#include <cstdio>\n#include <cstdint>\n#include <cstdlib>\n"
                                        "extern const std::uint8_t _DBDefaults[16384];\n"
                                        "int main(int argc, char** argv) {\n"
                                        "  std::fwrite(_DBDefaults, 1, std::atoi(argv[1]), stdout);\n"
                                        "}\n";

  for (const auto& [word, source, guard] : {std::tuple{"Std", "WXNDBDefaults", "__WXNDBDefaultsSTD__"},
                                            std::tuple{"AIS", "WXNDBDefaultsAIS", "__WXNDBDefaultsAIS__"}}) {
    const fs::path program = folder / (std::string("dump-") + word);
    const std::string compile = "c++ -std=c++17 -D" + std::string(guard) + " -I'" + folder.string() + "' '" +
                                (folder / (std::string(source) + ".cpp")).string() + "' '" +
                                (folder / "dump.cpp").string() + "' -o '" + program.string() + "' 2>'" +
                                (folder / "compile.log").string() + "'";
    ASSERT_EQ(std::system(compile.c_str()), 0) << ReadAll(folder / "compile.log");

    const fs::path imageFile = folder / (std::string("image-") + word);
    const QlxResult image = RunQlx(std::string("db image --select ") + word + " --out '" + imageFile.string() + "'");
    ASSERT_EQ(image.status, 0) << image.err;
    const std::string expected = ReadAll(imageFile);
    ASSERT_GT(expected.size(), 100u);

    const fs::path dumped = folder / (std::string("dumped-") + word);
    const std::string run = "'" + program.string() + "' " + std::to_string(expected.size()) + " >'" +
                            dumped.string() + "'";
    ASSERT_EQ(std::system(run.c_str()), 0);
    std::string actual = ReadAll(dumped);
    ASSERT_EQ(actual.size(), expected.size()) << word;
    const size_t stamp = BuildTimeOffset(expected);
    ASSERT_NE(stamp, std::string::npos);
    EXPECT_EQ(actual.substr(0, stamp), expected.substr(0, stamp)) << word;
    EXPECT_EQ(actual.substr(stamp + 8), expected.substr(stamp + 8)) << word;

    const std::string text = ReadAll(folder / (std::string(source) + ".cpp"));
    size_t values = 0;
    for (size_t at = 0; (at = text.find("0x", at)) != std::string::npos; at += 2) ++values;
    EXPECT_EQ(values, expected.size()) << "the array holds the image bytes and nothing more";
  }
  fs::remove_all(folder);
}

// The enable-list source, with a template that supplies the firmware's
// names, compiles, and its parallel lists agree in length.
TEST(WizardCommand, GeneratedEnableListsCompileWithParallelLists) {
  const fs::path folder = FreshFolder("lists");
  fs::create_directories(folder);
  std::ofstream(folder / "template.h") << "#include <cstdint>\r\n"
                                          "typedef std::uint32_t u32;\r\ntypedef std::uint8_t u8;\r\n"
                                          "enum { CAN_ISOACK_PGN = 59392, CAN_ISOREQ_PGN = 59904,\r\n"
                                          "  CAN_ADDCLAIM_PGN = 60928, N2K_RCAGFUNC_PGN = 126208,\r\n"
                                          "  N2K_TXRXLIST_PGN = 126464, N2K_PROPMANFA_PGN = 126720,\r\n"
                                          "  PEL_MatchPDUFormatMask = 1, PEL_MatchPGNMask = 2,\r\n"
                                          "  CAN_ISOREQ_PRI = 6, N2K_RCAGFUNC_PRI = 3, N2K_PROPMANFA_PRI = 6 };\r\n";
  const QlxResult save = RunQlx("wizard save --out '" + folder.string() + "' --template '" +
                                (folder / "template.h").string() + "'");
  ASSERT_EQ(save.status, 0) << save.err;
  EXPECT_TRUE(save.err.find("warning") == std::string::npos) << save.err;
  for (const char* source : {"WXNEnableListDef.cpp", "WXNEnableListDefAIS.cpp"}) {
    std::ofstream(folder / "check.cpp")
        << "#include \"" << source << "\"\n"
        << "#define COUNT(a) (sizeof(a) / sizeof((a)[0]))\n"
           "static_assert(COUNT(_WXN_RxPGNListDef) == COUNT(_WXN_RxMaskListDef));\n"
           "static_assert(COUNT(_WXN_TxPGNListDef) == COUNT(_WXN_TxRateListDef));\n"
           "static_assert(COUNT(_WXN_TxPGNListDef) == COUNT(_WXN_TxPriorityListDef));\n";
    const std::string compile = "c++ -std=c++17 -fsyntax-only -I'" + folder.string() + "' '" +
                                (folder / "check.cpp").string() + "' 2>'" + (folder / "compile.log").string() + "'";
    EXPECT_EQ(std::system(compile.c_str()), 0) << source << "\n" << ReadAll(folder / "compile.log");
  }
  fs::remove_all(folder);
}

TEST(WizardCommand, ReportWritesBothFilesAndPrintsTheirPaths) {
  const fs::path folder = FreshFolder("report");
  const QlxResult result = RunQlx("wizard report --select AIS --out '" + folder.string() + "' --name Mine");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(Lines(result.out), (std::vector<std::string>{(folder / "Mine.txt").string(),
                                                         (folder / "Mine.csv").string()}));
  EXPECT_NE(ReadAll(folder / "Mine.csv").find("Database NMEA 0183 Rx Sentence to NMEA 2000 Tx PGN List\r\n"),
            std::string::npos);
  fs::remove_all(folder);
}

TEST(WizardCommand, FailuresAreReportedWithStatusTwo) {
  const fs::path folder = FreshFolder("fail");
  fs::create_directories(folder);
  std::ofstream(folder / "plain") << "x";
  const std::string blocked = (folder / "plain" / "out").string();
  for (const std::string& command : {"wizard report --out '" + blocked + "'", "wizard save --out '" + blocked + "'"}) {
    const QlxResult result = RunQlx(command);
    EXPECT_EQ(result.status, 2) << command;
    EXPECT_TRUE(result.out.empty()) << command;
    EXPECT_NE(result.err.find("qlx: "), std::string::npos) << command;
  }
  EXPECT_EQ(RunQlx("wizard report").status, 2) << "--out is required";
  EXPECT_EQ(RunQlx("wizard enable-lists --select Nope").status, 2);
  EXPECT_EQ(RunQlx("wizard frobnicate").status, 2);

  const QlxResult save = RunQlx("wizard save --out '" + (folder / "ok").string() + "' --template '" +
                                (folder / "missing.h").string() + "'");
  EXPECT_EQ(save.status, 0);
  EXPECT_EQ(Lines(save.out).size(), 8u);
  EXPECT_NE(save.err.find("missing.h"), std::string::npos) << "the missing template is shown, not only written";
  fs::remove_all(folder);
}

TEST(WizardCommand, EnableListsAndHelp) {
  const QlxResult lists = RunQlx("wizard enable-lists --select Std");
  ASSERT_EQ(lists.status, 0) << lists.err;
  EXPECT_EQ(lists.out.find('\r'), std::string::npos);
  EXPECT_EQ(lists.out.rfind("\n/****", 0), 0u);

  const QlxResult help = RunQlx("wizard --help");
  ASSERT_EQ(help.status, 0);
  for (const char* sub : {"report", "save", "enable-lists"}) {
    EXPECT_NE(help.out.find(std::string("  ") + sub + " "), std::string::npos) << sub;
  }
  for (const std::string command : {"wizard", "wizard report", "wizard save", "wizard enable-lists"}) {
    for (const std::string& line : Lines(RunQlx(command + " --help").out)) EXPECT_LE(line.size(), 80u) << line;
  }
}

}  // namespace
