// A small seeded random source whose sequence is the same on every platform and standard library, so a seed
// always gives the same race.
#pragma once

#include <cmath>
#include <cstdint>

namespace simulate {

class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed ^ 0x9E3779B97F4A7C15ull) {}

  // splitmix64: tiny, fast and well mixed; the standard distributions differ between libraries.
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  double Uniform(double low, double high) { return low + (high - low) * Uniform(); }
  int Below(int n) { return static_cast<int>(Uniform() * n); }
  bool Chance(double p) { return Uniform() < p; }
  // Standard normal by Box-Muller.
  double Gauss() {
    const double u1 = 1.0 - Uniform();
    const double u2 = Uniform();
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
  }
  double Gauss(double mean, double sigma) { return mean + sigma * Gauss(); }
  // An independent stream for one part of the race (one boat, the wind), so adding a boat leaves the wind as it was.
  Random Fork(std::uint64_t salt) const { return Random(state_ ^ ((salt + 1) * 0xD1B54A32D192ED03ull)); }

 private:
  std::uint64_t state_;
};

}  // namespace simulate
