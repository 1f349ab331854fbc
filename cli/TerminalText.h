// The record texts are 8-bit Latin-1, as the clipboard carries them; a
// terminal or a pipeline wants UTF-8 and one line per record.
#pragma once

#include <string>
#include <string_view>

#include "decode/Latin1Text.h"

// Control characters (C0, DEL and C1) as "\n", "\r", "\t" or "\xNN", and a
// backslash as "\\", so that the text stays on one line and can be read back.
std::string EscapeControls(std::string_view text);
// Appends the text with its control characters escaped, and with every other
// byte of 0x80 or more in UTF-8 when utf8 is set (Latin-1 otherwise).
void AppendTerminalText(std::string& out, std::string_view text, bool utf8);

// The length of the text's leading run that AppendTerminalText copies
// unchanged in either form: printable ASCII other than the backslash.
size_t PlainTerminalRun(std::string_view text);

// Splits lines longer than `width` at blanks; a continued line is indented
// to where the text of its first line begins after the option or name it
// describes (the first run of two blanks), or to its own indent.
std::string WrapLines(std::string_view text, size_t width);
