// The record kinds the benchmark gives figures for.
#pragma once

#include "log/Record.h"

enum RecordKind { kN2k, kN183, kHox, kOther, kKinds };
inline constexpr const char* kKindNames[kKinds] = {"N2K", "N183", "HOX", "other"};

inline RecordKind KindOf(const Record& r) {
  if (r.type == MT_N2K) return kN2k;
  if (r.group == MG_N183) return kN183;
  if (r.type >= MT_HoxCmd && r.type <= MT_HoxBoot) return kHox;
  return kOther;
}
