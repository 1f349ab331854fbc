// How far a long command has come, on one line of stderr rewritten in place.
// Shown only on a terminal: a script that reads stderr gets the messages it
// expects and no carriage returns; stdout is never touched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class ProgressLine {
 public:
  // Inputs larger than this are worth showing progress for.
  static constexpr uint64_t kShownFromBytes = 50000000;

  // `label` starts the line ("convert"); `total` is the count that is 100 %.
  // Silent unless inputBytes exceeds kShownFromBytes and stderr is a terminal.
  ProgressLine(std::string label, size_t total, uint64_t inputBytes);
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;
  // Clears the line, so that what follows starts at the left margin.
  ~ProgressLine();

  // Writes only when the whole percentage has changed.
  void Update(size_t done);

 private:
  std::string label_;
  size_t total_;
  unsigned percent_ = 101;  // last shown; none yet
  int width_ = 0;           // characters of the line shown, to clear it
  bool shown_;
};
