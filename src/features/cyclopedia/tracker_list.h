// The Bestiary Tracker's list: one row per tracked creature with its
// picture, name, a three-part kill bar and the kill count, scrolled by the
// list's own scroll bar. Resting on a bar part shows its progress; a click
// on a row asks for the creature's details.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "features/cyclopedia/state.h"
#include "gui/element.h"
#include "gui/widgets/v_scroll_bar.h"

class GUI_BestiaryTrackerSlot : public GUI_Element {
 public:
  static constexpr int32_t kHeight = 40;
  static constexpr uint32_t kTooltipDelayMs = 500;

  GUI_BestiaryTrackerSlot(int32_t x, int32_t y, int32_t w, cyclopedia::TrackerRow row);
  void Draw() override;
  void OnMouseMove(int32_t px, int32_t py) override;
  // The tooltip of the bar part the mouse rests on, once it is due.
  void DrawDueTooltip() const;

  cyclopedia::TrackerRow row;

 private:
  int32_t BarX() const { return x + 18; }
  int32_t BarW() const { return w - 22; }
  int32_t BarY() const { return y + 20; }

  int hoveredPart_ = -1;
  uint32_t hoverSince_ = 0;
  int32_t mouseX_ = 0, mouseY_ = 0;
};

class GUI_BestiaryTrackerList : public GUI_Element {
 public:
  static constexpr int32_t kScrollW = 12;

  GUI_BestiaryTrackerList(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);

  // Replaces the rows from the tracker table; the scroll stays where it can.
  void Rebuild();
  size_t RowCount() const { return slots_.size(); }

  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void Draw() override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override;
  void OnMouseMove(int32_t px, int32_t py) override;
  void OnWheel(int32_t px, int32_t py, uint8_t up) override { scrollBar_->OnWheel(px, py, up); }

 private:
  // At least one row, also in the smallest window.
  int32_t VisibleRows() const { return std::max(h / GUI_BestiaryTrackerSlot::kHeight, 1); }
  bool ScrollBarShown() const { return scrollBar_->maximum > 0; }
  // Places the rows in view and hides the others.
  void Layout();
  // The row under the point, or -1.
  int32_t RowAt(int32_t px, int32_t py) const;

  std::vector<std::unique_ptr<GUI_BestiaryTrackerSlot>> slots_;
  std::unique_ptr<GUI_VScrollBar> scrollBar_;
  int32_t pressedRow_ = -1;
  bool onScrollBar_ = false;
};
