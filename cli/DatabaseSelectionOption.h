// The --select option of the database, wizard and gateway commands: which
// gateway database to build.
#pragma once

#include <string>

// "Std", "AIS" or "Full" into the database builder's selection word ("" is
// the full database); false for anything else.
bool ParseDatabaseSelection(const std::string& text, std::string& word);
