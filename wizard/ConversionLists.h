// What converts into what in the selected database, as trees for the
// Database View and the text report, and as CSV tables for spreadsheets.
#pragma once

#include <string>

#include "gateway/N183ToPgnList.h"
#include "library/DBImageView.h"

class CTreeNode;

// "NMEA 2000 Rx PGN to NMEA 0183 Tx List": per receive PGN the transmit
// sentences it feeds fully, then a "Partial [n]" child for the rest.
void ListN2kToN183(const DatabaseImageView& view, CTreeNode& node);

// The two tables, each a title line, a column line and one row per receive
// entry, every row after a CR LF; the text does not end with a line break.
std::string CsvN2kToN183(const DatabaseImageView& view);
std::string CsvN183ToN2k(const DatabaseImageView& view);
