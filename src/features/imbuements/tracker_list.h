// The imbuement tracker's list: one line per equipped item with a running
// imbuement (an item with more than three slots continues on further
// lines), its picture on the left and one 34 x 34 cell per slot, each with
// the tier pips and the time left under it. A scroll bar appears when the
// lines outnumber what the list shows.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "features/imbuements/state.h"
#include "gui/element.h"
#include "gui/tooltip.h"
#include "gui/widgets/v_scroll_bar.h"

// One slot of a tracked item: the empty-slot picture while nothing runs in
// it; else the picture of its kind, its tier as red pips under it and the
// time left under those. Resting on it shows its name.
class GUI_ImbuiTrackerItem : public GUI_Element {
 public:
  static constexpr int32_t kSize = 34;

  GUI_ImbuiTrackerItem(int32_t x, int32_t y, imbuements::TrackerEntry entry);
  void Draw() override;
  void OnMouseMove(int32_t px, int32_t py) override;
  // The tooltip, when the mouse has rested on the cell long enough.
  void DrawDueTooltip() const;

  imbuements::TrackerEntry entry;
  gui::HoverTimer hover;
};

class GUI_ImbuiTrackerList : public GUI_Element {
 public:
  static constexpr int32_t kLinePitch = 56;
  static constexpr int32_t kCellsPerLine = 3;
  static constexpr int32_t kEmptyHeight = 24;  // the height that shows the empty list's text

  // The lines these items take.
  static int32_t LinesFor(const std::vector<imbuements::TrackerItem>& items);

  GUI_ImbuiTrackerList(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);

  // Replaces the list's copy of the items. The scroll position is kept
  // where it can be, and the mouse keeps resting on the cell at its place.
  void SetItems(const std::vector<imbuements::TrackerItem>& items);
  int32_t LineCount() const { return static_cast<int32_t>(lines_.size()); }
  int32_t VisibleLines() const { return std::max(h / kLinePitch, 1); }

  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void Draw() override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override { scrollBar_->OnMouseUp(px, py); }
  void OnMouseMove(int32_t px, int32_t py) override;
  void OnWheel(int32_t px, int32_t py, uint8_t up) override;

 private:
  struct Line {
    uint16_t itemId = 0;  // 0 on an item's further lines: no picture
    size_t firstCell = 0;
    size_t cellCount = 0;
  };

  bool ScrollBarShown() const { return scrollBar_->maximum > 0; }
  // Places the cells of the lines in view and hides the others.
  void Layout();
  void UpdateRange();

  std::vector<Line> lines_;
  std::vector<std::unique_ptr<GUI_ImbuiTrackerItem>> cells_;
  std::unique_ptr<GUI_VScrollBar> scrollBar_;
  int32_t laidOutPosition_ = 0;
  int32_t mouseX_ = 0, mouseY_ = 0;
  bool mouseKnown_ = false;
};
