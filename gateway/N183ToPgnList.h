// What the NMEA 0183 receive entries of a database can feed on the NMEA 2000
// side: the library PGNs that carry any datatype a received sentence stores.
// The conversion display and the database wizard both list it.
#pragma once

#include <cstdint>
#include <set>

#include "library/DBImageView.h"

class CTreeNode;
struct SentenceDefinition;

// Library indices of the PGNs fed by the datatypes of one receive entry.
std::set<uint32_t> LibraryPgnsFedBy(const DatabaseImageView& view, const uint8_t* rxSentence);

// The library row of a sentence entry; the two MWV rows share a formatter,
// so the entry's modifier picks one. Null when the formatter has no row.
const SentenceDefinition* LibrarySentenceOf(const N183SentenceEntry& entry);

// "N183 Target Formatter List to N2K PGN List [n]": per receive sentence that
// stores something, "GLL : name" with its "Library PGNs" beneath.
void ListN183ToPgns(const DatabaseImageView& view, CTreeNode& node);
