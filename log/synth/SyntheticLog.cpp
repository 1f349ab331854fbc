#include "log/synth/SyntheticLog.h"

#include <cmath>

#include "log/MessageType.h"
#include "log/synth/AisPayloads.h"
#include "log/synth/FaultInjector.h"
#include "log/synth/HoxMessages.h"
#include "log/synth/N183Sentences.h"
#include "log/synth/N2kPayloads.h"
#include "log/synth/VesselModel.h"

namespace {

constexpr uint32_t kFileVersion = 1250;
constexpr uint64_t kTicksPerTenth = 1000000;  // FILETIME units in 100 ms
constexpr uint64_t kUnixEpochSeconds = 11644473600;  // 1601-01-01 to 1970-01-01
constexpr size_t kChunkBytes = 1 << 20;

constexpr uint8_t kKvtTimestamped = 0x93;
constexpr uint8_t kKvtUntimed = 0x94;

// Source addresses of the devices on the vessel's network.
constexpr uint8_t kGnss = 10, kCompass = 20, kWindSensor = 30, kSpeedDepth = 35, kTemperature = 36, kAis = 43;

// Gateway reboots: the first early in a log, then every half hour; the
// gateway then sends no NMEA 2000 traffic for two seconds.
constexpr uint64_t kRebootPeriodTenths = 18000;
constexpr uint64_t kRebootPhaseTenths = 700;
constexpr uint32_t kRebootSilenceTenths = 20;

// The host asks the gateway something every 15 seconds.
constexpr uint64_t kHoxPeriodTenths = 150;
constexpr uint8_t kHoxQueries[] = {kHoxHardwareInfo, kHoxPortBaudConfig, kHoxSystemStatus};

constexpr uint32_t kClassAReportMs = 10000, kClassBReportMs = 30000, kStaticReportMs = 360000;

class LogGenerator {
 public:
  explicit LogGenerator(const SynthOptions& options)
      : random_(options.seed),
        model_(random_, 49.9 + random_.Uniform(-0.3, 0.3), -4.5 + random_.Uniform(-1, 1)),
        faults_(random_, stats_),
        startTime_(CivilToFileTime(options.start)) {
    gatewayMs_ = 3600000 + random_.Below(86400000);
    device_ = {7, 1200000 + random_.Below(800000), gatewayMs_ / 1000, 0, 0};
  }

  SynthStats& Stats() { return stats_; }

  void Begin(Bytes& out) {
    AppendVersionTag(out, kFileVersion);
    stats_.CountRecord(MT_QLX);
  }

  // The units of the next tenth of a second.
  void NextTenth(Bytes& out);

 private:
  void GatewayTraffic(Bytes& out, uint64_t k, N2kDateTime n2kTime);
  void InstrumentSentences(Bytes& out, uint64_t k, const CivilTime& utc);
  void AisTraffic(Bytes& out, const CivilTime& utc);
  void HoxExchange(Bytes& out);
  void Reboot(Bytes& out);

  void SendN2k(Bytes& out, const N2kAddress& address, const N2kData& data);
  void SendN2kUntimed(Bytes& out, const N2kAddress& address, const N2kData& data);
  void Send(Bytes& out, const std::string& sentence) { faults_.AppendSentence(out, sentence); }
  void SendFrame(Bytes& out, const Bytes& body, uint32_t type) {
    AppendKvtFrame(out, body);
    stats_.CountRecord(type);
  }

