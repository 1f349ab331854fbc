#include "cli/LogFile.h"

#include "cli/Command.h"

bool OpenLog(const std::string& path, OpenedLog& log) {
  if (log.image.Load(path.c_str()) != 0) {
    Fail(path + ": " + log.image.FailureReason());
    return false;
  }
  log.parser.Reset();
  log.parser.Parse(log.image.Data(), log.image.Length());
  return true;
}
