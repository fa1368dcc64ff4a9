// SpriteHookA, SpriteHookB, SpriteHookC.
//
// The three hooks sit on calls of the host's sprite drawing whose arguments
// are the host's own business. The library's behaviour is deliberately
// conservative: each hook makes sure the shared drawing state (a 256 x 256
// table of (a * b + 128) >> 8 blend products and the cache of the host
// renderer) is built, exactly once and under a lock since drawing may start
// before the first frame tick, and then the host's drawing continues in the
// original target of the patched call (the DLL thunk preserves every
// register and argument and jumps there). The host's sprites are therefore
// drawn exactly as before; the blend table is ready for library drawing.
#include <array>
#include <mutex>

#include "host/handlers.h"
#include "host/host_functions.h"
#include "host/sprite_cache.h"

namespace host {
namespace {

struct SpriteCache {
  std::array<uint8_t, 256 * 256> blend{};
  uint32_t renderer = 0;
  bool built = false;
};

std::mutex cacheLock;
SpriteCache cache;

void EnsureBuilt() {
  std::lock_guard guard(cacheLock);
  if (cache.built) return;
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) cache.blend[a * 256 + b] = static_cast<uint8_t>((a * b + 128) >> 8);
  }
  cache.renderer = HostRenderer();
  cache.built = true;
}

}  // namespace

uint8_t BlendProduct(uint8_t a, uint8_t b) {
  EnsureBuilt();
  return cache.blend[a * 256 + b];
}

uint32_t CachedRenderer() {
  EnsureBuilt();
  return cache.renderer;
}

}  // namespace host

void SpriteHookA() { host::EnsureBuilt(); }
void SpriteHookB() { host::EnsureBuilt(); }
void SpriteHookC() { host::EnsureBuilt(); }
