// Helpers for the renderer tests: building draw calls and reading pictures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/render/framebuffer.h"
#include "sim/render/renderer.h"

namespace render_test {

inline sim::DrawCall Text(int x, int y, int font, const std::string& text, int align = 0) {
  return {"HostDrawText", {1, x, y, font, 255, 255, 255, align}, text};
}
inline sim::DrawCall Fill(int x, int y, int w, int h, int element) {
  return {"HostFillRect", {1, x, y, w, h, element, 0, 0}, ""};
}
inline sim::DrawCall Solid(int x, int y, int w, int h, int r, int g, int b) {
  return {"RendererFill", {1, x, y, w, h, r, g, b}, ""};
}
inline sim::DrawCall Skin(int x, int y, int srcX, int srcY, int w, int h, int sheet = 4) {
  return {"HostDrawSkin", {1, x, y, sheet, srcX, srcY, w, h}, ""};
}

// The bounding box of every pixel that differs from black (the start of a
// frame without the host's frame call); empty when nothing was drawn.
inline sim::Rect InkBounds(const sim::Framebuffer& fb) {
  int64_t left = fb.Width(), top = fb.Height(), right = -1, bottom = -1;
  for (int y = 0; y < fb.Height(); ++y) {
    for (int x = 0; x < fb.Width(); ++x) {
      if (fb.At(x, y) == sim::Rgba{0, 0, 0, 255}) continue;
      left = std::min<int64_t>(left, x);
      right = std::max<int64_t>(right, x);
      top = std::min<int64_t>(top, y);
      bottom = std::max<int64_t>(bottom, y);
    }
  }
  if (right < 0) return {};
  return {left, top, right - left + 1, bottom - top + 1};
}

// Whether any pixel of `area` (cut to the picture) differs from black.
inline bool HasInk(const sim::Framebuffer& fb, const sim::Rect& area) {
  const sim::Rect in = fb.Bounds().Intersect(area);
  for (int64_t y = in.y; y < in.y + in.h; ++y) {
    for (int64_t x = in.x; x < in.x + in.w; ++x) {
      if (!(fb.At(x, y) == sim::Rgba{0, 0, 0, 255})) return true;
    }
  }
  return false;
}

// The pixels of `area` in row order, for comparing two pictures' parts.
inline std::vector<sim::Rgba> Pixels(const sim::Framebuffer& fb, const sim::Rect& area) {
  std::vector<sim::Rgba> out;
  for (int64_t y = area.y; y < area.y + area.h; ++y) {
    for (int64_t x = area.x; x < area.x + area.w; ++x) out.push_back(fb.At(x, y));
  }
  return out;
}

inline int Brightness(sim::Rgba c) { return c.r + c.g + c.b; }

}  // namespace render_test
