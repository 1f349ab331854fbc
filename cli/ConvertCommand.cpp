// qlx convert: a whole log through the simulated gateway, as if the gateway
// had been on the vessel's networks while the log was recorded, and what it
// would have transmitted, listed or written as a log of its own.
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/Command.h"
#include "cli/DatabaseSelectionOption.h"
#include "cli/GatewayOutput.h"
#include "cli/LogFile.h"
#include "cli/ProgressLine.h"
#include "cli/TerminalText.h"
#include "decode/DecodeMode.h"
#include "gateway/RecordReceive.h"
#include "gateway/WXN.h"
#include "log/AtomicFile.h"
#include "log/Framing.h"
#include "log/LogTime.h"
#include "log/MessageType.h"
#include "decode/RecordDecoder.h"

namespace {

constexpr uint8_t kVersionTag = 0x01;
// Output is handed on in pieces of about this size.
constexpr size_t kFlushBytes = 1 << 20;

// Where the transmissions go: a listing on stdout, or a log being written.
class ConvertSink {
 public:
  explicit ConvertSink(AtomicFile* file) : file_(file) {}

  void Version(const Record& record) {
    if (file_ != nullptr) AppendQlxTag(bytes_, record.data);
  }

  void Pgn(uint64_t time, const N2kOutputMessage& message) {
    if (file_ == nullptr) {
      Line(time, MT_N2K, writer_.SummaryOf(message));
      return;
    }
    TimeTag(time);
    AppendKvtFrame(bytes_, writer_.KvtBodyOf(message));
  }

  void Sentence(uint64_t time, std::string_view text) {
    // The builder leaves the checksum to the port that sends the sentence.
    sentence_.assign(text);
    if (text.find('*') == std::string_view::npos) AppendChecksum(sentence_);
    if (file_ == nullptr) {
      Record record;
      record.type = MT_N183;
      record.group = MG_N183;
      record.data = std::span(reinterpret_cast<const uint8_t*>(sentence_.data()), sentence_.size());
      DecodeRecord(DM_Summary, context_, record, nullptr);
      Line(time, MT_N183, context_.text);
      return;
    }
    TimeTag(time);
    AppendSentence(bytes_, sentence_);
  }

  // False when the output could not be written.
  bool Flush(bool always) {
    if (file_ == nullptr) {
      if (!always && text_.size() < kFlushBytes) return true;
      const bool written = std::fwrite(text_.data(), 1, text_.size(), stdout) == text_.size();
      text_.clear();
      return written;
    }
    if (!always && bytes_.size() < kFlushBytes) return true;
    const bool written = file_->Write(bytes_.data(), bytes_.size());
    bytes_.clear();
    return written;
  }

 private:
  void Line(uint64_t time, uint32_t type, const std::string& summary) {
    // Everything a record sets off is sent at its time, so the start of a
    // line changes only with the record or the type.
    if (!havePrefix_ || time != prefixTime_ || type != prefixType_) {
      prefix_ = FormatLogTime(time);
      prefix_ += '\t';
      prefix_ += MessageTypeName(type);
      prefix_ += '\t';
      prefixTime_ = time;
      prefixType_ = type;
      havePrefix_ = true;
    }
    text_ += prefix_;
    AppendTerminalText(text_, summary, true);
    text_ += '\n';
  }

  void TimeTag(uint64_t time) {
    if (haveTime_ && time == lastTime_) return;
    AppendTimeTag(bytes_, time);
    lastTime_ = time;
    haveTime_ = true;
  }

