// How the reports name a transmit entry: the NMEA 0183 formatter letters
// (with the trailer character that tells two variants apart, "RMC(A)"), or
// the NMEA 2000 PGN number.
#pragma once

#include <cstdint>
#include <string>

#include "library/DBImageView.h"

std::string N183TxLabel(const N183SentenceEntry& entry);
std::string N2KTxLabel(const N2KPGNEntry& entry);
