#include "cli/ThreadsOption.h"

#include <charconv>
#include <string>

namespace {

// More workers than this only adds threads that wait for a core.
constexpr unsigned kMaxThreads = 256;

}  // namespace

bool TakeThreadsOption(CommandArgs& args, unsigned& threads) {
  bool seen = false;
  for (size_t i = 0; i < args.size();) {
    if (args[i] != "--threads") {
      ++i;
      continue;
    }
    if (seen || i + 1 >= args.size()) {
      Fail(seen ? "--threads given twice" : "--threads needs a number");
      return false;
    }
    const std::string& text = args[i + 1];
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0 || value > kMaxThreads) {
      Fail("--threads must be a number from 1 to " + std::to_string(kMaxThreads) + ", not '" + text + "'");
      return false;
    }
    threads = value;
    seen = true;
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
  }
  return true;
}