  AtomicFile* file_;
  Bytes bytes_;
  GatewayOutputWriter writer_;
  DecodeContext context_;
  uint64_t lastTime_ = 0;
  bool haveTime_ = false;
  std::string sentence_;  // kept, with its capacity, from sentence to sentence
  std::string text_;      // the listing not yet written
  std::string prefix_;    // time and type of the lines being listed
  uint64_t prefixTime_ = 0;
  uint32_t prefixType_ = 0;
  bool havePrefix_ = false;
};

uint32_t StartClock(const OpenedLog& log) {
  for (size_t i = 0; i < log.parser.Count(); ++i) {
    const Record record = log.parser.At(i);
    if (record.time != 0) return GatewayClockOf(record);
  }
  return 0;
}

int RunConvert(const CommandArgs& args) {
  std::string input, output, database;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--select" || a == "--out") {
      if (i + 1 >= args.size()) return Fail("convert: " + a + " needs a value");
      const std::string& value = args[++i];
      if (a == "--out") {
        output = value;
      } else if (!ParseDatabaseSelection(value, database)) {
        return Fail("convert: --select takes Std, AIS or Full, not '" + value + "'");
      }
    } else if (a.size() > 2 && a.starts_with("--")) {
      return Fail("convert: unknown option '" + a + "' (see qlx convert --help)");
    } else if (input.empty()) {
      input = a;
    } else {
      return Fail("usage: qlx convert FILE [--select Std|AIS|Full] [--out OUT.qlx]");
    }
  }
  if (input.empty()) return Fail("usage: qlx convert FILE [--select Std|AIS|Full] [--out OUT.qlx]");

  OpenedLog log;
  if (!OpenLog(input, log)) return kExitBadInput;
  AtomicFile file;
  if (!output.empty() && !file.Create(output)) return Fail(output + ": " + file.Error());
  ConvertSink sink(output.empty() ? nullptr : &file);

  CWXN gateway;
  try {
    // The gateway is switched on when the log starts, so that its schedule
    // runs from the log's first moment rather than from an arbitrary zero.
    uint32_t clock = StartClock(log);
    gateway.SelectDatabase(database, clock);
    bool versionWritten = false;
    ProgressLine progress("convert", log.parser.Count(), log.image->Length());
    for (size_t i = 0; i < log.parser.Count(); ++i) {
      progress.Update(i);
      const Record record = log.parser.At(i);
      if (!versionWritten && record.group == MG_QLX && !record.data.empty() && record.data[0] == kVersionTag) {
        sink.Version(record);
        versionWritten = true;
      }
      // Records before the first time tag carry no time: the clock stands.
      if (record.time != 0) clock = GatewayClockOf(record);
      ReceiveRecord(gateway, record, clock);
      gateway.RunN2kController(false, clock);
      gateway.RunN183Controller(false, clock);
      for (const N2kOutputMessage& message : gateway.N2kOutput()) sink.Pgn(record.time, message);
      for (const N183OutputSentence& sentence : gateway.N183Output())
        sink.Sentence(record.time, std::string_view(sentence.text, sentence.length));
      gateway.N2kOutput().clear();
      gateway.N183Output().clear();
      if (!sink.Flush(false)) break;
    }
  } catch (const std::exception& e) {
    return Fail("convert: " + input + ": " + e.what());
  }
  if (!sink.Flush(true) && output.empty()) return Fail("convert: standard output: write failed");
  if (!output.empty() && !file.Commit()) return Fail(output + ": " + file.Error());
  return 0;
}

const CommandRegistration kRegistration{{
    "convert",
    "qlx convert FILE [--select Std|AIS|Full] [--out OUT.qlx]",
    "run a log through the gateway and list or log what it sends",
    "Runs every record of the log, in order, through a simulated gateway on\n"
    "the selected database (default Full), on a clock that is the records'\n"
    "own time, and lets the gateway send whatever falls due after each one.\n"
    "\n"
    "Without --out, prints one line per transmitted message: time of day,\n"
    "type and summary, as qlx list shows them. With --out, writes them as a\n"
    "QLX log (time tags, KVT frames, sentences) that qlx and the reader open.\n"
    "For a log over 50 MB, a line on stderr shows how far it has come, when\n"
    "stderr is a terminal.\n"
    "\n"
    "  --select DB   Std, AIS or Full\n"
    "  --out FILE    the log to write (replaced only when complete)",
    &RunConvert,
}};

}  // namespace
