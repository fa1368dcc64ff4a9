// The 49 appearance getters (patch table entries 80 to 128), in table order.
//
// They run in the host's draw loop, many thousands of times a frame: each
// is a bounds-checked vector lookup and nothing else (no allocation, no map,
// nothing that throws). An id is the low 16 bits of the host's argument; a
// getter that finds no record answers 0, a flag test false.
#include "host/appearance/animation.h"
#include "host/appearance/appearance_store.h"
#include "host/appearance/outfit_groups.h"
#include "host/appearance/sprite_index.h"
#include "host/handlers.h"
#include "host/library_data.h"

namespace {

using appearance::Category;
using appearance::FrameGroup;
using appearance::Record;
using appearance::SpriteCoordinates;
using appearance::ZeroBased;

constexpr Category kItem = Category::Item;
constexpr Category kOutfit = Category::Outfit;
constexpr Category kEffect = Category::Effect;
constexpr Category kMissile = Category::Missile;

const Record* Find(Category category, int32_t id) {
  return appearance::Store().Find(category, static_cast<uint16_t>(id));
}

int32_t FlagTest(Category category, int32_t id, int32_t flag) {
  const Record* record = Find(category, id);
  return record != nullptr && record->HasFlag(flag) ? 1 : 0;
}

int32_t Attribute(Category category, int32_t id, int slot) {
  const Record* record = Find(category, id);
  return record != nullptr ? record->attributes[slot] : 0;
}

// Dimension n of frame group 0.
int32_t Dimension(Category category, int32_t id, int n) {
  const Record* record = Find(category, id);
  return record != nullptr ? record->groups[0].dims[n] : 0;
}

// Dimension n of the outfit group SpriteGroupIndex selects.
int32_t CurrentDimension(int32_t id, int n) {
  const Record* record = Find(kOutfit, id);
  return record != nullptr ? appearance::CurrentGroup(*record).dims[n] : 0;
}

int32_t SpriteOf(const FrameGroup& group, const SpriteCoordinates& at) {
  return static_cast<int32_t>(appearance::SpriteAt(appearance::Store(), group, at));
}

// Item id 99 is answered without a lookup: flag 15 and nothing else.
constexpr uint16_t kHostSpecialItem = 99;
constexpr int32_t kHostSpecialItemFlag = 15;

// Outfit flag 27 holds for every outfit while group 0 is read.
constexpr int32_t kAlwaysAnimatedFlag = 27;

// The effect that plays from its own animator on the shared clock instead
// of the frame the host passes.
constexpr uint16_t kSelfAnimatedEffect = 13;

// Missile patterns (x, y) by direction 0 to 7; any other direction draws
// the centre pattern (1, 1).
struct Pattern {
  int64_t x, y;
};
constexpr Pattern kMissilePatterns[8] = {{1, 0}, {2, 0}, {2, 1}, {2, 2},
                                         {1, 2}, {0, 2}, {0, 1}, {0, 0}};
constexpr Pattern kMissileCentre = {1, 1};

}  // namespace

// ---- category 0: items ------------------------------------------------------
int32_t ItemHasFlag(int32_t id, int32_t flag) {
  if (static_cast<uint16_t>(id) == kHostSpecialItem) return flag == kHostSpecialItemFlag ? 1 : 0;
  return FlagTest(kItem, id, flag);
}
int32_t ItemAttributeA0(int32_t id) { return Attribute(kItem, id, 0); }
int32_t ItemAttributeA5(int32_t id) { return Attribute(kItem, id, 5); }
int32_t ItemAttributeA6(int32_t id) { return Attribute(kItem, id, 6); }
int32_t ItemAttributeA3(int32_t id) { return Attribute(kItem, id, 3); }
int32_t ItemAttributeA4(int32_t id) { return Attribute(kItem, id, 4); }
int32_t ItemAttributeA7(int32_t id) { return Attribute(kItem, id, 7); }
int32_t ItemAttributeA8(int32_t id) { return Attribute(kItem, id, 8); }
int32_t ItemAttributeA9(int32_t id) { return Attribute(kItem, id, 9); }
int32_t ItemDimension0(int32_t id) { return Dimension(kItem, id, 0); }
int32_t ItemDimension1(int32_t id) { return Dimension(kItem, id, 1); }
int32_t ItemDimension2(int32_t id) { return Dimension(kItem, id, 2); }
int32_t ItemDimension3(int32_t id) { return Dimension(kItem, id, 3); }
int32_t ItemDimension4(int32_t id) { return Dimension(kItem, id, 4); }
int32_t ItemDimension5(int32_t id) { return Dimension(kItem, id, 5); }
int32_t ItemDimension6(int32_t id) { return Dimension(kItem, id, 6); }
int32_t ItemDimension7(int32_t id) { return Dimension(kItem, id, 7); }

int32_t ItemSpriteIndexAnimated(int32_t id, int32_t w, int32_t h, int32_t layer, int32_t x,
                                int32_t y, int32_t z) {
  const Record* record = Find(kItem, id);
  if (record == nullptr) return 0;
  const FrameGroup& group = record->groups[0];
  const uint32_t frame = appearance::SharedClockFrame(appearance::Store(), group);
  return SpriteOf(group, {ZeroBased(w), ZeroBased(h), ZeroBased(layer), ZeroBased(x), ZeroBased(y),
                          ZeroBased(z), frame});
}

