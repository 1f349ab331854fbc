// The simulated gateway's working parts on one database image. The wiring
// is crossed: what arrives as NMEA 0183 fills the NMEA 0183 repository, from
// which the NMEA 2000 messages are built, and the other way round.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gateway/N183ReceiveContext.h"
#include "gateway/N183SentenceBuilder.h"
#include "gateway/N183SentencePlan.h"
#include "gateway/N2kEntryPlan.h"
#include "gateway/N2kMessageBuilder.h"
#include "gateway/N2kToRepository.h"
#include "gateway/Repository.h"
#include "gateway/TimeSourceSelector.h"
#include "gateway/TransmitControllers.h"
#include "library/DBImageView.h"

struct GatewayEngine {
  GatewayEngine() = default;
  // The parts point at one another and into the image.
  GatewayEngine(const GatewayEngine&) = delete;
  GatewayEngine& operator=(const GatewayEngine&) = delete;

  DatabaseImageView database{};
  N2kEntryPlans n2kPlans;
  N183SentencePlans n183Plans;
  TimeSourceSelector timeSource;
  Repository n2kRepository;
  Repository n183Repository;
  N183ReceiveContext n183Receive;
  N2kReceiveContext n2kReceive;
  N183SentenceBuilder sentenceBuilder;
  N2kMessageBuilder messageBuilder;
  N183Controller n183Controller;
  N2kController n2kController;
};

// Wires the engine to the image (which must outlive it) and starts its
// controllers at `now`. Returns the image's open result; a refused image
// leaves an engine with nothing to receive or send.
uint32_t InitEngine(GatewayEngine& engine, const uint8_t* image, size_t length, uint32_t now);
