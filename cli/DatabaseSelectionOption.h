// The --select option of the gateway commands: which gateway database the
// simulated gateway runs on.
#pragma once

#include <string>

// "Std", "AIS" or "Full" into the database builder's selection word ("" is
// the full database); false for anything else.
bool ParseDatabaseSelection(const std::string& text, std::string& word);
