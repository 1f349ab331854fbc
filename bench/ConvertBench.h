// qlx convert against qlx list on the same log: both run as a user runs
// them, as programs of their own with their output thrown away, and timed in
// the processor time of that child process.
#pragma once

#include <cstddef>
#include <filesystem>

class BenchTable;

void MeasureConvert(const std::filesystem::path& qlx, const std::filesystem::path& log, size_t records,
                    BenchTable& table);
