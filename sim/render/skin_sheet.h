// Pictures for the regions of the host's interface sheet that the toolkit
// copies with HostDrawSkin. The renderer has no sheet: each known region is
// drawn as a stand-in of its own size, and a copy of part of a region (a
// partial tile, a further tile row, the right-hand part of a face tile) shows
// the matching part of the stand-in.
#pragma once

#include <cstdint>

#include "sim/render/framebuffer.h"

namespace sim {

// What a sheet region stands for, as far as the renderer knows.
enum class SkinPart {
  kUnknown,
  kCheckBox,
  kCheckBoxTicked,
  kArrowUp,
  kArrowDown,
  kArrowLeft,
  kArrowRight,
  kThumb,
  kTrackVertical,
  kTrackHorizontal,
  kFrameTop,
  kFrameLeft,
  kFrameBottom,
  kFrameRight,
  kSeparator,
  kGroup,
  kProgressEmpty,
  kProgressFull,
  kItemSlot,
  kButtonFace,
  kButtonFaceBlue,
  kButtonFaceGreen,
  kButtonFaceRed,
  kTierBadge,
  kSummonIcon,
  kBestiaryIcon,
  kStarFilled,
  kStarEmpty,
  kImbuementStrip,  // 32 x 32 cells, 11 to a row: the empty slot, then the kinds
};

struct SkinMatch {
  SkinPart part = SkinPart::kUnknown;
  bool pressed = false;  // the pressed picture of an arrow
  int tier = 0;          // the number on a tier badge
  // The region's top-left corner on the sheet; the copy starts at
  // (srcX - originX, srcY - originY) inside the stand-in.
  int64_t originX = 0, originY = 0;
  // The stand-in's size; 0 means "as large as the copy" (stretchy parts).
  int64_t width = 0, height = 0;
};

SkinMatch MatchSkin(int sheet, int64_t srcX, int64_t srcY);

void DrawSkin(Framebuffer& fb, int64_t x, int64_t y, int sheet, int64_t srcX, int64_t srcY,
              int64_t w, int64_t h);

}  // namespace sim
