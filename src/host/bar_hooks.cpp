// Percentages on two host status bars and the second bar under the player's
// own creature.
#include <cstdio>

#include "host/creature.h"
#include "host/handlers.h"
#include "host/host_functions.h"

namespace {

// A pair of host values drawn as a bar: current and maximum.
struct BarPair {
  uint32_t maximumAddress;
  uint32_t currentAddress;
};
constexpr BarPair kBarA{0x63FE90, 0x63FE94};
constexpr BarPair kBarB{0x63FE74, 0x63FE78};  // also the player's second bar

// current * scale / maximum, or `scale` when the maximum is 0. 64-bit so a
// large current value cannot overflow the product.
int64_t Scaled(const BarPair& pair, int64_t scale) {
  const int64_t maximum = host::Read<int32_t>(pair.maximumAddress);
  const int64_t current = host::Read<int32_t>(pair.currentAddress);
  if (maximum == 0) return scale;
  return current * scale / maximum;
}

int32_t DrawBarWithPercent(const BarPair& pair, int32_t surface, int32_t x, int32_t y,
                           int32_t width, int32_t height, int32_t element, int32_t zero1,
                           int32_t zero2) {
  HostFillRect(surface, x, y, width, height, element, zero1, zero2);
  char text[32];
  std::snprintf(text, sizeof(text), "%lld%%", static_cast<long long>(Scaled(pair, 100)));
  HostDrawText(surface, x + 45, y, 2, 180, 180, 180, text, 1);
  return 0;
}

}  // namespace

int32_t DrawBarWithPercentA(int32_t surface, int32_t x, int32_t y, int32_t width, int32_t height,
                            int32_t element, int32_t zero1, int32_t zero2) {
  return DrawBarWithPercent(kBarA, surface, x, y, width, height, element, zero1, zero2);
}

int32_t DrawBarWithPercentB(int32_t surface, int32_t x, int32_t y, int32_t width, int32_t height,
                            int32_t element, int32_t zero1, int32_t zero2) {
  return DrawBarWithPercent(kBarB, surface, x, y, width, height, element, zero1, zero2);
}

void DrawOwnSecondBar(int32_t surface, int32_t x, int32_t y, int32_t width, int32_t height,
                      int32_t r, int32_t g, int32_t b, uint32_t creature) {
  const uint32_t renderer = HostRenderer();
  // The bar the host was drawing: always on surface 1, two pixels high.
  HostRendererFill(renderer, 1, x, y, width, 2, r, g, b);
  if (creature == 0) return;
  const uint32_t id = host::creature::Id(creature);
  if (id == HostPlayerId()) {
    HostRendererFill(renderer, 1, x - 1, y + 4, 27, 4, 0, 0, 0);
    const int64_t barWidth = Scaled(kBarB, 25);
    HostRendererFill(renderer, 1, x, y + 5, static_cast<int32_t>(barWidth), 2, 0, 70, 166);
  } else if ((id & 0x80000000u) != 0) {
    HostDrawSkin(1, x + 15, y + 8, 4, 111, 360, 18, 18);
  }
}
