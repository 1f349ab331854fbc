// Runs a filter over a whole record list. Terms the records answer take a
// fraction of a second for millions of records; text terms decode every
// summary, so the work is spread over the machine's cores and can be
// watched and stopped.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "query/Filter.h"

class RecordList;

struct FilterRunControl {
  // Called on the calling thread only, now and then while the run lasts:
  // records examined so far and in all.
  std::function<void(size_t done, size_t total)> progress;
  // Set from anywhere to stop the run early.
  const std::atomic<bool>* cancel = nullptr;
  // 0: one per core.
  unsigned threads = 0;
};

// The indices (from 0) of the matching records in file order, or nothing
// when the run was cancelled.
std::optional<std::vector<uint32_t>> RunFilter(const Filter& filter, const RecordList& records,
                                              const FilterRunControl& control = {});
