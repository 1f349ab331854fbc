// Reading and parsing one log file away from the window's thread. The job
// owns what it makes until the document takes it, so a cancelled or failed
// open never disturbs the records on show.
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "log/RecordParser.h"

struct LogLoadJob {
  explicit LogLoadJob(std::string filePath) : path(std::move(filePath)) {}

  // In the worker. Each open gets a parser of its own: a parser carries the
  // log time across Reset, and a new file must not start at the time where
  // the previous one ended.
  void Run();

  const std::string path;
  // Set from the window's thread; the worker stops at its next step.
  std::atomic<bool> cancelled{false};

  // Read only once the worker has finished. No parser means the file could
  // not be shown, and failure says why.
  std::unique_ptr<RecordParser> parser;
  std::string failure;
  bool looksLikeLog = true;
};
