// The NMEA 2000 receive direction: one received PGN into the NMEA 2000
// repository, field by field as its receive entry in the gateway database
// describes.
#pragma once

#include <cstdint>

struct DatabaseImageView;
class N2kEntryPlans;
struct N2kMessage;
struct Repository;

struct N2kReceiveContext {
  Repository* repository = nullptr;
  const DatabaseImageView* database = nullptr;
  const N2kEntryPlans* plans = nullptr;  // of that database; null: read each entry as it arrives
  const N2kMessage* message = nullptr;
  const uint8_t* matched = nullptr;  // receive entry of the last message; null when none
};

void ConvertPgnToRepository(N2kReceiveContext& ctx, const N2kMessage& message);

// PRN usage codes that mean the satellite is in the solution: "Used" and
// "Used+Diff" of the library's PRN usage status.
bool IsUsedInSolution(int64_t usage);
