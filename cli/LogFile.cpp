#include "cli/LogFile.h"

#include "cli/Command.h"

bool OpenLog(const std::string& path, OpenedLog& log) {
  auto image = std::make_shared<LogFileImage>();
  if (image->Load(path.c_str()) != 0) {
    Fail(path + ": " + image->FailureReason());
    return false;
  }
  log.image = image;
  log.parser.Reset();
  log.parser.Parse(log.image);
  return true;
}
