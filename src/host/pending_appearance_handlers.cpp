// TEMPORARY: placeholders so the foundation links while the appearance store is
// being built. Each definition moves to its subsystem and this file
// disappears.
#include "host/handlers.h"
#include "host/host_functions.h"
#include "host/library_data.h"

// ---- appearance store ----------------------------------------------------------
uint32_t LoadDataFiles(uint32_t argument) { return HostCall(0x45CFE0, {argument}); }
uint8_t DataReadU8() { return 0; }
uint16_t DataReadU16() { return 0; }
uint32_t DataReadU32() { return 0; }
void DataSeek(uint32_t) {}
void DataRewind() {}
void ForwardToHost507000() {}
void ResetGroupIndex() { SpriteGroupIndex = 0; }
int32_t CreatureWalkPhase(uint32_t) { return 0; }
int32_t WalkPhaseClamp(int32_t phase) { return phase; }
int32_t AnimatedPhaseA(int32_t) { return 0; }
int32_t EffectTick(uint32_t) { return 0; }
void DrawCreatureWithMount(int32_t x, int32_t y, int32_t third, uint32_t creature) {
  HostCall(0x401865, {static_cast<uint32_t>(x), static_cast<uint32_t>(y),
                      static_cast<uint32_t>(third), creature});
}
int32_t MountAwareFieldA(uint32_t) { return 0; }
int32_t MountAwareFieldB(uint32_t) { return 0; }

#define QUORLAN_ZERO1(name) \
  int32_t name(int32_t) { return 0; }
#define QUORLAN_ZERO2(name) \
  int32_t name(int32_t, int32_t) { return 0; }
QUORLAN_ZERO2(ItemHasFlag)
QUORLAN_ZERO1(ItemAttributeA0)
QUORLAN_ZERO1(ItemAttributeA5)
QUORLAN_ZERO1(ItemAttributeA6)
QUORLAN_ZERO1(ItemAttributeA3)
QUORLAN_ZERO1(ItemAttributeA4)
QUORLAN_ZERO1(ItemAttributeA7)
QUORLAN_ZERO1(ItemAttributeA8)
QUORLAN_ZERO1(ItemAttributeA9)
QUORLAN_ZERO1(ItemDimension0)
QUORLAN_ZERO1(ItemDimension1)
QUORLAN_ZERO1(ItemDimension2)
QUORLAN_ZERO1(ItemDimension3)
QUORLAN_ZERO1(ItemDimension4)
QUORLAN_ZERO1(ItemDimension5)
QUORLAN_ZERO1(ItemDimension6)
QUORLAN_ZERO1(ItemDimension7)
int32_t ItemSpriteIndexAnimated(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {
  return 0;
}
QUORLAN_ZERO2(OutfitHasFlag)
QUORLAN_ZERO1(OutfitAttributeA5)
QUORLAN_ZERO1(OutfitAttributeA6)
QUORLAN_ZERO1(OutfitAttributeA3)
QUORLAN_ZERO1(OutfitAttributeA4)
QUORLAN_ZERO1(OutfitDimension0)
QUORLAN_ZERO1(OutfitDimension1)
QUORLAN_ZERO1(OutfitDimension2)
QUORLAN_ZERO1(OutfitDimension3)
QUORLAN_ZERO1(OutfitDimension4)
QUORLAN_ZERO1(OutfitDimension5)
QUORLAN_ZERO1(OutfitDimension5Mapped)
QUORLAN_ZERO1(OutfitDimension7)
int32_t OutfitSpriteIndex(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {
  return 0;
}
QUORLAN_ZERO2(EffectHasFlag)
QUORLAN_ZERO1(EffectAttributeA5)
QUORLAN_ZERO1(EffectAttributeA6)
QUORLAN_ZERO1(EffectDimension0)
QUORLAN_ZERO1(EffectDimension1)
QUORLAN_ZERO1(EffectDimension3)
QUORLAN_ZERO1(EffectDimension4)
QUORLAN_ZERO1(EffectDimension5)
QUORLAN_ZERO1(EffectDimension7)
int32_t EffectSpriteIndex(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                          int32_t) {
  return 0;
}
QUORLAN_ZERO2(MissileHasFlag)
QUORLAN_ZERO1(MissileAttributeA5)
QUORLAN_ZERO1(MissileAttributeA6)
QUORLAN_ZERO1(MissileDimension0)
QUORLAN_ZERO1(MissileDimension1)
QUORLAN_ZERO1(MissileDimension3)
int32_t MissileSpriteIndex(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) { return 0; }
