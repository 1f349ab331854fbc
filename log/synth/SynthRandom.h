// The random source of the synthetic log. The standard's distributions may
// differ between library versions, so only the engine (whose output the
// standard fixes) is used and every distribution is our own: the same seed
// gives the same log everywhere.
#pragma once

#include <cstdint>
#include <random>

class SynthRandom {
 public:
  explicit SynthRandom(uint32_t seed) : engine_(seed) {}

  uint32_t Next() { return static_cast<uint32_t>(engine_()); }
  // [0, 1) with 53 random bits.
  double Uniform();
  double Uniform(double low, double high) { return low + (high - low) * Uniform(); }
  // [0, n) for n > 0.
  uint32_t Below(uint32_t n) { return static_cast<uint32_t>((static_cast<uint64_t>(Next()) * n) >> 32); }
  bool Chance(double probability) { return Uniform() < probability; }
  // Mean 0, standard deviation 1 (Irwin-Hall sum of twelve uniforms).
  double Gaussian();

 private:
  std::mt19937 engine_;
};
