#include "gateway/UnitConversion.h"

#include <limits>

#include "library/N183Lookup.h"

namespace {

// The finest exponent a received value is converted at: enough for every
// factor of the library without passing 64 bits for any field it reads.
constexpr int kFinestConversionExponent = -8;

// value x multiplier / divisor, flagged instead of wrapped when the product
// passes 64 bits.
void Scale(RepositoryValue& v, int64_t multiplier, int64_t divisor) {
  if (multiplier != 0 && multiplier != 1 && multiplier != -1) {
    const int64_t limit = std::numeric_limits<int64_t>::max() / (multiplier < 0 ? -multiplier : multiplier);
    if (v.value > limit || v.value < -limit) {
      v.status = VS_OverflowError;
      return;
    }
  }
  if (divisor < 0) {
    multiplier = -multiplier;
    divisor = -divisor;
  }
  MultiplyDivide(v, multiplier, divisor);
}

}  // namespace

const N183ConversionFactor* FindUnitConversion(uint32_t unitRow, char letter, bool anyLetter) {
  const UT183Conversion* row = GetUT183Conversion(unitRow);
  if (!row) return nullptr;
  if (anyLetter) return GetConversionFactor(row->factorRow);
  const uint32_t length = row->chainLength;
  for (uint32_t i = 0; row && i < length; ++i) {
    if (row->unitSymbol == static_cast<uint8_t>(letter)) return GetConversionFactor(row->factorRow);
    row = row->nextUnit != 0 ? GetUT183Conversion(row->nextUnit) : nullptr;
  }
  return nullptr;
}

void ConvertToBaseUnits(RepositoryValue& v, const N183ConversionFactor& c, int exponent, int factor) {
  if (!IsValid(v)) return;
  if (v.exponent < exponent) {
    Scale(v, c.numerator, c.denominator);
    AddScaled(v, c.offset, c.offsetExponent);
    Rescale(v, exponent);
  } else {
    Rescale(v, exponent < kFinestConversionExponent ? kFinestConversionExponent : exponent);
    Scale(v, c.numerator, c.denominator);
    AddScaled(v, c.offset, c.offsetExponent);
    if (exponent < kFinestConversionExponent) Rescale(v, exponent);
  }
  if (!IsValid(v)) return;
  v.resolutionFactor = static_cast<int8_t>(factor);
  if (factor > 1) v.value /= factor;
  else if (factor < -1) Scale(v, -factor, 1);
}

void ConvertFromBaseUnits(RepositoryValue& v, const N183ConversionFactor& c, int exponent, int factor, int decimals) {
  if (!IsValid(v)) return;
  if (decimals < 0) decimals = 0;
  if (v.exponent < exponent) {
    Scale(v, c.denominator, c.numerator);
    SubtractScaled(v, c.offset, c.offsetExponent);
    Rescale(v, exponent);
  } else {
    Rescale(v, -decimals < exponent ? -decimals : exponent);
    Scale(v, c.denominator, c.numerator);
    SubtractScaled(v, c.offset, c.offsetExponent);
  }
  if (!IsValid(v)) return;
  if (factor > 1) Scale(v, factor, 1);
  else if (factor < -1) v.value /= -factor;
  v.resolutionFactor = 1;
}
