#include "log/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

std::string Reason(const char* what, int error) { return std::string(what) + ": " + std::strerror(error); }

// mkstemp makes the file private; the finished file gets the permissions a
// plain creation would have given it.
mode_t CreationMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

AtomicFile::~AtomicFile() { Abandon(); }

bool AtomicFile::Create(const std::string& path) {
  Abandon();
  error_.clear();
  path_ = path;
  // Renaming over a device, a pipe or a folder would replace it with a
  // plain file (for root, /dev/null included): only files are replaced.
  struct stat target {};
  if (stat(path.c_str(), &target) == 0 && !S_ISREG(target.st_mode)) {
    error_ = S_ISDIR(target.st_mode) ? "cannot replace: it is a directory" : "cannot replace: it is not a regular file";
    return false;
  }
  std::vector<char> name(path.begin(), path.end());
  const char suffix[] = ".tmp-XXXXXX";
  name.insert(name.end(), suffix, suffix + sizeof suffix);
  const int fd = mkstemp(name.data());
  if (fd < 0) {
    error_ = Reason("cannot create", errno);
    return false;
  }
  temporary_ = name.data();
  file_ = fdopen(fd, "wb");
  if (file_ == nullptr) {
    error_ = Reason("cannot create", errno);
    close(fd);
    Abandon();
    return false;
  }
  return true;
}

bool AtomicFile::Write(const void* data, size_t length) {
  if (file_ == nullptr) {
    if (error_.empty()) error_ = "write failed: the file is not open";
    return false;
  }
  if (!error_.empty()) return false;
  if (length != 0 && std::fwrite(data, 1, length, file_) != length) {
    error_ = Reason("write failed", errno);
    return false;
  }
  return true;
}

bool AtomicFile::Commit() {
  if (file_ == nullptr) {
    if (error_.empty()) error_ = "write failed: the file is not open";
    return false;
  }
  if (error_.empty() && std::ferror(file_)) error_ = "write failed: stream error";
  if (error_.empty() && std::fflush(file_) != 0) error_ = Reason("write failed", errno);
  if (error_.empty() && fsync(fileno(file_)) != 0 && errno != EINVAL) error_ = Reason("write failed", errno);
  if (error_.empty()) fchmod(fileno(file_), CreationMode());
  const int closed = std::fclose(file_);
  file_ = nullptr;
  if (error_.empty() && closed != 0) error_ = Reason("write failed", errno);
  if (error_.empty() && std::rename(temporary_.c_str(), path_.c_str()) != 0) error_ = Reason("cannot replace", errno);
  if (!error_.empty()) {
    Abandon();
    return false;
  }
  temporary_.clear();
  return true;
}

void AtomicFile::Abandon() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!temporary_.empty()) {
    unlink(temporary_.c_str());
    temporary_.clear();
  }
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
  AtomicFile file;
  const bool ok = file.Create(path) && file.Write(bytes) && file.Commit();
  if (!ok) error = file.Error();
  return ok;
}
