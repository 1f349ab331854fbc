// Decode figures over a parsed log: summary decodes per second by record
// kind, the summaries of a whole record list, full decodes per second, the
// largest NMEA 2000 message, and the whole `qlx list` compared with the whole
// `qlx count` (load and parse).
#pragma once

#include <filesystem>

#include "bench/BenchTable.h"

class RecordParser;

void MeasureDecode(const RecordParser& parser, const std::filesystem::path& log, Timing parse, BenchTable& table);
