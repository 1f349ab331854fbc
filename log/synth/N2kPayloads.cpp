#include "log/synth/N2kPayloads.h"

#include <cmath>
#include <stdexcept>

#include "log/synth/N2kFieldWriter.h"
#include "log/synth/SynthMath.h"

namespace {

constexpr double kMetresPerSecondPerKnot = 1852.0 / 3600.0;
constexpr double kKelvinOffset = 273.15;
constexpr double kAngle = 0.0001;  // rad
constexpr double kSpeed = 0.01;    // m/s

double DegreesPerMinuteToRadPerSecond(double v) { return Radians(v) / 60.0; }

void PutAngle(N2kFieldWriter& w, uint32_t bit, double degrees) { w.PutUnsigned(bit, 16, Radians(degrees), kAngle); }
void PutSignedAngle(N2kFieldWriter& w, uint32_t bit, double degrees) { w.PutSigned(bit, 16, Radians(degrees), kAngle); }
void PutKnots(N2kFieldWriter& w, uint32_t bit, double knots) { w.PutUnsigned(bit, 16, knots * kMetresPerSecondPerKnot, kSpeed); }

// The AIS report's own units: 1/10000 minute, 1/10 degree, 1/10 knot.
void PutAisCommon(N2kFieldWriter& w, const AisPositionReport& r, uint32_t messageId, uint8_t transceiver) {
  w.PutRaw(0, 6, messageId);
  w.PutRaw(6, 2, r.repeat);
  w.PutRaw(8, 32, r.mmsi);
  w.PutSigned(40, 32, r.lon / 600000.0, 1e-7);
  w.PutSigned(72, 32, r.lat / 600000.0, 1e-7);
  w.PutRaw(104, 1, r.accuracy ? 1 : 0);
  w.PutRaw(105, 1, r.raim ? 1 : 0);
  w.PutRaw(106, 6, r.second);
  PutAngle(w, 112, r.cog / 10.0);
  PutKnots(w, 128, r.sog / 10.0);
  w.PutRaw(144, 19, r.radio);
  w.PutRaw(163, 5, transceiver);
  if (r.heading < 360) PutAngle(w, 168, r.heading);
}

}  // namespace

N2kData N2kSystemTime(uint8_t sid, N2kDateTime utc) {
  N2kFieldWriter w(8);
  w.PutRaw(0, 8, sid);
  w.PutRaw(8, 4, 0);  // GPS
  w.PutRaw(16, 16, utc.days);
  w.PutUnsigned(32, 32, utc.seconds, 0.0001);
  return w.Take();
}

N2kData N2kVesselHeading(uint8_t sid, const VesselState& s) {
  N2kFieldWriter w(8);
  w.PutRaw(0, 8, sid);
  PutAngle(w, 8, WrapDegrees(s.headingTrueDeg - s.variationDeg));
  PutSignedAngle(w, 24, 0.0);
  PutSignedAngle(w, 40, s.variationDeg);
  w.PutRaw(56, 2, 1);  // magnetic
  return w.Take();
}

N2kData N2kRateOfTurn(uint8_t sid, const VesselState& s) {
  N2kFieldWriter w(8);
  w.PutRaw(0, 8, sid);
  w.PutSigned(8, 32, DegreesPerMinuteToRadPerSecond(s.rateOfTurnDegPerMin), 3.125e-08);
  return w.Take();
}

N2kData N2kAttitude(uint8_t sid, const VesselState& s) {
  N2kFieldWriter w(8);
  w.PutRaw(0, 8, sid);
  PutSignedAngle(w, 8, SignedDegrees(s.headingTrueDeg));
  PutSignedAngle(w, 24, s.pitchDeg);
  PutSignedAngle(w, 40, s.rollDeg);
  return w.Take();
}

N2kData N2kEngineRapid(uint8_t instance, const VesselState& s) {
  N2kFieldWriter w(8);
  w.PutRaw(0, 8, instance);
  w.PutUnsigned(8, 16, s.rpm, 0.25);
  w.PutUnsigned(24, 16, s.boostPa, 100);
  w.PutSigned(40, 8, 0, 1);  // trim: a shaft drive has none to speak of
  return w.Take();
}

