#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "cli/Command.h"

namespace {

std::vector<CommandInfo>& Registry() {
  static std::vector<CommandInfo> commands;
  return commands;
}

size_t WordCount(const char* name) {
  return static_cast<size_t>(std::count(name, name + std::strlen(name), ' ')) + 1;
}

bool Matches(const CommandInfo& command, const CommandArgs& args) {
  std::istringstream words(command.name);
  std::string word;
  size_t i = 0;
  while (words >> word) {
    if (i >= args.size() || args[i] != word) return false;
    ++i;
  }
  return true;
}

void PrintOverview(FILE* out) {
  std::fprintf(out,
               "qlx " QLX_VERSION " - QLX log reader\n"
               "usage: qlx COMMAND [ARGS...]\n"
               "       qlx COMMAND --help\n\ncommands:\n");
  auto commands = Registry();
  std::sort(commands.begin(), commands.end(),
            [](const CommandInfo& a, const CommandInfo& b) { return std::strcmp(a.name, b.name) < 0; });
  for (const CommandInfo& c : commands) std::fprintf(out, "  %-36s %s\n", c.usage, c.summary);
}

}  // namespace

CommandRegistration::CommandRegistration(const CommandInfo& info) { Registry().push_back(info); }

const std::vector<CommandInfo>& RegisteredCommands() { return Registry(); }

int Fail(const std::string& message) {
  std::fprintf(stderr, "qlx: %s\n", message.c_str());
  return kExitBadInput;
}

int main(int argc, char** argv) {
  CommandArgs args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintOverview(args.empty() ? stderr : stdout);
    return args.empty() ? kExitBadInput : 0;
  }
  const CommandInfo* best = nullptr;
  for (const CommandInfo& c : Registry())
    if (Matches(c, args) && (best == nullptr || WordCount(c.name) > WordCount(best->name))) best = &c;
  if (best == nullptr) {
    PrintOverview(stderr);
    return Fail("unknown command '" + args[0] + "'");
  }
  CommandArgs rest(args.begin() + static_cast<long>(WordCount(best->name)), args.end());
  if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
    std::printf("usage: %s\n%s\n\n%s\n", best->usage, best->summary, best->help);
    return 0;
  }
  return best->run(rest);
}
