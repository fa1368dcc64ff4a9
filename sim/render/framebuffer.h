// An RGBA picture of the client area, the canvas of the simulator's software
// renderer. Every drawing operation clips to the picture and to the current
// clip rectangle, so callers may pass any coordinates, negative or far
// outside, and any sizes: nothing is drawn out of bounds.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace sim {

struct Rgba {
  uint8_t r = 0, g = 0, b = 0, a = 255;
  friend bool operator==(const Rgba&, const Rgba&) = default;
};

// A rectangle in 64-bit so that x + w never overflows for 32-bit inputs.
struct Rect {
  int64_t x = 0, y = 0, w = 0, h = 0;
  bool Empty() const { return w <= 0 || h <= 0; }
  Rect Intersect(const Rect& o) const;
};

class Framebuffer {
 public:
  Framebuffer(int width, int height, Rgba clear = {0, 0, 0, 255});

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Row-major RGBA bytes, 4 per pixel, no padding.
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

  // The pixel at (x, y); outside the picture, transparent black.
  Rgba At(int64_t x, int64_t y) const;

  // Limits every later drawing operation to `clip` (within the picture).
  void SetClip(const Rect& clip) { clip_ = Bounds().Intersect(clip); }
  void ResetClip() { clip_ = Bounds(); }
  const Rect& Clip() const { return clip_; }
  Rect Bounds() const { return {0, 0, width_, height_}; }

  // Writes one pixel, blended by the colour's alpha.
  void Plot(int64_t x, int64_t y, Rgba color);
  void Fill(const Rect& r, Rgba color);
  // One-pixel outline just inside the rectangle.
  void Outline(const Rect& r, Rgba color);
  // Copies a width x height block of RGBA pixels (row-major) to (x, y),
  // blending by each pixel's alpha.
  void Blit(int64_t x, int64_t y, int width, int height, const Rgba* pixels);
  // Paints `color` through an 8-bit coverage mask (glyphs): coverage 255 is
  // the colour itself, 0 leaves the pixel. `limit` further restricts the ink.
  void BlendMask(int64_t x, int64_t y, int width, int height, const uint8_t* mask, int pitch,
                 Rgba color, const Rect& limit);

  // Calls shader(u, v) for every visible pixel of `r`, u and v counted from
  // r's top-left corner, and plots what it returns (nothing for nullopt).
  // Only the visible part is visited, so huge rectangles cost nothing extra.
  template <typename Shader>
  void Paint(const Rect& r, Shader&& shader) {
    const Rect v = clip_.Intersect(r);
    for (int64_t py = v.y; py < v.y + v.h; ++py) {
      for (int64_t px = v.x; px < v.x + v.w; ++px) {
        const std::optional<Rgba> c = shader(px - r.x, py - r.y);
        if (c) Plot(px, py, *c);
      }
    }
  }

 private:
  int width_;
  int height_;
  Rect clip_;
  std::vector<uint8_t> bytes_;
};

// Blends `over` onto `under` by `alpha` (0 = under, 255 = over).
Rgba Mix(Rgba under, Rgba over, int alpha);
// The colour with each component scaled by percent / 100, capped at 255.
Rgba Shade(Rgba color, int percent);

// Restores the previous clip rectangle when it goes out of scope.
class ClipScope {
 public:
  ClipScope(Framebuffer& fb, const Rect& clip) : fb_(fb), saved_(fb.Clip()) {
    fb.SetClip(saved_.Intersect(clip));
  }
  ~ClipScope() { fb_.SetClip(saved_); }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;

 private:
  Framebuffer& fb_;
  Rect saved_;
};

}  // namespace sim
