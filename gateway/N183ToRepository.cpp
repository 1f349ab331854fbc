#include "gateway/N183ToRepository.h"

#include <cstring>

#include "gateway/AisPayload.h"
#include "gateway/DatatypeFormat.h"
#include "gateway/N183FieldParse.h"
#include "gateway/N183LetterTables.h"
#include "gateway/Repository.h"
#include "gateway/UnitConversion.h"
#include "library/DBImageView.h"
#include "library/DBMemImage.h"
#include "library/N183Tables.h"

namespace {

constexpr uint8_t kNone = 0xFF;
constexpr int64_t kHeaderFieldFailed = -100;
constexpr uint8_t kGroupHeaderFlag = 0x01;
constexpr uint8_t kSequenceIdFlag = 0x02;
constexpr uint8_t kRunningTotalCountMode = 0xFF;
constexpr uint32_t kFixedFieldInstance = 0;

// What the group header of one sentence said, and the slot it runs in.
struct GroupState {
  SentenceGroupSlot* slot = nullptr;  // null: the sentence is not part of a group
  int64_t number = 1;
};

int64_t HeaderField(const ReceivedSentence& s, uint32_t k) {
  int64_t v = 0;
  ValueStatus status;
  if (ParseInteger(FieldText(s, k), 2, v, status) != 0 || status != VS_Valid) return kHeaderFieldFailed;
  return v;
}

int32_t ReadGroupHeader(N183ReceiveContext& ctx, const uint8_t* raw, const N183SentenceEntry& e, GroupState& g) {
  if (!(e.multiPartCode & kGroupHeaderFlag)) return 0;
  const int64_t total = HeaderField(ctx.sentence, 0);
  g.number = HeaderField(ctx.sentence, 1);
  const int64_t sequence = (e.multiPartCode & kSequenceIdFlag) ? HeaderField(ctx.sentence, 2) : 0;
  SentenceGroupSlot* mine = nullptr;
  for (SentenceGroupSlot& slot : ctx.groups) {
    if (slot.entry == raw) mine = &slot;
  }
  if (g.number == 1) {
    // A group of no sentences, or a count that could not be read, cannot be
    // followed; its sentence 1 starts nothing.
    if (total < 1) {
      if (mine) *mine = SentenceGroupSlot{};
      return kGroupWithoutTotal;
    }
    if (!mine) {
      for (SentenceGroupSlot& slot : ctx.groups) {
        if (!mine && !slot.entry) mine = &slot;
      }
    }
    if (!mine) {
      mine = &ctx.groups[ctx.nextGroupSlot];
      ctx.nextGroupSlot = (ctx.nextGroupSlot + 1) % 2;
    }
    *mine = SentenceGroupSlot{raw, total, 1, sequence, 0, ctx.groupCounter++};
    g.slot = mine;
    return 0;
  }
  if (!mine) return kGroupOutOfOrder;
  int32_t result = 0;
  if (g.number != mine->expected || total != mine->total) {
    result = kGroupOutOfOrder;
  } else if (sequence != mine->sequence) {
    result = kGroupWrongSequence;
  }
  if (result != 0) {
    *mine = SentenceGroupSlot{};
    return result;
  }
  g.slot = mine;
  return 0;
}

// Moves the group on by this sentence; true when the group is complete.
bool StepGroup(N183ReceiveContext& ctx, GroupState& g, uint32_t& totalRepetitions) {
  totalRepetitions = ctx.repetitionsInSentence;
  if (!g.slot) {
    ctx.repetitionsInSentence = 0;
    return true;
  }
  g.slot->repetitions += ctx.repetitionsInSentence;
  ctx.repetitionsInSentence = 0;
  totalRepetitions = g.slot->repetitions;
  if (g.slot->expected >= g.slot->total) {
    *g.slot = SentenceGroupSlot{};
    return true;
  }
  ++g.slot->expected;
  return false;
}

RepositoryValue Integer(int64_t n) {
  RepositoryValue v;
  MakeValue(v, n, 0);
  return v;
}

void WriteTalkerCode(N183ReceiveContext& ctx, uint32_t datatype, const LetterTable& table, uint32_t slot) {
  SetValue(ctx.repository, datatype, 0, Integer(CodeOfLetters(table, ctx.sentence.address + 1)), slot);
}

// A satellite is used when the fix's own list names its PRN, tracked when
// it has a signal-to-noise ratio.
void DeriveSatelliteUsage(N183ReceiveContext& ctx, uint32_t slot) {
  Repository* r = ctx.repository;
  RepositoryValue inView;
  GetValue(r, RD_GNSSNumSVsInView, 0, true, inView);
  if (!IsValid(inView) || inView.value <= 0) return;
  int64_t used[12];
  uint32_t usedCount = 0;
  for (uint32_t i = 0; i < 12; ++i) {
    RepositoryValue prn;
    GetValue(r, RD_GNSS_SatSolutionPRN, i, false, prn);
    if (IsValid(prn)) used[usedCount++] = prn.value;
  }
  const int64_t satellites = inView.value < 18 ? inView.value : 18;
  for (uint32_t i = 0; i < satellites; ++i) {
    RepositoryValue prn;
    RepositoryValue snr;
    GetValue(r, RD_GNSS_SatPRN, i, true, prn);
    GetValue(r, RD_GNSS_SatSNR, i, true, snr);
    int64_t usage = IsValid(snr) ? 1 : 0;
    for (uint32_t j = 0; IsValid(prn) && j < usedCount; ++j) {
      if (used[j] == prn.value) usage = 2;
    }
    SetValue(r, RD_GNSS_SatPRNStatus, i, Integer(usage), slot);
  }
}

void StartOrAppendAis(N183ReceiveContext& ctx, const char* text, uint32_t slot, int32_t group, bool first) {
  AisAccumulator& acc = ctx.ais;
  if (first) {
    acc = AisAccumulator{};
    acc.group = group;
    acc.type = DT0183_Enc_ITURM1371;
    acc.slot = slot;
  } else if (acc.group != group || !acc.started) {
    return;
  }
  // A payload that overflows is abandoned whole: half a message decodes wrong.
  if (AppendArmoured(acc, text ? text : "")) acc.started = true;
}

// One field entry converted and written when `convert`; an AIS payload
// fragment goes to the accumulator instead, started by a group's first
// sentence.
void WriteField(N183ReceiveContext& ctx, const uint8_t* rawEntry, uint32_t index, uint32_t instance, uint32_t slot,
                bool convert, bool firstSentence, int32_t groupNumber) {
  const uint8_t* raw = GetN183RxField(*ctx.database, rawEntry, index);
  if (!raw) return;
  const N183FieldEntry field = ReadN183Field(raw);
  if (field.fieldType == DT0183_Enc_ITURM1371) {
    StartOrAppendAis(ctx, FieldText(ctx.sentence, field.fieldNumber), slot, groupNumber, firstSentence);
    return;
  }
  if (!convert) return;
  RepositoryValue v;
  if (ConvertN183Field(ctx, field, slot, v) == 0) SetValue(ctx.repository, field.repositoryIndex, instance, v, slot);
}

int32_t ConvertSentence(N183ReceiveContext& ctx, const uint8_t* raw) {
  const N183SentenceEntry e = ReadN183RxSentence(raw);
  const uint32_t slot = e.positionInList;
  UpdateSource(ctx.repository, slot, 0, ctx.sentence.time);
  GroupState g;
  const int32_t header = ReadGroupHeader(ctx, raw, e, g);
  if (header < 0) return header;
  const bool firstSentence = !g.slot || g.number == 1;
  const int32_t groupNumber = g.slot ? g.slot->number : -2;

  uint32_t repeatStart = e.fieldCount;
  uint32_t repeatCount = 0;
  if (e.groupSize != 0 && e.groupFirstField < e.fieldCount) {
    repeatStart = e.groupFirstField;
    repeatCount = e.groupSize;
    if (repeatStart + repeatCount > e.fieldCount) repeatCount = e.fieldCount - repeatStart;
  }
  ctx.repetitionsInSentence = 0;
  ctx.sentence.fieldShift = 0;
  // Later sentences of a group repeat the fixed fields; only the first counts.
  for (uint32_t i = 0; i < repeatStart; ++i) {
    WriteField(ctx, raw, i, kFixedFieldInstance, slot, firstSentence, firstSentence, groupNumber);
  }
  if (repeatCount > 0) {
    const uint8_t* f = GetN183RxField(*ctx.database, raw, repeatStart);
    const uint32_t firstNumber = f ? ReadN183Field(f).fieldNumber : 0;
    const uint32_t available =
        ctx.sentence.fieldCount > firstNumber ? (ctx.sentence.fieldCount - firstNumber) / repeatCount : 0;
    const uint32_t n = available < e.groupMaximum ? available : e.groupMaximum;
    const uint32_t base = g.slot ? g.slot->repetitions : 0;
    for (uint32_t rep = 0; rep < n; ++rep) {
      for (uint32_t j = 0; j < repeatCount; ++j) {
        WriteField(ctx, raw, repeatStart + j, base + ctx.repetitionsInSentence, slot, true, firstSentence,
                   groupNumber);
      }
      ctx.sentence.fieldShift += repeatCount;
      ++ctx.repetitionsInSentence;
    }
    ctx.sentence.fieldShift = 0;
    for (uint32_t i = repeatStart + repeatCount; i < e.fieldCount; ++i) {
      WriteField(ctx, raw, i, kFixedFieldInstance, slot, true, firstSentence, groupNumber);
    }
  }

  uint32_t totalRepetitions = 0;
  if (!StepGroup(ctx, g, totalRepetitions)) return 0;
  if (ctx.ais.started && ctx.ais.group == groupNumber) ctx.ais.complete = true;
  if (repeatCount == 0) return 0;
  if (e.groupFieldIndex == kRunningTotalCountMode) {
    SetValue(ctx.repository, e.groupRepository, 0, Integer(totalRepetitions), slot);
  } else {
    RepositoryValue count;
    GetValue(ctx.repository, e.groupRepository, 0, true, count);
    if (IsValid(count) && count.value > static_cast<int64_t>(totalRepetitions)) {
      SetValue(ctx.repository, e.groupRepository, 0, Integer(totalRepetitions), slot);
    }
  }
  if (std::memcmp(Formatter(ctx.sentence), "GSV", 3) == 0) {
    DeriveSatelliteUsage(ctx, slot);
    CommitBank(ctx.repository, RD_GNSS_SatPRNStatus);
  }
  for (uint32_t i = 0; i < repeatStart + repeatCount; ++i) {
    const uint8_t* f = GetN183RxField(*ctx.database, raw, i);
    if (f) CommitBank(ctx.repository, ReadN183Field(f).repositoryIndex);
  }
  return 0;
}

const uint8_t* MatchEntry(const N183ReceiveContext& ctx) {
  const char* formatter = Formatter(ctx.sentence);
  if (!formatter) return nullptr;
  const uint8_t* first = nullptr;
  const uint32_t run = FindN183RxSentences(*ctx.database, formatter[0], formatter[1], formatter[2], first);
  for (uint32_t i = 0; i < run; ++i) {
    const uint8_t* raw = first + static_cast<size_t>(i) * kDBN183RxSentenceEntrySize;
    const N183SentenceEntry e = ReadN183RxSentence(raw);
    if (e.modifierField == kNone) return raw;
    const char* text = FieldText(ctx.sentence, e.modifierField);
    if (text && text[0] == e.modifierValue) return raw;
  }
  return nullptr;
}

}  // namespace

