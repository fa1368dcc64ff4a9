#include "sim/render/object_tiles.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "sim/render/shapes.h"
#include "sim/render/tiny_digits.h"

namespace sim {
namespace {

constexpr Rgba kLabel{245, 245, 240, 255};

}  // namespace

void DrawObjectTile(Framebuffer& fb, int64_t x, int64_t y, int64_t size, int64_t objectId) {
  const Rect r{x, y, size, size};
  if (r.Empty()) return;
  const Rgba color = ColorForNumber(objectId);
  // A bevelled block in the object's colour, lighter towards the top left.
  const int64_t span = std::max<int64_t>(size * 2 - 2, 1);
  fb.Paint(r, [&](int64_t u, int64_t v) {
    return std::optional<Rgba>(Shade(color, static_cast<int>(125 - (u + v) * 50 / span)));
  });
  fb.Outline(r, Shade(color, 40));
  DrawTinyDigitsCentred(fb, r, std::to_string(objectId), kLabel, 2);
}

void DrawCreatureTile(Framebuffer& fb, const Rect& r, int64_t lookType, Rgba tint) {
  if (r.Empty()) return;
  const Rgba back = Shade(ColorForNumber(lookType), 60);
  const int64_t w = r.w, h = r.h;
  fb.Paint(r, [&](int64_t u, int64_t v) -> std::optional<Rgba> {
    // A head and a body, scaled to the tile.
    const double dx = u + 0.5 - w / 2.0, dy = v + 0.5 - h / 4.0;
    const double radius = std::min(w, h) / 6.0;
    const bool head = dx * dx + dy * dy <= radius * radius;
    const bool body = v > h * 4 / 10 && v < h * 9 / 10 && std::abs(dx) <= w * 0.3;
    return head || body ? Mix(back, tint, 150) : back;
  });
  fb.Outline(r, Shade(back, 50));
  const int64_t labelH = std::min<int64_t>(r.h, 9);
  DrawTinyDigitsCentred(fb, {r.x, r.y + r.h - labelH, r.w, labelH}, std::to_string(lookType),
                        kLabel, 1);
}

void DrawOutfitTile(Framebuffer& fb, const Rect& r, int64_t sprite, const OutfitColors& colors) {
  if (r.Empty()) return;
  const auto unpacked = [](int64_t packed) {
    return Rgba{static_cast<uint8_t>(packed >> 16), static_cast<uint8_t>(packed >> 8),
                static_cast<uint8_t>(packed), 255};
  };
  const int shade = 70 + static_cast<int>(static_cast<uint64_t>(sprite) * 37 % 50);
  const Rgba head = Shade(unpacked(colors.head), shade);
  const Rgba body = Shade(unpacked(colors.body), shade);
  const Rgba legs = Shade(unpacked(colors.legs), shade);
  const Rgba feet = Shade(unpacked(colors.feet), shade);
  const int64_t w = r.w, h = r.h;
  fb.Paint(r, [&](int64_t u, int64_t v) -> std::optional<Rgba> {
    const double dx = u + 0.5 - w / 2.0, dy = v + 0.5 - h / 5.0;
    const double radius = std::min(w, h) / 6.0;
    if (dx * dx + dy * dy <= radius * radius) return head;
    if (v < h * 2 / 5 || v >= h * 19 / 20) return std::nullopt;
    if (v < h * 7 / 10) return std::abs(dx) <= w * 0.3 ? std::optional(body) : std::nullopt;
    if (std::abs(dx) > w * 0.25 || std::abs(dx) < w * 0.04) return std::nullopt;
    return v < h * 17 / 20 ? legs : feet;
  });
}

void DrawSpriteMark(Framebuffer& fb, int index, int64_t routine) {
  char hex[16];
  std::snprintf(hex, sizeof(hex), "%X", static_cast<unsigned>(routine & 0xFFF));
  const Rect r{4 + static_cast<int64_t>(index % 64) * 18, 4 + static_cast<int64_t>(index / 64) * 12,
               16, 9};
  fb.Fill(r, {30, 30, 60, 200});
  DrawTinyDigitsCentred(fb, r, hex, {190, 200, 255, 255}, 1);
}

}  // namespace sim
