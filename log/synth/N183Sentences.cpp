#include "log/synth/N183Sentences.h"

#include <cmath>
#include <cstdio>

#include "log/synth/SynthMath.h"

namespace {

constexpr double kFeetPerMetre = 1 / 0.3048;
constexpr double kFathomsPerMetre = 1 / 1.8288;
constexpr double kKmhPerKnot = 1.852;

template <typename... Args>
std::string Format(const char* format, Args... args) {
  char text[160];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

// "ddmm.mmmmm,N": rounded in minutes first, so that 59.999999 minutes
// carries into the degrees instead of printing as 60.00000.
std::string Angle(double degrees, int degreeDigits, char positive, char negative) {
  const long long units = std::llround(std::fabs(degrees) * 60.0 * 100000.0);
  const long long perDegree = 60LL * 100000;
  const char hemisphere = degrees < 0 ? negative : positive;
  return Format("%0*lld%02lld.%05lld,%c", degreeDigits, units / perDegree, (units % perDegree) / 100000,
                units % 100000, hemisphere);
}

std::string Latitude(double degrees) { return Angle(degrees, 2, 'N', 'S'); }
std::string Longitude(double degrees) { return Angle(degrees, 3, 'E', 'W'); }

std::string TimeOfDay(const CivilTime& t) {
  return Format("%02d%02d%02d.%02d", t.hour, t.minute, t.second, t.millisecond / 10);
}

double MagneticHeading(const VesselState& s) { return WrapDegrees(s.headingTrueDeg - s.variationDeg); }

std::string Variation(const VesselState& s) {
  return Format("%.1f,%c", std::fabs(s.variationDeg), s.variationDeg < 0 ? 'W' : 'E');
}

}  // namespace

std::string GgaSentence(const CivilTime& utc, const VesselState& s, int satellitesUsed) {
  return Format("$GPGGA,%s,%s,%s,2,%02d,%.1f,%.1f,M,%.1f,M,%.1f,0120", TimeOfDay(utc).c_str(),
                Latitude(s.latDeg).c_str(), Longitude(s.lonDeg).c_str(), satellitesUsed, s.hdop, s.altitudeM,
                s.geoidSeparationM, s.correctionAgeS);
}

std::string GllSentence(const CivilTime& utc, const VesselState& s) {
  return Format("$GPGLL,%s,%s,%s,A,D", Latitude(s.latDeg).c_str(), Longitude(s.lonDeg).c_str(),
                TimeOfDay(utc).c_str());
}

std::string RmcSentence(const CivilTime& utc, const VesselState& s) {
  return Format("$GPRMC,%s,A,%s,%s,%.1f,%.1f,%02d%02d%02d,%s,D", TimeOfDay(utc).c_str(), Latitude(s.latDeg).c_str(),
                Longitude(s.lonDeg).c_str(), s.sogKn, s.cogDeg, utc.day, utc.month, utc.year % 100,
                Variation(s).c_str());
}

std::string VtgSentence(const VesselState& s) {
  return Format("$GPVTG,%.1f,T,%.1f,M,%.1f,N,%.1f,K,D", s.cogDeg, WrapDegrees(s.cogDeg - s.variationDeg), s.sogKn,
                s.sogKn * kKmhPerKnot);
}

std::string ZdaSentence(const CivilTime& utc) {
  return Format("$GPZDA,%s,%02d,%02d,%04d,00,00", TimeOfDay(utc).c_str(), utc.day, utc.month, utc.year);
}

std::string GsaSentence(const VesselState& s, const std::vector<Satellite>& satellites) {
  std::string text = "$GPGSA,A,3";
  int fields = 0;
  for (const Satellite& sat : satellites) {
    if (!sat.used || fields == 12) continue;
    text += Format(",%02d", sat.prn);
    ++fields;
  }
  for (; fields < 12; ++fields) text += ',';
  return text + Format(",%.1f,%.1f,%.1f", s.pdop, s.hdop, s.vdop);
}

std::vector<std::string> GsvSentences(const std::vector<Satellite>& satellites) {
  const size_t count = (satellites.size() + 3) / 4;
  std::vector<std::string> group;
  for (size_t i = 0; i < count; ++i) {
    std::string text = Format("$GPGSV,%zu,%zu,%02zu", count, i + 1, satellites.size());
    for (size_t k = i * 4; k < satellites.size() && k < i * 4 + 4; ++k) {
      const Satellite& sat = satellites[k];
      text += Format(",%02d,%02ld,%03ld,%02ld", sat.prn, std::lround(sat.elevationDeg),
                     std::lround(sat.azimuthDeg) % 360, std::lround(sat.snrDb));
    }
    group.push_back(text);
  }
  return group;
}

std::string HdgSentence(const VesselState& s) {
  return Format("$HCHDG,%.1f,0.0,E,%s", MagneticHeading(s), Variation(s).c_str());
}

std::string HdtSentence(const VesselState& s) { return Format("$HEHDT,%.1f,T", s.headingTrueDeg); }

std::string RotSentence(const VesselState& s) { return Format("$TIROT,%.1f,A", s.rateOfTurnDegPerMin); }

std::string RsaSentence(const VesselState& s) { return Format("$IIRSA,%.1f,A,,V", s.rudderDeg); }

std::string MwvRelativeSentence(const VesselState& s) {
  return Format("$WIMWV,%.1f,R,%.1f,N,A", s.apparentWindAngleDeg, s.apparentWindSpeedKn);
}

std::string MwvTrueSentence(const VesselState& s) {
  return Format("$WIMWV,%.1f,T,%.1f,N,A", s.trueWindAngleDeg, s.trueWindSpeedKn);
}

std::string DptSentence(const VesselState& s) {
  return Format("$SDDPT,%.2f,%.1f,100", s.depthM, s.transducerOffsetM);
}

std::string DbtSentence(const VesselState& s) {
  return Format("$SDDBT,%.1f,f,%.2f,M,%.1f,F", s.depthM * kFeetPerMetre, s.depthM, s.depthM * kFathomsPerMetre);
}

std::string MtwSentence(const VesselState& s) { return Format("$YXMTW,%.1f,C", s.seaTempC); }

std::string VhwSentence(const VesselState& s) {
  return Format("$VWVHW,%.1f,T,%.1f,M,%.2f,N,%.2f,K", s.headingTrueDeg, MagneticHeading(s), s.stwKn,
                s.stwKn * kKmhPerKnot);
}

std::string XteSentence(const VesselState& s) {
  // Steer left when right of the track.
  return Format("$APXTE,A,A,%.3f,%c,N,D", std::fabs(s.crossTrackNm), s.crossTrackNm > 0 ? 'L' : 'R');
}

std::string ApbSentence(const VesselState& s, const char* waypoint) {
  const double steer = WrapDegrees(s.courseToSteerDeg - s.crossTrackNm * 20.0);
  return Format("$APAPB,A,A,%.3f,%c,N,V,V,%.1f,T,%s,%.1f,T,%.1f,T,D", std::fabs(s.crossTrackNm),
                s.crossTrackNm > 0 ? 'L' : 'R', s.courseToSteerDeg, waypoint, s.courseToSteerDeg, steer);
}