int32_t ConvertN183Field(N183ReceiveContext& ctx, const N183FieldEntry& field, uint32_t slot, RepositoryValue& v) {
  const ReceivedSentence& s = ctx.sentence;
  v = RepositoryValue{0, 0, VS_NotAvailable, 1};
  const char* text = FieldText(s, field.fieldNumber);
  if (!text) return 0;
  const N183ConversionFactor* conversion = nullptr;
  if (field.unitSymbolField != kNone) {
    const char* unit = FieldText(s, field.unitSymbolField);
    if (!unit) {
      v.status = VS_N183UnitsMissing;
      return 0;
    }
    conversion = FindUnitConversion(field.unitType, unit[0], false);
    if (!conversion) {
      v.status = VS_N183UnitsIncorrect;
      return kUnitLetterUnknown;
    }
  } else {
    conversion = FindUnitConversion(field.unitType, 0, true);
  }
  ValueStatus validity = VS_Valid;
  if (field.validityField != kNone && (field.validityRule == 1 || field.validityRule == 2)) {
    const char* flag = FieldText(s, field.validityField);
    if (!flag || flag[0] != 'A') validity = VS_Invalid;
  }
  const DatatypeFormat& format = FormatOfDatatype(field.repositoryIndex);
  if (!format.entry || !conversion) return kN183Malformed;
  const char* next = FieldText(s, field.fieldNumber + 1u);
  int32_t r = 0;
  switch (field.fieldType) {
    case DT0183_Status:
      MakeValue(v, text[0] == 'A' ? 1 : 0, 0);
      v.status = validity;
      return 0;
    case DT0183_Latitude:
    case DT0183_Longitude:
      r = ParseLatLong(text, field.fieldType == DT0183_Latitude ? 2 : 3, v);
      if (r != 0) return r;
      if (next) {
        if (next[0] == (field.fieldType == DT0183_Latitude ? 'S' : 'W')) v.value = -v.value;
        v.status = validity;
      }
      return 0;
    case DT0183_Time:
    case DT0183_TimeAndTalkerID:
      r = ParseTimeOfDay(text, v);
      if (r != 0) return r;
      v.status = validity;
      if (field.fieldType == DT0183_TimeAndTalkerID) WriteTalkerCode(ctx, RD_TimeSource, kTimeSourceTalkers, slot);
      return 0;
    case DT0183_VariableNumber:
    case DT0183_WaypointID:
      r = ParseDecimal(text, v);
      if (r != 0) return r;
      if (v.status == VS_Valid) v.status = validity;
      ConvertToBaseUnits(v, *conversion, format.exponent, format.resolutionFactor);
      return 0;
    case DT0183_HeadingCorrection:
    case DT0183_XTE:
    case DT0183_AngleLR:
      r = ParseDecimal(text, v);
      if (r != 0) return r;
      // Without its direction letter the magnitude is still converted: a
      // number of degrees must not be stored as radians.
      if (next) {
        if (field.fieldType == DT0183_HeadingCorrection && next[0] == 'W') v.value = -v.value;
        if (field.fieldType == DT0183_XTE && next[0] == 'R') v.value = -v.value;
        if (field.fieldType == DT0183_AngleLR && next[0] == 'L') {
          v.value = -v.value;
          AddScaled(v, 360, 0);
        }
        if (v.status == VS_Valid) v.status = validity;
      }
      ConvertToBaseUnits(v, *conversion, format.exponent, format.resolutionFactor);
      return 0;
    case DT0183_Date: {
      int64_t part[3] = {};
      for (uint32_t i = 0; i < 3; ++i) {
        ValueStatus status;
        r = ParseInteger(FieldText(s, field.fieldNumber + i), 20, part[i], status);
        if (r != 0 || status != VS_Valid) {
          v.status = r == kN183NoText ? VS_NotAvailable : status;
          return r == kN183NoText ? 0 : r;
        }
      }
      DateToDays(part[0], part[1], part[2], v);
      if (v.status == VS_Valid) v.status = validity;
      return 0;
    }
    case DT0183_TimeOffset:
      return ParseTimeOffset(text, next, v);
    case DT0183_PosModeIndicator:
      MakeValue(v, CodeOfLetters(kModeIndicatorLetters, text), 0);
      v.status = validity;
      return 0;
    case DT0183_DateDDMMYY: {
      if (std::strlen(text) != 6) {
        v.status = VS_Error;
        return kN183Malformed;
      }
      int64_t part[3] = {};
      for (uint32_t i = 0; i < 3; ++i) {
        char two[3] = {text[2 * i], text[2 * i + 1], '\0'};
        ValueStatus status;
        r = ParseInteger(two, 2, part[i], status);
        if (r != 0 || status != VS_Valid || two[0] == '-') {
          v.status = VS_Error;
          return kN183Malformed;
        }
      }
      DateToDays(part[0], part[1], part[2] + (part[2] >= 70 ? 1900 : 2000), v);
      if (v.status == VS_Valid) v.status = validity;
      return 0;
    }
    case DT0183_GNSSStatus:
    case DT0183_GNSSPosModeIndicator:
      MakeValue(v, CodeOfLetters(field.fieldType == DT0183_GNSSStatus ? kStatusLetters : kGnssMethodLetters, text), 0);
      v.status = validity;
      WriteTalkerCode(ctx, RD_GNSSSystemType, kSystemTypeTalkers, slot);
      return 0;
    case DT0183_GNSSOpMode:
      MakeValue(v, CodeOfLetters(kFixTypeLetters, text), 0);
      v.status = validity;
      return 0;
    case DT0183_GNSSSetMode:
      if (text[0] == 'A') {
        MakeValue(v, 3, 0);
        v.status = validity;
      } else if (text[0] == 'M' && next) {
        MakeValue(v, CodeOfLetters(kFixTypeLetters, next), 0);
        v.status = validity;
      }
      return 0;
    case DT0183_Enc_ITURM1371:
      return kAisFragmentConsumed;
    case DT0183_AISChannel: {
      int64_t channel = text[0] == 'A' ? 0 : text[0] == 'B' ? 1 : 4;
      const bool vdo = Formatter(s) && std::memcmp(Formatter(s), "VDO", 3) == 0;
      if (vdo && channel < 2) channel += 2;
      MakeValue(v, channel, 0);
      v.status = validity;
      return 0;
    }
  }
  return kN183Malformed;
}

int32_t ConvertSentenceToRepository(N183ReceiveContext& ctx, const char* text, uint32_t length, uint32_t time) {
  Split(ctx.sentence, text, length, time);
  ctx.matched = ctx.database ? MatchEntry(ctx) : nullptr;
  if (!ctx.matched) return 0;
  BeginUpdate(ctx.repository);
  const int32_t result = ConvertSentence(ctx, ctx.matched);
  if (ctx.ais.complete) {
    if (ctx.ais.type == DT0183_Enc_ITURM1371) DecodeAisPayload(ctx, ctx.ais);
    ctx.ais = AisAccumulator{};
  }
  EndUpdate(ctx.repository);
  return result;
}
