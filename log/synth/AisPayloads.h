// AIS messages as the transponder hands them on: the bit fields of messages
// 1, 2, 3 (position report class A) and 5 (static and voyage data), the
// 6-bit armour and the !AIVDM sentences that carry it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Fields in their transmitted units, so that the NMEA 0183 and NMEA 2000
// forms of one report carry the same numbers.
struct AisPositionReport {
  uint8_t messageType = 1;    // 1, 2 or 3
  uint8_t repeat = 0;
  uint32_t mmsi = 0;
  uint8_t navStatus = 0;
  int8_t rateOfTurn = -128;   // AIS rate-of-turn indicator, -128 not available
  uint16_t sog = 1023;        // 1/10 knot, 1023 not available
  bool accuracy = false;
  int32_t lon = 0x6791AC0;    // 1/10000 minute, 181 degrees not available
  int32_t lat = 0x3412140;    // 1/10000 minute, 91 degrees not available
  uint16_t cog = 3600;        // 1/10 degree, 3600 not available
  uint16_t heading = 511;     // degrees, 511 not available
  uint8_t second = 60;
  uint8_t maneuver = 0;
  bool raim = false;
  uint32_t radio = 0;         // 19-bit communication state
};

struct AisStaticVoyage {
  uint8_t repeat = 0;
  uint32_t mmsi = 0;
  uint8_t aisVersion = 0;
  uint32_t imo = 0;
  std::string callSign;     // 7 characters at most
  std::string name;         // 20
  uint8_t shipType = 0;
  uint16_t toBow = 0, toStern = 0;
  uint8_t toPort = 0, toStarboard = 0;
  uint8_t epfd = 1;         // GPS
  uint8_t etaMonth = 0, etaDay = 0, etaHour = 24, etaMinute = 60;
  uint8_t draught = 0;      // 1/10 metre
  std::string destination;  // 20
  bool dte = false;
};

// The armoured payload and the fill bits that complete its last character.
struct AisArmoured {
  std::string payload;
  int fillBits = 0;
};

AisArmoured EncodePositionReport(const AisPositionReport& report);
AisArmoured EncodeStaticVoyage(const AisStaticVoyage& data);

// The rate-of-turn indicator: 4.733 times the square root of the rate, with
// its sign; +-127 beyond 708 degrees a minute.
int8_t AisRateOfTurn(double degPerMinute);

// The !AIVDM sentences (without checksum) of one message: a single sentence
// up to 60 characters, otherwise fragments of 60 sharing the sequential
// message ID; only the last fragment carries the fill bits.
std::vector<std::string> AivdmSentences(const AisArmoured& message, char channel, int sequentialId);
