// The display text of a decoded or stored value with its data dictionary
// entry: the exact number with its unit, plus the reading a mariner expects
// (degrees and minutes, Celsius, knots, nautical miles, degrees, dates, clock
// times) or the name of an enumerated value.
#pragma once

#include <cstdint>
#include <string>

#include "base/RepositoryValue.h"
#include "library/N2kTables.h"

// A value whose status is neither Valid nor Used shows only its status word.
std::string ValueText(const RepositoryValue& value, const DataDictionaryEntry& entry, bool withUnits);
// The same text appended to a line, without a string of its own.
void AppendValueText(std::string& text, const RepositoryValue& value, const DataDictionaryEntry& entry,
                     bool withUnits);

// The description of the enumeration row of (dictionary number, low byte of
// the value), or "" when there is none or the value is not valid.
std::string EnumText(uint32_t dictionaryNumber, const RepositoryValue& value);
