// Mounted creatures: DrawCreatureWithMount draws the mount and then its
// rider through the host's own creature drawing; MountAwareFieldA/B answer
// the host's displacement questions for the mount when there is one.
#include "host/appearance/appearance_store.h"
#include "host/appearance/outfit_groups.h"
#include "host/creature.h"
#include "host/handlers.h"
#include "host/host_functions.h"
#include "host/library_data.h"

namespace {

// Patch table entries 17 to 19 rebuilt the start of the host's creature
// drawing at this spare location, so calling it runs the host's own code.
constexpr uint32_t kHostDrawCreature = 0x401865;

constexpr int kDisplacementFlag = 24;  // a3, a4: where the rider sits
constexpr int kDisplacementX = 3;
constexpr int kDisplacementY = 4;

void DrawThroughHost(int32_t x, int32_t y, int32_t third, uint32_t creature) {
  HostCall(kHostDrawCreature, {static_cast<uint32_t>(x), static_cast<uint32_t>(y),
                               static_cast<uint32_t>(third), creature});
}

// The mount drawn in place of the creature's outfit; the creature's own look
// type and the rider's pattern Z are put back however the host's drawing
// ends.
class MountedDrawing {
 public:
  MountedDrawing(uint32_t creature, uint32_t mount)
      : creature_(creature), look_(host::creature::LookType(creature)) {
    host::creature::LookType(creature_) = mount;
  }
  ~MountedDrawing() { host::creature::LookType(creature_) = look_; }
  MountedDrawing(const MountedDrawing&) = delete;
  MountedDrawing& operator=(const MountedDrawing&) = delete;

 private:
  uint32_t creature_;
  uint32_t look_;
};

class RiderPattern {
 public:
  RiderPattern() { OutfitPatternZ() = 2; }
  ~RiderPattern() { OutfitPatternZ() = 1; }
  RiderPattern(const RiderPattern&) = delete;
  RiderPattern& operator=(const RiderPattern&) = delete;
};

int32_t MountAwareAttribute(uint32_t creature, int slot) {
  const uint32_t mount = host::creature::MountLookType(creature);
  const uint32_t look =
      mount != 0 ? mount : static_cast<uint32_t>(host::creature::LookType(creature));
  const appearance::Record* outfit = appearance::FindOutfit(look);
  return outfit != nullptr ? outfit->attributes[slot] : 0;
}

}  // namespace

void DrawCreatureWithMount(int32_t x, int32_t y, int32_t third, uint32_t creature) {
  const bool walking = appearance::IsWalking(creature, ClockMillis());
  const uint32_t mount = host::creature::MountLookType(creature);
  if (mount == 0) {
    SpriteGroupIndex = appearance::GroupIndexFor(
        appearance::FindOutfit(host::creature::LookType(creature)), walking);
    DrawThroughHost(x, y, third, creature);
    return;
  }

  SpriteGroupIndex = appearance::GroupIndexFor(appearance::FindOutfit(mount), walking);
  {
    MountedDrawing drawing(creature, mount);
    DrawThroughHost(x, y, third, creature);
  }
  RiderPattern rider;
  const appearance::Record* outfit = appearance::FindOutfit(host::creature::LookType(creature));
  if (outfit != nullptr && outfit->HasFlag(kDisplacementFlag)) {
    x += outfit->attributes[kDisplacementX];
    y += outfit->attributes[kDisplacementY];
  }
  SpriteGroupIndex = appearance::GroupIndexFor(outfit, walking);
  DrawThroughHost(x, y, third, creature);
}

int32_t MountAwareFieldA(uint32_t creature) { return MountAwareAttribute(creature, 3); }
int32_t MountAwareFieldB(uint32_t creature) { return MountAwareAttribute(creature, 4); }

// The host's own work at 0x4B5E90 follows.
void ResetGroupIndex() { SpriteGroupIndex = 0; }
