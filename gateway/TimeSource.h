// The date the gateway currently believes, chosen by the engine from the
// repositories; AIS arrival dates take their year from it.
#pragma once

#include <cstdint>

#include "base/RepositoryValue.h"

struct TimeSourceSelection {
  RepositoryValue date{0, 0, VS_NoDataYet, 1};  // days since 1970
  uint32_t selectedAt = 0;                      // gateway clock at selection
};

// A selection older than this no longer says what day it is.
constexpr uint32_t kTimeSourceMaxAgeMs = 3599999;
