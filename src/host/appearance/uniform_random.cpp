#include "host/appearance/uniform_random.h"

#include <chrono>
#include <random>

namespace appearance {
namespace {

uint32_t SystemSeed() {
  // random_device may be unavailable (it then throws); the time will do.
  try {
    return std::random_device{}();
  } catch (...) {
    return static_cast<uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
  }
}

std::mt19937& Engine() {
  static std::mt19937 engine(SystemSeed());
  return engine;
}

}  // namespace

uint32_t UniformRandom(uint32_t low, uint32_t high) {
  return std::uniform_int_distribution<uint32_t>(low, high)(Engine());
}

void SeedUniformRandom(uint32_t seed) { Engine().seed(seed); }

}  // namespace appearance
