#include "log/synth/AisPayloads.h"

#include <cmath>
#include <cstdio>

namespace {

// Bits most significant first, as the VHF data link sends them.
class AisBitWriter {
 public:
  void Put(uint64_t value, int bits) {
    for (int i = bits - 1; i >= 0; --i) bits_.push_back(static_cast<uint8_t>((value >> i) & 1));
  }
  void PutSigned(int64_t value, int bits) { Put(static_cast<uint64_t>(value), bits); }
  // Six-bit text padded with blanks to its fixed width; '@' and the rest of
  // the upper half of ASCII fold onto 0 to 31.
  void PutText(std::string_view text, size_t characters) {
    for (size_t i = 0; i < characters; ++i) {
      const unsigned char c = i < text.size() ? static_cast<unsigned char>(text[i]) : ' ';
      Put(c >= 64 ? c - 64u : c, 6);
    }
  }

  AisArmoured Armour() const {
    AisArmoured out;
    out.fillBits = static_cast<int>((6 - bits_.size() % 6) % 6);
    for (size_t i = 0; i < bits_.size(); i += 6) {
      unsigned v = 0;
      for (size_t k = 0; k < 6; ++k) v = (v << 1) | (i + k < bits_.size() ? bits_[i + k] : 0u);
      out.payload.push_back(static_cast<char>(v < 40 ? v + 48 : v + 56));
    }
    return out;
  }

 private:
  std::vector<uint8_t> bits_;
};

}  // namespace

AisArmoured EncodePositionReport(const AisPositionReport& r) {
  AisBitWriter w;
  w.Put(r.messageType, 6);
  w.Put(r.repeat, 2);
  w.Put(r.mmsi, 30);
  w.Put(r.navStatus, 4);
  w.PutSigned(r.rateOfTurn, 8);
  w.Put(r.sog, 10);
  w.Put(r.accuracy ? 1 : 0, 1);
  w.PutSigned(r.lon, 28);
  w.PutSigned(r.lat, 27);
  w.Put(r.cog, 12);
  w.Put(r.heading, 9);
  w.Put(r.second, 6);
  w.Put(r.maneuver, 2);
  w.Put(0, 3);  // spare
  w.Put(r.raim ? 1 : 0, 1);
  w.Put(r.radio, 19);
  return w.Armour();
}

AisArmoured EncodeStaticVoyage(const AisStaticVoyage& d) {
  AisBitWriter w;
  w.Put(5, 6);
  w.Put(d.repeat, 2);
  w.Put(d.mmsi, 30);
  w.Put(d.aisVersion, 2);
  w.Put(d.imo, 30);
  w.PutText(d.callSign, 7);
  w.PutText(d.name, 20);
  w.Put(d.shipType, 8);
  w.Put(d.toBow, 9);
  w.Put(d.toStern, 9);
  w.Put(d.toPort, 6);
  w.Put(d.toStarboard, 6);
  w.Put(d.epfd, 4);
  w.Put(d.etaMonth, 4);
  w.Put(d.etaDay, 5);
  w.Put(d.etaHour, 5);
  w.Put(d.etaMinute, 6);
  w.Put(d.draught, 8);
  w.PutText(d.destination, 20);
  w.Put(d.dte ? 1 : 0, 1);
  w.Put(0, 1);  // spare
  return w.Armour();
}

int8_t AisRateOfTurn(double degPerMinute) {
  const double magnitude = 4.733 * std::sqrt(std::fabs(degPerMinute));
  const long indicator = std::lround(magnitude > 126 ? 127 : magnitude);
  return static_cast<int8_t>(degPerMinute < 0 ? -indicator : indicator);
}

std::vector<std::string> AivdmSentences(const AisArmoured& message, char channel, int sequentialId) {
  constexpr size_t kFragmentCharacters = 60;
  const size_t count = message.payload.empty() ? 1 : (message.payload.size() + kFragmentCharacters - 1) / kFragmentCharacters;
  std::vector<std::string> sentences;
  for (size_t i = 0; i < count; ++i) {
    const bool last = i + 1 == count;
    char head[64];
    if (count == 1)
      std::snprintf(head, sizeof head, "!AIVDM,1,1,,%c,", channel);
    else
      std::snprintf(head, sizeof head, "!AIVDM,%zu,%zu,%d,%c,", count, i + 1, sequentialId, channel);
    std::string s = head;
    s += message.payload.substr(i * kFragmentCharacters, kFragmentCharacters);
    s += ',';
    s += static_cast<char>('0' + (last ? message.fillBits : 0));
    sentences.push_back(std::move(s));
  }
  return sentences;
}
