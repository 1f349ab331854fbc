// qlx show --gateway: a record seen by a gateway that has been listening to
// the log for the 10 s before it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "log/Framing.h"
#include "tests/QlxProgram.h"

namespace {

namespace fs = std::filesystem;

constexpr uint64_t kSecond = 10000000;  // log time ticks
constexpr uint64_t kStart = 134000000000000000ull;

struct LogFile {
  fs::path path = fs::temp_directory_path() / ("qlx-show-gateway-" + std::to_string(::getpid()) + ".qlx");
  ~LogFile() { fs::remove(path); }
};

void AddSentence(Bytes& log, uint64_t time, const std::string& sentence) {
  AppendTimeTag(log, time);
  AppendSentence(log, WithChecksum(sentence));
}

// Rows: 1 version, 2 MTW at 0 s, 3 HDT at 23 s, 4 ISO request at 25 s, 5 GLL at 25 s.
void WriteLog(const fs::path& path) {
  Bytes log;
  AppendVersionTag(log, 1000);
  AddSentence(log, kStart, "$YXMTW,12.5,C");
  AddSentence(log, kStart + 23 * kSecond, "$HEHDT,123.4,T");
  AppendTimeTag(log, kStart + 25 * kSecond);
  const Bytes request = {6, 0x00, 0xEA, 0x00, 255, 35, 0, 0, 0, 0, 3, 0x14, 0xF0, 0x01};
  AppendKvtFrame(log, MakeKvtBody(0x93, request));
  AddSentence(log, kStart + 25 * kSecond, "$GPGLL,5001.92778,N,00439.95953,W,093002.00,A,D");
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(log.data()),
                                               static_cast<std::streamsize>(log.size()));
}

TEST(ShowGateway, SentenceShowsItsConversionAndWhatTheLeadInLeft) {
  LogFile file;
  WriteLog(file.path);
  const std::string list = RunQlx("list '" + file.path.string() + "'").out;
  const size_t row5 = list.find("\n5\t");
  ASSERT_NE(row5, std::string::npos) << list;
  ASSERT_NE(list.find("$GPGLL", row5), std::string::npos) << list;

  const QlxResult shown = RunQlx("show --gateway '" + file.path.string() + "' 5");
  ASSERT_EQ(shown.status, 0) << shown.err;
  const std::string& out = shown.out;
  EXPECT_NE(out.find("Basic Message\r\n$GPGLL,5001.92778"), std::string::npos) << out;
  EXPECT_NE(out.find("Converted Fields [4]\r\n    Field 0 : Repos: RD_LatitudeWGS84"), std::string::npos) << out;
  // The repository now holds the position, so the gateway sends it.
  const size_t position = out.find("NMEA 2000 PGN: 129025 (0x1F801)");
  ASSERT_NE(position, std::string::npos) << out;
  EXPECT_NE(out.find("Latitude = 50° 01.9277", position), std::string::npos) << out;
  // The heading was heard 2 s earlier, in the lead-in.
  EXPECT_NE(out.find("NMEA 2000 PGN: 127250 (0x1F112)"), std::string::npos) << out;

  const QlxResult plain = RunQlx("show '" + file.path.string() + "' 5");
  EXPECT_EQ(plain.out.find("Converted Fields"), std::string::npos) << "without --gateway the full decode is shown";
}

TEST(ShowGateway, MessageWithoutReceiveEntryIsNotTranslated) {
  LogFile file;
  WriteLog(file.path);
  const QlxResult shown = RunQlx("show --gateway --select Std '" + file.path.string() + "' 4");
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_NE(shown.out.find("Full decoded Message\r\nNo Translation was done\r\n"), std::string::npos) << shown.out;
  EXPECT_NE(shown.out.find("\r\n  A matching translation was not found for this PGN\r\n"), std::string::npos);
  EXPECT_NE(shown.out.find("NMEA 2000 PGN:  59904 (0x0EA00)"), std::string::npos) << shown.out;

  const QlxResult bad = RunQlx("show --gateway --select Everything '" + file.path.string() + "' 4");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("Std, AIS or Full"), std::string::npos) << bad.err;
}

}  // namespace
