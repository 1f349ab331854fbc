#include "gateway/WXN.h"

#include <algorithm>

#include "decode/N2kDecoder.h"
#include "decode/GatewayHooks.h"
#include "gateway/ConversionDisplay.h"
#include "gateway/N183ToRepository.h"
#include "library/DBBuilder.h"

CWXN::CWXN() : builder_(std::make_unique<CDBBuilder>()) {
  InstallConversionDisplays();
  builder_->SelectDatabase("");
  RebuildEngine(0);
}

CWXN::~CWXN() = default;

void CWXN::SelectDatabase(const std::string& word, uint32_t now) {
  try {
    builder_->SelectDatabase(word);
  } catch (...) {
    RebuildEngine(now);
    throw;
  }
  RebuildEngine(now);
}

void CWXN::RebuildEngine(uint32_t now) {
  engine_.reset();
  n183Output_.clear();
  n2kOutput_.clear();
  uint32_t size = 0;
  const uint8_t* image = builder_->GetImage(size);
  image_.assign(image, image + size);
  engine_ = std::make_unique<GatewayEngine>();
  SetGatewayClock(now);
  InitEngine(*engine_, image_.data(), image_.size(), now);
  n183QuietAt_.reset();
  n2kQuietAt_.reset();
  n183AlwaysDue_ = false;
  for (uint32_t i = 0; i < CountN183TxSentences(engine_->database); ++i) {
    const N183SentenceEntry entry = ReadN183TxSentence(GetN183TxSentence(engine_->database, i));
    if (entry.startDelimiter == '$' && entry.transmitInterval == 0) n183AlwaysDue_ = true;
  }
}

void CWXN::ConvertN183(const char* text, uint32_t length, uint32_t now) {
  SetGatewayClock(now);
  ConvertSentenceToRepository(engine_->n183Receive, text, std::min(length, kOutputSentenceCapacity), now);
  SelectTimeSource(engine_->timeSource, now);
}

void CWXN::ConvertN2k(const N2kMessage& message, uint32_t now) {
  SetGatewayClock(now);
  // The sender is heard now: a 0x93 frame's own stamp counts on the
  // logger's clock, not on the gateway's.
  N2kMessage received = message;
  received.time = now;
  ConvertPgnToRepository(engine_->n2kReceive, received);
  SelectTimeSource(engine_->timeSource, now);
}

namespace {

// A forced run must not leave the controller forced, even when it froze.
class ForcedRun {
 public:
  ForcedRun(bool& flag, bool forced) : flag_(flag) { flag_ = forced; }
  ForcedRun(const ForcedRun&) = delete;
  ForcedRun& operator=(const ForcedRun&) = delete;
  ~ForcedRun() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

void CWXN::RunN183Controller(bool forced, uint32_t now) {
  if (!forced && !n183AlwaysDue_ && n183QuietAt_ == now) return;
  n183QuietAt_.reset();
  SetGatewayClock(now);
  N183Controller& controller = engine_->n183Controller;
  // A cycle that finds nothing due changes nothing but the clock.
  if (!forced && controller.position == 0 && !AnyN183Due(controller, now)) {
    n183QuietAt_ = now;
    return;
  }
  const EmitSentence emit = [this](const N183OutputSentence& s) { AppendSentence(s); };
  const ForcedRun run(controller.forced, forced);
  RunN183Cycle(controller, engine_->database, now, emit, "N183Controller frozen");
  if (!forced) n183QuietAt_ = now;
}

void CWXN::RunN2kController(bool forced, uint32_t now) {
  // A PGN asked for by a received AIS message is sent at any instant.
  if (!forced && n2kQuietAt_ == now && engine_->messageBuilder.pendingPgn == 0) return;
  n2kQuietAt_.reset();
  SetGatewayClock(now);
  N2kController& controller = engine_->n2kController;
  if (!forced && controller.position == 0 && controller.inProgress == nullptr &&
      engine_->messageBuilder.pendingPgn == 0 && !AnyN2kDue(controller, now)) {
    n2kQuietAt_ = now;
    return;
  }
  const EmitPgn emit = [this, now](const N2kMessageBuilder& b) { AppendPgn(b, now); };
  const ForcedRun run(controller.forced, forced);
  RunN2kCycle(controller, engine_->database, now, emit, "N2KController frozen");
  if (!forced) n2kQuietAt_ = now;
}

int32_t CWXN::BuildN183Sentence(const uint8_t* entry, uint32_t now) {
  SetGatewayClock(now);
  engine_->sentenceBuilder.entry = entry;
  return BuildSentence(engine_->sentenceBuilder, entry, [this](const N183OutputSentence& s) { AppendSentence(s); });
}

void CWXN::AppendSentence(const N183OutputSentence& sentence) {
  N183OutputSentence& copy = n183Output_.emplace_back();
  copy.time = sentence.time;
  copy.length = std::min(sentence.length, kOutputSentenceCapacity);
  std::copy_n(sentence.text, copy.length, copy.text);
}

void CWXN::AppendPgn(const N2kMessageBuilder& builder, uint32_t now) {
  // Filled where it is kept: a whole log's output passes through here.
  CopyOutputMessage(builder, now, n2kOutput_.emplace_back());
}

void CopyOutputMessage(const N2kMessageBuilder& builder, uint32_t now, N2kOutputMessage& copy) {
  // The builder leaves its time unset; the message goes out now.
  copy.time = now;
  copy.pgn = builder.pgn;
  copy.priority = builder.priority;
  copy.source = builder.source;
  copy.destination = builder.destination;
  if (builder.length >= kPgnBufferBytes) return;
  copy.length = builder.length;
  std::copy_n(builder.data.begin(), builder.length, copy.data.begin());
}

N2kOutputMessage OutputMessageOf(const N2kMessageBuilder& builder, uint32_t now) {
  N2kOutputMessage copy;
  CopyOutputMessage(builder, now, copy);
  return copy;
}
