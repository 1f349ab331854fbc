#include "cli/ProgressLine.h"

#include <unistd.h>

#include <cstdio>
#include <utility>

ProgressLine::ProgressLine(std::string label, size_t total, uint64_t inputBytes)
    : label_(std::move(label)), total_(total), shown_(inputBytes > kShownFromBytes && ::isatty(STDERR_FILENO) == 1) {}

ProgressLine::~ProgressLine() {
  if (shown_ && width_ > 0) std::fprintf(stderr, "\r%*s\r", width_, "");
}

void ProgressLine::Update(size_t done) {
  if (!shown_) return;
  const unsigned percent = total_ == 0 ? 100 : static_cast<unsigned>(done * 100 / total_);
  if (percent == percent_) return;
  percent_ = percent;
  width_ = std::fprintf(stderr, "\r%s: %3u%% (%zu of %zu records)", label_.c_str(), percent, done, total_);
  std::fflush(stderr);
}
