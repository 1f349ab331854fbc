// Decodes one logged NMEA 0183 sentence: a header naming talker, formatter
// and title from the sentence library, then one line per field with its
// library name and its text as received. Values are not converted here.
// The logger's own "!PQTZB" sentence carries an armoured device message.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class CTreeNode;
class CWXN;
struct SentenceDefinition;

struct SentenceRecord {
  static constexpr uint32_t kCapacity = 300;
  uint32_t time = 0;  // gateway clock, milliseconds
  uint32_t length = 0;
  uint32_t capacity = kCapacity;
  char text[kCapacity] = {};  // NUL-terminated
};

struct SplitSentence {
  static constexpr uint32_t kMaxFields = 26;
  char text[SentenceRecord::kCapacity] = {};  // commas and the '*' turned into NUL
  uint32_t addressLength = 0;                 // start character plus talker
  uint32_t formatterAt = 0;
  uint32_t fieldAt[kMaxFields] = {};
  uint32_t fieldCount = 0;

  const char* Field(uint32_t i) const { return text + fieldAt[i]; }
};

// The text of the record `back` places before the one decoded (1 = the one
// just before it); empty when there is none. Multi-sentence AIS messages are
// joined through it.
using EarlierSentence = std::function<std::string_view(uint32_t back)>;

// The characters of a sentence the decoder reads: at most kCapacity - 1,
// and none from the first NUL on.
uint32_t SentenceTextLength(const uint8_t* bytes, uint32_t count);
// The summary of a sentence is its text as received.
void AppendSentenceSummary(std::string& text, const uint8_t* bytes, uint32_t count);
// The same written at p, which has room for kSentenceSummaryRoom; returns its end.
inline constexpr size_t kSentenceSummaryRoom = SentenceRecord::kCapacity - 1;
char* PutSentenceSummary(char* p, const uint8_t* bytes, uint32_t count);
void MakeSentenceRecord(const uint8_t* bytes, uint32_t count, uint32_t time, SentenceRecord& record);
void SplitSentenceText(const SentenceRecord& record, SplitSentence& split);

int32_t DecodeN183Record(const uint8_t* bytes, uint32_t count, CTreeNode& root, int mode, uint32_t time,
                         CWXN* gateway, const EarlierSentence& earlier = {});
void DecodeN183Sentence(const SentenceRecord& record, CTreeNode& root, int mode, CWXN* gateway,
                        const EarlierSentence& earlier = {});
void AddSentenceHeader(const SentenceDefinition* definition, CTreeNode& root, const SplitSentence& split,
                       const SentenceRecord& record, uint32_t textLength);
void DecodeSentenceFields(CTreeNode& root, const SentenceRecord& record, const SplitSentence& split,
                          const SentenceDefinition* definition);

// 6-bit ASCII armour (ITU-R M.1371), most significant bit first. count gets
// the whole bytes completed. 0 at the end of the text, -1398 when the
// maximum number of characters was used up.
int32_t DecodeArmour(const char* text, uint8_t* out, uint32_t maxCharacters, uint32_t& count);
