// Runs the qlx program as a script would, for the tests of its commands.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

struct QlxResult {
  int status = -1;  // exit status, -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// `arguments` is the rest of a shell command line, quoted as needed.
inline QlxResult RunQlx(const std::string& arguments) {
  const std::filesystem::path errFile =
      std::filesystem::temp_directory_path() / ("qlx-stderr-" + std::to_string(::getpid()));
  const std::string command =
      std::string("'") + QLX_BINARY + "' " + arguments + " 2>'" + errFile.string() + "'";
  QlxResult result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  std::array<char, 65536> buffer;
  size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.out.append(buffer.data(), n);
  const int raw = ::pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream err(errFile, std::ios::binary);
  result.err.assign(std::istreambuf_iterator<char>(err), {});
  std::filesystem::remove(errFile);
  return result;
}
