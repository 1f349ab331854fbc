// AIS payloads: the 6-bit armour of !VDM / !VDO fragments collected into one
// bit string, and the walk over the library's field list that writes a
// decoded message into the AIS datatypes.
#pragma once

#include <cstdint>

#include "gateway/N183ReceiveContext.h"

// Appends the de-armoured characters; false, and the payload abandoned,
// when they do not fit.
bool AppendArmoured(AisAccumulator& acc, const char* text);
// Bits [position, position + width) of the payload, most significant first;
// false when they pass the filled bits.
bool PayloadBits(const AisAccumulator& acc, uint32_t position, uint32_t width, uint64_t& out);
// Writes the message's fields and asks for its PGN.
void DecodeAisPayload(N183ReceiveContext& ctx, const AisAccumulator& acc);
