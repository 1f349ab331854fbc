// "qlx library datatypes": the repository datatypes the gateway's converters
// read and write, so that a conversion can be followed by name.
#include <cstdio>

#include "cli/Command.h"
#include "base/RepositoryCatalogue.h"
#include "library/N2kLookup.h"

namespace {

const char* FormatName(const RepositoryDatatype& row) {
  const DataDictionaryEntry* entry = GetDDEntry(row.dictionaryIndex);
  const BasicDataType* type = entry ? GetDataType(entry->dataType) : nullptr;
  return type ? type->shortName : "?";
}

int ListDatatypes(const CommandArgs& args) {
  if (!args.empty()) return Fail("'library datatypes' takes no arguments");
  std::printf("%-5s  %-30s  %-10s  %-9s  %-6s  %s\n", "index", "name", "format", "instances", "banked", "AIS");
  for (const RepositoryDatatype& row : kRepositoryDatatypes) {
    std::printf("%5u  %-30s  %-10s  %9u  %-6s  %s\n", row.index, row.name, FormatName(row), row.instances,
                (row.flags & kRepositoryBanked) ? "yes" : "no", (row.flags & kRepositoryAis) ? "yes" : "no");
  }
  return 0;
}

const CommandRegistration kRegistration{
    {"library datatypes", "qlx library datatypes", "list the gateway's repository datatypes",
     "One line per datatype after a header: index, name, the basic data format of its data dictionary entry,\n"
     "the number of instances, whether it has a second bank for sentence groups, and whether it is an AIS\n"
     "datatype (no owner arbitration; a value reads Used after its first read).",
     &ListDatatypes}};

}  // namespace