N2kData N2kEngineDynamic(uint8_t instance, const VesselState& s) {
  N2kFieldWriter w(26);
  w.PutRaw(0, 8, instance);
  w.PutUnsigned(8, 16, s.oilPressurePa, 100);
  w.PutUnsigned(24, 16, s.oilTempC + kKelvinOffset, 0.1);
  w.PutUnsigned(40, 16, s.coolantTempC + kKelvinOffset, 0.01);
  w.PutSigned(56, 16, s.alternatorV, 0.01);
  w.PutSigned(72, 16, s.fuelRateLph, 0.1);
  w.PutUnsigned(88, 32, s.engineHoursS, 1);
  w.PutUnsigned(120, 16, 110000, 100);  // coolant pressure
  w.PutUnsigned(136, 16, 320000, 1000);  // fuel pressure
  w.PutRaw(160, 16, 0);  // no discrete alarms
  w.PutRaw(176, 16, 0);
  w.PutSigned(192, 8, s.engineLoadPct, 1);
  w.PutSigned(200, 8, s.engineLoadPct * 0.9, 1);
  return w.Take();
}

N2kData N2kWaterSpeed(uint8_t sid, const VesselState& s) {
  N2kFieldWriter w(8);
  w.PutRaw(0, 8, sid);
  PutKnots(w, 8, s.stwKn);
  PutKnots(w, 24, s.sogKn);
  w.PutRaw(40, 8, 0);  // paddle wheel
  w.PutRaw(48, 4, 0);  // forward
  return w.Take();
}

N2kData N2kWaterDepth(uint8_t sid, const VesselState& s) {
  N2kFieldWriter w(8);
  w.PutRaw(0, 8, sid);
  w.PutUnsigned(8, 32, s.depthM, 0.01);
  w.PutSigned(40, 16, s.transducerOffsetM, 0.001);
  w.PutUnsigned(56, 8, 100, 10);
  return w.Take();
}

N2kData N2kDistanceLog(N2kDateTime utc, const VesselState& s) {
  N2kFieldWriter w(14);
  w.PutRaw(0, 16, utc.days);
  w.PutUnsigned(16, 32, utc.seconds, 0.0001);
  w.PutUnsigned(48, 32, s.logTotalM, 1);
  w.PutUnsigned(80, 32, s.tripM, 1);
  return w.Take();
}

N2kData N2kPositionRapid(const VesselState& s) {
  N2kFieldWriter w(8);
  w.PutSigned(0, 32, s.latDeg, 1e-7);
  w.PutSigned(32, 32, s.lonDeg, 1e-7);
  return w.Take();
}

N2kData N2kCogSogRapid(uint8_t sid, const VesselState& s) {
  N2kFieldWriter w(8);
  w.PutRaw(0, 8, sid);
  w.PutRaw(8, 2, 0);  // true
  PutAngle(w, 16, s.cogDeg);
  PutKnots(w, 32, s.sogKn);
  return w.Take();
}

N2kData N2kGnssPosition(uint8_t sid, N2kDateTime utc, const VesselState& s, int satellitesUsed) {
  // 43 fixed bytes, then two reference stations of 4 bytes each.
  N2kFieldWriter w(51);
  w.PutRaw(0, 8, sid);
  w.PutRaw(8, 16, utc.days);
  w.PutUnsigned(24, 32, utc.seconds, 0.0001);
  // 1e-16 degree: round at 1e-9 degree first, as a double cannot hold the
  // last digits of the product anyway.
  w.PutRaw(56, 64, static_cast<uint64_t>(static_cast<int64_t>(std::llround(s.latDeg * 1e9)) * 10000000));
  w.PutRaw(120, 64, static_cast<uint64_t>(static_cast<int64_t>(std::llround(s.lonDeg * 1e9)) * 10000000));
  w.PutRaw(184, 64, static_cast<uint64_t>(static_cast<int64_t>(std::llround(s.altitudeM * 1e6))));
  w.PutRaw(248, 4, 0);  // GPS
  w.PutRaw(252, 4, 2);  // DGNSS fix
  w.PutRaw(256, 2, 0);  // no integrity checking
  w.PutRaw(264, 8, static_cast<uint64_t>(satellitesUsed));
  w.PutSigned(272, 16, s.hdop, 0.01);
  w.PutSigned(288, 16, s.pdop, 0.01);
  w.PutSigned(304, 32, s.geoidSeparationM, 0.01);
  w.PutRaw(336, 8, 2);
  w.PutRaw(344, 4, 0);     // GPS station
  w.PutRaw(348, 12, 120);  // the station GGA reports
  w.PutUnsigned(360, 16, s.correctionAgeS, 0.01);
  w.PutRaw(376, 4, 3);     // GPS+SBAS station
  w.PutRaw(380, 12, 131);
  w.PutUnsigned(392, 16, s.correctionAgeS + 1.5, 0.01);
  return w.Take();
}

