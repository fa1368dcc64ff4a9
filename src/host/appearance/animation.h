// Animation timing of a frame group: which frame an animator shows at a
// given time. The rules, in one place:
//
// - A frame shows for the middle of its [min, max] duration range. The host
//   asks for a phase many times a frame, often with nothing but an
//   appearance id, so there is no per-object state to keep randomly drawn
//   durations in; the middle keeps each animation's average speed and makes
//   the answer depend on the clock alone, so it never jitters between calls.
// - One cycle is the sum of all frame durations. An animation's origin is
//   the moment its start frame begins; from there the frames follow in order
//   and wrap to frame 0 after the last.
// - A cycle of 0 ms (all durations 0) shows the start frame for good.
// - `cycles` limits how many whole cycles play, counted from the origin;
//   afterwards the animation is finished and holds the frame it ended on.
//   0 means it repeats forever. Who counts loops is the caller's rule
//   (phase handlers: only effects, which have a start the player saw).
#pragma once

#include <cstdint>
#include <span>

#include "host/appearance/appearance_record.h"

namespace appearance {

constexpr uint64_t FrameMillis(FrameDuration duration) {
  return duration.min + (duration.max - duration.min) / 2;
}

// Fills the animator's cycle length and start offset from its durations.
// REQUIRES: durations.size() == animator.frameCount, startFrame < frameCount.
void DeriveTiming(Animator& animator, std::span<const FrameDuration> durations);

struct AnimationFrame {
  uint32_t frame = 0;  // zero-based
  bool finished = false;
};

// The frame shown `elapsed` ms after the animation's origin.
AnimationFrame FrameAt(const Animator& animator, std::span<const FrameDuration> durations,
                       uint64_t elapsed, uint32_t cycles);

class AppearanceStore;

// The zero-based frame a group shows at ClockMillis on the shared clock
// (origin 0, repeating forever); 0 for a group without an animator.
uint32_t SharedClockFrame(const AppearanceStore& store, const FrameGroup& group);

}  // namespace appearance
