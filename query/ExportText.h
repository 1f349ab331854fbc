// Text for the exported values. The core's text is 8-bit Latin-1; exports
// are read by spreadsheets and scripts that expect UTF-8, so every byte of
// 0x80 or more becomes its two-byte UTF-8 form on the way out.
#pragma once

#include <string>
#include <string_view>

// One CSV cell: quoted, with quotes doubled, only when it holds a comma, a
// quote or a line break.
void AppendCsvCell(std::string& out, std::string_view latin1);
// A JSON string with its quotes; control characters escaped.
void AppendJsonString(std::string& out, std::string_view latin1);
