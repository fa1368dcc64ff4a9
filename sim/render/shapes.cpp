#include "sim/render/shapes.h"

#include <string>

#include "sim/render/tiny_digits.h"

namespace sim {

void DrawBevelBox(Framebuffer& fb, const Rect& r, Rgba face, bool raised) {
  if (r.Empty()) return;
  const int64_t h = r.h;
  fb.Paint(r, [&](int64_t, int64_t v) {
    // Lighter towards the top when raised, towards the bottom when sunken.
    const int64_t pos = h > 1 ? v * 20 / (h - 1) : 10;
    const int percent = static_cast<int>(raised ? 110 - pos : 90 + pos);
    return std::optional<Rgba>(Shade(face, percent));
  });
  if (r.w < 3 || r.h < 3) return;
  const Rgba light = Mix(face, {235, 235, 225, 255}, 110);
  const Rgba dark = Mix(face, {0, 0, 0, 255}, 150);
  fb.Outline(r, {14, 14, 14, 255});
  const Rect in{r.x + 1, r.y + 1, r.w - 2, r.h - 2};
  const Rgba topLeft = raised ? light : dark;
  const Rgba bottomRight = raised ? dark : light;
  fb.Fill({in.x, in.y, in.w, 1}, topLeft);
  fb.Fill({in.x, in.y + 1, 1, in.h - 1}, topLeft);
  fb.Fill({in.x + 1, in.y + in.h - 1, in.w - 1, 1}, bottomRight);
  fb.Fill({in.x + in.w - 1, in.y + 1, 1, in.h - 2}, bottomRight);
}

uint32_t NoiseAt(int64_t u, int64_t v, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(u) * 0x9E3779B1u ^ static_cast<uint32_t>(v) * 0x85EBCA77u ^
               seed * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  return h;
}

Rgba Jitter(Rgba color, int64_t u, int64_t v, uint32_t seed, int amount) {
  if (amount <= 0) return color;
  const int delta = static_cast<int>(NoiseAt(u, v, seed) % (2 * amount + 1)) - amount;
  auto channel = [delta](int c) { return static_cast<uint8_t>(std::clamp(c + delta, 0, 255)); };
  return {channel(color.r), channel(color.g), channel(color.b), color.a};
}

Rgba ColorForNumber(int64_t number) {
  const uint32_t h = NoiseAt(number, 0, 0x51u);
  return {static_cast<uint8_t>(60 + h % 90), static_cast<uint8_t>(60 + (h >> 8) % 90),
          static_cast<uint8_t>(60 + (h >> 16) % 90), 255};
}

void DrawNumberedBox(Framebuffer& fb, const Rect& r, int64_t number, bool hatched) {
  if (r.Empty()) return;
  const Rgba color = ColorForNumber(number);
  const Rgba stripe = Shade(color, 80);
  fb.Paint(r, [&](int64_t u, int64_t v) {
    const bool onStripe = hatched && (u + v) % 6 < 2;
    return std::optional<Rgba>(onStripe ? stripe : color);
  });
  fb.Outline(r, Shade(color, 45));
  DrawTinyDigitsCentred(fb, r, std::to_string(number), {240, 240, 240, 255}, 2);
}

}  // namespace sim
