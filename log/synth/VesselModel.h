// A motor vessel underway, advanced in steps of a tenth of a second: the one
// source of every value the synthetic log carries, so that the NMEA 2000 and
// NMEA 0183 views of a quantity agree.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "log/synth/SynthRandom.h"

struct Satellite {
  uint8_t prn;
  double elevationDeg;
  double azimuthDeg;
  double snrDb;
  bool used;  // in the position fix
};

// A vessel nearby that reports itself by AIS.
struct AisTarget {
  uint32_t mmsi;
  bool classA;
  double latDeg, lonDeg;
  double cogDeg, sogKn, headingDeg, rotDegPerMin;
  uint8_t navStatus;  // 0 under way using engine, 8 under way sailing, ...
  // Static and voyage data (class A message 5).
  uint32_t imo;
  std::string callSign, name, destination;
  uint8_t shipType;
  uint16_t toBow, toStern;
  uint8_t toPort, toStarboard;
  double draughtM;
  uint64_t nextReportMs;
  uint64_t nextStaticMs;
};

struct VesselState {
  uint64_t elapsedMs = 0;
  double latDeg = 0, lonDeg = 0;
  double headingTrueDeg = 0;  // the compass reads magnetic: true minus variation
  double variationDeg = 0;    // east positive
  double rateOfTurnDegPerMin = 0;
  double cogDeg = 0, sogKn = 0, stwKn = 0;
  double pitchDeg = 0, rollDeg = 0;
  double depthM = 0;                 // below the transducer
  double transducerOffsetM = 0;      // transducer to waterline
  double trueWindDirDeg = 0;         // ground referenced, the direction it blows from
  double trueWindSpeedKn = 0;
  double apparentWindAngleDeg = 0;   // relative to the bow, [0, 360)
  double apparentWindSpeedKn = 0;
  double trueWindAngleDeg = 0;       // relative to the bow
  double rpm = 0, boostPa = 0, oilPressurePa = 0, oilTempC = 0, coolantTempC = 0;
  double alternatorV = 0, fuelRateLph = 0, engineHoursS = 0;
  int engineLoadPct = 0;
  double seaTempC = 0, airTempC = 0, engineRoomTempC = 0;
  double logTotalM = 0, tripM = 0;
  double rudderDeg = 0;              // starboard positive
  double crossTrackNm = 0;           // positive: the vessel is right of the track
  double courseToSteerDeg = 0;       // the autopilot's course (true)
  double altitudeM = 0, geoidSeparationM = 0;
  double hdop = 0, pdop = 0, vdop = 0;
  double correctionAgeS = 0;
};

class VesselModel {
 public:
  static constexpr uint32_t kStepMs = 100;

  VesselModel(SynthRandom& random, double startLatDeg, double startLonDeg);
  void Step();

  const VesselState& State() const { return s_; }
  const std::vector<Satellite>& Satellites() const { return satellites_; }
  std::vector<AisTarget>& Targets() { return targets_; }
  int SatellitesUsed() const;

 private:
  void SteerAndMove(double dt);
  void UpdateWind();
  void UpdateEngine(double dt);
  void UpdateEnvironment(double dt);
  void UpdateSatellites(double dt);
  void MoveTargets(double dt);
  void PlaceTarget(AisTarget& target);

  SynthRandom& random_;
  VesselState s_;
  double rpmSetting_ = 2200;
  double depthTrend_ = 0;
  double currentSetDeg_ = 0, currentDriftKn_ = 0;
  uint64_t nextCourseChangeMs_ = 0;
  double rollPhase_ = 0, pitchPhase_ = 0;
  std::vector<Satellite> satellites_;
  std::vector<AisTarget> targets_;
};
