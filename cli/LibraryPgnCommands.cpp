// "qlx library pgns" and "qlx library pgn N": the compiled-in NMEA 2000
// definitions as text, for checking a decode against the library by eye.
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/Command.h"
#include "library/N2kLookup.h"

namespace {

constexpr uint8_t kNoField = 0xFF;
constexpr uint32_t kVariableLength = 255;

const char* TransportName(const PgnDefinition& pgn) { return pgn.transport == 1 ? "single frame" : "fast packet"; }

std::string LengthText(const PgnDefinition& pgn) {
  return pgn.length == kVariableLength ? "variable" : std::to_string(pgn.length) + " bytes";
}

std::string IntervalText(uint32_t ms) { return ms == 0 ? "not periodic" : std::to_string(ms) + " ms"; }

std::string FieldNumberText(uint8_t field) { return field == kNoField ? "none" : std::to_string(field); }

std::string SizeText(const FieldDefinition& field) {
  if (field.sizeBits == 255 || field.sizeBytes == 255) return "variable";
  if (field.sizeFromContext) return "from message";
  return std::to_string(field.sizeBits + 8u * field.sizeBytes) + " bits";
}

std::string PositionText(const FieldDefinition& field) {
  return field.bitPosition < 0 ? "not fixed" : "bit " + std::to_string(field.bitPosition);
}

std::string GroupText(const PgnDefinition& pgn, const FieldDefinition& field) {
  if (field.groupSize > 0) {
    return "repeats " + std::to_string(field.groupSize) + " fields, count in field " +
           std::to_string(field.repeatCountField);
  }
  return IsInRepeatGroup(pgn.pgn, field.fieldNumber) ? "in repeating group" : "";
}

int ListPgns(const CommandArgs& args) {
  if (!args.empty()) return Fail("'library pgns' takes no arguments");
  for (const PgnDefinition& pgn : kPgnDefinitions) {
    std::printf("%u  %s  fields %u  length %s  %s  interval %s\n", pgn.pgn, pgn.name, pgn.fieldCount,
                LengthText(pgn).c_str(), TransportName(pgn), IntervalText(pgn.interval).c_str());
  }
  return 0;
}

bool ParsePgnNumber(const std::string& text, uint32_t& pgn) {
  if (text.empty() || text[0] == '-' || text[0] == '+') return false;
  errno = 0;
  char* end = nullptr;
  const unsigned long long value = std::strtoull(text.c_str(), &end, 0);
  if (errno != 0 || end == text.c_str() || *end != '\0' || value > UINT32_MAX) return false;
  pgn = static_cast<uint32_t>(value);
  return true;
}

void PrintHeader(const PgnDefinition& pgn) {
  const uint32_t width = (pgn.rangeMask ^ 0x03FFFF00u) >> 8;
  std::printf("PGN %u (0x%05X) %s\n", pgn.pgn, pgn.pgn, pgn.name);
  std::printf("  description: %s\n", pgn.description);
  std::printf("  range mask: 0x%08X, covers %u to %u\n", pgn.rangeMask, pgn.pgn, pgn.pgn + width);
  std::printf("  interval: %s, second interval: %u ms, timeout: %u ms\n", IntervalText(pgn.interval).c_str(),
              pgn.secondInterval, pgn.timeout);
  std::printf("  transport: %s, priority: %u, message class: %u\n", TransportName(pgn), pgn.priority,
              pgn.messageClass);
  std::printf("  SID field: %s, instance field: %s\n", FieldNumberText(pgn.sidField).c_str(),
              FieldNumberText(pgn.instanceField).c_str());
  std::printf("  library index: %u, length: %s, fields: %u, first field index: %u\n", pgn.libraryIndex,
              LengthText(pgn).c_str(), pgn.fieldCount, pgn.firstFieldIndex);
}

void PrintFields(const PgnDefinition& pgn) {
  std::printf("fields:\n");
  for (uint32_t i = 0; i < pgn.fieldCount; ++i) {
    const FieldDefinition& field = pgn.fields[i];
    const DataDictionaryEntry* dd = GetDDEntry(field.dictionaryIndex);
    std::printf("  %2u %s: %s, %s; DD row %u (DD%03u %s), resolution %s, unit %s", field.fieldNumber, field.name,
                PositionText(field).c_str(), SizeText(field).c_str(), field.dictionaryIndex,
                dd ? dd->dictionaryNumber : 0, dd ? dd->name : "", dd ? dd->resolution : "",
                dd && dd->unitSymbol[0] ? dd->unitSymbol : "none");
    const std::string group = GroupText(pgn, field);
    std::printf(group.empty() ? "\n" : "; %s\n", group.c_str());
  }
}

void PrintConversionMap(const PgnDefinition& pgn) {
  bool any = false;
  for (uint32_t i = 0; i < pgn.fieldCount; ++i) {
    int32_t first = 0;
    int32_t count = 0;
    if (FindConversionMapRows(pgn.pgn, pgn.fields[i].fieldNumber, first, count) != 0) continue;
    if (!any) std::printf("conversion map:\n");
    any = true;
    for (int32_t r = first; r < first + count; ++r) {
      const N2kConversionMapRow& row = *GetConversionMapRow(static_cast<uint32_t>(r));
      std::printf("  row %3d field %2u -> %s (%u)", r, row.fieldNumber, row.repositoryName, row.repositoryIndex);
      if (row.modifierField != kNoField) {
        std::printf(" when field %u = %u (%s)", row.modifierField, row.modifierValue, row.modifierName);
      }
      std::printf(" [%s]\n", row.listTags);
    }
  }
  if (!any) std::printf("conversion map: no rows\n");
}

int ShowPgn(const CommandArgs& args) {
  if (args.size() != 1) return Fail("usage: qlx library pgn N");
  uint32_t number = 0;
  if (!ParsePgnNumber(args[0], number)) return Fail("not a PGN number: '" + args[0] + "'");
  const PgnDefinition* pgn = FindPGN(number);
  if (!pgn) return Fail("PGN " + std::to_string(number) + " is not in the library");
  PrintHeader(*pgn);
  PrintFields(*pgn);
  PrintConversionMap(*pgn);
  return 0;
}

const CommandRegistration kListRegistration{
    {"library pgns", "qlx library pgns", "list the NMEA 2000 PGNs of the library",
     "One line per PGN: number, name, field count, payload length, transport and default interval.", &ListPgns}};

const CommandRegistration kShowRegistration{
    {"library pgn", "qlx library pgn N", "show one NMEA 2000 PGN definition of the library",
     "N is decimal or 0x-prefixed hexadecimal; a number inside a PGN range (such as 59939 for an ISO request\n"
     "to address 0x23) shows the range's definition. Prints every column of the definition, its fields with\n"
     "position, size, data dictionary row, resolution, unit and repeating group, and its conversion map rows.\n"
     "An unknown PGN is an error (exit status 2).",
     &ShowPgn}};

}  // namespace
