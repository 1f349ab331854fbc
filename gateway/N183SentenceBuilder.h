// The NMEA 0183 transmit direction: outgoing sentences built from the NMEA
// 2000 repository, one transmit entry of the gateway database at a time,
// with multi-sentence groups built whole.
#pragma once

#include <cstdint>
#include <functional>

class N183SentencePlans;
struct DatabaseImageView;
struct Repository;

constexpr int32_t kSentenceNoData = -882;
constexpr int32_t kSentenceMandatoryMissing = -883;
constexpr int32_t kFieldWrittenTwice = -888;
constexpr int32_t kFieldNumberTooHigh = -889;
constexpr int32_t kSentenceTextFull = -1398;
constexpr int32_t kAngleAbove360 = -1795;

constexpr uint32_t kSentenceMaxFields = 20;
constexpr uint32_t kSentenceTextCapacity = 100;
constexpr uint32_t kOutputSentenceCapacity = 299;

struct N183OutputSentence {
  uint32_t time = 0;
  uint32_t length = 0;
  char text[kOutputSentenceCapacity + 1] = {};
};

using EmitSentence = std::function<void(const N183OutputSentence&)>;

struct N183SentenceBuilder {
  Repository* repository = nullptr;  // the NMEA 2000 repository
  const DatabaseImageView* database = nullptr;
  const N183SentencePlans* plans = nullptr;  // of that database; null: read each entry as it is built
  const uint8_t* entry = nullptr;
  int32_t field = -1;
  uint32_t fieldCount = 0;
  char text[kSentenceTextCapacity] = {};
  uint32_t textLength = 0;
  uint8_t fieldStart[kSentenceMaxFields] = {};
  uint8_t fieldLength[kSentenceMaxFields] = {};
  bool fieldWritten[kSentenceMaxFields] = {};
  int32_t groupTotal = -1;     // -1: no group in progress
  int32_t groupNumber = -1;
  uint32_t instanceBase = 0;
  int64_t repetitionsWanted = 0;
  N183OutputSentence sentence;
};

// Builds the entry's sentence, or every sentence of its group, emitting each
// finished one; 0, or the error of the first sentence that failed (which is
// not emitted, and ends its group).
int32_t BuildSentence(N183SentenceBuilder& builder, const uint8_t* entry, const EmitSentence& emit);
