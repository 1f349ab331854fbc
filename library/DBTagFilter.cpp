#include "library/DBTagFilter.h"

bool TagsMatch(const TagFilter& filter, const std::string& tags) {
  if (tags.empty()) return true;
  for (const std::string& term : filter) {
    if (term.empty()) continue;
    const bool forbids = term[0] == '-';
    const std::string text = term[0] == '+' || forbids ? term.substr(1) : term;
    const bool occurs = tags.find(text) != std::string::npos;
    if (occurs == forbids) return false;
  }
  return true;
}
