// The --filter EXPR option shared by the commands that read a record list.
#pragma once

#include <optional>

#include "cli/Command.h"
#include "query/Filter.h"

// Moves "--filter EXPR" out of args into filter; the other arguments stay in
// rest. On a missing or bad expression, writes the message with a caret under
// the column and returns false.
bool TakeFilterOption(const CommandArgs& args, CommandArgs& rest, std::optional<Filter>& filter);
