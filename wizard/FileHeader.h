// The comment block every generated file starts with: the maker's banner,
// the documentation block (file, author, date, brief, details, warning,
// copyright, notice) and the version-control keyword lines.
#pragma once

#include <ctime>

class ReportFile;

// The current local time, as the header's date line shows it.
std::tm LocalNow();

// A private file is a company asset (a two-line notice); any other file may
// be passed on under the five-line redistribution notice.
void WriteFileHeader(ReportFile& file, bool isPrivate, const std::tm& now);
