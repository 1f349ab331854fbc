#include "wizard/ReportFile.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "wizard/WizardOutcome.h"

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

bool ReportFile::Create(const std::string& folder, const std::string& name) {
  path_ = JoinPath(folder, name);
  name_ = name;
  used_ = 0;
  written_ = 0;
  open_ = file_.Create(path_);
  return open_;
}

void ReportFile::Write(std::string_view text) {
  if (!open_) return;
  written_ += text.size();
  while (!text.empty()) {
    const size_t room = kBufferSize - used_;
    const size_t take = std::min(room, text.size());
    std::memcpy(buffer_.data() + used_, text.data(), take);
    used_ += take;
    text.remove_prefix(take);
    if (used_ == kBufferSize) Flush();
  }
}

void ReportFile::Line(std::string_view text) {
  Write(text);
  Write("\r\n");
}

void ReportFile::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length > 0) {
    const size_t kept = std::min(static_cast<size_t>(length), kMaxFormatted);
    std::string text(kept + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(kept);
    Write(text);
  }
  va_end(args);
}

void ReportFile::Flush() {
  if (used_ > 0) file_.Write(buffer_.data(), used_);
  used_ = 0;
}

bool ReportFile::Close() {
  if (!open_) return false;
  Flush();
  open_ = false;
  return file_.Commit();
}

bool OpenReport(ReportFile& file, const std::string& folder, const std::string& name, WizardOutcome& outcome) {
  if (file.Create(folder, name)) return true;
  outcome.failures.push_back(file.Path() + ": " + file.Error());
  return false;
}

bool CommitReport(ReportFile& file, WizardOutcome& outcome) {
  if (!file.Close()) {
    outcome.failures.push_back(file.Path() + ": " + file.Error());
    return false;
  }
  outcome.written.push_back(file.Path());
  return true;
}
