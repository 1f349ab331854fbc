// A scaled value as decimal digits that read back to the number it stands
// for, for output that other programs parse (exports). The display text
// rounds a divided resolution factor to the stored exponent; this does not.
#pragma once

#include <string>

#include "base/RepositoryValue.h"

// Maximum digits a division by the resolution factor adds after the
// point when the quotient does not end (a factor of 1/36): enough that the
// text reads back to the same double.
constexpr size_t kMaxQuotientDecimals = 20;

// The value times 10^exponent, the resolution factor applied; no exponent
// notation, "-" only on a number other than zero. The stored exponent's
// trailing zeros stay (1200 at -2 is "12.00").
std::string ExactDecimal(const RepositoryValue& value);
