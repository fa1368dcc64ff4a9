// Animation phases the host asks for while it draws creatures, items and
// effects (CreatureWalkPhase, WalkPhaseClamp, AnimatedPhaseA, EffectTick).
//
// Every phase is a one-based frame number, the host's own coordinate
// convention, so the host can pass it straight back to a sprite-index
// getter. The timing rules are those of animation.h; on top of them:
// - Items animate on the shared clock and repeat forever: all items of a
//   type move in step (the host names only the type).
// - A creature shows the frame of its current outfit group (the group
//   SpriteGroupIndex selects: walking or standing) on the shared clock,
//   repeating forever. An asynchronous animation (mode byte 0) is shifted by
//   an amount derived from the creature's id, so a crowd in the same outfit
//   does not move in lockstep; a synchronous one is not.
//   A standing creature whose outfit has one group for both (flag 39) holds
//   frame 1: those frames are steps.
// - An effect starts when the host created it and plays its loop count of
//   cycles, at least one (a count of 0 would leave it on screen for good),
//   then reports 0: finished. An effect without an animator shows its single
//   frame for kStillEffectMillis.
#include "host/appearance/animation.h"
#include "host/appearance/appearance_store.h"
#include "host/appearance/outfit_groups.h"
#include "host/creature.h"
#include "host/handlers.h"

namespace {

using appearance::Animator;
using appearance::Record;
using appearance::Store;

constexpr int32_t kFirstFrame = 1;
constexpr uint32_t kStillEffectMillis = 100;
// Shift per creature id of asynchronous animations; a prime, so ids that
// differ by a cycle's worth of frames still land on different frames.
constexpr uint64_t kCreatureShiftMillis = 131;

}  // namespace

int32_t CreatureWalkPhase(uint32_t creature) {
  const Record* outfit = appearance::FindOutfit(host::creature::LookType(creature));
  if (outfit == nullptr) return kFirstFrame;
  const Animator* animator = Store().AnimatorOf(appearance::CurrentGroup(*outfit));
  if (animator == nullptr) return kFirstFrame;
  const uint32_t now = ClockMillis();
  if (outfit->HasFlag(appearance::kOnlyGroupFlag) && !appearance::IsWalking(creature, now)) {
    return kFirstFrame;
  }
  const uint64_t shift =
      animator->modeZero ? uint64_t{host::creature::Id(creature)} * kCreatureShiftMillis : 0;
  const auto shown = appearance::FrameAt(*animator, Store().Durations(*animator), now + shift, 0);
  return static_cast<int32_t>(shown.frame) + kFirstFrame;
}

int32_t WalkPhaseClamp(uint32_t creature, int32_t phase) {
  const Record* outfit = appearance::FindOutfit(host::creature::LookType(creature));
  const int32_t frames = outfit != nullptr ? appearance::CurrentGroup(*outfit).dims[7] : 0;
  if (phase > frames) phase = frames;
  return phase < kFirstFrame ? kFirstFrame : phase;
}

int32_t AnimatedPhaseA(int32_t id) {
  const Record* item = Store().Find(appearance::Category::Item, static_cast<uint16_t>(id));
  if (item == nullptr) return kFirstFrame;
  return static_cast<int32_t>(appearance::SharedClockFrame(Store(), item->groups[0])) + kFirstFrame;
}

int32_t EffectTick(int32_t id, uint32_t startTime) {
  const Record* effect = Store().Find(appearance::Category::Effect, static_cast<uint16_t>(id));
  if (effect == nullptr) return 0;
  // An effect whose start lies ahead (a clock read before ours) has just begun.
  const int32_t sinceStart = static_cast<int32_t>(ClockMillis() - startTime);
  const uint64_t elapsed = sinceStart > 0 ? static_cast<uint64_t>(sinceStart) : 0;
  const Animator* animator = Store().AnimatorOf(effect->groups[0]);
  if (animator == nullptr) return elapsed < kStillEffectMillis ? kFirstFrame : 0;
  const uint32_t cycles = animator->loops > 0 ? animator->loops : 1;
  const auto shown = appearance::FrameAt(*animator, Store().Durations(*animator), elapsed, cycles);
  return shown.finished ? 0 : static_cast<int32_t>(shown.frame) + kFirstFrame;
}
