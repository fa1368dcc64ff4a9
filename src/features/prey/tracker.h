// The prey tracker "Prey Creatures": a docked singleton window with one
// 162 x 50 row per slot, 45 pixels apart, showing the creature and its time
// left, with a tooltip, and opening the prey window on a click.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gui/element.h"
#include "gui/tooltip.h"

class GUI_Window;

// One slot of the tracker. It reads the slot record live, so it always
// shows what the server last sent. Locked, inactive and selecting slots
// have no creature running: they show as "Inactive".
class GUI_PreyTrackerSlot : public GUI_Element {
 public:
  static constexpr int32_t kWidth = 162, kHeight = 50;

  GUI_PreyTrackerSlot(int32_t x, int32_t y, size_t slot, int32_t id);
  void Draw() override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override;
  void OnMouseMove(int32_t px, int32_t py) override;

  size_t slot;
  gui::HoverTimer hover;

 private:
  // The row's own 45-pixel band: rows are 50 high but 45 apart.
  bool InBand(int32_t px, int32_t py) const;
  void DrawDueTooltip() const;

  bool armed_ = false;  // pressed; a release inside the row clicks
};

namespace prey {

// The tracker while it exists (shown or hidden); null while closed.
extern GUI_Window* TrackerWindow;

// "Tracker" in the prey window and command 1006: when the tracker does not
// exist, request 237 and build it; when it exists, flip its shown flag.
void ToggleTracker();
// Leaving the game: the tracker is destroyed.
void CloseTracker();
// Registers the window with the window sets. Called once at attach.
void InstallTracker();

}  // namespace prey
