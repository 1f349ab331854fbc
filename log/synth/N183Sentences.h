// The NMEA 0183 sentences of the vessel's instruments, filled from the same
// vessel model as the NMEA 2000 messages. Each is returned without its
// checksum field.
#pragma once

#include <string>
#include <vector>

#include "log/LogTime.h"
#include "log/synth/VesselModel.h"

std::string GgaSentence(const CivilTime& utc, const VesselState& s, int satellitesUsed);
std::string GllSentence(const CivilTime& utc, const VesselState& s);
std::string RmcSentence(const CivilTime& utc, const VesselState& s);
std::string VtgSentence(const VesselState& s);
std::string ZdaSentence(const CivilTime& utc);
std::string GsaSentence(const VesselState& s, const std::vector<Satellite>& satellites);
// The whole group, four satellites a sentence.
std::vector<std::string> GsvSentences(const std::vector<Satellite>& satellites);
std::string HdgSentence(const VesselState& s);
std::string HdtSentence(const VesselState& s);
std::string RotSentence(const VesselState& s);
std::string RsaSentence(const VesselState& s);
std::string MwvRelativeSentence(const VesselState& s);
std::string MwvTrueSentence(const VesselState& s);
std::string DptSentence(const VesselState& s);
std::string DbtSentence(const VesselState& s);
std::string MtwSentence(const VesselState& s);
std::string VhwSentence(const VesselState& s);
std::string XteSentence(const VesselState& s);
std::string ApbSentence(const VesselState& s, const char* waypoint);
