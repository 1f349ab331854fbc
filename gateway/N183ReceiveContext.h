// Everything the NMEA 0183 receive direction keeps between sentences: the
// multi-sentence groups in progress and the AIS payload being collected.
#pragma once

#include <cstdint>

#include "gateway/ReceivedSentence.h"

struct DatabaseImageView;
struct Repository;
struct TimeSourceSelection;

struct SentenceGroupSlot {
  const uint8_t* entry = nullptr;  // receive entry; null = free
  int64_t total = 0;
  int64_t expected = 0;
  int64_t sequence = 0;
  uint32_t repetitions = 0;
  int32_t number = 0;
};

constexpr uint32_t kAisPayloadBytes = 200;

struct AisAccumulator {
  uint8_t bytes[kAisPayloadBytes] = {};
  uint32_t bits = 0;           // payload bits filled
  int32_t group = -1;          // group number it belongs to; -1 none
  uint8_t type = 0;            // conversion type that started it
  uint32_t slot = 0;
  bool started = false;
  bool complete = false;
};

struct N183ReceiveContext {
  Repository* repository = nullptr;
  const DatabaseImageView* database = nullptr;
  uint32_t* pendingPgn = nullptr;                   // where a decoded AIS message asks for its PGN
  const TimeSourceSelection* timeSource = nullptr;  // absent: arrival dates read Time Out
  const uint8_t* matched = nullptr;                 // receive entry of the last sentence
  ReceivedSentence sentence;
  SentenceGroupSlot groups[2];
  uint32_t nextGroupSlot = 0;
  int32_t groupCounter = 0;
  uint32_t repetitionsInSentence = 0;
  AisAccumulator ais;
};