  SynthRandom random_;
  SynthStats stats_;
  VesselModel model_;
  FaultInjector faults_;
  uint64_t startTime_;
  uint64_t tenth_ = 0;
  uint32_t gatewayMs_ = 0;     // the gateway's clock, restarted by a reboot
  uint32_t silentTenths_ = 0;  // left of the gateway's silence after a reboot
  uint32_t frameInTenth_ = 0;
  HoxDevice device_{};
  size_t nextQuery_ = 0;
  int aivdmSequence_ = 0;
  bool channelB_ = false;
};

void LogGenerator::NextTenth(Bytes& out) {
  const uint64_t k = tenth_++;
  if (k > 0) model_.Step();
  const uint64_t fileTime = startTime_ + k * kTicksPerTenth;
  AppendTimeTag(out, fileTime);
  ++stats_.timeTags;

  CivilTime utc{};
  FileTimeToCivil(fileTime, utc);
  const uint64_t unixSeconds = fileTime / 10000000 - kUnixEpochSeconds;
  const N2kDateTime n2kTime{static_cast<uint16_t>(unixSeconds / 86400),
                            static_cast<double>(unixSeconds % 86400) + utc.millisecond / 1000.0};

  frameInTenth_ = 0;
  if (k % kRebootPeriodTenths == kRebootPhaseTenths) Reboot(out);
  if (silentTenths_ > 0)
    --silentTenths_;
  else
    GatewayTraffic(out, k, n2kTime);
  InstrumentSentences(out, k, utc);
  AisTraffic(out, utc);
  if (k % kHoxPeriodTenths == kHoxPeriodTenths / 2) HoxExchange(out);

  gatewayMs_ += VesselModel::kStepMs;
  device_.uptimeS = gatewayMs_ / 1000;
}

void LogGenerator::GatewayTraffic(Bytes& out, uint64_t k, N2kDateTime n2kTime) {
  const VesselState& s = model_.State();
  const uint8_t fastSid = static_cast<uint8_t>(k % 253);
  const uint8_t secondSid = static_cast<uint8_t>((k / 10) % 253);
  const uint64_t phase = k % 10;

  SendN2k(out, {129025, 2, kGnss}, N2kPositionRapid(s));
  SendN2k(out, {127250, 2, kCompass}, N2kVesselHeading(fastSid, s));
  SendN2k(out, {127251, 2, kCompass}, N2kRateOfTurn(fastSid, s));
  SendN2kUntimed(out, {127488, 2, 0}, N2kEngineRapid(0, s));
  if (k % 2 == 0) {
    SendN2k(out, {129026, 2, kGnss}, N2kCogSogRapid(secondSid, s));
    SendN2k(out, {130306, 2, kWindSensor}, N2kWind(fastSid, s, kWindApparent));
    SendN2k(out, {127257, 3, kCompass}, N2kAttitude(fastSid, s));
  }
  if (phase == 0) {
    SendN2k(out, {126992, 3, kGnss}, N2kSystemTime(secondSid, n2kTime));
    SendN2k(out, {129029, 3, kGnss}, N2kGnssPosition(secondSid, n2kTime, s, model_.SatellitesUsed()));
  }
  if (phase == 1) {
    SendN2k(out, {128267, 3, kSpeedDepth}, N2kWaterDepth(secondSid, s));
    SendN2k(out, {128259, 2, kSpeedDepth}, N2kWaterSpeed(secondSid, s));
  }
  if (phase == 3) SendN2k(out, {130306, 2, kWindSensor}, N2kWind(fastSid, s, kWindTrueBoat));
  if (phase == 4) SendN2kUntimed(out, {127489, 2, 0}, N2kEngineDynamic(0, s));
  if (k % 20 == 6) {
    SendN2k(out, {128275, 6, kSpeedDepth}, N2kDistanceLog(n2kTime, s));
    SendN2k(out, {130312, 5, kTemperature}, N2kTemperature(secondSid, 0, kSeaTemperature, s.seaTempC));
  }
  if (k % 20 == 16) {
    SendN2k(out, {130312, 5, kTemperature}, N2kTemperature(secondSid, 1, kOutsideTemperature, s.airTempC));
    SendN2k(out, {130312, 5, kTemperature}, N2kTemperature(secondSid, 2, kEngineRoomTemperature, s.engineRoomTempC));
  }
  if (k % 50 == 8) SendN2k(out, {129540, 6, kGnss}, N2kSatellitesInView(secondSid, model_.Satellites()));
}

void LogGenerator::InstrumentSentences(Bytes& out, uint64_t k, const CivilTime& utc) {
  const VesselState& s = model_.State();
  switch (k % 10) {
    case 0:
      Send(out, GgaSentence(utc, s, model_.SatellitesUsed()));
      Send(out, GllSentence(utc, s));
      Send(out, RmcSentence(utc, s));
      Send(out, VtgSentence(s));
      Send(out, ZdaSentence(utc));
      break;
    case 1:
      Send(out, DptSentence(s));
      Send(out, DbtSentence(s));
      Send(out, VhwSentence(s));
      break;
    case 2:
      Send(out, HdgSentence(s));
      Send(out, HdtSentence(s));
      Send(out, RotSentence(s));
      Send(out, RsaSentence(s));
      break;
    case 3:
      Send(out, MwvRelativeSentence(s));
      Send(out, MwvTrueSentence(s));
      break;
    case 5:
      Send(out, XteSentence(s));
      Send(out, ApbSentence(s, "WP017"));
      break;
    default:
      break;
  }
  if (k % 20 == 6) Send(out, MtwSentence(s));
  if (k % 20 == 7) Send(out, GsaSentence(s, model_.Satellites()));
  if (k % 50 == 8)
    for (const std::string& sentence : GsvSentences(model_.Satellites())) Send(out, sentence);
}

void LogGenerator::AisTraffic(Bytes& out, const CivilTime& utc) {
  const uint64_t now = model_.State().elapsedMs;
  for (AisTarget& t : model_.Targets()) {
    if (now >= t.nextReportMs) {
      t.nextReportMs = now + (t.classA ? kClassAReportMs : kClassBReportMs);
      AisPositionReport r;
      const uint32_t kind = random_.Below(50);
      r.messageType = kind == 0 ? 2 : (kind < 5 ? 3 : 1);
      r.mmsi = t.mmsi;
      r.navStatus = t.navStatus;
      r.rateOfTurn = t.classA ? AisRateOfTurn(t.rotDegPerMin) : -128;
      r.sog = static_cast<uint16_t>(std::lround(t.sogKn * 10));
      r.accuracy = true;
      r.lon = static_cast<int32_t>(std::lround(t.lonDeg * 600000));
      r.lat = static_cast<int32_t>(std::lround(t.latDeg * 600000));
      r.cog = static_cast<uint16_t>(std::lround(t.cogDeg * 10) % 3600);
      r.heading = static_cast<uint16_t>(std::lround(t.headingDeg) % 360);
      r.second = static_cast<uint8_t>(utc.second);
      r.radio = random_.Below(1u << 19);
      const char channel = channelB_ ? 'B' : 'A';
      const uint8_t transceiver = channelB_ ? 1 : 0;
      channelB_ = !channelB_;
      if (t.classA) {
        for (const std::string& s : AivdmSentences(EncodePositionReport(r), channel, 0)) Send(out, s);
        SendN2k(out, {129038, 4, kAis}, N2kAisClassA(r, transceiver, static_cast<uint8_t>(utc.second)));
      } else {
        SendN2k(out, {129039, 4, kAis}, N2kAisClassB(r, transceiver));
      }
    }
    if (t.classA && now >= t.nextStaticMs) {
      t.nextStaticMs = now + kStaticReportMs;
      AisStaticVoyage d;
      d.mmsi = t.mmsi;
      d.imo = t.imo;
      d.callSign = t.callSign;
      d.name = t.name;
      d.shipType = t.shipType;
      d.toBow = t.toBow;
      d.toStern = t.toStern;
      d.toPort = t.toPort;
      d.toStarboard = t.toStarboard;
      // Due tomorrow morning.
      CivilTime eta{};
      FileTimeToCivil(CivilToFileTime(utc) + 24 * 36000 * kTicksPerTenth, eta);
      d.etaMonth = static_cast<uint8_t>(eta.month);
      d.etaDay = static_cast<uint8_t>(eta.day);
      d.etaHour = 6;
      d.etaMinute = 30;
      d.draught = static_cast<uint8_t>(std::lround(t.draughtM * 10));
      d.destination = t.destination;
      aivdmSequence_ = (aivdmSequence_ + 1) % 10;
      for (const std::string& s : AivdmSentences(EncodeStaticVoyage(d), channelB_ ? 'B' : 'A', aivdmSequence_))
        Send(out, s);
    }
  }
}

void LogGenerator::HoxExchange(Bytes& out) {
  if (silentTenths_ > 0) return;
  const uint8_t id = kHoxQueries[nextQuery_];
  nextQuery_ = (nextQuery_ + 1) % std::size(kHoxQueries);
  SendFrame(out, HoxRequestBody(device_, id), MT_HoxCmd);
  if (faults_.HoxResponseFails())
    AppendKvtFrame(out, HoxErrorResponseBody(device_, id, kHoxCommandNotRecognised));
  else
    SendFrame(out, HoxResponseBody(device_, id), MT_HoxCmd);
}

void LogGenerator::Reboot(Bytes& out) {
  SendFrame(out, RebootNoticeBody(), MT_Reboot);
  silentTenths_ = kRebootSilenceTenths;
  gatewayMs_ = 0;
  device_.framesReceived = 0;
  device_.framesSent = 0;
}

void LogGenerator::SendN2k(Bytes& out, const N2kAddress& address, const N2kData& data) {
  const uint32_t stamp = gatewayMs_ + 3 * frameInTenth_++;
  faults_.AppendN2kFrame(out, MakeKvtBody(kKvtTimestamped, KvtTimestampedPayload(address, stamp, data)));
  ++device_.framesSent;
  ++device_.framesReceived;
}

void LogGenerator::SendN2kUntimed(Bytes& out, const N2kAddress& address, const N2kData& data) {
  faults_.AppendN2kFrame(out, MakeKvtBody(kKvtUntimed, KvtUntimedPayload(address, data)));
  ++device_.framesSent;
  ++device_.framesReceived;
}

}  // namespace

