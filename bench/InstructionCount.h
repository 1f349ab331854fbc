// Deterministic cost figures: under callgrind, each phase (parse, log times,
// summaries and full decodes of each record kind) is bracketed by client
// requests so that scripts/bench-instructions can read the instructions it
// executed. Outside valgrind the requests do nothing and the phases simply run.
#pragma once

#include <filesystem>

// Prints one "phase NAME RECORDS" line per phase, in the order of the dumps.
int CountInstructions(const std::filesystem::path& log);
