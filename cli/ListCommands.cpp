// qlx list and qlx show: the record list and the selection text exactly as
// the application shows them, for scripts, tests and reviewers.
#include <cstdio>
#include <string>

#include "cli/Command.h"
#include "cli/LogFile.h"
#include "log/LogTime.h"
#include "log/RecordDecoder.h"

namespace {

void Write(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

int RunList(const CommandArgs& args) {
  if (args.size() != 1) return Fail("usage: qlx list FILE");
  OpenedLog log;
  if (!OpenLog(args[0], log)) return kExitBadInput;
  DecodeContext context;
  std::string line;
  for (size_t i = 0; i < log.parser.Count(); ++i) {
    const Record r = log.parser.At(i);
    DecodeRecord(DM_Summary, context, r, nullptr);
    line = std::to_string(i + 1);
    line += '\t';
    line += FormatLogTime(r.time);
    line += '\t';
    line += MessageTypeName(r.type);
    line += '\t';
    line += context.text;
    line += '\n';
    Write(line);
  }
  return 0;
}

int RunShow(const CommandArgs& args) {
  if (args.size() != 2) return Fail("usage: qlx show FILE LINE");
  size_t row = 0;
  try {
    size_t used = 0;
    row = std::stoul(args[1], &used);
    if (used != args[1].size()) row = 0;
  } catch (const std::exception&) {
    row = 0;
  }
  if (row == 0) return Fail("LINE must be a record number from 1: '" + args[1] + "'");
  OpenedLog log;
  if (!OpenLog(args[0], log)) return kExitBadInput;
  if (row > log.parser.Count())
    return Fail(args[0] + ": there is no record " + args[1] + " (the log has " +
                std::to_string(log.parser.Count()) + ")");
  const auto earlier = [&log, row](uint32_t back) {
    return back < row ? log.parser.At(row - 1 - back).data : std::span<const uint8_t>();
  };
  Write(SelectionText(log.parser.At(row - 1), earlier));
  return 0;
}

const CommandRegistration kList{{
    "list",
    "qlx list FILE",
    "the record list: number, time, type and summary of every record",
    "One line per record, the four cells of the record list separated by tabs:\n"
    "row number (from 1), time of day, type name, and the summary line.\n"
    "Text is written as it is (8-bit).",
    &RunList,
}};

const CommandRegistration kShow{{
    "show",
    "qlx show FILE LINE",
    "the raw bytes, summary and full decode of one record",
    "Writes exactly the text that selecting row LINE (from 1) puts on the\n"
    "clipboard: the raw KVT data, the basic message and the full decode,\n"
    "with CR LF line ends.",
    &RunShow,
}};

}  // namespace
