// qlx dump: the raw record list, for engineers who want the bytes.
#include <cstdio>

#include "cli/Command.h"
#include "cli/LogFile.h"
#include "log/LogTime.h"

namespace {

int RunDump(const CommandArgs& args) {
  if (args.size() != 1) return Fail("usage: qlx dump FILE");
  OpenedLog log;
  if (!OpenLog(args[0], log)) return kExitBadInput;
  std::string line;
  for (size_t i = 0; i < log.parser.Count(); ++i) {
    const Record r = log.parser.At(i);
    char head[96];
    std::snprintf(head, sizeof head, "%zu\t%s\t%s\t0x%03X\t%zu\t", i + 1, FormatLogTime(r.time).c_str(),
                  MessageTypeName(r.type), r.group, r.data.size());
    line = head;
    line += FormatByteList(r.data.data(), r.data.size(), nullptr, " ");
    if (!r.data.empty()) line.pop_back();
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
  }
  return 0;
}

const CommandRegistration kRegistration{{
    "dump",
    "qlx dump FILE",
    "list every record of a log with its raw bytes",
    "One line per record, tab-separated: line number (from 1), time of day,\n"
    "type name, group code, byte count, and the record bytes in hex.\n"
    "A file that cannot be opened, is empty, or has 500000000 bytes or more\n"
    "gives a message on stderr and exit status 2.",
    &RunDump,
}};

}  // namespace
