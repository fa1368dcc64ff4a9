#include "sim/render/skin_sheet.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "sim/render/shapes.h"
#include "sim/render/tiny_digits.h"

namespace sim {
namespace {

using Pixel = std::optional<Rgba>;

constexpr int kToolkitSheet = 4;

// A fixed-size region of sheet 4: any copy whose source corner lies inside
// it shows part of its stand-in.
struct Region {
  int64_t x, y, w, h;
  SkinPart part;
  bool pressed;
};

// First match wins: the separator's row lies inside the horizontal track's
// last tile row, so it comes first.
constexpr Region kRegions[] = {
    {308, 96, 12, 12, SkinPart::kCheckBox, false},
    {308, 108, 12, 12, SkinPart::kCheckBoxTicked, false},
    {232, 64, 12, 12, SkinPart::kArrowUp, false},
    {234, 122, 12, 12, SkinPart::kArrowUp, true},
    {244, 64, 12, 12, SkinPart::kArrowDown, false},
    {246, 122, 12, 12, SkinPart::kArrowDown, true},
    {232, 76, 12, 12, SkinPart::kArrowLeft, false},
    {234, 134, 12, 12, SkinPart::kArrowLeft, true},
    {244, 76, 12, 12, SkinPart::kArrowRight, false},
    {246, 134, 12, 12, SkinPart::kArrowRight, true},
    {220, 64, 12, 12, SkinPart::kThumb, false},
    {264, 0, 12, 96, SkinPart::kTrackVertical, false},
    {0, 96, 96, 1, SkinPart::kFrameTop, false},
    {0, 98, 1, 96, SkinPart::kFrameLeft, false},
    {2, 197, 96, 1, SkinPart::kFrameBottom, false},
    {276, 0, 1, 96, SkinPart::kFrameRight, false},
    {2, 210, 96, 2, SkinPart::kSeparator, false},
    {2, 199, 96, 12, SkinPart::kTrackHorizontal, false},
    {316, 33, 32, 19, SkinPart::kGroup, false},
    {186, 64, 34, 34, SkinPart::kItemSlot, false},
    {0, 0, 20, 19, SkinPart::kButtonFace, false},
    {152, 408, 20, 19, SkinPart::kButtonFaceBlue, false},
    {169, 480, 20, 19, SkinPart::kButtonFaceGreen, false},
    {199, 480, 20, 19, SkinPart::kButtonFaceRed, false},
    {111, 360, 18, 18, SkinPart::kSummonIcon, false},
    {86, 437, 12, 12, SkinPart::kBestiaryIcon, false},
    {246, 274, 9, 10, SkinPart::kStarFilled, false},
    {256, 274, 9, 10, SkinPart::kStarEmpty, false},
    {0, 512, 352, 96, SkinPart::kImbuementStrip, false},
};

// Regions as wide and high as the copy: they start exactly at their corner.
struct StretchyRegion {
  int64_t x, y;
  SkinPart part;
};
constexpr StretchyRegion kStretchy[] = {
    {96, 64, SkinPart::kProgressEmpty},
    {96, 75, SkinPart::kProgressFull},
};

// Tier badges: 10 x 8 at (253 + 9 x tier, 386).
constexpr int64_t kTierX = 253, kTierY = 386, kTierStep = 9, kMaxTier = 15;

constexpr Rgba kControlFace{84, 80, 74, 255};
constexpr Rgba kSign{220, 214, 198, 255};
constexpr Rgba kLineDark{20, 19, 17, 255};
constexpr Rgba kLineLight{118, 112, 100, 255};

void CheckBox(Framebuffer& fb, const Rect& r, bool ticked) {
  DrawBevelBox(fb, r, {30, 29, 27, 255}, false);
  if (!ticked) return;
  fb.Paint(r, [](int64_t u, int64_t v) -> Pixel {
    const bool down = u >= 2 && u <= 5 && (v == u + 3 || v == u + 4);
    const bool up = u >= 5 && u <= 9 && (v == 13 - u || v == 12 - u);
    if (!down && !up) return std::nullopt;
    return Rgba{140, 220, 110, 255};
  });
}

// A bevelled square with a triangle; the pressed picture is sunken and its
// triangle one pixel lower right.
void Arrow(Framebuffer& fb, const Rect& r, SkinPart dir, bool pressed) {
  DrawBevelBox(fb, r, kControlFace, !pressed);
  const int64_t shift = pressed ? 1 : 0;
  fb.Paint(r, [&](int64_t u, int64_t v) -> Pixel {
    u -= shift;
    v -= shift;
    // (a, b): across and along the arrow, pointing up in the 12 x 12 cell.
    int64_t a = u, b = v;
    if (dir == SkinPart::kArrowDown) b = 11 - v;
    if (dir == SkinPart::kArrowLeft) a = v, b = u;
    if (dir == SkinPart::kArrowRight) a = v, b = 11 - u;
    if (b < 4 || b > 7 || a < 5 - (b - 4) || a > 6 + (b - 4)) return std::nullopt;
    return kSign;
  });
}

void Thumb(Framebuffer& fb, const Rect& r) {
  DrawBevelBox(fb, r, {124, 118, 106, 255}, true);
  fb.Paint(r, [](int64_t u, int64_t v) -> Pixel {
    if ((v == 4 || v == 6 || v == 8) && u >= 4 && u <= 7) return Rgba{54, 50, 44, 255};
    return std::nullopt;
  });
}

void Track(Framebuffer& fb, const Rect& r, bool vertical) {
  const int64_t thickness = vertical ? r.w : r.h;
  fb.Paint(r, [&](int64_t u, int64_t v) -> Pixel {
    const int64_t across = vertical ? u : v;
    if (across == 0 || across == thickness - 1) return Rgba{14, 13, 12, 255};
    return Jitter({30, 28, 26, 255}, u, v, 264, 2);
  });
}

void Separator(Framebuffer& fb, const Rect& r) {
  fb.Paint(r, [](int64_t, int64_t v) { return Pixel(v == 0 ? kLineDark : kLineLight); });
}

void Progress(Framebuffer& fb, const Rect& r, bool full) {
  const int64_t h = r.h;
  fb.Paint(r, [full, h](int64_t, int64_t v) -> Pixel {
    if (full)
      return Shade({60, 150, 66, 255}, static_cast<int>(125 - v * 45 / std::max<int64_t>(h, 1)));
    if (v == 0) return Rgba{10, 10, 10, 255};
    if (v == h - 1) return Rgba{64, 61, 56, 255};
    return Rgba{24, 23, 22, 255};
  });
}

// Button faces: a vertical gradient with a little grain, in the grey of the
// plain buttons or the colour of a textured style.
void Face(Framebuffer& fb, const Rect& r, Rgba color, uint32_t seed) {
  const int64_t h = r.h;
  fb.Paint(r, [&](int64_t u, int64_t v) {
    const int percent = static_cast<int>(116 - v * 30 / std::max<int64_t>(h - 1, 1));
    return Pixel(Jitter(Shade(color, percent), u, v, seed, 4));
  });
}

void TierBadge(Framebuffer& fb, const Rect& r, int tier) {
  fb.Fill(r, {44, 28, 10, 255});
  fb.Outline(r, {232, 182, 52, 255});
  DrawTinyDigitsCentred(fb, r, std::to_string(tier), {255, 236, 150, 255}, 1);
}

// A disc filling the rectangle, with a rim of `rim`; inside it, `inner`
// colours each pixel by its offset from the centre in half pixels.
template <typename Inner>
void RimmedDisc(Framebuffer& fb, const Rect& r, Rgba rim, Inner inner) {
  const int64_t cx2 = r.w - 1, cy2 = r.h - 1;  // twice the centre
  const int64_t radius2 = r.w * r.w;           // (2 x radius)^2
  fb.Paint(r, [&](int64_t u, int64_t v) -> Pixel {
    const int64_t dx = 2 * u - cx2, dy = 2 * v - cy2;
    const int64_t d2 = dx * dx + dy * dy;
    if (d2 > radius2) return std::nullopt;
    if (d2 > radius2 * 6 / 10) return rim;
    return inner(std::abs(dx), std::abs(dy));
  });
}

void SummonIcon(Framebuffer& fb, const Rect& r) {
  RimmedDisc(fb, r, {206, 176, 244, 255}, [](int64_t dx, int64_t dy) {
    const bool cross = (dx <= 1 && dy <= 7) || (dy <= 1 && dx <= 7);
    return cross ? Rgba{250, 245, 255, 255} : Rgba{112, 60, 164, 255};
  });
}

void BestiaryIcon(Framebuffer& fb, const Rect& r) {
  fb.Fill(r, {124, 86, 50, 255});
  fb.Outline(r, {52, 34, 18, 255});
  fb.Paint(r, [](int64_t u, int64_t v) -> Pixel {
    if (u == 3 && v >= 2 && v <= 9) return Rgba{60, 40, 22, 255};
    if ((v == 3 || v == 5 || v == 7) && u >= 5 && u <= 8) return Rgba{230, 220, 190, 255};
    return std::nullopt;
  });
}

// A rating star: a diamond, gold when filled and dark grey when empty.
void Star(Framebuffer& fb, const Rect& r, bool filled) {
  const Rgba colour = filled ? Rgba{228, 184, 48, 255} : Rgba{70, 66, 60, 255};
  fb.Paint(r, [&](int64_t u, int64_t v) -> Pixel {
    const int64_t du = u < 4 ? 4 - u : u - 4;
    const int64_t dv = v < 5 ? 5 - v : v - 4;
    if (du + dv > 5) return std::nullopt;
    return colour;
  });
}

// The imbuement strip: cell 0 an empty sunken slot, cell k a box in the
// colour of k with the number k.
void ImbuementStrip(Framebuffer& fb, const Rect& r) {
  constexpr int64_t kCell = 32, kColumns = 11;
  for (int64_t k = 0; k < kColumns * (r.h / kCell); ++k) {
    const Rect cell{r.x + kCell * (k % kColumns), r.y + kCell * (k / kColumns), kCell, kCell};
    if (k == 0) {
      DrawBevelBox(fb, cell, {28, 27, 25, 255}, false);
    } else {
      DrawNumberedBox(fb, cell, k, false);
    }
  }
}

// ---- the store's pieces -------------------------------------------------------------------

// A gold coin: a disc with a darker rim and an engraved bar.
void CoinSign(Framebuffer& fb, const Rect& r) {
  RimmedDisc(fb, r, {150, 104, 18, 255}, [](int64_t dx, int64_t dy) {
    return dx <= 1 && dy <= 5 ? Rgba{190, 140, 30, 255} : Rgba{240, 196, 64, 255};
  });
}

// A badge: a coloured plate with a darker edge and a white sign.
enum class BadgeSign { kArrowDown, kStar, kDiamond };

void Badge(Framebuffer& fb, const Rect& r, Rgba plate, BadgeSign sign) {
  fb.Fill(r, plate);
  fb.Outline(r, Shade(plate, 55));
  const int64_t cu = r.w / 2, cv = r.h / 2;
  fb.Paint(r, [&](int64_t u, int64_t v) -> Pixel {
    const int64_t du = std::abs(u - cu), dv = v - cv;
    bool on = false;
    switch (sign) {
      case BadgeSign::kArrowDown:
        on = (du <= 1 && dv >= -4 && dv <= 0) || (dv >= 1 && du <= 4 - dv);
        break;
      case BadgeSign::kStar:
        on = (du <= 1 && std::abs(dv) <= 4) || (std::abs(dv) <= 1 && du <= 4);
        break;
      case BadgeSign::kDiamond: on = du + std::abs(dv) <= 4; break;
    }
    if (!on) return std::nullopt;
    return Rgba{250, 248, 240, 255};
  });
}

void SaleBadge(Framebuffer& fb, const Rect& r) {
  Badge(fb, r, {196, 54, 40, 255}, BadgeSign::kArrowDown);
}
void NewBadge(Framebuffer& fb, const Rect& r) {
  Badge(fb, r, {58, 150, 52, 255}, BadgeSign::kStar);
}
void MarkedBadge(Framebuffer& fb, const Rect& r) {
  Badge(fb, r, {52, 100, 176, 255}, BadgeSign::kDiamond);
}

// A category bar: a darker face for the rows, a lighter, gold-edged one for
// the selected row.
void CategoryBar(Framebuffer& fb, const Rect& r, bool selected) {
  Face(fb, r, selected ? Rgba{104, 96, 80, 255} : Rgba{62, 60, 56, 255}, selected ? 6 : 5);
  fb.Outline(r, selected ? Rgba{196, 164, 92, 255} : Rgba{28, 27, 25, 255});
}
void CategoryBarPlain(Framebuffer& fb, const Rect& r) { CategoryBar(fb, r, false); }
void CategoryBarSelected(Framebuffer& fb, const Rect& r) { CategoryBar(fb, r, true); }

// Coins handed over: a small coin with an arrow leaving it, at the left of
// the piece; the rest is transparent, so the transferable amount the store
// writes over the button stays readable.
void CoinTransfer(Framebuffer& fb, const Rect& r) {
  const int64_t coin = std::min<int64_t>(r.h - 4, 8);
  CoinSign(fb, {r.x, r.y + 1, coin, coin});
  const int64_t cv = r.h - 4, left = 3, right = 14;
  fb.Paint(r, [&](int64_t u, int64_t v) -> Pixel {
    if (u < left || u >= right) return std::nullopt;
    const int64_t dv = std::abs(v - cv);
    const bool shaft = dv <= 0 && u < right - 3;
    const bool head = u >= right - 4 && dv <= right - 1 - u;
    if (!shaft && !head) return std::nullopt;
    return Rgba{226, 220, 204, 255};
  });
}

// ---- the cyclopedia's pieces ----------------------------------------------------------

// The class pictures: two columns of 60 x 62 cells, eleven rows; each cell
// a numbered box (left column 1 to 11, right column 12 to 22), so a shot
// tells which picture a class card chose.
void ClassPictures(Framebuffer& fb, const Rect& r) {
  constexpr int64_t kCellW = 60, kCellH = 62;
  for (int64_t column = 0; column < 2; ++column) {
    for (int64_t row = 0; row < 11; ++row) {
      const Rect cell{r.x + kCellW * column + 4, r.y + kCellH * row + 4, kCellW - 8, kCellH - 8};
      DrawNumberedBox(fb, cell, column * 11 + row + 1, false);
    }
  }
}

// A completed creature's check: a green tick.
void CheckMark(Framebuffer& fb, const Rect& r) {
  fb.Paint(r, [](int64_t u, int64_t v) -> Pixel {
    const bool down = u >= 1 && u <= 4 && (v == u + 3 || v == u + 2);
    const bool up = u >= 4 && u <= 10 && (v == 10 - u || v == 11 - u);
    if (!down && !up) return std::nullopt;
    return Rgba{110, 220, 90, 255};
  });
}

// The store's pieces of sheet 4 (the coordinates the store's widgets copy),
// and the cyclopedia's.
struct StorePiece {
  int64_t x, y, w, h;
  void (*paint)(Framebuffer& fb, const Rect& r);
};
constexpr StorePiece kStorePieces[] = {
    {298, 0, 12, 12, CoinSign},                // store::kCoinIconSrcX, kCoinIconSrcY
    {280, 140, 30, 12, SaleBadge},             // store::kBadgeSrcX, kSaleBadgeSrcY
    {280, 152, 30, 12, NewBadge},              // kNewBadgeSrcY
    {280, 164, 30, 12, MarkedBadge},           // kMarkedBadgeSrcY
    {180, 620, 166, 22, CategoryBarPlain},     // GUI_StoreCategories::kBarSrcY
    {180, 642, 166, 22, CategoryBarSelected},  // kSelectedBarSrcY
    {33, 274, 45, 14, CoinTransfer},           // the gift button's picture
    {352, 0, 120, 682, ClassPictures},         // the cyclopedia's class pictures
    {82, 613, 12, 9, CheckMark},               // a completed creature's check
    {106, 378, 16, 16, CoinSign},              // the charms' price coin
};

const StorePiece* FindStorePiece(int sheet, int64_t srcX, int64_t srcY) {
  if (sheet != kToolkitSheet) return nullptr;
  for (const StorePiece& p : kStorePieces) {
    if (srcX >= p.x && srcX < p.x + p.w && srcY >= p.y && srcY < p.y + p.h) return &p;
  }
  return nullptr;
}

// Whatever the renderer has no stand-in for: a muted violet checker.
void Unknown(Framebuffer& fb, const Rect& r) {
  fb.Paint(r, [](int64_t u, int64_t v) {
    return Pixel((u / 3 + v / 3) % 2 == 0 ? Rgba{70, 62, 80, 255} : Rgba{54, 48, 62, 255});
  });
}

void DrawPart(Framebuffer& fb, const Rect& r, const SkinMatch& m) {
  switch (m.part) {
    case SkinPart::kCheckBox: return CheckBox(fb, r, false);
    case SkinPart::kCheckBoxTicked: return CheckBox(fb, r, true);
    case SkinPart::kArrowUp:
    case SkinPart::kArrowDown:
    case SkinPart::kArrowLeft:
    case SkinPart::kArrowRight: return Arrow(fb, r, m.part, m.pressed);
    case SkinPart::kThumb: return Thumb(fb, r);
    case SkinPart::kTrackVertical: return Track(fb, r, true);
    case SkinPart::kTrackHorizontal: return Track(fb, r, false);
    case SkinPart::kFrameTop:
    case SkinPart::kFrameLeft: return fb.Fill(r, kLineDark);
    case SkinPart::kFrameBottom:
    case SkinPart::kFrameRight: return fb.Fill(r, kLineLight);
    case SkinPart::kSeparator: return Separator(fb, r);
    case SkinPart::kGroup:
      return fb.Paint(r, [](int64_t u, int64_t v) {
        return Pixel(Jitter({52, 49, 45, 255}, u, v, 316, 2));
      });
    case SkinPart::kProgressEmpty: return Progress(fb, r, false);
    case SkinPart::kProgressFull: return Progress(fb, r, true);
    case SkinPart::kItemSlot: return DrawBevelBox(fb, r, {34, 33, 31, 255}, false);
    case SkinPart::kButtonFace: return Face(fb, r, {90, 86, 78, 255}, 1);
    case SkinPart::kButtonFaceBlue: return Face(fb, r, {40, 90, 132, 255}, 2);
    case SkinPart::kButtonFaceGreen: return Face(fb, r, {62, 114, 62, 255}, 3);
    case SkinPart::kButtonFaceRed: return Face(fb, r, {112, 62, 62, 255}, 4);
    case SkinPart::kTierBadge: return TierBadge(fb, r, m.tier);
    case SkinPart::kSummonIcon: return SummonIcon(fb, r);
    case SkinPart::kBestiaryIcon: return BestiaryIcon(fb, r);
    case SkinPart::kStarFilled: return Star(fb, r, true);
    case SkinPart::kStarEmpty: return Star(fb, r, false);
    case SkinPart::kImbuementStrip: return ImbuementStrip(fb, r);
    case SkinPart::kUnknown: return Unknown(fb, r);
  }
}

}  // namespace

SkinMatch MatchSkin(int sheet, int64_t srcX, int64_t srcY) {
  SkinMatch m;
  m.originX = srcX;
  m.originY = srcY;
  if (sheet != kToolkitSheet) return m;
  for (const Region& r : kRegions) {
    if (srcX < r.x || srcX >= r.x + r.w || srcY < r.y || srcY >= r.y + r.h) continue;
    return {r.part, r.pressed, 0, r.x, r.y, r.w, r.h};
  }
  for (const StretchyRegion& r : kStretchy) {
    if (srcX == r.x && srcY == r.y) return {r.part, false, 0, r.x, r.y, 0, 0};
  }
  const int64_t tierOffset = srcX - kTierX;
  if (srcY == kTierY && tierOffset > 0 && tierOffset % kTierStep == 0 &&
      tierOffset / kTierStep <= kMaxTier) {
    return {
        SkinPart::kTierBadge, false, static_cast<int>(tierOffset / kTierStep), srcX, srcY, 10, 8};
  }
  return m;
}

void DrawSkin(Framebuffer& fb, int64_t x, int64_t y, int sheet, int64_t srcX, int64_t srcY,
              int64_t w, int64_t h) {
  const Rect target{x, y, w, h};
  if (target.Empty()) return;
  if (const StorePiece* piece = FindStorePiece(sheet, srcX, srcY)) {
    const Rect whole{x - (srcX - piece->x), y - (srcY - piece->y), piece->w, piece->h};
    ClipScope clip(fb, target);
    if (whole.x + whole.w < x + w || whole.y + whole.h < y + h) Unknown(fb, target);
    piece->paint(fb, whole);
    return;
  }
  const SkinMatch m = MatchSkin(sheet, srcX, srcY);
  // The stand-in is placed so that the copied part lands on the target.
  const int64_t offX = srcX - m.originX, offY = srcY - m.originY;
  const Rect whole{x - offX, y - offY, m.width > 0 ? m.width : offX + w,
                   m.height > 0 ? m.height : offY + h};
  ClipScope clip(fb, target);
  if (whole.x + whole.w < x + w || whole.y + whole.h < y + h) Unknown(fb, target);
  DrawPart(fb, whole, m);
}

}  // namespace sim
