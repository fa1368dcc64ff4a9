#include "gui/outfit_picture.h"

#include <algorithm>

#include "host/handlers.h"
#include "host/host_functions.h"
#include "host/library_data.h"

namespace gui {
namespace {

// Seven rows of 19: a grey, then 18 hues from red round to red again; the
// rows go from pale to dark.
constexpr Color kPalette[kOutfitPaletteSize] = {
    {255, 255, 255}, {255, 213, 191}, {255, 234, 191}, {255, 255, 191}, {234, 255, 191},
    {213, 255, 191}, {191, 255, 191}, {191, 255, 213}, {191, 255, 234}, {191, 255, 255},
    {191, 234, 255}, {191, 213, 255}, {191, 191, 255}, {213, 191, 255}, {234, 191, 255},
    {255, 191, 255}, {255, 191, 234}, {255, 191, 213}, {255, 191, 191},

    {219, 219, 219}, {191, 159, 143}, {191, 175, 143}, {191, 191, 143}, {175, 191, 143},
    {159, 191, 143}, {143, 191, 143}, {143, 191, 159}, {143, 191, 175}, {143, 191, 191},
    {143, 175, 191}, {143, 159, 191}, {143, 143, 191}, {159, 143, 191}, {175, 143, 191},
    {191, 143, 191}, {191, 143, 175}, {191, 143, 159}, {191, 143, 143},

    {182, 182, 182}, {191, 127, 95},  {191, 159, 95},  {191, 191, 95},  {159, 191, 95},
    {127, 191, 95},  {95, 191, 95},   {95, 191, 127},  {95, 191, 159},  {95, 191, 191},
    {95, 159, 191},  {95, 127, 191},  {95, 95, 191},   {127, 95, 191},  {159, 95, 191},
    {191, 95, 191},  {191, 95, 159},  {191, 95, 127},  {191, 95, 95},

    {146, 146, 146}, {191, 106, 63},  {191, 149, 63},  {191, 191, 63},  {149, 191, 63},
    {106, 191, 63},  {63, 191, 63},   {63, 191, 106},  {63, 191, 149},  {63, 191, 191},
    {63, 149, 191},  {63, 106, 191},  {63, 63, 191},   {106, 63, 191},  {149, 63, 191},
    {191, 63, 191},  {191, 63, 149},  {191, 63, 106},  {191, 63, 63},

    {109, 109, 109}, {255, 85, 0},    {255, 170, 0},   {255, 255, 0},   {170, 255, 0},
    {85, 255, 0},    {0, 255, 0},     {0, 255, 85},    {0, 255, 170},   {0, 255, 255},
    {0, 170, 255},   {0, 85, 255},    {0, 0, 255},     {85, 0, 255},    {170, 0, 255},
    {255, 0, 255},   {255, 0, 170},   {255, 0, 85},    {255, 0, 0},

    {73, 73, 73},    {191, 63, 0},    {191, 127, 0},   {191, 191, 0},   {127, 191, 0},
    {63, 191, 0},    {0, 191, 0},     {0, 191, 63},    {0, 191, 127},   {0, 191, 191},
    {0, 127, 191},   {0, 63, 191},    {0, 0, 191},     {63, 0, 191},    {127, 0, 191},
    {191, 0, 191},   {191, 0, 127},   {191, 0, 63},    {191, 0, 0},

    {36, 36, 36},    {127, 42, 0},    {127, 85, 0},    {127, 127, 0},   {85, 127, 0},
    {42, 127, 0},    {0, 127, 0},     {0, 127, 42},    {0, 127, 85},    {0, 127, 127},
    {0, 85, 127},    {0, 42, 127},    {0, 0, 127},     {42, 0, 127},    {85, 0, 127},
    {127, 0, 127},   {127, 0, 85},    {127, 0, 42},    {127, 0, 0},
};

// The host takes each colour as one word 0x00RRGGBB.
int32_t Packed(uint8_t index) {
  const Color c = OutfitColor(index);
  return (int32_t{c.r} << 16) | (int32_t{c.g} << 8) | int32_t{c.b};
}

struct Picture {
  int32_t lookType;
  int32_t layers;
  int32_t head, body, legs, feet;
  int32_t patternX, frame;
};

// One tile in one addon pattern (1 the outfit itself, 2 and 3 its addons).
// A tile without a sprite in that pattern is left out.
void DrawTile(const Picture& p, int32_t col, int32_t row, int32_t patternY, int32_t x, int32_t y,
              int32_t w, int32_t h) {
  const int32_t sprite = OutfitSpriteIndex(p.lookType, col, row, 1, p.patternX, patternY, p.frame);
  if (sprite == 0) return;
  host::CreatureDrawArgs args;
  args.surface = kSurface;
  args.x = x;
  args.y = y;
  args.width = w;
  args.height = h;
  args.outfit[0] = sprite;
  args.outfit[1] =
      p.layers >= 2 ? OutfitSpriteIndex(p.lookType, col, row, 2, p.patternX, patternY, p.frame) : 0;
  args.outfit[2] = p.head;
  args.r = p.body;
  args.g = p.legs;
  args.b = p.feet;
  args.display[5] = 65535;
  args.display[6] = 65535;
  HostDrawCreature(args);
}

}  // namespace

Color OutfitColor(uint32_t index) {
  return kPalette[index < static_cast<uint32_t>(kOutfitPaletteSize) ? index : 0];
}

namespace {

// The picture is the creature in the pose's group without a mount,
// whatever the host's creature drawing last left in the getters' selectors.
class StandingOutfitScope {
 public:
  explicit StandingOutfitScope(uint8_t group)
      : group_(SpriteGroupIndex), patternZ_(OutfitPatternZ()) {
    SpriteGroupIndex = group;
    OutfitPatternZ() = 1;
  }
  ~StandingOutfitScope() {
    SpriteGroupIndex = group_;
    OutfitPatternZ() = patternZ_;
  }
  StandingOutfitScope(const StandingOutfitScope&) = delete;
  StandingOutfitScope& operator=(const StandingOutfitScope&) = delete;