N2kData N2kSatellitesInView(uint8_t sid, const std::vector<Satellite>& satellites) {
  constexpr uint32_t kHeaderBits = 24, kSatelliteBits = 96;
  N2kFieldWriter w((kHeaderBits + kSatelliteBits * satellites.size()) / 8);
  w.PutRaw(0, 8, sid);
  w.PutRaw(8, 2, 0);
  w.PutRaw(16, 8, satellites.size());
  uint32_t bit = kHeaderBits;
  for (const Satellite& sat : satellites) {
    w.PutRaw(bit, 8, sat.prn);
    PutSignedAngle(w, bit + 8, sat.elevationDeg);
    PutAngle(w, bit + 24, sat.azimuthDeg);
    w.PutSigned(bit + 40, 16, sat.snrDb, 0.01);
    w.PutSigned(bit + 56, 32, 0, 1e-5);
    w.PutRaw(bit + 88, 4, sat.used ? 2 : 1);  // used, or tracked
    bit += kSatelliteBits;
  }
  if (w.Data().size() > kMaxN2kData) throw std::logic_error("too many satellites for one message");
  return w.Take();
}

N2kData N2kAisClassA(const AisPositionReport& r, uint8_t transceiver, uint8_t sequence) {
  N2kFieldWriter w(28);
  PutAisCommon(w, r, r.messageType, transceiver);
  if (r.rateOfTurn != -128) {
    // Back from the indicator to the rate it stands for.
    const double degPerMin = (r.rateOfTurn / 4.733) * (r.rateOfTurn / 4.733) * (r.rateOfTurn < 0 ? -1 : 1);
    w.PutSigned(184, 16, DegreesPerMinuteToRadPerSecond(degPerMin), 3.125e-05);
  }
  w.PutRaw(200, 4, r.navStatus);
  w.PutRaw(204, 2, r.maneuver);
  w.PutRaw(208, 3, 0);  // spare
  w.PutRaw(216, 8, sequence);
  return w.Take();
}

N2kData N2kAisClassB(const AisPositionReport& r, uint8_t transceiver) {
  N2kFieldWriter w(27);
  PutAisCommon(w, r, 18, transceiver);
  w.PutRaw(184, 8, 0);  // regional application
  w.PutRaw(192, 2, 0);
  w.PutRaw(194, 1, 1);  // carrier-sense unit
  w.PutRaw(195, 1, 0);  // no integrated display
  w.PutRaw(196, 1, 1);  // DSC
  w.PutRaw(197, 1, 1);  // whole marine band
  w.PutRaw(198, 1, 1);  // handles message 22
  w.PutRaw(199, 1, 0);  // autonomous
  w.PutRaw(200, 1, 1);  // ITDMA
  return w.Take();
}

N2kData N2kWind(uint8_t sid, const VesselState& s, N2kWindReference reference) {
  N2kFieldWriter w(8);
  w.PutRaw(0, 8, sid);
  const bool apparent = reference == kWindApparent;
  PutKnots(w, 8, apparent ? s.apparentWindSpeedKn : s.trueWindSpeedKn);
  PutAngle(w, 24, apparent ? s.apparentWindAngleDeg : s.trueWindAngleDeg);
  w.PutRaw(40, 3, reference);
  return w.Take();
}

N2kData N2kTemperature(uint8_t sid, uint8_t instance, N2kTemperatureSource source, double celsius) {
  N2kFieldWriter w(8);
  w.PutRaw(0, 8, sid);
  w.PutRaw(8, 8, instance);
  w.PutRaw(16, 8, source);
  w.PutUnsigned(24, 16, celsius + kKelvinOffset, 0.01);
  return w.Take();  // no set temperature: left "not available"
}

namespace {

void PutKvtHeader(std::vector<uint8_t>& p, const N2kAddress& a, size_t dataBytes) {
  if (dataBytes > kMaxN2kData) throw std::logic_error("NMEA 2000 data too long for a KVT frame");
  p.reserve(12 + dataBytes);
  p.push_back(a.priority);
  for (int i = 0; i < 3; ++i) p.push_back(static_cast<uint8_t>(a.pgn >> (8 * i)));
  p.back() &= 0x03;
  p.push_back(a.destination);
}

}  // namespace

std::vector<uint8_t> KvtTimestampedPayload(const N2kAddress& a, uint32_t timeMs, const N2kData& data) {
  std::vector<uint8_t> p;
  PutKvtHeader(p, a, data.size());
  p.push_back(a.source);
  for (int i = 0; i < 4; ++i) p.push_back(static_cast<uint8_t>(timeMs >> (8 * i)));
  p.push_back(static_cast<uint8_t>(data.size()));
  for (uint8_t b : data) p.push_back(b);
  return p;
}

std::vector<uint8_t> KvtUntimedPayload(const N2kAddress& a, const N2kData& data) {
  std::vector<uint8_t> p;
  PutKvtHeader(p, a, data.size());
  p.push_back(static_cast<uint8_t>(data.size()));
  for (uint8_t b : data) p.push_back(b);
  return p;
}
