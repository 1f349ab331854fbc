#include "cli/LogFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "cli/Command.h"

bool OpenLog(const std::string& path, OpenedLog& log) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    Fail(path + ": cannot open: it is a directory");
    return false;
  }
  errno = 0;
  switch (log.image.Load(path.c_str())) {
    case 0:
      break;
    case LogFileImage::kCannotOpen:
      Fail(path + ": cannot open: " + std::strerror(errno != 0 ? errno : ENOENT));
      return false;
    default:
      Fail(path + ": " +
           (std::filesystem::file_size(path, ec) == 0 ? std::string("the file is empty")
                                                      : std::string("the file has 500000000 bytes or more")));
      return false;
  }
  log.parser.Reset();
  log.parser.Parse(log.image.Data(), log.image.Length());
  return true;
}
