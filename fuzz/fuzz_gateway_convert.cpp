// Arbitrary sentences and PGN payloads through the gateway's receive
// directions, then every transmit entry of the full database built from
// what they left in the repositories. One input holds several records, one
// per line: a line starting with '$' or '!' is a sentence; any other line
// picks a receive PGN entry with its first two bytes and carries the
// payload in the rest.
#include <cstdint>
#include <cstring>

#include "decode/N2kDecoder.h"
#include "decode/GatewayHooks.h"
#include "gateway/N183SentenceBuilder.h"
#include "gateway/N183ToRepository.h"
#include "gateway/N2kMessageBuilder.h"
#include "gateway/N2kToRepository.h"
#include "gateway/Repository.h"
#include "library/DBBuilder.h"
#include "library/DBImageView.h"

namespace {

const DatabaseImageView& Database() {
  static CDBBuilder builder;
  static const DatabaseImageView view = [] {
    builder.SelectDatabase("");
    uint32_t size = 0;
    const uint8_t* image = builder.GetImage(size);
    DatabaseImageView v{};
    OpenDatabaseImage(v, image, size);
    return v;
  }();
  return view;
}

void ReceivePgn(N2kReceiveContext& ctx, const uint8_t* line, size_t size, uint32_t time) {
  if (size < 2 || CountN2KRxPGNs(Database()) == 0) return;
  const uint32_t pick = (line[0] | (line[1] << 8)) % CountN2KRxPGNs(Database());
  N2kMessage m;
  m.time = time;
  m.pgn = ReadN2KRxPGN(GetN2KRxPGN(Database(), pick)).pgn;
  m.source = line[0];
  m.length = static_cast<int32_t>(size - 2 < N2kMessage::kCapacity ? size - 2 : N2kMessage::kCapacity);
  m.data = line + 2;
  ConvertPgnToRepository(ctx, m);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const DatabaseImageView& db = Database();
  Repository n2k;
  Repository n183;
  Init(&n2k, db, kN2kRepository);
  Init(&n183, db, kN183Repository);
  N2kMessageBuilder pgnBuilder;
  pgnBuilder.repository = &n183;
  pgnBuilder.database = &db;
  N183ReceiveContext rx183;
  rx183.repository = &n183;
  rx183.database = &db;
  rx183.pendingPgn = &pgnBuilder.pendingPgn;
  N2kReceiveContext rx2k;
  rx2k.repository = &n2k;
  rx2k.database = &db;

  uint32_t time = 1000;
  for (size_t start = 0; start < size;) {
    const uint8_t* end = static_cast<const uint8_t*>(std::memchr(data + start, '\n', size - start));
    const size_t length = (end ? static_cast<size_t>(end - data) : size) - start;
    SetGatewayClock(time);
    const uint8_t* line = data + start;
    if (length > 0 && (line[0] == '$' || line[0] == '!')) {
      ConvertSentenceToRepository(rx183, reinterpret_cast<const char*>(line), static_cast<uint32_t>(length), time);
    } else {
      ReceivePgn(rx2k, line, length, time);
    }
    time += 100;
    start += length + 1;
  }

  uint32_t emitted = 0;
  const EmitPgn countPgn = [&emitted](const N2kMessageBuilder& b) { emitted += b.length <= kPgnBufferBytes; };
  SendPendingPgn(pgnBuilder, countPgn);
  for (uint32_t i = 0; i < CountN2KTxPGNs(db); ++i) {
    const uint8_t* entry = GetN2KTxPGN(db, i);
    const uint32_t instances = ReadN2KTxPGN(entry).instances;
    for (uint32_t instance = 0; instance < instances; ++instance) BuildAndEmitPgn(pgnBuilder, entry, instance, countPgn);
  }
  N183SentenceBuilder sentenceBuilder;
  sentenceBuilder.repository = &n2k;
  sentenceBuilder.database = &db;
  const EmitSentence countSentence = [&emitted](const N183OutputSentence& s) { emitted += s.length > 0; };
  for (uint32_t i = 0; i < CountN183TxSentences(db); ++i) BuildSentence(sentenceBuilder, GetN183TxSentence(db, i), countSentence);
  (void)emitted;
  return 0;
}
