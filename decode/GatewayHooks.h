// The process-wide state the decoders share with the gateway model: the
// gateway clock that ages repository values, and the two display callbacks
// through which a record decoded at the gateway level is converted. The
// slots stay empty until a gateway installs itself; a decoder handed no
// gateway, or finding the slots empty, decodes as if there were none.
#pragma once

#include <cstdint>

class CTreeNode;
class CWXN;
struct N2kMessage;
struct SentenceRecord;

using ShowN2kConversionFn = bool (*)(CTreeNode& root, const N2kMessage& message, CWXN* gateway);
using ShowN183ConversionFn = bool (*)(CTreeNode& root, const SentenceRecord& sentence, CWXN* gateway);

struct GatewayDisplaySlots {
  ShowN2kConversionFn showN2kConversion = nullptr;
  ShowN183ConversionFn showN183Conversion = nullptr;
};

GatewayDisplaySlots& DisplaySlots();

// Milliseconds; all repository ages are measured against it.
uint32_t GatewayClock();
void SetGatewayClock(uint32_t milliseconds);
