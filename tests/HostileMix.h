// A long log of every kind of unit and of junk, in a random order that is the
// same on every run: frames with stuffed escapes, sentences, time and empty
// tags, units nested three deep, tags that outgrow their buffer, runs of
// collapsed escapes, noise and stretches of junk longer than a record length
// field holds. Cut anywhere, it splits some unit.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

inline std::vector<uint8_t> HostileMix(size_t bytes, uint64_t seed = 1) {
  uint64_t state = seed;
  const auto next = [&state] {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return state >> 33;
  };
  const std::vector<std::string> units = {
      std::string("X\x1B\x01\x1B\x0A", 5),
      std::string("\x1B\x01\x03\x81\x82\x83\x84\x85\x86\x87\x88\x1B\x0A", 13),
      std::string("\x10\x02\x93\x13\x02\x10\x10\x01\x02\x03\x10\x03", 12),
      "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n",
      "!AIVDM,1,1,,A,13aEOK?P00PD2wVMdLDRhgvL289?,0*26\r\n",
      std::string("$AB\x10\x02xy\x1B\x01\x1B\x0A\x10\x03\r\n", 16),
      std::string("\x10\x02\x93\x13\x02\x1B\x01", 7) + std::string(101, 'U') + "\xAA\xBB\x10\x03",
      std::string(600, '\x1B'),
      std::string("\x10\x02", 2) + std::string("\x10\x02", 2) + std::string("\x10\x02", 2),
      std::string(70000, '\0'),
  };
  std::vector<uint8_t> out;
  out.reserve(bytes + 70000);
  while (out.size() < bytes) {
    const uint64_t pick = next() % (units.size() + 1);
    if (pick == units.size()) {
      for (uint64_t n = next() % 400; n > 0; --n) out.push_back(static_cast<uint8_t>(next()));
    } else {
      // The long stretch of junk is rare, or it would be most of the log.
      if (pick == units.size() - 1 && next() % 50 != 0) continue;
      out.insert(out.end(), units[pick].begin(), units[pick].end());
    }
  }
  out.resize(bytes);
  return out;
}

// Over a log of many megabytes, stretches that stay pending for megabytes:
// a run of zeros (one record longer than any slice of a few megabytes) and
// a sentence that never ends while tags overflow inside it. A reader that
// lets go of pending bytes too early loses their bytes.
inline void AddLongPendingStretches(std::vector<uint8_t>& log) {
  constexpr size_t kMB = size_t{1} << 20;
  if (log.size() < 16 * kMB) return;
  std::fill(log.begin() + static_cast<std::ptrdiff_t>(log.size() / 5),
            log.begin() + static_cast<std::ptrdiff_t>(log.size() / 5 + 5 * kMB), uint8_t{0});
  const std::string unit = "\x01\x1B\x01" + std::string(101, 'U');
  const size_t from = log.size() / 5 * 3;
  log[from] = '$';
  for (size_t i = 1; i < 6 * kMB; ++i) log[from + i] = static_cast<uint8_t>(unit[i % unit.size()]);
}
