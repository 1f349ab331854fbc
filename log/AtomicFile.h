// A file that appears whole or not at all. Reports, sources, exported values
// and written logs are read by other programs: a full disk or a failed write
// must never leave them half written, nor empty a file that stood there
// before. The bytes go to a temporary file in the target's own folder (so the
// rename stays on one file system) and are renamed over the target only when
// every byte is out.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

class AtomicFile {
 public:
  AtomicFile() = default;
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  // Removes the temporary file of a write that was never committed.
  ~AtomicFile();

  // Creates the temporary file beside `path`; false with Error() set.
  bool Create(const std::string& path);
  // The open temporary file, for writers that take a stdio stream.
  std::FILE* Stream() const { return file_; }
  // False once any write has failed; the error is kept for Commit.
  bool Write(const void* data, size_t length);
  bool Write(std::string_view text) { return Write(text.data(), text.size()); }
  // Flushes, closes and renames the temporary over the target. False with
  // Error() set, and the temporary removed, when anything failed on the way.
  bool Commit();
  // Drops the temporary file; the target is left as it was.
  void Abandon();

  // "cannot create: ...", "write failed: ...": the reason, without the path.
  const std::string& Error() const { return error_; }

 private:
  std::string path_;
  std::string temporary_;
  std::FILE* file_ = nullptr;
  std::string error_;
};

// The whole of `bytes` as the file at `path`, atomically; false with the
// reason in `error`.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error);
