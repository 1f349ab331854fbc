// "qlx db tree", "qlx db image" and "qlx db check": the gateway conversion
// database as the builder makes it, its image bytes, and what the gateway's
// reader makes of an image file.
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/Command.h"
#include "cli/DatabaseSelectionOption.h"
#include "base/OutputTree.h"
#include "library/DBBuilder.h"
#include "library/DBImageView.h"
#include "log/AtomicFile.h"
#include "log/RecordParser.h"

namespace {

// Far beyond any image the builder writes, small enough to read whole.
constexpr uint64_t kLargestImageFile = 1 << 20;

struct DatabaseOptions {
  std::string word;  // "Std", "AIS" or "" for the full database
  std::string out;
  bool time = false;
};

// Returns an empty text on success, else what was wrong.
std::string ParseOptions(const CommandArgs& args, bool allowOut, bool allowTime, DatabaseOptions& options) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--select" && hasValue) {
      if (!ParseDatabaseSelection(args[++i], options.word)) return "--select takes Std, AIS or Full, not '" + args[i] + "'";
    } else if (arg == "--out" && hasValue && allowOut) {
      options.out = args[++i];
    } else if (arg == "--time" && allowTime) {
      options.time = true;
    } else {
      return "unexpected argument '" + arg + "'";
    }
  }
  return "";
}

// Builds the selection; an error from the builder becomes a message.
bool Build(CDBBuilder& builder, const DatabaseOptions& options, double& milliseconds) {
  const auto start = std::chrono::steady_clock::now();
  try {
    builder.SelectDatabase(options.word);
  } catch (const std::exception& error) {
    Fail(std::string("database build failed: ") + error.what());
    return false;
  }
  milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  return true;
}

int PrintTree(const CommandArgs& args) {
  DatabaseOptions options;
  const std::string problem = ParseOptions(args, false, true, options);
  if (!problem.empty()) return Fail(problem);
  CDBBuilder builder;
  double milliseconds = 0;
  if (!Build(builder, options, milliseconds)) return kExitBadInput;
  CTreeNode root;
  builder.GetRoot().DumpTree(root);
  std::string text;
  RenderText(root, text, 9, 2, 0);
  for (char c : text) {
    if (c != '\r') std::putchar(c);
  }
  if (options.time) {
    uint32_t size = 0;
    builder.GetImage(size);
    std::fprintf(stderr, "built in %.3f ms, image %u bytes\n", milliseconds, size);
  }
  return 0;
}

int WriteImage(const CommandArgs& args) {
  DatabaseOptions options;
  const std::string problem = ParseOptions(args, true, false, options);
  if (!problem.empty()) return Fail(problem);
  if (options.out.empty()) return Fail("'db image' needs --out FILE");
  CDBBuilder builder;
  double milliseconds = 0;
  if (!Build(builder, options, milliseconds)) return kExitBadInput;
  uint32_t size = 0;
  const uint8_t* image = builder.GetImage(size);
  std::string error;
  if (!WriteFileAtomically(options.out, std::string_view(reinterpret_cast<const char*>(image), size), error))
    return Fail(options.out + ": cannot write the image: " + error);
  std::printf("%s: %u bytes\n", options.out.c_str(), size);
  return 0;
}

int CheckImage(const CommandArgs& args) {
  if (args.size() != 1) return Fail("'db check' takes one image file");
  // The file is loaded as a log is, so a folder, a device, an empty or an
  // oversized file each get their own reason.
  LogFileImage file;
  if (file.Load(args[0].c_str(), kLargestImageFile) != 0) return Fail(args[0] + ": " + file.FailureReason());

  DatabaseImageView view;
  const uint32_t result = OpenDatabaseImage(view, file.Data(), file.Length());
  if (result != kDBImageOpened) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08X", result);
    return Fail(args[0] + ": refused with " + code + ": " + DatabaseImageErrorText(result));
  }
  std::printf("%s: %u bytes\n", args[0].c_str(), file.Length());
  for (const DatabaseImageSection& section : view.sections) {
    std::printf("section 0x%08X  entry size %2u  count %u\n", section.id, section.entrySize, section.count);
  }
  return 0;
}

const CommandRegistration kTree{{"db tree", "qlx db tree [--select Std|AIS|Full] [--time]",
                                 "build a gateway database and print its tree",
                                 "Builds the selected database (Full when --select is not given) from the\n"
                                 "library and prints the database tree: lists, messages and fields with\n"
                                 "their numbering. --time reports the build time and image size on stderr.",
                                 &PrintTree}};

const CommandRegistration kImage{{"db image", "qlx db image [--select Std|AIS|Full] --out FILE",
                                  "write a gateway database image",
                                  "Builds the selected database (Full when --select is not given) and\n"
                                  "writes its image bytes to FILE.",
                                  &WriteImage}};

const CommandRegistration kCheck{{"db check", "qlx db check FILE", "open a gateway database image as the gateway does",
                                  "Opens the image with the gateway's reader and prints each list section's\n"
                                  "id, entry size and count, or the code the reader refused it with\n"
                                  "(exit status 2).",
                                  &CheckImage}};

}  // namespace
