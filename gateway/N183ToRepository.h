// The NMEA 0183 receive direction: one received sentence into the NMEA 0183
// repository, as the gateway database describes its fields, with
// multi-sentence groups joined and AIS payloads collected and decoded.
#pragma once

#include <cstdint>

#include "gateway/N183ReceiveContext.h"
#include "base/RepositoryValue.h"

struct N183FieldEntry;

constexpr int32_t kGroupWrongSequence = -884;
constexpr int32_t kGroupOutOfOrder = -885;
constexpr int32_t kUnitLetterUnknown = -887;
constexpr int32_t kGroupWithoutTotal = -891;
constexpr int32_t kAisFragmentConsumed = 902;

// Afterwards ctx.matched names the receive entry used, or is null. Returns
// the group header's error, or 0.
int32_t ConvertSentenceToRepository(N183ReceiveContext& ctx, const char* text, uint32_t length, uint32_t time);

// One field entry of the split sentence in ctx into a value; the value is
// to be written only when the result is 0.
int32_t ConvertN183Field(N183ReceiveContext& ctx, const N183FieldEntry& field, uint32_t slot, RepositoryValue& out);
