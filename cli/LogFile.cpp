#include "cli/LogFile.h"

#include "cli/Command.h"

std::shared_ptr<const LogFileImage> LoadLog(const std::string& path) {
  auto image = std::make_shared<LogFileImage>();
  if (image->Load(path.c_str()) != 0) {
    Fail(path + ": " + image->FailureReason());
    return nullptr;
  }
  return image;
}

bool OpenLog(const std::string& path, OpenedLog& log) {
  log.image = LoadLog(path);
  if (log.image == nullptr) return false;
  log.parser.Reset();
  log.parser.Parse(log.image);
  return true;
}
