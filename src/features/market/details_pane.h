// GUI_Details: the details view's panes, lines of a caption and a value
// (the value after its caption, cut with "..." to the pane), scrolled by a
// bar at the right edge or the wheel when they are more than the pane
// holds. The market fills the "Details:" pane with an item's texts and the
// "Statistics:" pane with its buy and sell statistics (DetailLines,
// StatisticsPaneLines).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "features/market/state.h"
#include "gui/draw.h"
#include "gui/element.h"
#include "gui/widgets/v_scroll_bar.h"

struct GUI_DetailLine {
  std::string caption;
  std::string value;
  int32_t indent = 0;
  gui::Color colour{190, 190, 190};
};

class GUI_Details : public GUI_Element {
 public:
  static constexpr int32_t kLineH = 14, kPad = 4, kFont = 1;
  static constexpr int32_t kScrollBarW = 12;

  GUI_Details(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);

  // Replaces the lines and scrolls to the top.
  void SetLines(std::vector<GUI_DetailLine> lines);
  const std::vector<GUI_DetailLine>& Lines() const { return lines_; }
  // The room a value has on a line of `indent` (for wrapping long texts).
  int32_t TextRoom(int32_t indent) const { return w - kScrollBarW - 2 * kPad - indent; }

  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override { scrollBar_.OnMouseUp(px, py); }
  void OnMouseMove(int32_t px, int32_t py) override { scrollBar_.OnMouseMove(px, py); }
  void OnWheel(int32_t px, int32_t py, uint8_t up) override { scrollBar_.OnWheel(px, py, up); }
  void Draw() override;

 private:
  int32_t VisibleLines() const;

  std::vector<GUI_DetailLine> lines_;
  GUI_VScrollBar scrollBar_;
};

namespace market {

// The fifteen texts with their captions, the empty ones left out. A value
// stands after its caption when it fits there, else on the lines below,
// broken where it must be.
std::vector<GUI_DetailLine> DetailLines(const ItemDetails& details, const GUI_Details& pane);
// "Buy Offers:" and "Sell Offers:", each with its four statistics, placed
// as the details are.
std::vector<GUI_DetailLine> StatisticsPaneLines(const ItemDetails& details,
                                                const GUI_Details& pane);

}  // namespace market
