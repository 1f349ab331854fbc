// Which library rows a database list admits: each row carries list tags
// ("Rx,Tx,Std,AIS", "Xclude", ...) and each list a filter of terms. A term
// "+X" or "X" requires the text X somewhere in the tags, "-X" forbids it.
#pragma once

#include <string>
#include <vector>

using TagFilter = std::vector<std::string>;

// Empty tags match every filter; empty terms are ignored. Terms match as
// contiguous text, not as whole comma-separated items.
bool TagsMatch(const TagFilter& filter, const std::string& tags);
