// Tier badges on items drawn by the host.
#include "host/handlers.h"
#include "host/host_functions.h"
#include "host/tier_badge.h"

int32_t DrawObjectWithTier(int32_t surface, int32_t x, int32_t y, int32_t size, int32_t objectId,
                           int32_t data, int32_t d0, int32_t d1, int32_t d2, int32_t d3,
                           int32_t d4, int32_t d5, int32_t d6, int32_t d7, int32_t d8, int32_t d9,
                           int32_t d10, int32_t d11, int32_t d12, int32_t d13) {
  if (objectId <= 0) return 0;
  const host::ObjectDrawArgs args{surface, x, y, size, objectId, data,
                                  {d0, d1, d2, d3, d4, d5, d6, d7, d8, d9, d10, d11, d12, d13}};
  HostDrawObject(args);
  // Items of tier 1 to 10 carry data 101 to 110.
  if (data >= 101 && data <= 110) host::DrawTierBadge(surface, x, y, data - 100);
  return 0;
}
