// The bundled sample's record list and the selection text of a few records
// of each kind, reviewed once by hand and kept: any change to framing,
// library or decoding that alters what an engineer sees shows up here.
// scripts/update-golden rewrites the files after a deliberate change.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "tests/QlxProgram.h"

namespace {

const std::filesystem::path kSource(QLX_SOURCE_DIR);

std::string Output(const std::string& args) { return RunQlx(args).out; }

std::string Read(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The kept files hold the clipboard's Latin-1 bytes; a terminal gets UTF-8.
std::string Utf8(const std::string& latin1) {
  std::string text;
  for (const char c : latin1) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (b >> 6));
      text += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return text;
}

// Equality, reported as the first line that differs rather than two
// megabyte-long strings.
void ExpectSameText(const std::string& actual, const std::string& expected) {
  if (actual == expected) return;
  std::istringstream a(actual), e(expected);
  std::string la, le;
  for (size_t line = 1;; ++line) {
    const bool moreA = static_cast<bool>(std::getline(a, la));
    const bool moreE = static_cast<bool>(std::getline(e, le));
    if (!moreA && !moreE) break;
    if (la != le || moreA != moreE) {
      ADD_FAILURE() << "line " << line << "\n  actual:   " << (moreA ? la : "<end>")
                    << "\n  expected: " << (moreE ? le : "<end>");
      return;
    }
  }
  ADD_FAILURE() << "texts differ in their line ends";
}

TEST(Golden, SampleRecordList) {
  const std::string sample = (kSource / "samples" / "sample.qlx").string();
  ExpectSameText(Output("list --latin1 '" + sample + "'"), Read(kSource / "tests" / "golden" / "sample.list"));
}

TEST(Golden, SampleSelections) {
  const std::string sample = (kSource / "samples" / "sample.qlx").string();
  const std::regex name("sample-show-([0-9]+)\\.txt");
  size_t checked = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kSource / "tests" / "golden")) {
    std::smatch m;
    const std::string file = entry.path().filename().string();
    if (!std::regex_match(file, m, name)) continue;
    SCOPED_TRACE(file);
    const std::string kept = Read(entry.path());
    ExpectSameText(Output("show --latin1 '" + sample + "' " + m[1].str()), kept);
    ExpectSameText(Output("show '" + sample + "' " + m[1].str()), Utf8(kept));
    ++checked;
  }
  EXPECT_GE(checked, 8u) << "the kept selections are missing";
}

}  // namespace
