// The simulated gateway as the document holds it: the selected database,
// the engine running on a copy of its image, and what the engine transmitted
// since the output lists were last cleared.
//
// Every operation that needs the time takes it: the gateway clock is the
// time of the record being converted, never the host's, so that a
// conversion gives the same result whenever it is looked at.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gateway/GatewayEngine.h"

class CDBBuilder;
struct N2kMessage;

struct N2kOutputMessage {
  uint32_t time = 0;
  uint32_t pgn = 0;
  uint8_t priority = 0;
  uint8_t source = 0;
  uint8_t destination = 0;
  uint32_t length = 0;
  std::array<uint8_t, kPgnBufferBytes> data{};
};

// The copy the gateway keeps of a built message, stamped `now`. A message
// that filled the whole buffer overran it: it is kept, its data is not.
N2kOutputMessage OutputMessageOf(const N2kMessageBuilder& builder, uint32_t now);
// The same into a message freshly made (length 0, data all zero).
void CopyOutputMessage(const N2kMessageBuilder& builder, uint32_t now, N2kOutputMessage& copy);

class CWXN {
 public:
  // On the full database, with the engine started at clock 0.
  CWXN();
  CWXN(const CWXN&) = delete;
  CWXN& operator=(const CWXN&) = delete;
  virtual ~CWXN();

  // "Std", "AIS" or "" (full). A CDBBuilderError from the builder passes
  // through after the engine has been rebuilt on the empty image, so the
  // gateway never keeps running on a database that is no longer selected.
  void SelectDatabase(const std::string& word, uint32_t now);
  void RebuildEngine(uint32_t now);

  void ConvertN183(const char* text, uint32_t length, uint32_t now);
  void ConvertN2k(const N2kMessage& message, uint32_t now);

  // One full cycle; throws CInstrumentErr when the controller never ends it.
  // An unforced cycle at the instant of the previous unforced one is not
  // run: whatever was due then was sent then, so nothing can be due.
  void RunN183Controller(bool forced, uint32_t now);
  void RunN2kController(bool forced, uint32_t now);
  // Builds one NMEA 0183 transmit entry now, whether due or not.
  int32_t BuildN183Sentence(const uint8_t* entry, uint32_t now);

  GatewayEngine& Engine() { return *engine_; }
  const CDBBuilder& Builder() const { return *builder_; }
  std::vector<N183OutputSentence>& N183Output() { return n183Output_; }
  std::vector<N2kOutputMessage>& N2kOutput() { return n2kOutput_; }
  const std::vector<N2kOutputMessage>& N2kOutput() const { return n2kOutput_; }

 private:
  void AppendSentence(const N183OutputSentence& sentence);
  void AppendPgn(const N2kMessageBuilder& builder, uint32_t now);

  // Instant of the last completed unforced cycle; none after a rebuild.
  std::optional<uint32_t> n183QuietAt_;
  std::optional<uint32_t> n2kQuietAt_;
  // A "$" entry with no interval is due at every step, at any instant.
  bool n183AlwaysDue_ = false;
  std::vector<uint8_t> image_;
  std::unique_ptr<GatewayEngine> engine_;
  std::vector<N183OutputSentence> n183Output_;
  std::vector<N2kOutputMessage> n2kOutput_;
  std::unique_ptr<CDBBuilder> builder_;
};
