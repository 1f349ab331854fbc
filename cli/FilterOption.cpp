#include "cli/FilterOption.h"

#include <cstdio>
#include <string>

bool TakeFilterOption(const CommandArgs& args, CommandArgs& rest, std::optional<Filter>& filter) {
  rest.clear();
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--filter") {
      rest.push_back(args[i]);
      continue;
    }
    if (filter || i + 1 >= args.size()) {
      Fail(filter ? "--filter given twice" : "--filter needs an expression");
      return false;
    }
    const std::string& expression = args[++i];
    FilterError error;
    filter = Filter::Parse(expression, error);
    if (!filter) {
      Fail("--filter: " + error.Message());
      std::fprintf(stderr, "  %s\n  %*s^\n", expression.c_str(), static_cast<int>(error.column - 1), "");
      return false;
    }
  }
  return true;
}
