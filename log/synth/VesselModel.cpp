#include "log/synth/VesselModel.h"

#include <cmath>

#include "log/synth/SynthMath.h"

namespace {

constexpr double kMetresPerNm = 1852.0;

struct TargetProfile {
  uint32_t mmsi;
  bool classA;
  const char* name;
  const char* callSign;
  uint32_t imo;
  uint8_t shipType;  // 70 cargo, 80 tanker, 30 fishing, 36 sailing, 37 pleasure, 60 passenger
  uint16_t toBow, toStern;
  uint8_t toPort, toStarboard;
  double draughtM;
  const char* destination;
  uint8_t navStatus;
  double typicalSogKn;
};

// The traffic around the vessel. Names and call signs are invented.
constexpr TargetProfile kTargets[] = {
    {235098713, true, "NORDIC TRADER", "2HKQ7", 9387421, 70, 142, 38, 12, 14, 9.4, "ROTTERDAM", 0, 13.5},
    {244670218, true, "MARE BALTICA", "PDVW", 9512630, 80, 150, 33, 16, 16, 11.2, "ANTWERP", 0, 11.0},
    {227361540, true, "LA CORMORANE", "FGT4812", 0, 30, 16, 6, 4, 3, 3.1, "LE GUILVINEC", 7, 4.5},
    {232004871, false, "WILD THYME", "MJTB6", 0, 36, 9, 3, 2, 2, 1.8, "", 8, 6.0},
    {235110392, false, "BLUE HERON", "2IBQ4", 0, 37, 8, 3, 2, 2, 1.2, "", 0, 7.5},
};

}  // namespace

VesselModel::VesselModel(SynthRandom& random, double startLatDeg, double startLonDeg) : random_(random) {
  s_.latDeg = startLatDeg;
  s_.lonDeg = startLonDeg;
  s_.courseToSteerDeg = random_.Uniform(200, 260);
  s_.headingTrueDeg = s_.courseToSteerDeg;
  s_.variationDeg = -1.3;
  s_.stwKn = 7.0;
  s_.depthM = 42;
  depthTrend_ = 40;
  s_.transducerOffsetM = 0.6;
  s_.trueWindDirDeg = random_.Uniform(180, 300);
  s_.trueWindSpeedKn = random_.Uniform(8, 18);
  s_.rpm = rpmSetting_;
  s_.coolantTempC = 82;
  s_.oilTempC = 94;
  s_.alternatorV = 14.1;
  s_.engineHoursS = random_.Uniform(1500, 4000) * 3600;
  s_.seaTempC = random_.Uniform(14, 19);
  s_.airTempC = s_.seaTempC + random_.Uniform(1, 5);
  s_.engineRoomTempC = 38;
  s_.logTotalM = random_.Uniform(5000, 20000) * kMetresPerNm;
  s_.altitudeM = 2.4;
  s_.geoidSeparationM = 49.3;
  s_.hdop = 0.8;
  currentSetDeg_ = random_.Uniform(0, 360);
  currentDriftKn_ = random_.Uniform(0.2, 0.8);
  nextCourseChangeMs_ = 15 * 60000;

  // Twelve satellites of the 32 GPS PRNs, spread over the sky.
  bool taken[33] = {};
  for (int i = 0; i < 12; ++i) {
    uint8_t prn;
    do prn = static_cast<uint8_t>(1 + random_.Below(32));
    while (taken[prn]);
    taken[prn] = true;
    satellites_.push_back({prn, random_.Uniform(8, 85), random_.Uniform(0, 360), 0, false});
  }
  UpdateSatellites(0);

  for (const TargetProfile& p : kTargets) {
    AisTarget t{};
    t.mmsi = p.mmsi;
    t.classA = p.classA;
    t.name = p.name;
    t.callSign = p.callSign;
    t.imo = p.imo;
    t.shipType = p.shipType;
    t.toBow = p.toBow;
    t.toStern = p.toStern;
    t.toPort = p.toPort;
    t.toStarboard = p.toStarboard;
    t.draughtM = p.draughtM;
    t.destination = p.destination;
    t.navStatus = p.navStatus;
    t.sogKn = p.typicalSogKn;
    PlaceTarget(t);
    t.nextReportMs = random_.Below(10000);
    t.nextStaticMs = 20000 + random_.Below(40000);
    targets_.push_back(t);
  }
  // The first tenth already reports a vessel making way.
  SteerAndMove(0);
  UpdateWind();
}

void VesselModel::Step() {
  const double dt = kStepMs / 1000.0;
  s_.elapsedMs += kStepMs;
  SteerAndMove(dt);
  UpdateWind();
  UpdateEngine(dt);
  UpdateEnvironment(dt);
  UpdateSatellites(dt);
  MoveTargets(dt);
}

