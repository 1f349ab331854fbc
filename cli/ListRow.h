// One row of qlx list: number, time, type name and summary, tab-separated.
#pragma once

#include <cstddef>
#include <string>

#include "log/Record.h"

// `row` counts from 1; the summary is written with its control characters
// escaped, in UTF-8 when `utf8` is set and as the 8-bit text otherwise.
void AppendListRow(std::string& out, size_t row, const Record& r, const std::string& summary, bool utf8);
