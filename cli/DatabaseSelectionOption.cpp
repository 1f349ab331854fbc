#include "cli/DatabaseSelectionOption.h"

bool ParseDatabaseSelection(const std::string& text, std::string& word) {
  if (text == "Std" || text == "AIS") {
    word = text;
    return true;
  }
  if (text == "Full") {
    word.clear();
    return true;
  }
  return false;
}
