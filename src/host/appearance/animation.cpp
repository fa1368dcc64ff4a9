#include "host/appearance/animation.h"

#include "host/appearance/appearance_store.h"
#include "host/handlers.h"

namespace appearance {

void DeriveTiming(Animator& animator, std::span<const FrameDuration> durations) {
  uint64_t cycle = 0;
  for (uint32_t i = 0; i < durations.size(); ++i) {
    if (i == animator.startFrame) animator.startOffsetMillis = cycle;
    cycle += FrameMillis(durations[i]);
  }
  animator.cycleMillis = cycle;
}

AnimationFrame FrameAt(const Animator& animator, std::span<const FrameDuration> durations,
                       uint64_t elapsed, uint32_t cycles) {
  const uint64_t cycle = animator.cycleMillis;
  if (cycle == 0 || durations.empty()) return {animator.startFrame, cycles > 0};

  AnimationFrame result;
  if (cycles > 0 && elapsed / cycles >= cycle) {
    // Past the last counted cycle: hold its final millisecond.
    elapsed = cycle * cycles - 1;
    result.finished = true;
  }
  uint64_t t = (animator.startOffsetMillis + elapsed) % cycle;
  for (uint32_t i = 0; i < durations.size(); ++i) {
    const uint64_t length = FrameMillis(durations[i]);
    if (t < length) {
      result.frame = i;
      return result;
    }
    t -= length;
  }
  result.frame = static_cast<uint32_t>(durations.size() - 1);  // not reached: t < cycle
  return result;
}

uint32_t SharedClockFrame(const AppearanceStore& store, const FrameGroup& group) {
  const Animator* animator = store.AnimatorOf(group);
  if (animator == nullptr) return 0;
  return FrameAt(*animator, store.Durations(*animator), ClockMillis(), 0).frame;
}

}  // namespace appearance
