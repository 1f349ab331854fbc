#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "cli/Command.h"
#include "cli/TerminalText.h"

namespace {

// Help is read in terminals and man pages of the classic width.
constexpr size_t kHelpWidth = 80;

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

std::string FirstWord(const char* name) { return std::string(name, std::strcspn(name, " ")); }

void Print(FILE* out, const std::string& text) {
  const std::string wrapped = WrapLines(text, kHelpWidth);
  std::fwrite(wrapped.data(), 1, wrapped.size(), out);
}

// Each command's usage, and its summary on the line below: the usages are
// too long to leave room for a column of summaries beside them.
std::string CommandTable(std::vector<CommandInfo> commands) {
  std::sort(commands.begin(), commands.end(),
            [](const CommandInfo& a, const CommandInfo& b) { return std::strcmp(a.name, b.name) < 0; });
  std::string table;
  for (const CommandInfo& c : commands) {
    table += std::string("  ") + c.usage + "\n      " + c.summary + "\n";
  }
  return table;
}

void PrintOverview(FILE* out) {
  Print(out,
        "qlx " QLX_VERSION " - QLX log reader\n"
        "usage: qlx COMMAND [ARGS...]\n"
        "       qlx COMMAND --help\n"
        "       qlx --version\n\ncommands:\n" +
            CommandTable(Registry()));
}

// The commands whose name starts with the word ("library", "db").
std::vector<CommandInfo> Group(const std::string& word) {
  std::vector<CommandInfo> group;
  for (const CommandInfo& c : Registry())
    if (WordCount(c.name) > 1 && FirstWord(c.name) == word) group.push_back(c);
  return group;
}

void PrintGroup(FILE* out, const std::string& word, const std::vector<CommandInfo>& group) {
  Print(out, "usage: qlx " + word + " SUB-COMMAND [ARGS...]\n       qlx " + word +
                 " SUB-COMMAND --help\n\nsub-commands:\n" + CommandTable(group));
}

bool Asks(const CommandArgs& args, const char* option) {
  return std::find(args.begin(), args.end(), option) != args.end();
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
  if (args[0] == "--version") {
    std::printf("qlx " QLX_VERSION "\n");
    return 0;
  }
  const CommandInfo* best = nullptr;
  for (const CommandInfo& c : Registry())
    if (Matches(c, args) && (best == nullptr || WordCount(c.name) > WordCount(best->name))) best = &c;
  if (best == nullptr) {
    const std::vector<CommandInfo> group = Group(args[0]);
    if (group.empty()) {
      PrintOverview(stderr);
      return Fail("unknown command '" + args[0] + "'");
    }
    if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h")) {
      PrintGroup(stdout, args[0], group);
      return 0;
    }
    PrintGroup(stderr, args[0], group);
    if (args.size() == 1) return Fail(args[0] + ": a sub-command is needed");
    return Fail("unknown command '" + args[0] + " " + args[1] + "'");
  }
  CommandArgs rest(args.begin() + static_cast<long>(WordCount(best->name)), args.end());
  if (Asks(rest, "--help")) {
    Print(stdout, std::string("usage: ") + best->usage + "\n" + best->summary + "\n\n" + best->help + "\n");
    return 0;
  }
  return best->run(rest);
}