int VesselModel::SatellitesUsed() const {
  int n = 0;
  for (const Satellite& sat : satellites_) n += sat.used ? 1 : 0;
  return n;
}

void VesselModel::SteerAndMove(double dt) {
  // The autopilot takes a new course now and then; the heading follows it
  // with the yaw of the sea on top.
  if (s_.elapsedMs >= nextCourseChangeMs_) {
    s_.courseToSteerDeg = WrapDegrees(s_.courseToSteerDeg + random_.Uniform(-50, 50));
    nextCourseChangeMs_ = s_.elapsedMs + 60000 * (10 + random_.Below(25));
  }
  const double error = SignedDegrees(s_.courseToSteerDeg - s_.headingTrueDeg);
  const double wantedRot = Clamp(error * 8.0, -90.0, 90.0);
  s_.rateOfTurnDegPerMin += (wantedRot - s_.rateOfTurnDegPerMin) * 0.05 + random_.Gaussian() * 1.5;
  s_.headingTrueDeg = WrapDegrees(s_.headingTrueDeg + s_.rateOfTurnDegPerMin / 60.0 * dt);
  s_.rudderDeg = Clamp(error * 1.5 + (wantedRot - s_.rateOfTurnDegPerMin) * 0.05, -30, 30) + random_.Gaussian() * 0.2;

  const double targetStw = 7.0 * s_.rpm / 2200.0;
  s_.stwKn = Clamp(s_.stwKn + (targetStw - s_.stwKn) * 0.01 + random_.Gaussian() * 0.01, 0.5, 12);

  currentSetDeg_ = WrapDegrees(currentSetDeg_ + random_.Gaussian() * 0.05);
  currentDriftKn_ = Clamp(currentDriftKn_ + random_.Gaussian() * 0.002, 0.1, 1.2);
  const double h = Radians(s_.headingTrueDeg), c = Radians(currentSetDeg_);
  const double north = s_.stwKn * Cosine(h) + currentDriftKn_ * Cosine(c);
  const double east = s_.stwKn * Sine(h) + currentDriftKn_ * Sine(c);
  s_.sogKn = std::sqrt(north * north + east * east);
  s_.cogDeg = WrapDegrees(Degrees(ArcTangent2(east, north)));
  // Dead reckoning with the same course and speed the log reports.
  s_.latDeg += north * dt / 3600.0 / 60.0;
  s_.lonDeg += east * dt / 3600.0 / 60.0 / Cosine(Radians(s_.latDeg));

  const double trip = s_.stwKn * kMetresPerNm / 3600.0 * dt;
  s_.logTotalM += trip;
  s_.tripM += trip;

  s_.crossTrackNm = Clamp(s_.crossTrackNm * 0.9995 + random_.Gaussian() * 0.001, -0.3, 0.3);

  rollPhase_ += 2 * kPi * dt / 6.5;
  pitchPhase_ += 2 * kPi * dt / 4.3;
  s_.rollDeg = 4.5 * Sine(rollPhase_) + random_.Gaussian() * 0.3;
  s_.pitchDeg = 1.8 * Sine(pitchPhase_) + random_.Gaussian() * 0.2;
}

void VesselModel::UpdateWind() {
  s_.trueWindDirDeg = WrapDegrees(s_.trueWindDirDeg + random_.Gaussian() * 0.2);
  s_.trueWindSpeedKn = Clamp(s_.trueWindSpeedKn + (12 - s_.trueWindSpeedKn) * 0.0005 + random_.Gaussian() * 0.05, 2, 35);
  // The air moves towards the opposite of where the wind comes from; the
  // vessel's own motion over ground adds the head wind.
  const double to = Radians(s_.trueWindDirDeg + 180);
  const double cog = Radians(s_.cogDeg);
  const double airNorth = s_.trueWindSpeedKn * Cosine(to) - s_.sogKn * Cosine(cog);
  const double airEast = s_.trueWindSpeedKn * Sine(to) - s_.sogKn * Sine(cog);
  s_.apparentWindSpeedKn = std::sqrt(airNorth * airNorth + airEast * airEast);
  const double fromDeg = Degrees(ArcTangent2(-airEast, -airNorth));
  s_.apparentWindAngleDeg = WrapDegrees(fromDeg - s_.headingTrueDeg);
  s_.trueWindAngleDeg = WrapDegrees(s_.trueWindDirDeg - s_.headingTrueDeg);
}

