#include "decode/GatewayHooks.h"

namespace {

GatewayDisplaySlots gSlots;
uint32_t gClock = 0;

}  // namespace

GatewayDisplaySlots& DisplaySlots() { return gSlots; }

uint32_t GatewayClock() { return gClock; }

void SetGatewayClock(uint32_t milliseconds) { gClock = milliseconds; }
