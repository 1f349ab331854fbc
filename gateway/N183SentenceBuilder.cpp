#include "gateway/N183SentenceBuilder.h"

#include <cstring>
#include <optional>

#include "gateway/DatatypeFormat.h"
#include "decode/GatewayHooks.h"
#include "gateway/N183FieldParse.h"
#include "gateway/N183LetterTables.h"
#include "gateway/N183SentencePlan.h"
#include "gateway/Repository.h"
#include "gateway/UnitConversion.h"
#include "library/DBImageView.h"
#include "library/N183Lookup.h"

namespace {

constexpr uint8_t kNone = 0xFF;
constexpr uint8_t kGroupHeaderFlag = 0x01;
constexpr int32_t kFieldFailed = 101;
constexpr uint32_t kMaxNumberDigits = 10;
constexpr int kExponentOfDegreesWritten = -16;

using Builder = N183SentenceBuilder;

int32_t OpenField(Builder& b, uint32_t n) {
  if (n >= kSentenceMaxFields) return kFieldNumberTooHigh;
  if (b.fieldWritten[n]) return kFieldWrittenTwice;
  b.fieldWritten[n] = true;
  b.fieldStart[n] = static_cast<uint8_t>(b.textLength);
  b.fieldLength[n] = 0;
  b.field = static_cast<int32_t>(n);
  if (n + 1 > b.fieldCount) b.fieldCount = n + 1;
  return 0;
}

// Appends to the open field as much as fits; false when that was not all.
bool Put(Builder& b, const char* s, size_t length) {
  const size_t room = kSentenceTextCapacity - b.textLength;
  const size_t taken = length < room ? length : room;
  std::memcpy(b.text + b.textLength, s, taken);
  b.textLength += static_cast<uint32_t>(taken);
  b.fieldLength[b.field] = static_cast<uint8_t>(b.fieldLength[b.field] + taken);
  return taken == length;
}

bool Put(Builder& b, const char* s) { return Put(b, s, std::strlen(s)); }

int32_t PutText(Builder& b, uint32_t n, const char* s) {
  const int32_t r = OpenField(b, n);
  if (r != 0) return r;
  return Put(b, s) ? 0 : kSentenceTextFull;
}

int32_t PutChar(Builder& b, uint32_t n, char c) {
  const int32_t r = OpenField(b, n);
  if (r != 0) return r;
  // A NUL ends the text it would be in: it writes nothing.
  return Put(b, &c, c != '\0' ? 1 : 0) ? 0 : kSentenceTextFull;
}

// The rest of an open number field: its whole digits, and the point and
// the fraction when there is one.
int32_t PutRest(Builder& b, const char* whole, const char* fraction) {
  if (!Put(b, whole)) return kSentenceTextFull;
  if (fraction != nullptr && (!Put(b, ".") || !Put(b, fraction))) return kSentenceTextFull;
  return 0;
}

// Digits of a non-negative number, at least minDigits of them; false when it
// needs more than maxDigits.
bool Digits(uint64_t n, uint32_t minDigits, uint32_t maxDigits, char* out) {
  char reversed[24];
  uint32_t count = 0;
  do {
    reversed[count++] = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n > 0 && count < 21);
  while (count < minDigits && count < 21) reversed[count++] = '0';
  if (count > maxDigits || n > 0) return false;
  for (uint32_t i = 0; i < count; ++i) out[i] = reversed[count - 1 - i];
  out[count] = '\0';
  return true;
}

uint64_t Magnitude(int64_t v) { return v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v); }

uint64_t Power10(int d) {
  uint64_t p = 1;
  while (d-- > 0) p *= 10;
  return p;
}

