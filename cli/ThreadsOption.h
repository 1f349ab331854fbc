// The --threads N option of the commands that decode a whole log: how many
// workers share the decoding (the output is the same for every N).
#pragma once

#include "cli/Command.h"

// Moves "--threads N" out of args; threads keeps its value (0: one per
// core) when the option is absent. Writes a message and returns false for a
// missing or bad number.
bool TakeThreadsOption(CommandArgs& args, unsigned& threads);
