// Runs the qlx program built beside the benchmark as a user runs it, output
// thrown away, and times the whole process.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bench/BenchTable.h"

// The qlx program next to this benchmark.
std::filesystem::path QlxBesideBench();

// `qlx ARGS...` with stdout to /dev/null (or another program built here,
// such as this benchmark in one of its child modes): its wall time and its own processor
// time (user + system, from the kernel's account of the child); none when it
// could not run or did not succeed.
std::optional<Timing> RunQlx(const std::filesystem::path& qlx, const std::vector<std::string>& args);