// The value at exponent -decimals (0 for negative decimals) as text: a sign,
// the integer part and exactly `decimals` digits after a point, or for
// negative decimals exactly -decimals digits. More than 10 digits do not fit
// a field: the number is refused rather than cut.
int32_t PutNumber(Builder& b, uint32_t n, RepositoryValue v, int decimals, bool magnitudeOnly) {
  const int d = decimals > 0 ? decimals : 0;
  if (Rescale(v, -d) != 0) return kSentenceTextFull;
  const uint64_t m = Magnitude(v.value);
  char whole[24];
  char fraction[24];
  const uint64_t p = Power10(d);
  const uint32_t minDigits = decimals < 0 ? static_cast<uint32_t>(-decimals) : 1;
  const uint32_t maxWhole = decimals < 0 ? static_cast<uint32_t>(-decimals) : kMaxNumberDigits;
  if (!Digits(m / p, minDigits, maxWhole, whole)) return kSentenceTextFull;
  if (!Digits(m % p, static_cast<uint32_t>(d), static_cast<uint32_t>(d), fraction) && d > 0) return kSentenceTextFull;
  // Sign, digits, point and fraction go in as one piece: most fields of
  // most sentences are numbers.
  char text[64];
  size_t length = 0;
  if (!magnitudeOnly && v.value < 0) text[length++] = '-';
  const size_t wholeStart = length;
  for (const char* c = whole; *c; ++c) text[length++] = *c;
  if (length - wholeStart + static_cast<size_t>(d) > kMaxNumberDigits) return kSentenceTextFull;
  if (d > 0) {
    text[length++] = '.';
    for (const char* c = fraction; *c; ++c) text[length++] = *c;
  }
  const int32_t r = OpenField(b, n);
  if (r != 0) return r;
  return Put(b, text, length) ? 0 : kSentenceTextFull;
}

// ddmm.mmm / dddmm.mmm from degrees, minutes rounded at the field's
// decimals with their carry into the degrees.
int32_t PutLatLong(Builder& b, uint32_t n, RepositoryValue v, int decimals, uint32_t degreeDigits, char positive,
                   char negative) {
  if (v.exponent < kExponentOfDegreesWritten) Rescale(v, kExponentOfDegreesWritten);
  const int d = decimals > 0 ? decimals : 0;
  const int e = v.exponent < 0 ? -v.exponent : 0;
  uint64_t m = Magnitude(v.value);
  if (v.exponent > 0) m *= Power10(v.exponent);
  const uint64_t unit = Power10(e);
  uint64_t degrees = m / unit;
  const uint64_t fraction = m % unit;
  // Minutes x 10^d, rounded half up; 60 minutes carry into the degrees.
  uint64_t minutes = e >= d ? (fraction * 60 + Power10(e - d) / 2) / Power10(e - d) : fraction * 60 * Power10(d - e);
  if (minutes >= 60 * Power10(d)) {
    minutes -= 60 * Power10(d);
    ++degrees;
  }
  char deg[24], whole[24], frac[24];
  if (!Digits(degrees, degreeDigits, degreeDigits, deg) || !Digits(minutes / Power10(d), 2, 2, whole)) {
    return kSentenceTextFull;
  }
  Digits(minutes % Power10(d), static_cast<uint32_t>(d), static_cast<uint32_t>(d) + 1, frac);
  int32_t r = PutText(b, n, deg);
  if (r == 0) r = PutRest(b, whole, d > 0 ? frac : nullptr);
  if (r != 0) return r;
  return PutChar(b, n + 1, v.value < 0 ? negative : positive);
}

// The number as "%0<width>d" writes it, from `out`; returns where it ends.
// Dates and times are most of what a sentence carries besides plain numbers.
char* PutPadded(char* out, int64_t v, uint32_t width) {
  uint32_t digitsWidth = width;
  if (v < 0) {
    *out++ = '-';
    digitsWidth = width > 0 ? width - 1 : 0;
  }
  char digits[24];
  Digits(Magnitude(v), digitsWidth, 24, digits);
  for (const char* d = digits; *d; ++d) *out++ = *d;
  *out = '\0';
  return out;
}

int32_t PutTime(Builder& b, uint32_t n, RepositoryValue v, int decimals) {
  const int d = decimals > 0 ? decimals : 0;
  if (Rescale(v, -d) != 0 || v.value < 0) return kSentenceTextFull;
  const uint64_t p = Power10(d);
  const uint64_t total = static_cast<uint64_t>(v.value);
  const uint64_t seconds = total / p;
  char text[64];
  char* end = PutPadded(text, static_cast<int64_t>(seconds / 3600 % 24), 2);
  end = PutPadded(end, static_cast<int64_t>(seconds / 60 % 60), 2);
  end = PutPadded(end, static_cast<int64_t>(seconds % 60), 2);
  if (d > 0 && total % p != 0) {
    char frac[24];
    Digits(total % p, static_cast<uint32_t>(d), static_cast<uint32_t>(d), frac);
    size_t len = std::strlen(frac);
    while (len > 0 && frac[len - 1] == '0') frac[--len] = '\0';
    *end++ = '.';
    std::memcpy(end, frac, len + 1);
  }
  return PutText(b, n, text);
}

