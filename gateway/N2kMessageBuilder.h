// The NMEA 2000 transmit direction: outgoing PGNs built from the NMEA 0183
// repository, one transmit entry of the gateway database at a time, so that
// values that arrived as NMEA 0183 leave as NMEA 2000.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

struct DatabaseImageView;
struct N2kEntryPlan;
class N2kEntryPlans;
struct Repository;

constexpr int32_t kBuildNoEntry = -997;
constexpr int32_t kBuildNothingToSend = -958;
constexpr int32_t kBuildRepeatsTooLong = -959;

constexpr uint32_t kPgnBufferBytes = 224;

struct N2kMessageBuilder {
  uint32_t time = 0;
  uint32_t pgn = 0;
  uint8_t priority = 0;
  uint8_t source = 0;
  uint8_t destination = 255;
  uint32_t length = 0;
  uint32_t capacity = kPgnBufferBytes;
  std::array<uint8_t, kPgnBufferBytes> data{};
  Repository* repository = nullptr;            // the NMEA 0183 repository
  const DatabaseImageView* database = nullptr;
  const N2kEntryPlans* plans = nullptr;        // of that database; null: read each entry as it is built
  uint32_t pendingPgn = 0;                     // asked for at once by an AIS message; 0 none
};

using EmitPgn = std::function<void(const N2kMessageBuilder&)>;

// entry: an NMEA 2000 transmit entry of the database; instance: the one
// asked for (fields of another instance are left out, and the PGN's
// instance field carries it).
int32_t BuildPgn(N2kMessageBuilder& builder, const uint8_t* entry, uint32_t instance);
int32_t BuildAndEmitPgn(N2kMessageBuilder& builder, const uint8_t* entry, uint32_t instance, const EmitPgn& emit);
// The same from the entry's plan, already found.
int32_t BuildAndEmitPgn(N2kMessageBuilder& builder, const N2kEntryPlan& plan, uint32_t instance, const EmitPgn& emit);
// True when a pending PGN was there, whether or not it could be sent.
bool SendPendingPgn(N2kMessageBuilder& builder, const EmitPgn& emit);
