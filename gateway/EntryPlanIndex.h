// Finding what was read out of an image entry once, by the entry's address:
// the builders are handed entries, and their plans lie at the same positions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "library/DBImageView.h"

// Null for a pointer that is not an entry of the section, or one past the plans.
template <typename Plan>
const Plan* PlanOfEntry(const DatabaseImageSection& section, const std::vector<Plan>& plans, const uint8_t* entry) {
  const auto address = reinterpret_cast<uintptr_t>(entry);
  const auto start = reinterpret_cast<uintptr_t>(section.entries);
  if (entry == nullptr || section.entries == nullptr || section.entrySize == 0 || address < start) return nullptr;
  const size_t offset = address - start;
  const size_t position = offset / section.entrySize;
  if (offset % section.entrySize != 0 || position >= plans.size()) return nullptr;
  return &plans[position];
}