int32_t PutDate(Builder& b, uint32_t n, const RepositoryValue& v, bool oneField) {
  int day = 0, month = 0, year = 0;
  if (!DaysToDate(v.value, day, month, year)) return kSentenceTextFull;
  char text[32];
  if (oneField) {
    PutPadded(PutPadded(PutPadded(text, day, 2), month, 2), year % 100, 2);
    return PutText(b, n, text);
  }
  PutPadded(text, day, 2);
  int32_t r = PutText(b, n, text);
  PutPadded(text, month, 2);
  if (r == 0) r = PutText(b, n + 1, text);
  PutPadded(text, year, 4);
  if (r == 0) r = PutText(b, n + 2, text);
  return r;
}

int32_t PutTimeOffset(Builder& b, uint32_t n, const RepositoryValue& v) {
  const uint64_t m = Magnitude(v.value);
  if (m / 60 > 99) return kSentenceTextFull;
  char text[16];
  char* start = text;
  if (v.value >= 0) *start++ = '-';
  PutPadded(start, static_cast<int64_t>(m / 60), 2);
  const int32_t r = PutText(b, n, text);
  if (r != 0) return r;
  PutPadded(text, static_cast<int64_t>(m % 60), 2);
  return PutText(b, n + 1, text);
}

int32_t WriteByType(Builder& b, const N183FieldEntry& f, uint32_t n, RepositoryValue v) {
  switch (f.fieldType) {
    case DT0183_Status:
      return PutChar(b, n, v.value == 1 ? 'A' : 'V');
    case DT0183_Latitude:
      return PutLatLong(b, n, v, f.decimalPlaces, 2, 'N', 'S');
    case DT0183_Longitude:
      return PutLatLong(b, n, v, f.decimalPlaces, 3, 'E', 'W');
    case DT0183_Time:
    case DT0183_TimeAndTalkerID:
      return PutTime(b, n, v, f.decimalPlaces);
    case DT0183_VariableNumber:
      return PutNumber(b, n, v, f.decimalPlaces, false);
    case DT0183_HeadingCorrection:
    case DT0183_XTE: {
      const int32_t r = PutNumber(b, n, v, f.decimalPlaces, true);
      if (r != 0) return r;
      const bool negative = v.value < 0;
      if (f.fieldType == DT0183_HeadingCorrection) return PutChar(b, n + 1, negative ? 'W' : 'E');
      return PutChar(b, n + 1, negative ? 'R' : 'L');
    }
    case DT0183_Date:
      return PutDate(b, n, v, false);
    case DT0183_DateDDMMYY:
      return PutDate(b, n, v, true);
    case DT0183_TimeOffset:
      return PutTimeOffset(b, n, v);
    case DT0183_PosModeIndicator:
      return PutText(b, n, LettersOfCode(kModeIndicatorLetters, v.value));
    case DT0183_WaypointID: {
      if (v.value < 0) return kSentenceTextFull;
      v.exponent = v.exponent < 0 ? v.exponent : 0;
      Rescale(v, 0);
      return PutNumber(b, n, v, 0, false);
    }
    case DT0183_AngleLR: {
      RepositoryValue limit;
      MakeValue(limit, 360, v.exponent);
      if (v.value > limit.value) return kAngleAbove360;
      MakeValue(limit, 180, v.exponent);
      const bool left = v.value > limit.value;
      if (left) {
        v.value = -v.value;
        AddScaled(v, 360, 0);
      }
      const int32_t r = PutNumber(b, n, v, f.decimalPlaces, false);
      if (r != 0) return r;
      return PutChar(b, n + 1, left ? 'L' : 'R');
    }
    case DT0183_GNSSStatus:
      return PutText(b, n, LettersOfCode(kStatusLetters, v.value));
    case DT0183_GNSSPosModeIndicator:
      return PutText(b, n, LettersOfCode(kGnssMethodLetters, v.value));
    case DT0183_GNSSOpMode:
      return PutText(b, n, LettersOfCode(kFixTypeLetters, v.value));
    case DT0183_GNSSSetMode:
      return PutChar(b, n, v.value == 3 ? 'A' : 'M');
  }
  return 0;
}

