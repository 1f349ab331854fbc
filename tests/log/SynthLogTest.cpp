// The synthetic log: deterministic, parsed into exactly the records its
// writer meant, with sound units and faults where they were injected.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "log/Deserialise.h"
#include "log/RecordParser.h"
#include "log/synth/SyntheticLog.h"

namespace {

// An hour holds every kind of unit and fault, and two gateway reboots.
class SynthLogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SynthOptions options;
    options.seed = 7;
    options.minutes = 60;
    log_ = new Bytes(MakeSyntheticLog(options, &stats_));
    parser_ = new RecordParser;
    parser_->Reset();
    parser_->Parse(log_->data(), log_->size());
  }
  static void TearDownTestSuite() {
    delete parser_;
    delete log_;
  }

  static inline Bytes* log_ = nullptr;
  static inline SynthStats stats_;
  static inline RecordParser* parser_ = nullptr;
};

uint32_t U32(std::span<const uint8_t> b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

uint32_t Pgn(std::span<const uint8_t> body) { return body[3] | (body[4] << 8) | ((body[5] & 3) << 16); }

std::string Text(std::span<const uint8_t> data) { return std::string(data.begin(), data.end()); }

TEST(SynthDeterminism, SameSeedSameBytesOtherSeedOtherBytes) {
  SynthOptions options;
  options.minutes = 1;
  options.seed = 42;
  const Bytes first = MakeSyntheticLog(options);
  EXPECT_EQ(first, MakeSyntheticLog(options));
  options.seed = 43;
  const Bytes other = MakeSyntheticLog(options);
  EXPECT_NE(first, other);
  // Same frame of traffic, other values.
  EXPECT_LT(std::abs(static_cast<long>(first.size()) - static_cast<long>(other.size())), 5000);
}

TEST(SynthDeterminism, TargetSizeIsNeverExceededAndWrittenInChunks) {
  SynthOptions options;
  options.targetBytes = 3000000;
  SynthStats stats;
  size_t chunks = 0, total = 0;
  WriteSyntheticLog(options, [&](std::span<const uint8_t> bytes) {
    ++chunks;
    total += bytes.size();
    EXPECT_LE(bytes.size(), size_t{2} << 20);
  });
  const Bytes whole = MakeSyntheticLog(options, &stats);
  EXPECT_EQ(total, whole.size());
  EXPECT_GE(chunks, 3u);
  EXPECT_LE(whole.size(), options.targetBytes);
  EXPECT_GT(whole.size(), options.targetBytes - 10000);
  EXPECT_EQ(stats.bytes, whole.size());
  // The log ends after a whole tenth of a second: nothing is left open.
  RecordParser parser;
  parser.Parse(whole.data(), whole.size());
  EXPECT_EQ(parser.Count(), stats.RecordCount());
}

TEST_F(SynthLogTest, ParsesIntoExactlyTheRecordsWritten) {
  std::map<uint32_t, uint64_t> parsed;
  for (size_t i = 0; i < parser_->Count(); ++i) ++parsed[parser_->At(i).type];
  EXPECT_EQ(parsed, stats_.records);
  for (uint32_t type : {MT_N2K, MT_N183, MT_N183XC, MT_HoxCmd, MT_Reboot, MT_KVTXC, MT_KVTBad, MT_Unknown, MT_QLX})
    EXPECT_GT(parsed[type], 0u) << MessageTypeName(type);
  EXPECT_EQ(parsed[MT_Reboot], 2u);
}

TEST_F(SynthLogTest, FaultsAreAboutHalfAPercentAndOfEveryKind) {
  const double share = static_cast<double>(stats_.faultRecords) / static_cast<double>(parser_->Count());
  EXPECT_GT(share, 0.003);
  EXPECT_LT(share, 0.008);
  for (size_t kind = 0; kind < stats_.faults.size(); ++kind) EXPECT_GT(stats_.faults[kind], 0u) << "fault " << kind;
}

TEST_F(SynthLogTest, OnlyInjectedSentencesFailTheirChecksum) {
  uint64_t mismatches = 0, lowerCase = 0;
  for (size_t i = 0; i < parser_->Count(); ++i) {
    const Record r = parser_->At(i);
    if (r.group != MG_N183) continue;
    const std::string s = Text(r.data);
    ASSERT_GE(s.size(), 4u);
    ASSERT_EQ(s[s.size() - 3], '*') << s;
    const std::string digits = s.substr(s.size() - 2);
    uint8_t sum = 0;
    for (size_t k = 1; k + 3 < s.size(); ++k) sum ^= static_cast<uint8_t>(s[k]);
    const bool matches = std::strtoul(digits.c_str(), nullptr, 16) == sum;
    const bool upper = digits.find_first_of("abcdef") == std::string::npos;
    if (!upper) ++lowerCase;
    if (!matches || !upper) ++mismatches;
    EXPECT_EQ(r.type == MT_N183, matches && upper) << s;
  }
  EXPECT_EQ(mismatches, stats_.records[MT_N183XC]);
  EXPECT_EQ(lowerCase, stats_.faults[static_cast<size_t>(SynthFault::LowerCaseChecksum)]);
}

TEST_F(SynthLogTest, N2kFramesAreWellFormedAndFitTheirBody) {
  const std::set<uint32_t> expected{126992, 127250, 127251, 127257, 127488, 127489, 128259, 128267, 128275,
                                    129025, 129026, 129029, 129038, 129039, 129540, 130306, 130312};
  std::set<uint32_t> seen;
  for (size_t i = 0; i < parser_->Count(); ++i) {
    const Record r = parser_->At(i);
    if (r.type != MT_N2K) continue;
    const auto b = r.data;
    ASSERT_TRUE(b[0] == 0x93 || b[0] == 0x94);
    const size_t countAt = b[0] == 0x93 ? 12 : 7;
    EXPECT_EQ(b.size(), b[1] + 3u);
    EXPECT_EQ(b[1], b[countAt] + countAt - 1);
    EXPECT_LE(b.size(), 236u);
    EXPECT_EQ(CheckKvtLength(b.data(), static_cast<uint32_t>(b.size())), 0);
    seen.insert(Pgn(b));
    // Repeating groups: the count field sizes the data.
    const auto d = b.subspan(countAt + 1, b[countAt]);
    if (Pgn(b) == 129029) {
      EXPECT_EQ(d.size(), 43u + 4u * d[42]);
    }
    if (Pgn(b) == 129540) {
      EXPECT_EQ(d.size(), 3u + 12u * d[2]);
    }
  }
  EXPECT_EQ(seen, expected);
}

TEST_F(SynthLogTest, TimeNeverGoesBackAndTicksTenTimesASecond) {
  uint64_t previous = 0;
  for (size_t i = 0; i < parser_->Count(); ++i) {
    ASSERT_GE(parser_->At(i).time, previous) << "record " << i;
    previous = parser_->At(i).time;
  }
  // The version tag comes before the first time tag.
  EXPECT_EQ(parser_->At(0).time, 0u);
  const uint64_t span = parser_->At(parser_->Count() - 1).time - parser_->At(1).time;
  EXPECT_EQ(stats_.timeTags, 36000u);
  EXPECT_NEAR(static_cast<double>(span), 3599.9e7, 1e6);
}

// Successive positions agree with the course and speed over ground reported
// alongside them, using the gateway's millisecond time stamps.
TEST_F(SynthLogTest, PositionMovesWithCourseAndSpeed) {
  double cog = -1, sog = -1;
  bool havePrevious = false;
  double lat0 = 0, lon0 = 0;
  uint32_t t0 = 0;
  int checked = 0;
  for (size_t i = 0; i < parser_->Count(); ++i) {
    const Record r = parser_->At(i);
    if (r.type != MT_N2K || r.data[0] != 0x93) continue;
    const auto b = r.data;
    const uint32_t stamp = U32(b, 8);
    const auto d = b.subspan(13);
    if (Pgn(b) == 129026) {
      cog = (d[2] | (d[3] << 8)) * 1e-4 * 180 / M_PI;
      sog = (d[4] | (d[5] << 8)) * 0.01 * 3600 / 1852;
    }
    if (Pgn(b) != 129025) continue;
    const double lat = static_cast<int32_t>(U32(d, 0)) * 1e-7, lon = static_cast<int32_t>(U32(d, 4)) * 1e-7;
    if (havePrevious && sog > 1 && stamp > t0 && stamp - t0 <= 300) {
      const double dt = (stamp - t0) / 1000.0;
      const double north = (lat - lat0) * 60 * 1852, east = (lon - lon0) * 60 * 1852 * std::cos(lat * M_PI / 180);
      const double speedKn = std::hypot(north, east) / dt * 3600 / 1852;
      double bearing = std::atan2(east, north) * 180 / M_PI;
      if (bearing < 0) bearing += 360;
      double diff = std::fabs(bearing - cog);
      if (diff > 180) diff = 360 - diff;
      // The cm resolution of 129025 and the lag of 129026 behind it.
      EXPECT_NEAR(speedKn, sog, 0.15 * sog + 0.3) << "record " << i;
      EXPECT_LT(diff, 6.0) << "record " << i;
      ++checked;
    }
    havePrevious = true;
    lat0 = lat, lon0 = lon, t0 = stamp;
  }
  EXPECT_GT(checked, 30000);
}

// The NMEA 2000 and NMEA 0183 views of depth and heading agree within the
// tenth of a second that carries both.
TEST_F(SynthLogTest, N2kAndN183AgreeOnDepthAndHeading) {
  double depthN2k = -1, headingN2k = -1;
  uint64_t depthTime = 0, headingTime = 0;
  int depths = 0, headings = 0;
  for (size_t i = 0; i < parser_->Count(); ++i) {
    const Record r = parser_->At(i);
    if (r.type == MT_N2K && r.data[0] == 0x93) {
      const auto d = r.data.subspan(13);
      if (Pgn(r.data) == 128267) depthN2k = U32(d, 1) * 0.01, depthTime = r.time;
      if (Pgn(r.data) == 127250) headingN2k = (d[1] | (d[2] << 8)) * 1e-4 * 180 / M_PI, headingTime = r.time;
    }
    if (r.type != MT_N183) continue;
    const std::string s = Text(r.data);
    if (s.rfind("$SDDPT,", 0) == 0 && depthTime == r.time) {
      EXPECT_NEAR(std::stod(s.substr(7)), depthN2k, 0.011) << s;
      ++depths;
    }
    if (s.rfind("$HCHDG,", 0) == 0 && headingTime == r.time) {
      double diff = std::fabs(std::stod(s.substr(7)) - headingN2k);
      if (diff > 180) diff = 360 - diff;
      EXPECT_LT(diff, 0.06) << s;  // 0.1 degree printed, 1e-4 rad sent
      ++headings;
    }
  }
  EXPECT_GT(depths, 3000);
  EXPECT_GT(headings, 3000);
}

TEST_F(SynthLogTest, HoxExchangesAreLongFormWithErrorCodeZero) {
  int requests = 0, responses = 0;
  for (size_t i = 0; i < parser_->Count(); ++i) {
    const Record r = parser_->At(i);
    if (r.type != MT_HoxCmd) continue;
    ASSERT_EQ(r.data[0], 0xA0);
    EXPECT_EQ(U32(r.data, 10), 0u);
    EXPECT_EQ(r.data[3], 1) << "single-part messages are part 1";
    const int id = 0xA000 | r.data[2];
    EXPECT_TRUE(id == 0xA010 || id == 0xA012 || id == 0xA0F2) << std::hex << id;
    (r.data.size() == 15 ? requests : responses)++;
  }
  EXPECT_EQ(requests, 240);
  EXPECT_EQ(responses + static_cast<int>(stats_.records[MT_KVTBad]), 240);
}

}  // namespace
