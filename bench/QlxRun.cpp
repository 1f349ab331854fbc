#include "bench/QlxRun.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

std::filesystem::path QlxBesideBench() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path() / "qlx";
}

std::optional<Timing> RunQlx(const std::filesystem::path& qlx, const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>("qlx"));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::fflush(stdout);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    if (null < 0 || dup2(null, STDOUT_FILENO) < 0) _exit(127);
    execv(qlx.c_str(), argv.data());
    _exit(127);
  }
  if (child < 0) return std::nullopt;
  int status = 0;
  rusage usage{};
  const bool waited = wait4(child, &status, 0, &usage) == child;
  if (!waited || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::string line = "qlx";
    for (const std::string& a : args) line += " " + a;
    std::fprintf(stderr, "%s failed\n", line.c_str());
    return std::nullopt;
  }
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return Timing{std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}
