// "qlx library sentences", "qlx library sentence XXX" and "qlx library ais":
// the compiled-in NMEA 0183 and AIS definitions as text, for checking a
// decode or a conversion against the library by eye.
#include <cstdio>
#include <string>

#include "cli/Command.h"
#include "base/RepositoryCatalogue.h"
#include "library/N183Lookup.h"

namespace {

std::string IntervalText(uint32_t ms) { return ms == 0 ? "on demand" : std::to_string(ms) + " ms"; }

const char* NameText(const char* name) { return *name ? name : "(no name)"; }

std::string RepositoryText(uint32_t index) {
  return std::string(GetRepositoryName(index)) + " (" + std::to_string(index) + ")";
}

std::string DecimalsText(int8_t decimals) {
  switch (decimals) {
    case kFixedOneDigit: return "fixed 1 digit";
    case kFixedTwoDigits: return "fixed 2 digits";
    case kFixedThreeDigits: return "fixed 3 digits";
    default: return std::to_string(decimals) + " dp";
  }
}

int ListSentences(const CommandArgs& args) {
  if (!args.empty()) return Fail("'library sentences' takes no arguments");
  for (const SentenceDefinition& row : kSentenceDefinitions) {
    std::printf("%c%s  %s  fields %u  interval %s\n", row.startDelimiter, row.address, NameText(row.name),
                row.fieldCount, IntervalText(row.interval).c_str());
  }
  return 0;
}

void PrintField(const SentenceFieldDefinition& field) {
  const DT0183Type* type = GetDT0183Type(field.fieldType);
  const UT183UnitName* unit = GetUT183UnitName(field.unitType);
  std::printf("  %2u %s\n", field.fieldNumber, field.name);
  std::printf("     type %s (%u), unit %s (%u), repository %s", type ? type->name : "?", field.fieldType,
              unit ? unit->name : "?", field.unitType, RepositoryText(field.repositoryIndex).c_str());
  if (field.unitSymbolField != kNoSentenceField) std::printf(", unit letter in field %u", field.unitSymbolField);
  std::printf(", %s\n", DecimalsText(field.decimalPlaces).c_str());
  std::printf("     ");
  if (field.groupSize) {
    std::printf("group of %u, at most %u, count in %s; ", field.groupSize, field.groupMaximum,
                RepositoryText(field.groupRepository).c_str());
  }
  if (field.validityField != kNoSentenceField) {
    std::printf("valid when field %u says so (rule %u); ", field.validityField, field.validityRule);
  }
  if (field.multiSentenceFraming) std::printf("frames the sentence group; ");
  if (field.critical) std::printf("critical; ");
  if (!field.includeInValidCount) std::printf("not in valid count; ");
  std::printf("tags \"%s\", status %s\n", field.listTags, field.developmentStatus);
  if (*field.description) std::printf("     %s\n", field.description);
  if (*field.notes) std::printf("     note: %s\n", field.notes);
}

void PrintSentence(const SentenceDefinition& row) {
  std::printf("%c%s %s\n", row.startDelimiter, row.address, NameText(row.name));
  std::printf("  description: %s\n", row.description);
  if (*row.notes) std::printf("  notes: %s\n", row.notes);
  std::printf("  library index: %u, interval: %s\n", row.libraryIndex, IntervalText(row.interval).c_str());
  if (row.modifierField != kNoSentenceField) {
    std::printf("  applies when field %u holds '%c'\n", row.modifierField, row.modifierValue);
  }
  if (row.fieldCount == 0) {
    std::printf("fields: none defined\n");
    return;
  }
  std::printf("fields: %u definitions from index %d, covering %u sentence fields\n", row.fieldCount,
              row.firstFieldIndex, CountCoveredFields(row));
  for (uint32_t i = 0; i < row.fieldCount; ++i) PrintField(row.fields[i]);
}

int ShowSentence(const CommandArgs& args) {
  if (args.size() != 1) return Fail("usage: qlx library sentence XXX");
  const std::string& formatter = args[0];
  if (formatter.size() != 3) return Fail("not a sentence formatter: '" + formatter + "'");
  if (!FindSentence(formatter.c_str())) return Fail("sentence " + formatter + " is not in the library");
  // A formatter may have several definitions told apart by a modifier field.
  bool first = true;
  for (const SentenceDefinition& row : kSentenceDefinitions) {
    if (formatter != FormatterOf(row)) continue;
    if (!first) std::printf("\n");
    first = false;
    PrintSentence(row);
  }
  return 0;
}

std::string RangeText(const AISFieldDefinition& field) {
  const AISRange* range = GetAISRange(field.rangeRow);
  if (!range || field.rangeRow == 0) return "";
  return ", range " + std::to_string(range->minimum) + ".." + std::to_string(range->maximum) + " n/a " +
         std::to_string(range->notAvailable);
}

void PrintAisRun(const AISMessage& message) {
  uint32_t bit = 0;
  for (uint32_t i = 0; i < message.fieldCount; ++i) {
    const AISFieldListRow& row = kAISFieldList[message.firstFieldRow + i];
    const AISFieldDefinition& field = kAISFieldDefinitions[row.fieldDefinition];
    std::printf("  %2u bit %3u %3u bits %s%s", row.fieldPosition, bit, field.bitWidth, field.isSigned ? "signed " : "",
                field.name);
    if (*field.unit) std::printf(" [%s]", field.unit);
    if (field.exponent) std::printf(" x10^%d", field.exponent);
    std::printf("%s -> %s", RangeText(field).c_str(), RepositoryText(row.repositoryIndex).c_str());
    std::printf(*row.comment ? "; %s\n" : "\n", row.comment);
    bit += field.bitWidth;
  }
  if (message.fieldCount) std::printf("  total %u bits\n", bit);
}

int ListAis(const CommandArgs& args) {
  if (!args.empty()) return Fail("'library ais' takes no arguments");
  for (const AISMessage& message : kAISMessages) {
    std::printf("Message %u %s", message.messageId, message.name);
    if (message.pgn) std::printf("  PGN %u", message.pgn);
    std::printf("  priority %u  %s%s\n", message.priority, message.standardSection, message.classB ? "  Class B" : "");
    if (message.fieldCount) {
      std::printf("  fields %u..%u, group %u\n", message.firstFieldRow,
                  message.firstFieldRow + message.fieldCount - 1u, message.fieldGroup);
    }
    PrintAisRun(message);
  }
  return 0;
}

const CommandRegistration kListRegistration{{
    "library sentences",
    "qlx library sentences",
    "list the NMEA 0183 sentences of the library",
    "One line per sentence definition in library order: delimiter and default\n"
    "address, name, number of field definitions and transmit interval.",
    &ListSentences,
}};

const CommandRegistration kShowRegistration{{
    "library sentence",
    "qlx library sentence XXX",
    "show an NMEA 0183 sentence definition and its fields",
    "XXX is the three-letter formatter, such as GSV. Every definition of the\n"
    "formatter is shown with its field rows: number, name, DT0183 type, UT183\n"
    "unit, repository datatype, decimals, group, validity and list tags.\n"
    "A formatter the library does not hold gives exit status 2.",
    &ShowSentence,
}};

const CommandRegistration kAisRegistration{{
    "library ais",
    "qlx library ais",
    "list the AIS messages and their field layouts",
    "One block per ITU-R M.1371 message row: identifier, name, NMEA 2000 PGN,\n"
    "then for the messages stored field by field one line per field with its\n"
    "bit offset, width, scaling, range and repository datatype.",
    &ListAis,
}};

}  // namespace
