// Chooses the date the gateway believes from whichever repository last
// received one, so that AIS arrival dates can be given a year.
#pragma once

#include <cstdint>

#include "base/RepositoryCatalogue.h"
#include "gateway/TimeSource.h"

struct Repository;

struct TimeSourceSelector {
  Repository* n2k = nullptr;
  Repository* n183 = nullptr;
  TimeSourceSelection selection;
  const Repository* from = nullptr;
  uint32_t datatype = RD_NONE;
};

// A Valid date found (calendar date first, then an AIS position date; the
// NMEA 2000 side before the NMEA 0183 one) is taken with the clock time
// `now`; otherwise the previous selection stands.
void SelectTimeSource(TimeSourceSelector& selector, uint32_t now);
