// The Bosstiary page: the bosses that pass the filter boxes, one row each
// with their category, kills and the three levels, scrolled by their own
// scroll bar.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gui/element.h"
#include "gui/widgets/v_scroll_bar.h"

class GUI_BosstiaryContent : public GUI_Element {
 public:
  static constexpr int32_t kRowH = 48;

  GUI_BosstiaryContent(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);

  // The bosses to show: the list filtered anew; the scroll stays where it can.
  void Rebuild();

  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void Draw() override;
  void OnMouseDown(int32_t px, int32_t py) override { scrollBar_->OnMouseDown(px, py); }
  void OnMouseUp(int32_t px, int32_t py) override { scrollBar_->OnMouseUp(px, py); }
  void OnMouseMove(int32_t px, int32_t py) override { scrollBar_->OnMouseMove(px, py); }
  void OnWheel(int32_t px, int32_t py, uint8_t up) override { scrollBar_->OnWheel(px, py, up); }

 private:
  int32_t VisibleRows() const { return h / kRowH; }
  void DrawRow(size_t boss, int32_t rowY) const;

  std::vector<size_t> shown_;  // indexes into the bosstiary list
  std::unique_ptr<GUI_VScrollBar> scrollBar_;
};
