// The library's uniform random generator (a Mersenne twister). The
// appearance parser draws random start frames from it.
//
// Main thread only.
#pragma once

#include <cstdint>

namespace appearance {

// A value drawn uniformly from [low, high]. REQUIRES: low <= high.
uint32_t UniformRandom(uint32_t low, uint32_t high);

// Restarts the generator from `seed`, so a sequence can be repeated (tests,
// tools). Until the first call the generator is seeded from the system.
void SeedUniformRandom(uint32_t seed);

}  // namespace appearance
