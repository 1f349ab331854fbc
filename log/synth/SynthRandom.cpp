#include "log/synth/SynthRandom.h"

double SynthRandom::Uniform() {
  const uint64_t high = Next() >> 5;
  const uint64_t low = Next() >> 6;
  return static_cast<double>((high << 26) | low) / 9007199254740992.0;
}

double SynthRandom::Gaussian() {
  double sum = 0;
  for (int i = 0; i < 12; ++i) sum += Uniform();
  return sum - 6.0;
}
