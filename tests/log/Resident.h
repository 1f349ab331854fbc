// Resident memory of the test process, for the tests that bound it.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <fstream>
#include <string>

// Resident memory of this process, in bytes.
inline size_t Resident() {
  std::ifstream statm("/proc/self/statm");
  size_t pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

// The peak resident memory is counted from here on, where the kernel lets
// it be reset; false when it does not.
inline bool ResetPeak() { return static_cast<bool>(std::ofstream("/proc/self/clear_refs") << "5"); }

// Peak resident memory since ResetPeak.
inline size_t PeakResident() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stoull(line.substr(6)) * 1024;
  return Resident();
}
