// qlx list and qlx show: the record list and the selection text exactly as
// the application shows them, for scripts, tests and reviewers.
#include <cstdio>
#include <string>

#include "cli/Command.h"
#include "cli/FilterOption.h"
#include "cli/LogFile.h"
#include "log/LogTime.h"
#include "log/RecordDecoder.h"
#include "query/FilterRun.h"

namespace {

void Write(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

int RunList(const CommandArgs& options) {
  CommandArgs args;
  std::optional<Filter> filter;
  if (!TakeFilterOption(options, args, filter)) return kExitBadInput;
  if (args.size() != 1) return Fail("usage: qlx list FILE [--filter EXPR]");
  OpenedLog log;
  if (!OpenLog(args[0], log)) return kExitBadInput;
  // Matching records keep the line numbers of the whole list.
  std::optional<std::vector<uint32_t>> rows;
  if (filter) rows = RunFilter(*filter, log.parser.Records());
  const size_t count = rows ? rows->size() : log.parser.Count();
  DecodeContext context;
  std::string line;
  for (size_t k = 0; k < count; ++k) {
    const size_t i = rows ? (*rows)[k] : k;
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
  Write(SelectionText(log.parser.At(row - 1)));
  return 0;
}

const CommandRegistration kList{{
    "list",
    "qlx list FILE [--filter EXPR]",
    "the record list: number, time, type and summary of every record",
    "One line per record, the four cells of the record list separated by tabs:\n"
    "row number (from 1), time of day, type name, and the summary line.\n"
    "Text is written as it is (8-bit). With --filter, only the matching records,\n"
    "under their row numbers in the whole list (EXPR: see qlx count --help).",
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
