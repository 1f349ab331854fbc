// Decode figures over a parsed log: summary decodes per second by record
// kind, full decodes per second, the largest NMEA 2000 message, and the whole
// `qlx list` compared with the parse alone.
#pragma once

#include <filesystem>

class RecordParser;

void MeasureDecode(const RecordParser& parser, const std::filesystem::path& log, double parseSeconds);
