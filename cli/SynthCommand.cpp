// qlx synth: writes a synthetic log of a vessel underway, for demonstrations,
// tests and benchmarks where no real log may be shipped.
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>

#include "cli/Command.h"
#include "cli/LogFile.h"
#include "log/AtomicFile.h"
#include "log/MessageType.h"
#include "log/synth/SyntheticLog.h"

namespace {

// Logs smaller than this could hold no more than the version tag.
constexpr uint64_t kMinimumBytes = 1000;
constexpr uint32_t kMaximumMinutes = 100000;

template <typename T>
bool ParseNumber(const std::string& text, T& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && !text.empty();
}

// "YYYY-MM-DDTHH:MM:SS", UTC.
bool ParseStart(const std::string& text, CivilTime& start) {
  int year, month, day, hour, minute, second;
  char tail;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &year, &month, &day, &hour, &minute, &second, &tail) != 6)
    return false;
  if (year < 1980 || year > 2100 || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 ||
      second > 59 || hour < 0 || minute < 0 || second < 0)
    return false;
  start = {year, month, day, hour, minute, second, 0};
  return true;
}

int RunSynth(const CommandArgs& args) {
  SynthOptions options;
  std::string out;
  bool haveMinutes = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) return Fail("synth: " + option + " needs a value (see qlx synth --help)");
    const std::string& value = args[++i];
    if (option == "--out") {
      out = value;
    } else if (option == "--minutes") {
      if (!ParseNumber(value, options.minutes) || options.minutes == 0 || options.minutes > kMaximumMinutes)
        return Fail("synth: --minutes needs a whole number from 1 to 100000, not '" + value + "'");
      haveMinutes = true;
    } else if (option == "--bytes") {
      if (!ParseNumber(value, options.targetBytes) || options.targetBytes < kMinimumBytes)
        return Fail("synth: --bytes needs a whole number of at least 1000, not '" + value + "'");
    } else if (option == "--seed") {
      if (!ParseNumber(value, options.seed)) return Fail("synth: --seed needs a whole number from 0 to 4294967295, not '" + value + "'");
    } else if (option == "--start") {
      if (!ParseStart(value, options.start)) return Fail("synth: --start needs YYYY-MM-DDTHH:MM:SS, not '" + value + "'");
    } else {
      return Fail("synth: unknown option '" + option + "' (see qlx synth --help)");
    }
  }
  if (out.empty()) return Fail("synth: --out FILE is required");
  if (haveMinutes && options.targetBytes != 0) return Fail("synth: give --minutes or --bytes, not both");

  // A log that fails half way (a full disk) must not be left behind for
  // the reader to open, nor replace a log that stood there.
  AtomicFile file;
  if (!file.Create(out)) return Fail(out + ": " + file.Error());
  SynthStats stats;
  if (!WriteSyntheticLog(options, file.Stream(), &stats)) {
    const std::string reason = std::strerror(errno);
    file.Abandon();
    return Fail(out + ": write failed: " + reason);
  }
  if (!file.Commit()) return Fail(out + ": " + file.Error());

  // The writer's own tally drifts from the reader's where injected faults
  // run into their neighbours, so the figures come from reading the file
  // back as qlx list and the window do.
  OpenedLog log;
  if (!OpenLog(out, log)) return kExitBadInput;
  uint64_t n2k = 0, n183 = 0;
  const uint64_t records = log.parser.Count();
  for (size_t i = 0; i < records; ++i) {
    const uint32_t type = log.parser.At(i).type;
    n2k += type == MT_N2K;
    n183 += type == MT_N183;
  }
  std::printf("%s: %llu bytes, %llu tenths of a second, %llu records as the reader lists them (%llu N2K, %llu N183, "
              "%llu other), %llu injected faults (%.2f%%)\n",
              out.c_str(), static_cast<unsigned long long>(stats.bytes),
              static_cast<unsigned long long>(stats.timeTags), static_cast<unsigned long long>(records),
              static_cast<unsigned long long>(n2k), static_cast<unsigned long long>(n183),
              static_cast<unsigned long long>(records - n2k - n183),
              static_cast<unsigned long long>(stats.faultRecords),
              records == 0 ? 0.0 : 100.0 * static_cast<double>(stats.faultRecords) / static_cast<double>(records));
  return 0;
}

const CommandRegistration kRegistration{{
    "synth",
    "qlx synth --out FILE [--minutes N | --bytes N] [--seed S]",
    "write a synthetic log of a vessel underway",
    "Writes a QLX log of a motor vessel underway: time tags ten a second,\n"
    "NMEA 2000 messages in KVT frames, NMEA 0183 sentences and AIS reports,\n"
    "KVT-HOX exchanges, a gateway reboot notice every half hour, and about\n"
    "0.5 % faults (stray bytes, bad checksums, truncated and mis-escaped\n"
    "frames). The same options always give the same bytes.\n"
    "\n"
    "  --out FILE      the log to write (replaced if it exists)\n"
    "  --minutes N     length of the log in minutes (default 10)\n"
    "  --bytes N       instead: as many whole tenths of a second as fit in\n"
    "                  N bytes (at least 1000)\n"
    "  --seed S        seed of the random traffic (default 1)\n"
    "  --start T       UTC start, YYYY-MM-DDTHH:MM:SS (default 2026-06-14T09:30:00)\n"
    "\n"
    "Prints one line with the size, record count and fault share.",
    &RunSynth,
}};

}  // namespace