SynthStats WriteSyntheticLog(const SynthOptions& options, const SynthSink& sink) {
  LogGenerator generator(options);
  Bytes chunk;
  chunk.reserve(kChunkBytes + 65536);
  uint64_t written = 0;
  generator.Begin(chunk);
  const uint64_t tenths = static_cast<uint64_t>(options.minutes) * 600;
  for (uint64_t k = 0; options.targetBytes != 0 || k < tenths; ++k) {
    const size_t mark = chunk.size();
    SynthStats before;
    if (options.targetBytes != 0) before = generator.Stats();
    generator.NextTenth(chunk);
    if (options.targetBytes != 0 && written + chunk.size() > options.targetBytes) {
      // The tenth does not fit: the log ends before it.
      chunk.resize(mark);
      generator.Stats() = before;
      break;
    }
    if (chunk.size() >= kChunkBytes) {
      sink(chunk);
      written += chunk.size();
      chunk.clear();
    }
  }
  if (!chunk.empty()) sink(chunk);
  written += chunk.size();
  generator.Stats().bytes = written;
  return generator.Stats();
}

bool WriteSyntheticLog(const SynthOptions& options, std::FILE* file, SynthStats* stats) {
  bool ok = true;
  const SynthStats result = WriteSyntheticLog(options, [&](std::span<const uint8_t> bytes) {
    if (ok && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) ok = false;
  });
  if (stats != nullptr) *stats = result;
  return ok && std::fflush(file) == 0;
}

Bytes MakeSyntheticLog(const SynthOptions& options, SynthStats* stats) {
  Bytes log;
  const SynthStats result =
      WriteSyntheticLog(options, [&](std::span<const uint8_t> bytes) { log.insert(log.end(), bytes.begin(), bytes.end()); });
  if (stats != nullptr) *stats = result;
  return log;
}
