// The qlx command line is a set of commands, each in a file of its own that
// registers itself here. A command name may have several words
// ("library pgn"); the longest name matching the arguments wins.
#pragma once

#include <string>
#include <vector>

using CommandArgs = std::vector<std::string>;
// Returns the process exit status: 0 success, 2 bad input or usage.
using CommandFunction = int (*)(const CommandArgs& args);

struct CommandInfo {
  const char* name;     // "dump", "library pgn"
  const char* usage;    // "qlx dump FILE"
  const char* summary;  // one line for "qlx --help"
  const char* help;     // the rest of "qlx COMMAND --help"
  CommandFunction run;
};

struct CommandRegistration {
  explicit CommandRegistration(const CommandInfo& info);
};

const std::vector<CommandInfo>& RegisteredCommands();

// Exit status for bad input, unreadable files and usage errors.
constexpr int kExitBadInput = 2;

// Writes "qlx: <message>" to stderr and returns kExitBadInput.
int Fail(const std::string& message);
