// qlx export: every matching record's decoded field values as CSV or JSON
// Lines, for spreadsheets and scripts. The log is decoded in chunks on
// every core and the output leaves a chunk at a time in file order, so
// memory does not grow with the log.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/FilterOption.h"
#include "cli/LogFile.h"
#include "cli/ThreadsOption.h"
#include "log/AtomicFile.h"
#include "query/FieldExport.h"
#include "query/OrderedChunks.h"

namespace {

// Records per chunk: a few megabytes of CSV, large enough that handing
// chunks between threads costs nothing, small enough that the chunks in
// flight stay a small, fixed amount of memory.
constexpr size_t kChunkRecords = 4096;

constexpr const char kSynopsis[] =
    "qlx export FILE --format csv|jsonl [--filter EXPR] [--out FILE] [--threads N]";

// Where the export goes. A regular file appears whole or not at all; a
// device or a pipe named by --out (/dev/null, a FIFO) is written straight,
// as stdout is: renaming a temporary over it would replace the device.
class Output {
 public:
  bool Open(const std::optional<std::string>& path) {
    if (!path) {
      stream_ = stdout;
      return true;
    }
    struct stat info {};
    if (::stat(path->c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
      stream_ = std::fopen(path->c_str(), "wb");
      if (stream_ == nullptr) error_ = std::string("cannot open: ") + std::strerror(errno);
      owned_ = stream_ != nullptr;
      return stream_ != nullptr;
    }
    atomic_ = true;
    if (file_.Create(*path)) return true;
    error_ = file_.Error();
    return false;
  }

  bool Write(const std::string& bytes) {
    if (atomic_) return file_.Write(bytes) || Failed(file_.Error());
    if (bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), stream_) == bytes.size()) return true;
    return Failed(std::string("write failed: ") + std::strerror(errno));
  }

  bool Finish() {
    if (atomic_) return file_.Commit() || Failed(file_.Error());
    const bool flushed = std::fflush(stream_) == 0 && std::ferror(stream_) == 0;
    const int error = errno;
    const bool closed = !owned_ || std::fclose(stream_) == 0;
    owned_ = false;
    if (flushed && closed) return true;
    return Failed(std::string("write failed: ") + std::strerror(flushed ? errno : error));
  }

  ~Output() {
    if (owned_) std::fclose(stream_);
  }

  const std::string& Error() const { return error_; }

 private:
  bool Failed(const std::string& error) {
    if (error_.empty()) error_ = error;
    return false;
  }

  AtomicFile file_;
  bool atomic_ = false;
  std::FILE* stream_ = nullptr;
  bool owned_ = false;
  std::string error_;
};

// Takes "NAME VALUE" out of args; false with a message when the value is
// missing or the option is given twice.
bool TakeValueOption(CommandArgs& args, const char* name, std::optional<std::string>& value) {
  for (size_t i = 0; i < args.size();) {
    if (args[i] != name) {
      ++i;
      continue;
    }
    if (value || i + 1 >= args.size()) {
      Fail(std::string(name) + (value ? " given twice" : " needs a value"));
      return false;
    }
    value = args[i + 1];
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
  }
  return true;
}

int RunExport(const CommandArgs& arguments) {
  CommandArgs args;
  std::optional<Filter> filter;
  if (!TakeFilterOption(arguments, args, filter)) return kExitBadInput;
  std::optional<std::string> formatName, outPath;
  unsigned threads = 0;
  if (!TakeValueOption(args, "--format", formatName) || !TakeValueOption(args, "--out", outPath) ||
      !TakeThreadsOption(args, threads))
    return kExitBadInput;
  if (args.size() != 1 || !formatName) return Fail(std::string("usage: ") + kSynopsis);
  ExportFormat format;
  if (*formatName == "csv")
    format = ExportFormat::Csv;
  else if (*formatName == "jsonl")
    format = ExportFormat::JsonLines;
  else
    return Fail("--format must be csv or jsonl, not '" + *formatName + "'");

  OpenedLog log;
  if (!OpenLog(args[0], log)) return kExitBadInput;
  Output output;
  const std::string target = outPath ? *outPath : std::string("stdout");
  if (!output.Open(outPath)) return Fail(target + ": " + output.Error());

  // Each worker decodes its chunks with its own exporter and contexts; the
  // chunks leave in file order, so the output is that of one worker.
  const OrderedChunkPlan plan{log.parser.Count(), kChunkRecords, threads};
  struct Worker {
    explicit Worker(ExportFormat f) : exporter(f) {}
    FieldExporter exporter;
    DecodeContext summaryContext;
  };
  std::vector<Worker> workers;
  workers.reserve(OrderedChunkWorkers(plan));
  for (unsigned w = 0; w < OrderedChunkWorkers(plan); ++w) workers.emplace_back(format);
  const auto write = [&](unsigned worker, size_t begin, size_t end, std::string& text) {
    Worker& own = workers[worker];
    const Filter::SummaryFunction summary = [&own](const Record& record) -> const std::string& {
      DecodeRecord(DM_Summary, own.summaryContext, record, nullptr);
      return own.summaryContext.text;
    };
    for (size_t i = begin; i < end; ++i) {
      const Record record = log.parser.At(i);
      if (filter && !filter->Matches(record, i + 1, summary)) continue;
      own.exporter.Append(record, i + 1, text);
    }
  };
  if (!output.Write(workers.front().exporter.Header())) return Fail(target + ": " + output.Error());
  const bool written = RunOrderedChunks(plan, write, [&output](const std::string& text) { return output.Write(text); });
  if (!written || !output.Finish()) return Fail(target + ": " + output.Error());
  return 0;
}

const CommandRegistration kExport{{
    "export",
    kSynopsis,
    "decoded field values of every record as CSV or JSON Lines",
    "Decodes every record (with --filter, every matching one: see qlx count\n"
    "--help) and writes its field values.\n"
    "\n"
    "  --format csv    one row per decoded field, after a header row: line,\n"
    "                  time, kind, message (PGN or talker and sentence),\n"
    "                  source, destination, section (repetition of a repeating\n"
    "                  group from 1, 0 outside), field, name, value, unit and\n"
    "                  status (valid, not available, out of range, reserved or\n"
    "                  error). RFC 4180 quoting, CR LF line ends.\n"
    "  --format jsonl  one JSON object per record: line, time, kind, pgn,\n"
    "                  sentence, source, destination, summary, the fields\n"
    "                  outside repeating groups and the sections of a\n"
    "                  repeating group with their fields.\n"
    "  --out FILE      write FILE, which appears whole or not at all; without\n"
    "                  it, stdout.\n"
    "  --threads N     decode with N workers (default: one per core); the\n"
    "                  output is the same for every N.\n"
    "\n"
    "Numbers are exact decimals of the logged values, in the unit given;\n"
    "text is UTF-8.\n"
    "A failed write is reported with exit status 2.",
    &RunExport,
}};

}  // namespace
