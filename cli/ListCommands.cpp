// qlx list and qlx show: the record list and the selection text exactly as
// the application shows them, for scripts, tests and reviewers.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <cstring>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/DatabaseSelectionOption.h"
#include "cli/FilterOption.h"
#include "cli/ListRow.h"
#include "cli/LogFile.h"
#include "cli/TerminalText.h"
#include "cli/ThreadsOption.h"
#include "decode/RecordDecoder.h"
#include "gateway/RecordReceive.h"
#include "gateway/WXN.h"
#include "query/OrderedChunks.h"

namespace {

constexpr const char kLatin1Option[] = "--latin1";
constexpr const char kListUsage[] = "qlx list [--latin1] [--threads N] FILE [--filter EXPR]";

void Write(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// Takes --latin1 out of the arguments; true when it was there.
bool TakeLatin1Option(CommandArgs& args) {
  const auto found = std::remove(args.begin(), args.end(), kLatin1Option);
  const bool present = found != args.end();
  args.erase(found, args.end());
  return present;
}

// A record number from 1, written in decimal digits only; 0 when it is not.
size_t ParseRow(const std::string& text) {
  // More digits than 18 could overflow, and no log holds that many records.
  const bool digits = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (text.empty() || text.size() > 18 || !digits) return 0;
  return std::stoull(text);
}

// Records per chunk of the list: about a megabyte of text, large enough
// that handing chunks between workers costs little.
constexpr size_t kListChunkRecords = 12000;

// Image bytes parsed before the records completed so far are listed and
// forgotten: the list holds the file image and a window of records, not an
// index of the whole log, whose tiny records can outnumber its bytes by far.
constexpr size_t kListSliceBytes = size_t{8} << 20;

int RunList(const CommandArgs& arguments) {
  CommandArgs options = arguments;
  const bool latin1 = TakeLatin1Option(options);
  // A row costs about as much to make as to move to another core and write
  // out from there, so a second worker adds processor time and, measured,
  // wall time too; it is there for whoever has cores to spare.
  unsigned threads = 1;
  if (!TakeThreadsOption(options, threads)) return kExitBadInput;
  CommandArgs args;
  std::optional<Filter> filter;
  if (!TakeFilterOption(options, args, filter)) return kExitBadInput;
  if (args.size() != 1) return Fail(std::string("usage: ") + kListUsage);
  const std::shared_ptr<const LogFileImage> image = LoadLog(args[0]);
  if (image == nullptr) return kExitBadInput;
  if (!LooksLikeQlxLog(image->Data(), image->Length()))
    std::fprintf(stderr, "qlx: %s: %s\n", args[0].c_str(), kNotQlxLogMessage);

  RecordParser parser;
  parser.StartImage(image);
  size_t listed = 0;  // records below are written and forgotten
  std::vector<DecodeContext> contexts(OrderedChunkWorkers({0, kListChunkRecords, threads}));
  std::vector<ListRowWriter> rows(contexts.size(), ListRowWriter(!latin1));
  // A filter looks at one record at a time, so matching records keep the
  // line numbers of the whole list whichever window they are found in.
  const auto write = [&](unsigned worker, size_t begin, size_t end, std::string& text) {
    DecodeContext& context = contexts[worker];
    ListRowWriter& rowWriter = rows[worker];
    if (!filter) {
      rowWriter.AppendRows(text, parser.Records(), listed + begin, listed + end);
      return;
    }
    parser.Records().ForEach(listed + begin, listed + end, [&](size_t i, const Record& r) {
      bool summarised = false;
      const Filter::SummaryFunction summary = [&](const Record& record) -> const std::string& {
        DecodeRecord(DM_Summary, context, record, nullptr);
        summarised = true;
        return context.text;
      };
      if (!filter->Matches(r, i + 1, summary)) return;
      if (!summarised) DecodeRecord(DM_Summary, context, r, nullptr);
      rowWriter.Append(text, i + 1, r, context.text);
    });
  };
  bool written = true;
  const auto read = [&written](const std::string& text) {
    written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return written;
  };
  parser.ParseImageInSlices(kListSliceBytes, [&](size_t, bool) {
    const OrderedChunkPlan plan{parser.Count() - listed, kListChunkRecords, threads};
    if (!RunOrderedChunks(plan, write, read)) return false;
    listed = parser.Count();
    parser.Forget(listed);
    return true;
  });
  if (!written || std::fflush(stdout) != 0) return Fail(std::string("write failed: ") + std::strerror(errno));
  return 0;
}

// Takes "--gateway" and "--select DB" out of the arguments.
bool TakeGatewayOptions(CommandArgs& args, bool& gateway, std::string& database) {
  CommandArgs rest;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--gateway") {
      gateway = true;
    } else if (args[i] == "--select") {
      if (i + 1 >= args.size()) {
        Fail("show: --select needs a value");
        return false;
      }
      if (!ParseDatabaseSelection(args[++i], database)) {
        Fail("show: --select takes Std, AIS or Full, not '" + args[i] + "'");
        return false;
      }
      gateway = true;
    } else {
      rest.push_back(args[i]);
    }
  }
  args = std::move(rest);
  return true;
}

