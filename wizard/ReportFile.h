// One generated file of the database wizard: lines go through a 10000-byte
// buffer into a file that appears whole or not at all. The brief and detail
// lines are kept for the file's header block.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/SafeFormat.h"
#include "log/AtomicFile.h"

class ReportFile {
 public:
  static constexpr size_t kBufferSize = 10000;
  // A formatted write is cut to this many characters: a runaway argument
  // costs a long line, never memory or a crash.
  static constexpr size_t kMaxFormatted = 500000;

  ReportFile() = default;
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  // Opens folder/name for writing (through a temporary beside it); false
  // with Error() set when it cannot be created.
  bool Create(const std::string& folder, const std::string& name);
  void Write(std::string_view text);
  // The text and CR LF.
  void Line(std::string_view text);
  void Format(const char* format, ...) QLX_PRINTF(2, 3);
  // Flushes and puts the file in place; false with Error() set when any
  // write failed, and then the target is left as it was.
  bool Close();

  void AddBrief(std::string line) { brief_.push_back(std::move(line)); }
  void AddDetails(std::string line) { details_.push_back(std::move(line)); }
  const std::vector<std::string>& Brief() const { return brief_; }
  const std::vector<std::string>& Details() const { return details_; }

  const std::string& Path() const { return path_; }
  // The file name without its folder.
  const std::string& Name() const { return name_; }
  size_t BytesWritten() const { return written_; }
  const std::string& Error() const { return file_.Error(); }

 private:
  void Flush();

  AtomicFile file_;
  std::string path_;
  std::string name_;
  std::array<char, kBufferSize> buffer_{};
  size_t used_ = 0;
  size_t written_ = 0;
  bool open_ = false;
  std::vector<std::string> brief_;
  std::vector<std::string> details_;
};

// folder + "/" + name, without doubling a separator the folder ends with.
std::string JoinPath(const std::string& folder, const std::string& name);

struct WizardOutcome;

// Create and Close that note the file in the outcome: a failure with its
// reason, or the path once the file is in place.
bool OpenReport(ReportFile& file, const std::string& folder, const std::string& name, WizardOutcome& outcome);
bool CommitReport(ReportFile& file, WizardOutcome& outcome);
