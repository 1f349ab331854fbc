// The NMEA 2000 data of each parameter group the vessel's network sends,
// filled from the vessel model with the standard's field positions, widths
// and resolutions, and the KVT payloads that carry a message in the log.
#pragma once

#include <cstdint>
#include <vector>

#include "log/synth/AisPayloads.h"
#include "log/synth/VesselModel.h"

using N2kData = std::vector<uint8_t>;

// The longest data a time-stamped KVT frame can carry: its body (command,
// length, eleven header bytes, data, checksum) holds at most 236 bytes.
constexpr size_t kMaxN2kData = 222;

// Date and time as NMEA 2000 carries them: days since 1970-01-01 and seconds
// since midnight.
struct N2kDateTime {
  uint16_t days;
  double seconds;
};

N2kData N2kSystemTime(uint8_t sid, N2kDateTime utc);                       // 126992
N2kData N2kVesselHeading(uint8_t sid, const VesselState& s);               // 127250
N2kData N2kRateOfTurn(uint8_t sid, const VesselState& s);                  // 127251
N2kData N2kAttitude(uint8_t sid, const VesselState& s);                    // 127257
N2kData N2kEngineRapid(uint8_t instance, const VesselState& s);            // 127488
N2kData N2kEngineDynamic(uint8_t instance, const VesselState& s);          // 127489
N2kData N2kWaterSpeed(uint8_t sid, const VesselState& s);                  // 128259
N2kData N2kWaterDepth(uint8_t sid, const VesselState& s);                  // 128267
N2kData N2kDistanceLog(N2kDateTime utc, const VesselState& s);             // 128275
N2kData N2kPositionRapid(const VesselState& s);                            // 129025
N2kData N2kCogSogRapid(uint8_t sid, const VesselState& s);                 // 129026
N2kData N2kGnssPosition(uint8_t sid, N2kDateTime utc, const VesselState& s, int satellitesUsed);  // 129029
N2kData N2kSatellitesInView(uint8_t sid, const std::vector<Satellite>& satellites);               // 129540
N2kData N2kAisClassA(const AisPositionReport& r, uint8_t transceiver, uint8_t sequence);        // 129038
N2kData N2kAisClassB(const AisPositionReport& r, uint8_t transceiver);                          // 129039

// Wind references of 130306.
enum N2kWindReference : uint8_t { kWindApparent = 2, kWindTrueBoat = 3 };
N2kData N2kWind(uint8_t sid, const VesselState& s, N2kWindReference reference);  // 130306

// Temperature sources of 130312.
enum N2kTemperatureSource : uint8_t { kSeaTemperature = 0, kOutsideTemperature = 1, kEngineRoomTemperature = 3 };
N2kData N2kTemperature(uint8_t sid, uint8_t instance, N2kTemperatureSource source, double celsius);  // 130312

struct N2kAddress {
  uint32_t pgn;
  uint8_t priority;
  uint8_t source;
  uint8_t destination = 255;
};

// KVT command 0x93: the message with the logger's millisecond time stamp.
std::vector<uint8_t> KvtTimestampedPayload(const N2kAddress& address, uint32_t timeMs, const N2kData& data);
// KVT command 0x94: no source address and no time stamp.
std::vector<uint8_t> KvtUntimedPayload(const N2kAddress& address, const N2kData& data);