int RunShow(const CommandArgs& arguments) {
  CommandArgs args = arguments;
  const bool latin1 = TakeLatin1Option(args);
  bool gatewayLevel = false;
  std::string database;
  if (!TakeGatewayOptions(args, gatewayLevel, database)) return kExitBadInput;
  if (args.size() != 2) return Fail("usage: qlx show [--latin1] [--gateway [--select Std|AIS|Full]] FILE LINE");
  const size_t row = ParseRow(args[1]);
  if (row == 0) return Fail("show: LINE must be a record number from 1, as qlx list numbers them");
  OpenedLog log;
  if (!OpenLog(args[0], log)) return kExitBadInput;
  if (row > log.parser.Count())
    return Fail(args[0] + ": there is no record " + args[1] + " (the log has " +
                std::to_string(log.parser.Count()) + ")");
  const auto earlier = [&log, row](uint32_t back) {
    return back < row ? log.parser.At(row - 1 - back).data : std::span<const uint8_t>();
  };
  std::unique_ptr<CWXN> gateway;
  if (gatewayLevel) {
    gateway = std::make_unique<CWXN>();
    gateway->SelectDatabase(database, 0);
    ReceiveLeadIn(*gateway, log.parser.Records(), row - 1);
  }
  const std::string text = SelectionText(log.parser.At(row - 1), earlier, gateway.get());
  Write(latin1 ? text : Latin1ToUtf8(text));
  return 0;
}

const CommandRegistration kList{{
    "list",
    kListUsage,
    "the record list: number, time, type and summary of every record",
    "One line per record, the four cells of the record list separated by tabs:\n"
    "row number (from 1), time of day, type name, and the summary line.\n"
    "Control characters in a summary are written as \\n, \\r, \\t or \\xNN and a\n"
    "backslash as \\\\, so that every record stays on one line.\n"
    "A file that does not look like a QLX log is listed all the same, with a\n"
    "note on stderr. With --filter, only the matching records, under their\n"
    "row numbers in the whole list (EXPR: see qlx count --help).\n"
    "\n"
    "  --latin1     write the 8-bit text as the application holds it, instead\n"
    "               of UTF-8\n"
    "  --threads N  summarise with N workers (default: 1); the output is the\n"
    "               same for every N",
    &RunList,
}};

const CommandRegistration kShow{{
    "show",
    "qlx show [--latin1] [--gateway [--select Std|AIS|Full]] FILE LINE",
    "the raw bytes, summary and full decode of one record",
    "Writes the text that selecting row LINE (from 1) puts on the clipboard:\n"
    "the raw KVT data, the basic message and the full decode, with CR LF line\n"
    "ends. A long record is cut short, and the text says how many bytes it\n"
    "leaves out.\n"
    "\n"
    "With --gateway, the full decode is the gateway view of the record: a\n"
    "fresh gateway first receives the records of the 10 s of log time before\n"
    "it (at most 100000), then converts it and shows what it stored and what\n"
    "it would send now.\n"
    "\n"
    "  --gateway  decode at the gateway level\n"
    "  --select DB  the gateway's database: Std, AIS or Full (default; implies\n"
    "             --gateway)\n"
    "  --latin1   write exactly the clipboard's 8-bit bytes, instead of UTF-8\n"
    "             (the degree sign is then the single byte 0xB0)",
    &RunShow,
}};

}  // namespace
