// Opening a log for a command: load and parse as the document does, with a
// clear message for the files that yield no records.
#pragma once

#include <memory>
#include <string>

#include "log/RecordParser.h"

struct OpenedLog {
  // Shared with the parser's records, which refer to its bytes.
  std::shared_ptr<const LogFileImage> image;
  RecordParser parser;
};

// Loads the file without parsing it; on failure writes "qlx: FILE: reason"
// to stderr and returns nothing.
std::shared_ptr<const LogFileImage> LoadLog(const std::string& path);
// Loads and parses the file; on failure writes "qlx: FILE: reason" to
// stderr and returns false.
bool OpenLog(const std::string& path, OpenedLog& log);