 private:
  uint8_t group_;
  uint32_t patternZ_;
};

}  // namespace

bool OutfitHasGroup(uint16_t lookType, uint8_t group) {
  const StandingOutfitScope scope(group);
  return OutfitDimension0(lookType) > 0 && OutfitDimension1(lookType) > 0;
}

int32_t OutfitFrameCount(uint16_t lookType, uint8_t group) {
  if (!OutfitHasGroup(lookType, group)) group = 0;
  const StandingOutfitScope scope(group);
  return std::max(OutfitDimension7(lookType), 1);
}

void DrawOutfitPicture(const Outfit& outfit, int32_t x, int32_t y, int32_t size,
                       const OutfitPose& pose) {
  const int32_t look = outfit.lookType;
  if (look == 0 || size <= 0) return;
  // An outfit without the pose's group (one that cannot walk) stands.
  const uint8_t group = OutfitHasGroup(outfit.lookType, pose.group) ? pose.group : 0;
  const StandingOutfitScope standing(group);
  const int32_t tilesW = OutfitDimension0(look);
  const int32_t tilesH = OutfitDimension1(look);
  if (tilesW <= 0 || tilesH <= 0) return;  // not in the appearance data
  const int32_t frames = std::max(OutfitDimension7(look), 1);
  const Picture p{look,
                  OutfitDimension3(look),
                  Packed(outfit.head),
                  Packed(outfit.body),
                  Packed(outfit.legs),
                  Packed(outfit.feet),
                  pose.patternX,
                  pose.frame >= 1 && pose.frame <= frames ? pose.frame : 1};
  const bool hasAddonPatterns = OutfitDimension5(look) > 1;
  const auto drawPatterns = [&](int32_t col, int32_t row, int32_t tx, int32_t ty, int32_t tw,
                                int32_t th) {
    DrawTile(p, col, row, 1, tx, ty, tw, th);
    if (!hasAddonPatterns) return;
    if (outfit.addons & 1) DrawTile(p, col, row, 2, tx, ty, tw, th);
    if (outfit.addons & 2) DrawTile(p, col, row, 3, tx, ty, tw, th);
  };

  if (tilesW == 1 && tilesH == 1) {
    drawPatterns(1, 1, x, y, size, size);
    return;
  }
  // Scaled by size / (32 x the larger tile count), kept as a fraction so
  // the cut to whole pixels is exact. Widened: the host's dimensions are
  // bytes, but the size is the caller's.
  const int64_t larger = std::max(tilesW, tilesH);
  const int64_t tile = int64_t{size} / larger;
  const int64_t blockW = int64_t{tilesW} * size / larger;
  const int64_t blockH = int64_t{tilesH} * size / larger;
  const int64_t left = x + (size - blockW) / 2;
  const int64_t top = y + (size - blockH) / 2;
  if (tile == 0) return;
  // Tile (1, 1) is the bottom-right one; the others grow up and to the left.
  for (int32_t col = 1; col <= tilesW; ++col) {
    for (int32_t row = 1; row <= tilesH; ++row) {
      drawPatterns(col, row, static_cast<int32_t>(left + (tilesW - col) * tile),
                   static_cast<int32_t>(top + (tilesH - row) * tile), static_cast<int32_t>(tile),
                   static_cast<int32_t>(tile));
    }
  }
}

}  // namespace gui
