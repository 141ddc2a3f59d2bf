// UniformRandom: a reseedable generator of uniformly distributed integers.
#pragma once

#include <cstdint>
#include <random>

namespace runtime {

// The same seed gives the same sequence.
class UniformRandom {
 public:
  explicit UniformRandom(uint32_t seed) : engine_(seed) {}

  void Reseed(uint32_t seed) { engine_.seed(seed); }

  // An integer from low to high, both included (low <= high).
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

 private:
  std::mt19937 engine_;
};

}  // namespace runtime
