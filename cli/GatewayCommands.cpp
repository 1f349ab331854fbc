// qlx gateway n183 / n2k: one conversion through a freshly started simulated
// gateway, printing what it transmits in answer and, on request, what its
// receiving repository now holds.
#include <cctype>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/DatabaseSelectionOption.h"
#include "cli/GatewayOutput.h"
#include "cli/TerminalText.h"
#include "decode/N2kDecoder.h"
#include "gateway/RepositoryRows.h"
#include "gateway/WXN.h"

namespace {

// The gateway is started at clock 0 and everything happens at that instant.
constexpr uint32_t kClock = 0;
constexpr uint32_t kLargestPgn = 0x3FFFF;
// The largest message a fast-packet sequence carries.
constexpr size_t kLargestN2kData = 223;

struct GatewayOptions {
  std::string database;  // the builder's selection word; "" is the full database
  bool repo = false;
  std::optional<uint32_t> src, dst, pri;
  std::vector<std::string> positional;
};

bool ParseNumber(const std::string& text, uint32_t& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && !text.empty();
}

std::optional<GatewayOptions> ParseOptions(const std::string& command, const CommandArgs& args, bool addresses) {
  GatewayOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool takesValue = a == "--select" || (addresses && (a == "--src" || a == "--dst" || a == "--pri"));
    if (a == "--repo") {
      options.repo = true;
      continue;
    }
    if (!takesValue) {
      if (a.size() > 2 && a.starts_with("--")) {
        Fail(command + ": unknown option '" + a + "' (see qlx " + command + " --help)");
        return std::nullopt;
      }
      options.positional.push_back(a);
      continue;
    }
    if (i + 1 >= args.size()) {
      Fail(command + ": " + a + " needs a value");
      return std::nullopt;
    }
    const std::string& value = args[++i];
    if (a == "--select") {
      if (!ParseDatabaseSelection(value, options.database)) {
        Fail(command + ": --select takes Std, AIS or Full, not '" + value + "'");
        return std::nullopt;
      }
      continue;
    }
    uint32_t number = 0;
    const uint32_t largest = a == "--pri" ? 7 : 255;
    if (!ParseNumber(value, number) || number > largest) {
      Fail(command + ": " + a + " needs a whole number from 0 to " + std::to_string(largest) + ", not '" + value +
           "'");
      return std::nullopt;
    }
    (a == "--src" ? options.src : a == "--dst" ? options.dst : options.pri) = number;
  }
  return options;
}

