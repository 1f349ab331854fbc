// The data of a plot as CSV: one row per record of each plotted field, in
// the columns of the field export, so that a spreadsheet reads both alike.
// A gap is an empty value with the status that made it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "query/FieldSeries.h"

// The header row.
std::string SeriesCsvHeader();

// Appends the series' rows. Numbers read back to the same double.
void AppendSeriesCsv(std::string& out, const SeriesField& field, std::string_view name, std::string_view unit,
                     const std::vector<SeriesPoint>& points);