void VesselModel::UpdateEngine(double dt) {
  if (random_.Chance(dt / 1200.0)) rpmSetting_ = 1900 + 50.0 * random_.Below(11);
  s_.rpm = Clamp(s_.rpm + (rpmSetting_ - s_.rpm) * 0.02 + random_.Gaussian() * 3, 600, 3200);
  const double load = s_.rpm / 2200.0;
  s_.boostPa = 20000 + s_.rpm * s_.rpm * 0.02 + random_.Gaussian() * 300;
  s_.oilPressurePa = 250000 + s_.rpm * 80 + random_.Gaussian() * 500;
  s_.coolantTempC += (76 + 6 * load - s_.coolantTempC) * 0.0005 + random_.Gaussian() * 0.01;
  s_.oilTempC += (s_.coolantTempC + 12 - s_.oilTempC) * 0.0005 + random_.Gaussian() * 0.01;
  s_.alternatorV = Clamp(s_.alternatorV + (14.1 - s_.alternatorV) * 0.01 + random_.Gaussian() * 0.005, 13.6, 14.6);
  s_.fuelRateLph = 0.5 + 9.0 * load * load * load + random_.Gaussian() * 0.05;
  s_.engineHoursS += dt;
  s_.engineLoadPct = static_cast<int>(std::lround(Clamp(load * 78.0, 0, 100)));
}

void VesselModel::UpdateEnvironment(double dt) {
  depthTrend_ = Clamp(depthTrend_ + random_.Gaussian() * 0.05, 6, 70);
  s_.depthM = Clamp(s_.depthM + (depthTrend_ - s_.depthM) * 0.002 + random_.Gaussian() * 0.02, 3, 90);
  s_.seaTempC = Clamp(s_.seaTempC + random_.Gaussian() * 0.0005, 10, 24);
  s_.airTempC = Clamp(s_.airTempC + random_.Gaussian() * 0.001, 8, 30);
  s_.engineRoomTempC += (36 + (s_.coolantTempC - 80) * 0.5 - s_.engineRoomTempC) * 0.001;
  s_.altitudeM = Clamp(s_.altitudeM + (2.4 - s_.altitudeM) * 0.01 + random_.Gaussian() * 0.02, 0.5, 5);
  s_.correctionAgeS += dt;
  if (s_.correctionAgeS > 10 || random_.Chance(dt / 5)) s_.correctionAgeS = 0;
}

void VesselModel::UpdateSatellites(double dt) {
  for (Satellite& sat : satellites_) {
    sat.azimuthDeg = WrapDegrees(sat.azimuthDeg + 0.008 * dt);
    sat.elevationDeg = Clamp(sat.elevationDeg + random_.Gaussian() * 0.002, 1, 89);
    const double wanted = 22 + sat.elevationDeg * 0.3;
    sat.snrDb = sat.snrDb == 0 ? wanted : Clamp(sat.snrDb + (wanted - sat.snrDb) * 0.02 + random_.Gaussian() * 0.3, 10, 55);
    sat.used = sat.elevationDeg > 10 && sat.snrDb > 28;
  }
  int used = SatellitesUsed();
  s_.hdop = Clamp(s_.hdop + (0.6 + 4.0 / (used + 1) - s_.hdop) * 0.01 + random_.Gaussian() * 0.002, 0.5, 5);
  s_.pdop = s_.hdop * 1.7;
  s_.vdop = s_.hdop * 1.4;
}

void VesselModel::PlaceTarget(AisTarget& t) {
  const double bearing = Radians(random_.Uniform(0, 360));
  const double rangeNm = random_.Uniform(1, 6);
  t.latDeg = s_.latDeg + rangeNm * Cosine(bearing) / 60.0;
  t.lonDeg = s_.lonDeg + rangeNm * Sine(bearing) / 60.0 / Cosine(Radians(s_.latDeg));
  t.cogDeg = random_.Uniform(0, 360);
  t.headingDeg = WrapDegrees(t.cogDeg + random_.Uniform(-3, 3));
  t.rotDegPerMin = 0;
}

void VesselModel::MoveTargets(double dt) {
  for (AisTarget& t : targets_) {
    t.rotDegPerMin = Clamp(t.rotDegPerMin * 0.99 + random_.Gaussian() * 0.5, -20, 20);
    t.cogDeg = WrapDegrees(t.cogDeg + t.rotDegPerMin / 60.0 * dt);
    t.headingDeg = WrapDegrees(t.headingDeg + t.rotDegPerMin / 60.0 * dt);
    const double c = Radians(t.cogDeg);
    t.latDeg += t.sogKn * Cosine(c) * dt / 3600.0 / 60.0;
    t.lonDeg += t.sogKn * Sine(c) * dt / 3600.0 / 60.0 / Cosine(Radians(t.latDeg));
    // Traffic that falls far behind is replaced by traffic nearby.
    const double dLatNm = (t.latDeg - s_.latDeg) * 60.0;
    const double dLonNm = (t.lonDeg - s_.lonDeg) * 60.0 * Cosine(Radians(s_.latDeg));
    if (dLatNm * dLatNm + dLonNm * dLonNm > 12.0 * 12.0) PlaceTarget(t);
  }
}