// "FF D2 04" or "FFD204".
bool ParseHex(const std::string& text, std::vector<uint8_t>& bytes) {
  std::string digits;
  for (char c : text) {
    if (c == ' ') continue;
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    digits += c;
  }
  if (digits.size() % 2 != 0) return false;
  for (size_t i = 0; i < digits.size(); i += 2) bytes.push_back(static_cast<uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
  return true;
}

std::string Terminal(const std::string& text) { return Latin1ToUtf8(EscapeControls(text)); }

void Print(const std::string& line) {
  const std::string text = line + "\n";
  std::fwrite(text.data(), 1, text.size(), stdout);
}

// Cells are escaped one by one: the tabs between them are the format.
void PrintRepository(Repository& repository) {
  for (RepositoryRow row : RepositoryRows(repository, kClock)) {
    for (std::string* cell : {&row.cache, &row.name, &row.index, &row.value, &row.units, &row.age, &row.status})
      *cell = Terminal(*cell);
    Print(RowLine(row));
  }
}

// The builder can only fail to find a list it creates itself; should it
// ever, the command says so rather than convert on an empty database.
bool StartGateway(CWXN& gateway, const std::string& command, const std::string& database) {
  try {
    gateway.SelectDatabase(database, kClock);
  } catch (const std::exception& e) {
    Fail(command + ": the database could not be built: " + e.what());
    return false;
  }
  return true;
}

int RunGatewayN183(const CommandArgs& args) {
  const std::string command = "gateway n183";
  const std::optional<GatewayOptions> options = ParseOptions(command, args, false);
  if (!options) return kExitBadInput;
  if (options->positional.empty()) return Fail("usage: qlx gateway n183 [--select Std|AIS|Full] [--repo] SENTENCE...");
  for (const std::string& sentence : options->positional)
    if (sentence.size() > kOutputSentenceCapacity)
      return Fail(command + ": a sentence has at most 299 characters; this one has " +
                  std::to_string(sentence.size()));

  CWXN gateway;
  if (!StartGateway(gateway, command, options->database)) return kExitBadInput;
  try {
    for (const std::string& sentence : options->positional)
      gateway.ConvertN183(sentence.c_str(), static_cast<uint32_t>(sentence.size()), kClock);
    gateway.RunN2kController(true, kClock);
  } catch (const CInstrumentErr& e) {
    return Fail(command + ": " + e.what());
  }
  GatewayOutputWriter writer;
  for (const N2kOutputMessage& message : gateway.N2kOutput()) Print(Terminal(writer.SummaryOf(message)));
  if (options->repo) PrintRepository(gateway.Engine().n183Repository);
  return 0;
}

int RunGatewayN2k(const CommandArgs& args) {
  const std::string command = "gateway n2k";
  const std::optional<GatewayOptions> options = ParseOptions(command, args, true);
  if (!options) return kExitBadInput;
  if (options->positional.size() != 2)
    return Fail("usage: qlx gateway n2k [--select Std|AIS|Full] [--src N] [--dst N] [--pri N] [--repo] PGN HEX");
  uint32_t pgn = 0;
  if (!ParseNumber(options->positional[0], pgn) || pgn > kLargestPgn)
    return Fail(command + ": PGN must be a whole number from 0 to " + std::to_string(kLargestPgn) + ", not '" +
                options->positional[0] + "'");
  std::vector<uint8_t> data;
  if (!ParseHex(options->positional[1], data))
    return Fail(command + ": HEX must be pairs of hex digits such as \"FF D2 04\", not '" + options->positional[1] +
                "'");
  if (data.size() > kLargestN2kData)
    return Fail(command + ": a message carries at most 223 bytes; this one has " + std::to_string(data.size()));

  CWXN gateway;
  if (!StartGateway(gateway, command, options->database)) return kExitBadInput;
  N2kMessage message;
  message.time = kClock;
  message.pgn = pgn;
  message.source = static_cast<uint8_t>(options->src.value_or(0));
  message.destination = static_cast<uint8_t>(options->dst.value_or(255));
  message.priority = static_cast<uint8_t>(options->pri.value_or(6));
  message.length = static_cast<int32_t>(data.size());
  message.data = data.data();
  try {
    gateway.ConvertN2k(message, kClock);
    gateway.RunN183Controller(true, kClock);
  } catch (const CInstrumentErr& e) {
    return Fail(command + ": " + e.what());
  }
  for (const N183OutputSentence& sentence : gateway.N183Output()) Print(Terminal(std::string(sentence.text, sentence.length)));
  if (options->repo) PrintRepository(gateway.Engine().n2kRepository);
  return 0;
}

const CommandRegistration kN183Registration{{
    "gateway n183",
    "qlx gateway n183 [--select Std|AIS|Full] [--repo] SENTENCE...",
    "convert NMEA 0183 sentences through the gateway and print the PGNs it sends",
    "Starts the simulated gateway on the selected database (default Full),\n"
    "receives the sentences in order, then has it send every NMEA 2000 message\n"
    "it can build, and prints each one as qlx list summarises it.\n"
    "\n"
    "  --select DB   Std, AIS or Full\n"
    "  --repo        also print the NMEA 0183 repository: Cache, Name, Index,\n"
    "                Value, Units, Age(ms) and Status, tab-separated",
    &RunGatewayN183,
}};

const CommandRegistration kN2kRegistration{{
    "gateway n2k",
    "qlx gateway n2k [--select Std|AIS|Full] [--src N] [--dst N] [--pri N] [--repo] PGN HEX",
    "convert an NMEA 2000 message through the gateway and print the sentences it sends",
    "Starts the simulated gateway on the selected database (default Full),\n"
    "receives one message (PGN in decimal, data as \"FF D2 04\" or \"FFD204\"),\n"
    "then has it send every NMEA 0183 sentence it can build, one per line.\n"
    "\n"
    "  --select DB   Std, AIS or Full\n"
    "  --src N       source address (default 0)\n"
    "  --dst N       destination address (default 255)\n"
    "  --pri N       priority 0 to 7 (default 6)\n"
    "  --repo        also print the NMEA 2000 repository: Cache, Name, Index,\n"
    "                Value, Units, Age(ms) and Status, tab-separated",
    &RunGatewayN2k,
}};

}  // namespace
