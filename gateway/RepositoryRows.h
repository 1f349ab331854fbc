// The repository as a table for people: one row per datatype instance that
// holds data, with its value, units, age and status, for the command line
// and the repository window alike.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Repository;

struct RepositoryRow {
  std::string cache;  // "Cache" for a row of the second bank
  std::string name;
  std::string index;
  std::string value;
  std::string units;
  std::string age;
  std::string status;
};

inline constexpr const char* kRepositoryColumns[] = {"Cache", "Name", "Index", "Value", "Units", "Age(ms)", "Status"};

// Ages are measured against `clock`. Reading a value is what the gateway
// does too, so an AIS value read here counts as used.
std::vector<RepositoryRow> RepositoryRows(Repository& repository, uint32_t clock);

// The row's cells joined by tabs.
std::string RowLine(const RepositoryRow& row);
