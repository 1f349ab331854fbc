#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/OutputTree.h"
#include "base/RepositoryCatalogue.h"
#include "tests/wizard/WizardImage.h"
#include "wizard/DatabaseSource.h"
#include "wizard/DatabaseWizard.h"
#include "wizard/EnableLists.h"
#include "wizard/FileHeader.h"
#include "wizard/ReportFile.h"

using namespace wizard_test;
namespace fs = std::filesystem;

namespace {

class TempFolder {
 public:
  TempFolder() : path_(fs::temp_directory_path() / ("qlx-wizard-" + std::to_string(::getpid()) + "-" +
                                                    std::to_string(counter_++))) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempFolder() { fs::remove_all(path_); }
  std::string Str() const { return path_.string(); }
  fs::path Path() const { return path_; }

 private:
  static inline int counter_ = 0;
  fs::path path_;
};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

size_t Count(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

TEST(ReportFile, LinesPassTheBufferWholeAndFormattedTextIsCut) {
  TempFolder folder;
  ReportFile file;
  ASSERT_TRUE(file.Create(folder.Str(), "big.txt"));
  EXPECT_FALSE(fs::exists(folder.Path() / "big.txt")) << "nothing appears before the file is complete";
  std::string expected;
  for (int i = 0; i < 3000; ++i) {
    const std::string line = "line " + std::to_string(i);
    file.Line(line);
    expected += line + "\r\n";
  }
  const std::string huge(ReportFile::kMaxFormatted + 100000, 'x');
  file.Format("%s%d", huge.c_str(), 42);
  expected += huge.substr(0, ReportFile::kMaxFormatted);
  file.Format("[%d]", 7);
  expected += "[7]";
  ASSERT_TRUE(file.Close()) << file.Error();
  EXPECT_EQ(file.BytesWritten(), expected.size());
  EXPECT_EQ(ReadAll(folder.Path() / "big.txt"), expected);
}

TEST(FileHeader, CarriesTheDateBriefDetailsAndNotice) {
  TempFolder folder;
  std::tm when{};
  when.tm_mday = 5;
  when.tm_mon = 2;
  when.tm_year = 2026 - 1900;
  when.tm_hour = 7;
  when.tm_min = 8;
  when.tm_sec = 9;
  for (const bool isPrivate : {true, false}) {
    ReportFile file;
    ASSERT_TRUE(file.Create(folder.Str(), "Header.cpp"));
    file.AddBrief("brief one");
    file.AddDetails("detail one");
    file.AddDetails("detail two");
    WriteFileHeader(file, isPrivate, when);
    ASSERT_TRUE(file.Close());
    const std::string text = ReadAll(folder.Path() / "Header.cpp");
    const std::vector<std::string> lines = SplitCrLf(text);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(Count(lines, "\\file      Header.cpp"), 1u);
    EXPECT_EQ(Count(lines, "\\date      (Created on) 05/03/2026 at 07:08:09"), 1u);
    const auto brief = std::find(lines.begin(), lines.end(), "\\brief");
    ASSERT_NE(brief, lines.end());
    EXPECT_NE(brief[1].find("brief one"), std::string::npos);
    EXPECT_EQ(brief[2], "\\details");
    EXPECT_NE(brief[4].find("detail two"), std::string::npos);
    EXPECT_EQ(Count(lines, "           DO NOT EDIT AS ANY CHANGES WILL BE LOST IF THE FILE IS REGENERATED."), 1u);
    const auto note = std::find_if(lines.begin(), lines.end(), [](auto& l) { return l.rfind("\\note", 0) == 0; });
    const auto group = std::find(lines.begin(), lines.end(), "\\ingroup   Wizard");
    ASSERT_NE(note, lines.end());
    ASSERT_NE(group, lines.end());
    EXPECT_EQ(group - note, isPrivate ? 2 : 5);
    const auto svn = std::find(lines.begin(), lines.end(),
                               "Subversion Entries ------------------------------------------------------------");
    ASSERT_NE(svn, lines.end());
    const std::vector<std::string> keywords(svn + 1, svn + 7);
    EXPECT_EQ(keywords, (std::vector<std::string>{"$Author: $", "$Date: $", "$Revision: $",
                                                  "Additional Subversion Entries:", "$URL: $", "$Id: $"}));
    EXPECT_EQ(lines[0].size(), lines[1].size()) << "the notice is padded to the banner width";
  }
}

TEST(ByteArray, TenValuesToALineAndNoCommaAfterTheLast) {
  TempFolder folder;
  std::vector<uint8_t> bytes(25);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 11);
  ReportFile file;
  ASSERT_TRUE(file.Create(folder.Str(), "array.txt"));
  WriteByteArray(file, bytes.data(), static_cast<int32_t>(bytes.size()));
  WriteByteArray(file, bytes.data(), 0);
  WriteByteArray(file, bytes.data(), -3);
  ASSERT_TRUE(file.Close());
  const std::vector<std::string> lines = SplitCrLf(ReadAll(folder.Path() / "array.txt"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "0x00,0x0B,0x16,0x21,0x2C,0x37,0x42,0x4D,0x58,0x63,");
  EXPECT_EQ(std::count(lines[1].begin(), lines[1].end(), 'x'), 10);
  EXPECT_EQ(lines[2], "0xDC,0xE7,0xF2,0xFD,0x08");
}

SectionEntries TwoReceiveThreeTransmit() {
  SectionEntries s;
  s[kViewN2KRxPGNs] = {Pgn(127250, 0, 0), Pgn(129025, 0, 0)};
  s[kViewN2KTxPGNs] = {Pgn(127245, 0, 0, 2, 100), Pgn(129026, 0, 0, 3, 250), Pgn(130306, 0, 0, 5, 1000)};
  return s;
}

TEST(EnableLists, SizesMasksRatesAndPrioritiesFollowTheDatabase) {
  const OpenedImage image(TwoReceiveThreeTransmit());
  ASSERT_EQ(image.result, kDBImageOpened);
  CTreeNode root;
  BuildEnableLists(image.view, root);
  std::vector<std::string> lines;
  for (const CTreeNode& line : root.Children()) lines.push_back(line.Text());
  EXPECT_EQ(lines[3], "/*       WXN RxEnableListSize = (6 + 2)                                */");
  EXPECT_EQ(lines[4], "/*       WXN TxEnableListSize = (3 + 3)                                */");
  EXPECT_EQ(Count(lines, "\t\tPEL_MatchPGNMask,"), 2u);
  EXPECT_EQ(Count(lines, "\t\tPEL_MatchPDUFormatMask,"), 6u);
  const auto pgnLine = std::find_if(lines.begin(), lines.end(), [](auto& l) { return l.find("0x1F112") != l.npos; });
  ASSERT_NE(pgnLine, lines.end());
  EXPECT_EQ(pgnLine->rfind("\t\t(0x1F112 << 8 ),\t/* [PGN 127250] ", 0), 0u) << *pgnLine;
  const auto rates = std::find(lines.begin(), lines.end(), "  /* Database tx rate defaults:  */");
  ASSERT_NE(rates, lines.end());
  EXPECT_EQ(std::vector<std::string>(rates + 1, rates + 5),
            (std::vector<std::string>{"\t\t100,", "\t\t250,", "\t\t1000,", "};"}));
  const auto priorities = std::find(lines.begin(), lines.end(), "  /* Database tx Priority:  */");
  ASSERT_NE(priorities, lines.end());
  EXPECT_EQ(std::vector<std::string>(priorities + 1, priorities + 5),
            (std::vector<std::string>{"\t\t2,", "\t\t3,", "\t\t5,", "};"}));
}

TEST(EnableListSource, TemplateIsCopiedOrItsAbsenceReported) {
  const OpenedImage image(TwoReceiveThreeTransmit());
  TempFolder folder;
  const fs::path templatePath = folder.Path() / "template.h";
  std::ofstream(templatePath, std::ios::binary) << "/* template */\r\n#define X 1\r\n";

  WizardOutcome outcome;
  ASSERT_TRUE(WriteEnableListSource(image.view, folder.Str(), "WithTemplate.cpp", templatePath.string(), outcome));
  const std::string with = ReadAll(folder.Path() / "WithTemplate.cpp");
  EXPECT_EQ(with.rfind("/* template */\r\n#define X 1\r\n\r\n\r\n\r\n/****", 0), 0u)
      << "template, empty line, CR LF, then the lists starting with the empty root line";
  EXPECT_TRUE(outcome.warnings.empty());

  ASSERT_TRUE(WriteEnableListSource(image.view, folder.Str(), "Without.cpp", (folder.Path() / "none.h").string(),
                                    outcome));
  const std::string without = ReadAll(folder.Path() / "Without.cpp");
  EXPECT_EQ(without.rfind("Error - File Not Found\r\n\r\n\r\n\r\n/****", 0), 0u);
  ASSERT_EQ(outcome.warnings.size(), 1u);
  EXPECT_NE(outcome.warnings[0].find("none.h"), std::string::npos);
  EXPECT_EQ(outcome.written.size(), 2u);
  EXPECT_TRUE(outcome.failures.empty());
}

TEST(DatabaseWizard, UnwritableFolderFailsWithoutWritingAnything) {
  TempFolder folder;
  std::ofstream(folder.Path() / "plain").put('x');
  DatabaseWizard wizard;
  wizard.SetFolder((folder.Path() / "plain" / "sub").string());
  const WizardOutcome report = wizard.ProduceReport("TargetReport");
  EXPECT_TRUE(report.Failed());
  EXPECT_TRUE(report.written.empty());
  const WizardOutcome save = wizard.SaveToWizardDB();
  EXPECT_TRUE(save.Failed());
  EXPECT_TRUE(save.written.empty());
}

TEST(DatabaseWizard, SaveWritesEveryFileOfBothSelectionsAndLeavesAIS) {
  TempFolder folder;
  DatabaseWizard wizard;
  wizard.SetFolder((folder.Path() / "new" / "folder").string());
  wizard.SetTemplatePath((folder.Path() / "missing.h").string());
  const WizardOutcome outcome = wizard.SaveToWizardDB();
  EXPECT_FALSE(outcome.Failed());
  std::vector<std::string> names;
  for (const std::string& path : outcome.written) names.push_back(fs::path(path).filename().string());
  EXPECT_EQ(names, (std::vector<std::string>{"WXNDBDefaults.cpp", "STDDBReport.txt", "STDDBReport.csv",
                                             "WXNEnableListDef.cpp", "WXNDBDefaultsAIS.cpp", "AISDBReport.txt",
                                             "AISDBReport.csv", "WXNEnableListDefAIS.cpp"}));
  EXPECT_EQ(outcome.warnings.size(), 2u) << "both enable-list sources miss the template";
  EXPECT_EQ(wizard.Selection(), "AIS");
  const std::string source = ReadAll(folder.Path() / "new" / "folder" / "WXNDBDefaultsAIS.cpp");
  EXPECT_NE(source.find("#ifdef __WXNDBDefaultsAIS__\r\n\r\n"), std::string::npos);
  EXPECT_EQ(source.substr(source.size() - 16), "#endif\r\n#endif\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path() / "new" / "folder"), fs::directory_iterator()), 8)
      << "eight files and no temporary left behind";
}

}  // namespace
