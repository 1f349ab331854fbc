// A number as every decoder, converter and display carries it: a scaled
// 64-bit integer with a decimal exponent, a status and a resolution factor.
// Numbers are never carried in floating point, so that what a log holds is
// shown to the last digit.
#pragma once

#include <cstdint>

enum ValueStatus : uint32_t {
  VS_Valid = 0,
  VS_Derived = 1,
  VS_Used = 2,
  VS_UseAsValidTestValue = 3,
  VS_Invalid = 4,
  VS_NotAvailable = 5,
  VS_TimeOut = 6,
  VS_OutOfRange = 7,
  VS_Error = 8,
  VS_SignError = 9,
  VS_OverflowError = 10,
  VS_Reserved = 11,
  VS_N183UnitsIncorrect = 12,
  VS_N183UnitsMissing = 13,
  VS_UseAsValidDisplayValue = 14,
  VS_NoDataYet = 15,
  VS_InvalidStatusAccess = 16,
};

struct RepositoryValue {
  int64_t value = 0;
  int8_t exponent = 0;               // quantity = value x 10^exponent (before the factor)
  ValueStatus status = VS_Valid;
  int8_t resolutionFactor = 1;       // f > 1: a step is f x 10^e; f < -1: 10^e / |f|
};

// Returned by Rescale when the exponents lie more than 16 decades apart.
constexpr int32_t kRescaleOutOfRange = -1598;

// Valid or Derived.
bool IsValid(const RepositoryValue& v);
// Status 0, 1 or 2: only then is the number meaningful.
bool CarriesNumber(const RepositoryValue& v);

// Moves the value to the target exponent, rounding halves away from zero when
// the target is coarser. Leaves values without a number alone.
int32_t Rescale(RepositoryValue& v, int exponent);
void MakeValue(RepositoryValue& v, int64_t integer, int exponent);
void AddScaled(RepositoryValue& v, int64_t integer, int exponent);
void SubtractScaled(RepositoryValue& v, int64_t integer, int exponent);
void Add(RepositoryValue& v, const RepositoryValue& other);
void Subtract(RepositoryValue& v, const RepositoryValue& other);
void Multiply(RepositoryValue& v, int64_t factor);
// value x factor, then divided by the divisor rounding halves up.
void MultiplyDivide(RepositoryValue& v, int64_t factor, int64_t divisor);

const char* StatusName(uint32_t status);
