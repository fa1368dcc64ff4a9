#include "sim/render/host_fills.h"

#include <cstdlib>

#include "sim/render/shapes.h"

namespace sim {
namespace {

using Pixel = std::optional<Rgba>;

constexpr Rgba kPanel{36, 34, 31, 255};
constexpr Rgba kTitleBar{78, 74, 68, 255};
constexpr Rgba kFrame{98, 92, 82, 255};
constexpr Rgba kButtonFace{84, 80, 74, 255};
constexpr Rgba kGlyph{225, 220, 205, 255};

void WindowBackground(Framebuffer& fb, const Rect& r) {
  fb.Paint(r, [](int64_t u, int64_t v) { return Pixel(Jitter(kPanel, u / 2, v / 2, 51, 3)); });
}

void TitleBar(Framebuffer& fb, const Rect& r) {
  const int64_t h = r.h;
  fb.Paint(r, [h](int64_t u, int64_t v) -> Pixel {
    if (v == 0) return Rgba{128, 122, 110, 255};
    if (v == h - 1) return Rgba{24, 22, 20, 255};
    const int percent = static_cast<int>(112 - (h > 2 ? v * 24 / (h - 2) : 0));
    return Jitter(Shade(kTitleBar, percent), u, v, 49, 2);
  });
}

// A frame edge: dark outside, a lit ridge, darker inside. `across` is the
// pixel's distance from the outer side, `thickness` the edge's width.
Pixel EdgePixel(int64_t across, int64_t thickness, int64_t along) {
  if (across == 0) return Rgba{18, 17, 15, 255};
  if (across == thickness - 1 && thickness > 2) return Rgba{30, 28, 25, 255};
  const int percent = across == 1 ? 135 : 100;
  return Jitter(Shade(kFrame, percent), along, across, 47, 3);
}

void VerticalEdge(Framebuffer& fb, const Rect& r, bool outerIsLeft) {
  const int64_t w = r.w;
  fb.Paint(r, [w, outerIsLeft](int64_t u, int64_t v) {
    return EdgePixel(outerIsLeft ? u : w - 1 - u, w, v);
  });
}

void BottomEdge(Framebuffer& fb, const Rect& r) {
  const int64_t h = r.h;
  fb.Paint(r, [h](int64_t u, int64_t v) { return EdgePixel(h - 1 - v, h, u); });
}

// Title bar caps: a small bevelled block that closes the bar's end.
void Cap(Framebuffer& fb, const Rect& r) { DrawBevelBox(fb, r, kFrame, true); }

// The 12 x 12 glyphs of the title bar buttons, scaled to the rectangle.
// `pressed` draws the button sunken and the glyph one pixel lower right.
template <typename Glyph>
void GlyphButton(Framebuffer& fb, const Rect& r, Rgba face, bool pressed, Glyph glyph) {
  DrawBevelBox(fb, r, face, !pressed);
  if (r.w < 5 || r.h < 5) return;
  const int64_t shift = pressed ? 1 : 0;
  const Rect inner{r.x + 2 + shift, r.y + 2 + shift, r.w - 4, r.h - 4};
  const int64_t w = inner.w;
  const int64_t h = inner.h;
  fb.Paint(inner, [&](int64_t u, int64_t v) -> Pixel {
    // Glyph coordinates on an 8 x 8 grid whatever the size.
    if (!glyph(u * 8 / w, v * 8 / h)) return std::nullopt;
    return kGlyph;
  });
}

bool CloseCross(int64_t gx, int64_t gy) {
  return gx >= 1 && gx <= 6 && gy >= 1 && gy <= 6 && (gx == gy || gx == 7 - gy);
}
bool MinimiseBar(int64_t gx, int64_t gy) { return gy == 5 && gx >= 1 && gx <= 6; }
bool RestoreSquare(int64_t gx, int64_t gy) {
  const bool inside = gx >= 1 && gx <= 6 && gy >= 1 && gy <= 6;
  return inside && (gx == 1 || gx == 6 || gy == 1 || gy == 2 || gy == 6);
}

// Concentric diagonal ridges around the lower-left corner, where the
// windows put their grip.
void Grip(Framebuffer& fb, const Rect& r) {
  const int64_t h = r.h;
  fb.Paint(r, [h](int64_t u, int64_t v) -> Pixel {
    const int64_t d = u + (h - 1 - v);
    if (d >= 11) return std::nullopt;
    switch (d % 4) {
      case 1: return Rgba{170, 160, 140, 255};
      case 2: return Rgba{20, 18, 16, 255};
      default: return std::nullopt;
    }
  });
}

// The title icons: distinct coloured squares with a simple sign each.
struct TitleIcon {
  Rgba face;
  bool (*sign)(int64_t gx, int64_t gy);
};

bool Diamond(int64_t gx, int64_t gy) { return std::abs(gx - 3) + std::abs(gy - 3) <= 2; }
bool Crosshair(int64_t gx, int64_t gy) {
  const int64_t d2 = (gx - 3) * (gx - 3) + (gy - 3) * (gy - 3);
  return (d2 >= 6 && d2 <= 10) || (gx == 3 && gy >= 2 && gy <= 4) ||
         (gy == 3 && gx >= 2 && gx <= 4);
}
bool Coin(int64_t gx, int64_t gy) {
  const int64_t d2 = (gx - 3) * (gx - 3) + (gy - 3) * (gy - 3);
  return d2 <= 9 && !(d2 <= 2 && gx != 3);
}
bool Gem(int64_t gx, int64_t gy) {
  return (gy >= 1 && gy <= 5 && gx == 3) || (gy == 3 && gx >= 1 && gx <= 5) ||
         (std::abs(gx - 3) == std::abs(gy - 3) && std::abs(gx - 3) <= 1);
}

void DrawTitleIcon(Framebuffer& fb, const Rect& r, const TitleIcon& icon) {
  fb.Fill(r, icon.face);
  fb.Outline(r, Shade(icon.face, 40));
  if (r.w < 5 || r.h < 5) return;
  const Rect inner{r.x + 2, r.y + 2, r.w - 4, r.h - 4};
  const int64_t w = inner.w;
  const int64_t h = inner.h;
  fb.Paint(inner, [&](int64_t u, int64_t v) -> Pixel {
    if (!icon.sign(u * 7 / w, v * 7 / h)) return std::nullopt;
    return Rgba{245, 240, 220, 255};
  });
}

// Host buttons come in pairs: the even number is the normal, raised look,
// the odd one the pressed, sunken look.
bool IsButtonFill(int element) { return element >= 12 && element <= 19; }

}  // namespace

void DrawHostFill(Framebuffer& fb, const Rect& r, int element) {
  if (r.Empty()) return;
  if (IsButtonFill(element)) {
    const bool pressed = element % 2 == 1;
    DrawBevelBox(fb, r, pressed ? Shade(kButtonFace, 80) : kButtonFace, !pressed);
    return;
  }
  switch (element) {
    case 51: return WindowBackground(fb, r);
    case 49: return TitleBar(fb, r);
    case 43:
    case 44: return Cap(fb, r);
    case 47: return VerticalEdge(fb, r, true);
    case 48: return VerticalEdge(fb, r, false);
    case 50: return BottomEdge(fb, r);
    case 311:
    case 312: return GlyphButton(fb, r, {122, 58, 50, 255}, element == 312, CloseCross);
    case 313:
    case 314: return GlyphButton(fb, r, {80, 78, 74, 255}, element == 314, MinimiseBar);
    case 315:
    case 316: return GlyphButton(fb, r, {80, 78, 74, 255}, element == 316, RestoreSquare);
    case 320: return Grip(fb, r);
    case 321: return DrawTitleIcon(fb, r, {{70, 96, 140, 255}, Diamond});
    case 322: return DrawTitleIcon(fb, r, {{70, 130, 70, 255}, Crosshair});
    case 344: return DrawTitleIcon(fb, r, {{160, 124, 40, 255}, Coin});
    case 347: return DrawTitleIcon(fb, r, {{118, 70, 140, 255}, Gem});
    default: return DrawNumberedBox(fb, r, element, false);
  }
}

}  // namespace sim
