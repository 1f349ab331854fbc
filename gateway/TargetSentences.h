// "NMEA 0183 Sentences Targetted ": which library sentences carry a set of
// datatypes, and the sentences the gateway's database actually builds of
// them from what its repository holds now, each decoded.
#pragma once

#include <cstdint>
#include <set>

class CTreeNode;
class CWXN;

// Makes `block` the block (expanded). Sentence indexes are library rows; the
// gateway's NMEA 0183 output list is used for the building and left empty.
void ShowTargetSentences(CTreeNode& block, const std::set<uint32_t>& sentenceIndices, CWXN& gateway, uint32_t now);
