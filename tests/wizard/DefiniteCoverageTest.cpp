// The wizard's "definite" classification is a promise about the gateway: a
// received sentence of that kind converts into the transmit PGN. Checked for
// a handful of sentences through qlx gateway n183, as an engineer would.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "library/DBBuilder.h"
#include "library/DBImageView.h"
#include "log/Framing.h"
#include "tests/QlxProgram.h"
#include "wizard/Coverage.h"

namespace {

// Transmit PGNs the full database classes as definitely fed by the first
// receive entry of the formatter.
std::set<uint32_t> DefinitePgns(const DatabaseImageView& view, const char* formatter) {
  const uint8_t* rx = nullptr;
  EXPECT_GT(FindN183RxSentences(view, formatter[0], formatter[1], formatter[2], rx), 0u) << formatter;
  std::set<uint32_t> pgns;
  if (rx == nullptr) return pgns;
  for (uint32_t position : CoverN183Rx(view, rx).definite) pgns.insert(ReadN2KTxPGN(GetN2KTxPGN(view, position)).pgn);
  return pgns;
}

std::set<uint32_t> EmittedPgns(const std::string& sentence) {
  const QlxResult run = RunQlx("gateway n183 '" + WithChecksum(sentence) + "'");
  EXPECT_EQ(run.status, 0) << run.err;
  std::set<uint32_t> pgns;
  std::istringstream lines(run.out);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("PGN: ", 0) == 0) pgns.insert(static_cast<uint32_t>(std::stoul(line.substr(5))));
  }
  return pgns;
}

TEST(DefiniteCoverage, DefiniteEntriesConvertIntoTheirPgns) {
  CDBBuilder builder;
  builder.SelectDatabase("");
  uint32_t size = 0;
  const uint8_t* image = builder.GetImage(size);
  DatabaseImageView view{};
  ASSERT_EQ(OpenDatabaseImage(view, image, size), kDBImageOpened);

  // Every field the receive entry stores is present in the sentence.
  const struct {
    const char* formatter;
    const char* sentence;
  } kSentences[] = {
      {"GLL", "$GPGLL,5001.92778,N,00439.95953,W,093002.00,A,D"},
      {"HDT", "$HEHDT,123.4,T"},
      {"DBT", "$SDDBT,32.8,f,10.0,M,5.5,F"},
      {"ROT", "$TIROT,-12.5,A"},
      {"XTE", "$APXTE,A,A,0.25,L,N,D"},
      {"MTW", "$YXMTW,12.5,C"},
      {"VHW", "$VWVHW,123.4,T,120.1,M,6.5,N,12.0,K"},
  };
  size_t checked = 0;
  for (const auto& s : kSentences) {
    const std::set<uint32_t> definite = DefinitePgns(view, s.formatter);
    const std::set<uint32_t> emitted = EmittedPgns(s.sentence);
    for (uint32_t pgn : definite) {
      EXPECT_TRUE(emitted.count(pgn)) << s.formatter << " is classed as feeding " << pgn << " definitely";
      ++checked;
    }
  }
  EXPECT_GE(checked, 7u) << "the handful must hold definite entries to check";
}

}  // namespace