int32_t WriteField(Builder& b, const N183FieldEntry& f, uint32_t offset, RepositoryValue v) {
  const UT183Conversion* unit = GetUT183Conversion(f.unitType);
  if (f.unitSymbolField != kNone) {
    if (!unit) PutChar(b, f.unitSymbolField + offset, '?');
    else if (unit->unitSymbol != kNone) PutChar(b, f.unitSymbolField + offset, static_cast<char>(unit->unitSymbol));
  }
  if (f.validityField != kNone && (f.validityRule == 2 || f.validityRule == 3)) {
    const char flag = IsValid(v) ? 'A' : 'V';
    PutChar(b, f.validityField, flag);
    if (f.validityRule == 3) PutChar(b, f.validityField + 1u, flag);
  }
  const uint32_t n = f.fieldNumber + offset;
  if (!IsValid(v)) {
    if (f.fieldType == DT0183_PosModeIndicator) PutChar(b, n, 'N');
    return v.status > VS_UseAsValidTestValue ? kFieldFailed : 0;
  }
  const DatatypeFormat& format = FormatOfDatatype(f.repositoryIndex);
  const N183ConversionFactor* conversion = unit ? GetConversionFactor(unit->factorRow) : nullptr;
  if (!format.entry || !conversion) return kFieldFailed;
  ConvertFromBaseUnits(v, *conversion, format.exponent, format.resolutionFactor, f.decimalPlaces);
  if (!IsValid(v)) return kFieldFailed;
  return WriteByType(b, f, n, v);
}

int32_t ReadAndWrite(Builder& b, const N183FieldEntry& f, uint32_t instance, uint32_t offset) {
  RepositoryValue v;
  GetValue(b.repository, f.repositoryIndex, instance, false, v);
  return WriteField(b, f, offset, v);
}

uint32_t SpanOf(uint32_t type) {
  const DT0183Type* t = GetDT0183Type(type);
  return t ? t->fieldSpan : 1u;
}

void ResetText(Builder& b) {
  b.textLength = 0;
  b.field = -1;
  std::memset(b.fieldWritten, 0, sizeof b.fieldWritten);
  std::memset(b.fieldLength, 0, sizeof b.fieldLength);
}

void EndGroup(Builder& b) {
  b.groupTotal = -1;
  b.groupNumber = -1;
  b.instanceBase = 0;
}