// ---- category 1: outfits ------------------------------------------------------
int32_t OutfitHasFlag(int32_t id, int32_t flag) {
  if (flag == kAlwaysAnimatedFlag && SpriteGroupIndex == 0) return 1;
  return FlagTest(kOutfit, id, flag);
}
int32_t OutfitAttributeA5(int32_t id) { return Attribute(kOutfit, id, 5); }
int32_t OutfitAttributeA6(int32_t id) { return Attribute(kOutfit, id, 6); }
int32_t OutfitAttributeA3(int32_t id) { return Attribute(kOutfit, id, 3); }
int32_t OutfitAttributeA4(int32_t id) { return Attribute(kOutfit, id, 4); }
int32_t OutfitDimension0(int32_t id) { return CurrentDimension(id, 0); }
int32_t OutfitDimension1(int32_t id) { return CurrentDimension(id, 1); }
int32_t OutfitDimension2(int32_t id) { return CurrentDimension(id, 2); }
int32_t OutfitDimension3(int32_t id) { return CurrentDimension(id, 3); }
int32_t OutfitDimension4(int32_t id) { return Dimension(kOutfit, id, 4); }
int32_t OutfitDimension5(int32_t id) { return Dimension(kOutfit, id, 5); }
int32_t OutfitDimension5Mapped(int32_t id) {
  switch (Dimension(kOutfit, id, 5)) {
    case 4: return 7;
    case 3: return 3;
    case 2: return 1;
    default: return 0;
  }
}
int32_t OutfitDimension7(int32_t id) { return CurrentDimension(id, 7); }

// Pattern Z is OutfitPatternZ - 1: 1 while a mounted creature's rider is
// drawn (DrawCreatureWithMount), else 0.
int32_t OutfitSpriteIndex(int32_t id, int32_t w, int32_t h, int32_t layer, int32_t x, int32_t y,
                          int32_t frame) {
  const Record* record = Find(kOutfit, id);
  if (record == nullptr) return 0;
  const int64_t z = int64_t{OutfitPatternZ()} - 1;
  return SpriteOf(appearance::CurrentGroup(*record),
                  {ZeroBased(w), ZeroBased(h), ZeroBased(layer), ZeroBased(x), ZeroBased(y), z,
                   ZeroBased(frame)});
}

// ---- category 2: effects ------------------------------------------------------
int32_t EffectHasFlag(int32_t id, int32_t flag) { return FlagTest(kEffect, id, flag); }
int32_t EffectAttributeA5(int32_t id) { return Attribute(kEffect, id, 5); }
int32_t EffectAttributeA6(int32_t id) { return Attribute(kEffect, id, 6); }
int32_t EffectDimension0(int32_t id) { return Dimension(kEffect, id, 0); }
int32_t EffectDimension1(int32_t id) { return Dimension(kEffect, id, 1); }
int32_t EffectDimension3(int32_t id) { return Dimension(kEffect, id, 3); }
int32_t EffectDimension4(int32_t id) { return Dimension(kEffect, id, 4); }
int32_t EffectDimension5(int32_t id) { return Dimension(kEffect, id, 5); }
int32_t EffectDimension7(int32_t id) { return Dimension(kEffect, id, 7); }

int32_t EffectSpriteIndex(int32_t id, int32_t w, int32_t h, int32_t layer, int32_t x, int32_t y,
                          int32_t z, int32_t frame) {
  const Record* record = Find(kEffect, id);
  if (record == nullptr) return 0;
  const FrameGroup& group = record->groups[0];
  const int64_t shown = static_cast<uint16_t>(id) == kSelfAnimatedEffect
                            ? appearance::SharedClockFrame(appearance::Store(), group)
                            : ZeroBased(frame);
  return SpriteOf(group, {ZeroBased(w), ZeroBased(h), ZeroBased(layer), ZeroBased(x), ZeroBased(y),
                          ZeroBased(z), shown});
}

// ---- category 3: missiles -----------------------------------------------------
int32_t MissileHasFlag(int32_t id, int32_t flag) { return FlagTest(kMissile, id, flag); }
int32_t MissileAttributeA5(int32_t id) { return Attribute(kMissile, id, 5); }
int32_t MissileAttributeA6(int32_t id) { return Attribute(kMissile, id, 6); }
int32_t MissileDimension0(int32_t id) { return Dimension(kMissile, id, 0); }
int32_t MissileDimension1(int32_t id) { return Dimension(kMissile, id, 1); }
int32_t MissileDimension3(int32_t id) { return Dimension(kMissile, id, 3); }

// The direction picks the pattern (x, y); pattern Z is always 0.
int32_t MissileSpriteIndex(int32_t id, int32_t w, int32_t h, int32_t layer, int32_t direction,
                           int32_t frame) {
  const Record* record = Find(kMissile, id);
  if (record == nullptr) return 0;
  const Pattern pattern =
      direction >= 0 && direction < 8 ? kMissilePatterns[direction] : kMissileCentre;
  return SpriteOf(record->groups[0], {ZeroBased(w), ZeroBased(h), ZeroBased(layer), pattern.x,
                                      pattern.y, 0, ZeroBased(frame)});
}
