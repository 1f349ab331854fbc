#include "bench/GatewayBench.h"

#include <chrono>
#include <cstdio>
#include <vector>

#include "decode/N2kDecoder.h"
#include "decode/GatewayHooks.h"
#include "gateway/N183SentenceBuilder.h"
#include "gateway/N183ToRepository.h"
#include "gateway/N2kMessageBuilder.h"
#include "gateway/N2kToRepository.h"
#include "gateway/Repository.h"
#include "library/DBBuilder.h"
#include "library/DBImageView.h"
#include "decode/RecordDecoder.h"
#include "log/RecordParser.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

constexpr double kMinimumSeconds = 0.5;
constexpr uint64_t kFileTimePerMs = 10000;

struct Gateway {
  explicit Gateway(const DatabaseImageView& db) {
    Init(&n2k, db, kN2kRepository);
    Init(&n183, db, kN183Repository);
    pgns.repository = &n183;
    pgns.database = &db;
    rx183.repository = &n183;
    rx183.database = &db;
    rx183.pendingPgn = &pgns.pendingPgn;
    rx2k.repository = &n2k;
    rx2k.database = &db;
  }
  Repository n2k;
  Repository n183;
  N2kMessageBuilder pgns;
  N183ReceiveContext rx183;
  N2kReceiveContext rx2k;
};

// Records per second through `convert`, in passes over the whole list until
// half a second has gone.
template <typename Convert>
double Rate(const std::vector<Record>& records, Convert convert) {
  if (records.empty()) return 0;
  size_t done = 0;
  const auto start = Clock::now();
  do {
    for (const Record& r : records) convert(r);
    done += records.size();
  } while (Since(start) < kMinimumSeconds);
  return static_cast<double>(done) / Since(start);
}

double SummaryRate(const std::vector<Record>& records) {
  DecodeContext context;
  return Rate(records, [&context](const Record& r) { DecodeRecord(DM_Summary, context, r, nullptr); });
}

}  // namespace

void MeasureGateway(const RecordParser& parser) {
  CDBBuilder builder;
  builder.SelectDatabase("");
  uint32_t size = 0;
  const uint8_t* image = builder.GetImage(size);
  DatabaseImageView db{};
  if (OpenDatabaseImage(db, image, size) != kDBImageOpened) {
    std::printf("gateway             the full database did not open\n");
    return;
  }
  std::vector<Record> sentences;
  std::vector<Record> pgns;
  for (size_t i = 0; i < parser.Count(); ++i) {
    const Record& r = parser.At(i);
    if (r.type == MT_N2K) pgns.push_back(r);
    else if (r.group == MG_N183) sentences.push_back(r);
  }
  Gateway gateway(db);
  const auto convertSentence = [&gateway](const Record& r) {
    const uint32_t time = static_cast<uint32_t>(r.time / kFileTimePerMs);
    SetGatewayClock(time);
    ConvertSentenceToRepository(gateway.rx183, reinterpret_cast<const char*>(r.data.data()),
                                static_cast<uint32_t>(r.data.size()), time);
    return gateway.rx183.matched != nullptr;
  };
  const auto convertPgn = [&gateway](const Record& r) {
    N2kMessage m;
    const uint32_t time = static_cast<uint32_t>(r.time / kFileTimePerMs);
    if (ParseKvtN2k(r.data.data(), static_cast<uint32_t>(r.data.size()), m, time) != 0) return false;
    m.time = time;
    SetGatewayClock(m.time);
    ConvertPgnToRepository(gateway.rx2k, m);
    return gateway.rx2k.matched != nullptr;
  };
  size_t matchedSentences = 0;
  for (const Record& r : sentences) matchedSentences += convertSentence(r);
  size_t matchedPgns = 0;
  for (const Record& r : pgns) matchedPgns += convertPgn(r);
  const double sentenceRate = Rate(sentences, convertSentence);
  const double pgnRate = Rate(pgns, convertPgn);
  // Transmit: every entry of the database once per pass, from what the log left.
  size_t built = 0;
  const auto start = Clock::now();
  size_t passes = 0;
  N183SentenceBuilder sentenceBuilder;
  sentenceBuilder.repository = &gateway.n2k;
  sentenceBuilder.database = &db;
  do {
    for (uint32_t i = 0; i < CountN2KTxPGNs(db); ++i) built += BuildPgn(gateway.pgns, GetN2KTxPGN(db, i), 0) == 0;
    for (uint32_t i = 0; i < CountN183TxSentences(db); ++i) {
      built += BuildSentence(sentenceBuilder, GetN183TxSentence(db, i), nullptr) == 0;
    }
    ++passes;
  } while (Since(start) < kMinimumSeconds);
  const double buildRate = static_cast<double>(passes * (CountN2KTxPGNs(db) + CountN183TxSentences(db))) / Since(start);

  std::printf("gateway records     %zu sentences, %zu PGNs\n", sentences.size(), pgns.size());
  std::printf("sentences -> repo   %11.0f sentences/s (summary decode of the same: %11.0f records/s)\n", sentenceRate,
              SummaryRate(sentences));
  std::printf("PGNs -> repo        %11.0f PGNs/s      (summary decode of the same: %11.0f records/s)\n", pgnRate,
              SummaryRate(pgns));
  std::printf("matched entries     %.1f %% of sentences, %.1f %% of PGNs\n",
              sentences.empty() ? 0.0 : 100.0 * matchedSentences / static_cast<double>(sentences.size()),
              pgns.empty() ? 0.0 : 100.0 * matchedPgns / static_cast<double>(pgns.size()));
  std::printf("transmit builds     %11.0f entries/s (%zu built in %zu passes)\n", buildRate, built, passes);
}