int32_t BuildOne(Builder& b, const N183SentencePlan& plan) {
  const N183SentenceEntry& e = plan.sentence;
  const N183FieldEntry* fields = plan.fields.data();
  const uint32_t count = static_cast<uint32_t>(plan.fields.size());
  ResetText(b);
  const bool repeats = e.groupSize > 0 && e.groupFirstField < count;
  const uint32_t repeatStart = repeats ? e.groupFirstField : count;
  const uint32_t repeatEnd = repeats && e.groupFirstField + e.groupSize < count ? e.groupFirstField + e.groupSize : count;
  const uint32_t perSentence = e.groupMaximum > 0 ? e.groupMaximum : 1;
  b.repetitionsWanted = 1;
  if (repeats) {
    b.repetitionsWanted = perSentence;
    if (e.groupRepository != RD_NONE) {
      RepositoryValue c;
      GetValue(b.repository, e.groupRepository, 0, false, c);
      b.repetitionsWanted = IsValid(c) && c.value > 0 ? c.value : 0;
    }
  }
  // Fields written past the last entry's own (unit letters, validity flags,
  // the trailer, later repetitions) extend the count as they are written.
  b.fieldCount = count > 0 ? fields[count - 1].fieldNumber + SpanOf(fields[count - 1].fieldType) : 0;
  if (b.fieldCount > kSentenceMaxFields) b.fieldCount = kSentenceMaxFields;
  if (e.multiPartCode & kGroupHeaderFlag) {
    if (b.groupTotal < 0) {
      // Sentences hold a given number of repetitions each; the total counts them.
      const int64_t total = (b.repetitionsWanted + perSentence - 1) / perSentence;
      b.groupTotal = static_cast<int32_t>(total < 1 ? 1 : total > 9 ? 9 : total);
      b.groupNumber = 1;
      b.instanceBase = 0;
    }
    PutChar(b, 0, static_cast<char>('0' + b.groupTotal));
    PutChar(b, 1, static_cast<char>('0' + b.groupNumber));
  } else {
    EndGroup(b);
  }
  uint32_t good = 0;
  for (uint32_t i = 0; i < repeatStart; ++i) {
    const int32_t r = ReadAndWrite(b, fields[i], 0, 0);
    if (r != 0 && (fields[i].flags & kN183FieldCritical)) return kSentenceMandatoryMissing;
    if (r == 0 && (fields[i].flags & kN183FieldInValidCount)) ++good;
  }
  if (repeats) {
    uint32_t written = 0;
    for (uint32_t i = 0; i < perSentence && b.instanceBase + i < b.repetitionsWanted; ++i) {
      for (uint32_t j = repeatStart; j < repeatEnd; ++j) {
        const int32_t r = ReadAndWrite(b, fields[j], b.instanceBase + i, i * e.groupSize);
        if (r == 0 && (fields[j].flags & kN183FieldInValidCount)) ++good;
      }
      // A repetition keeps all its fields, empty ones included.
      const N183FieldEntry& last = fields[repeatEnd - 1];
      const uint32_t end = last.fieldNumber + i * e.groupSize + SpanOf(last.fieldType);
      if (end > b.fieldCount) b.fieldCount = end < kSentenceMaxFields ? end : kSentenceMaxFields;
      ++written;
    }
    b.instanceBase += written;
    for (uint32_t j = repeatEnd; j < count; ++j) ReadAndWrite(b, fields[j], 0, 0);
  }
  if (good == 0) return kSentenceNoData;
  if (e.modifierField != kNone && static_cast<uint8_t>(e.modifierValue) > 31) PutChar(b, e.modifierField, e.modifierValue);
  if (b.groupTotal >= 0) {
    if (b.groupNumber >= b.groupTotal) EndGroup(b);
    else ++b.groupNumber;
  }
  return 0;
}

void Assemble(Builder& b, const N183SentencePlan& plan) {
  const N183SentenceEntry& e = plan.sentence;
  const char* formatter = plan.formatter;
  N183OutputSentence& s = b.sentence;
  s = N183OutputSentence{};
  s.time = GatewayClock();
  uint32_t n = 0;
  auto put = [&](char c) {
    if (n < kOutputSentenceCapacity) s.text[n++] = c;
  };
  put(e.startDelimiter);
  put(e.talker[0]);
  put(e.talker[1]);
  for (int i = 0; i < 3; ++i) put(formatter[i]);
  for (uint32_t f = 0; f < b.fieldCount; ++f) {
    put(',');
    if (!b.fieldWritten[f]) continue;
    for (uint32_t i = 0; i < b.fieldLength[f]; ++i) put(b.text[b.fieldStart[f] + i]);
  }
  s.text[n] = '\0';
  s.length = n;
}

}  // namespace

int32_t BuildSentence(N183SentenceBuilder& b, const uint8_t* entry, const EmitSentence& emit) {
  if (!entry || !b.database) return kSentenceNoData;
  b.entry = entry;
  const N183SentencePlan* planned = b.plans ? b.plans->Find(entry) : nullptr;
  std::optional<N183SentencePlan> read;
  if (!planned) read = PlanN183TxSentence(*b.database, entry);
  const N183SentencePlan& plan = planned ? *planned : *read;
  int32_t result = 0;
  do {
    result = BuildOne(b, plan);
    if (result != 0) break;
    Assemble(b, plan);
    if (emit) emit(b.sentence);
  } while (b.groupTotal >= 0);
  // A group that failed half-way must not continue into the next build.
  if (result != 0) EndGroup(b);
  return result;
}
