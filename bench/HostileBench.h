// Hostile files at the largest size the reader opens, each listed by the
// qlx program as a user would list it: peak memory and processor time of
// the whole run against the bounds, the time per byte against the sample
// log's in the same run.
#pragma once

#include <filesystem>

// 0 when every run could be measured.
int RunHostileBench(const std::filesystem::path& qlx);
