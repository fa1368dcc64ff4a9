// The simulated host's address space: its image (0x400000 upwards) and its
// heap, mapped at those very addresses so that core code reads host memory
// exactly as it does in the real process. Handler tokens live in a range
// that is never mapped, so a jump to one can only be followed by the
// simulator.
#pragma once

#include <cstdint>
#include <string>

namespace sim {

inline constexpr uint32_t kImageBase = 0x400000;
inline constexpr uint32_t kImageEnd = 0x800000;
inline constexpr uint32_t kHeapBase = 0x20000000;
inline constexpr uint32_t kHeapSize = 0x04000000;  // 64 MiB
inline constexpr uint32_t kTokenBase = 0x7E000000;
inline constexpr uint32_t kTokenStride = 0x10;

class AddressSpace {
 public:
  // Maps both regions (once per process) and clears them.
  static void Reset();

  // Zeroed memory from the host heap; never freed (the simulated host lives
  // for one scenario).
  static uint32_t Allocate(uint32_t size, uint32_t alignment = 8);
  // A zero-terminated copy of `text` in host memory.
  static uint32_t String(const std::string& text);
  // The bytes of the host heap not handed out yet (running out ends the
  // process: a long-lived host must be made anew before it does).
  static uint32_t HeapLeft();

  static bool Contains(uint32_t address, uint32_t size);
};

inline uint32_t TokenFor(uint16_t handler) { return kTokenBase + handler * kTokenStride; }
inline bool IsToken(uint32_t value) {
  return value >= kTokenBase && value < kTokenBase + 0x10000 * kTokenStride &&
         (value - kTokenBase) % kTokenStride == 0;
}
inline uint16_t HandlerOfToken(uint32_t token) {
  return static_cast<uint16_t>((token - kTokenBase) / kTokenStride);
}

}  // namespace sim
