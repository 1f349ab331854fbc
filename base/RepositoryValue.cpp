#include "base/RepositoryValue.h"

#include <array>
#include <cstdlib>

namespace {

constexpr std::array<int64_t, 17> kPowersOfTen = [] {
  std::array<int64_t, 17> p{};
  int64_t x = 1;
  for (auto& e : p) {
    e = x;
    x *= 10;
  }
  return p;
}();

constexpr const char* kStatusWords[] = {
    "Valid",
    "Derived",
    "Used",
    "Error - VNS_UseAsValidTestValue",
    "Invalid",
    "Not Available",
    "Time Out",
    "Out of range",
    "Error",
    "Sign Error",
    "Overflow Error",
    "RESERVED",
    "N183 Units Incorrect",
    "N183 Units Missing",
    "Error - VNS_UseAsValidDisplayValue",
    "No Data Yet",
    "Access to the status flag was invalid",
};
static_assert(std::size(kStatusWords) == VS_InvalidStatusAccess + 1);

// The integer x 10^exponent brought to the target exponent, as Rescale would.
// More than 16 decades apart it counts as 0: towards a coarser exponent such
// an amount rounds to nothing, and towards a finer one no 64-bit value holds
// it. Adding the integer unscaled would be wrong by as many decades.
int64_t Scaled(int64_t integer, int exponent, int target) {
  RepositoryValue tmp;
  tmp.value = integer;
  tmp.exponent = static_cast<int8_t>(exponent);
  if (Rescale(tmp, target) != 0) return 0;
  return tmp.value;
}

// Sums and products wrap at the edge of the range instead of being undefined,
// as Rescale does.
int64_t WrappingAdd(int64_t a, int64_t b) {
  return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(b));
}

int64_t WrappingMultiply(int64_t a, int64_t b) {
  return static_cast<int64_t>(static_cast<uint64_t>(a) * static_cast<uint64_t>(b));
}

}  // namespace

bool IsValid(const RepositoryValue& v) { return v.status < VS_Used; }

bool CarriesNumber(const RepositoryValue& v) { return v.status <= VS_Used; }

int32_t Rescale(RepositoryValue& v, int exponent) {
  if (v.status >= VS_UseAsValidTestValue || exponent == v.exponent) return 0;
  const int d = std::abs(exponent - v.exponent);
  if (d > 16) return kRescaleOutOfRange;
  const int64_t p = kPowersOfTen[d];
  if (exponent < v.exponent) {
    v.value = static_cast<int64_t>(static_cast<uint64_t>(v.value) * static_cast<uint64_t>(p));
  } else {
    const int64_t h = p / 2;
    // Wrapping arithmetic keeps a value at the edge of the range defined;
    // the scaled numbers the library produces never come near it.
    const uint64_t u = static_cast<uint64_t>(v.value);
    const int64_t biased = static_cast<int64_t>(v.value <= 0 ? u - static_cast<uint64_t>(h)
                                                              : u + static_cast<uint64_t>(h));
    v.value = biased / p;
  }
  v.exponent = static_cast<int8_t>(exponent);
  return 0;
}

void MakeValue(RepositoryValue& v, int64_t integer, int exponent) {
  v.value = integer;
  v.exponent = 0;
  v.status = VS_Valid;
  v.resolutionFactor = 1;
  Rescale(v, exponent);
}

void AddScaled(RepositoryValue& v, int64_t integer, int exponent) {
  if (integer == 0) return;
  v.value = WrappingAdd(v.value, Scaled(integer, exponent, v.exponent));
}

void SubtractScaled(RepositoryValue& v, int64_t integer, int exponent) {
  if (integer == 0) return;
  v.value = WrappingAdd(v.value, WrappingMultiply(Scaled(integer, exponent, v.exponent), -1));
}

void Add(RepositoryValue& v, const RepositoryValue& other) {
  if (other.value == 0) return;
  v.value = WrappingAdd(v.value, Scaled(other.value, other.exponent, v.exponent));
}

void Subtract(RepositoryValue& v, const RepositoryValue& other) {
  if (other.value == 0) return;
  v.value = WrappingAdd(v.value, WrappingMultiply(Scaled(other.value, other.exponent, v.exponent), -1));
}

void Multiply(RepositoryValue& v, int64_t factor) {
  if (factor != 1) v.value = WrappingMultiply(v.value, factor);
}

void MultiplyDivide(RepositoryValue& v, int64_t factor, int64_t divisor) {
  if (factor != 1) v.value = WrappingMultiply(v.value, factor);
  if (divisor >= 2) v.value = WrappingAdd(v.value, divisor / 2) / divisor;
}

const char* StatusName(uint32_t status) {
  if (status < std::size(kStatusWords)) return kStatusWords[status];
  return "Unknown field status!!";
}
