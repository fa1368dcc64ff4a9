// GUI_StoreDetails: a framed panel of word-wrapped text lines with a scroll
// bar, for an offer's description and for the reason it is unavailable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/draw.h"
#include "gui/element.h"
#include "gui/widgets/v_scroll_bar.h"

namespace store {

// Splits `text` at line feeds and word-wraps each segment: characters are
// taken while the width of the line so far stays below `limit`; at the
// first character that reaches it the line ends before the last space of
// the line (the space is dropped and the next line starts after it), or,
// with no space in the line, before that character. A line never ends
// before its first character: a space that would leave the line empty is
// not a break, and a character wider than the limit makes a line of its
// own. The rest of a segment is its last line. An empty segment adds no
// line (so a segment of one space is a blank line). `width` measures a
// text (font 4 in the pane).
std::vector<std::string> WrapText(const std::string& text, int32_t limit,
                                  int32_t (*width)(const std::string& text));

}  // namespace store

class GUI_StoreDetails : public GUI_Element {
 public:
  static constexpr int32_t kFont = 4;
  static constexpr int32_t kLineH = 12;
  static constexpr int32_t kFirstLineY = 6;
  static constexpr int32_t kTextX = 4;
  static constexpr int32_t kWrapMargin = 20;  // the wrap limit is the width less this
  static constexpr int32_t kScrollBarW = 12;

  GUI_StoreDetails(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id, gui::Color color);

  // No lines, scrolled to the top.
  void Clear();
  // Wraps the text to the pane (width - 20) and appends its lines; the
  // scroll range becomes line count - visible lines.
  void AddText(const std::string& text);
  // Lines whose 12 pixels fit below the first line's top.
  int32_t VisibleLines() const;

  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void Draw() override;
  // Input goes to the scroll bar (presses only when they hit it).
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override;
  void OnMouseMove(int32_t px, int32_t py) override;
  void OnWheel(int32_t px, int32_t py, uint8_t up) override;

  std::vector<std::string> lines;
  gui::Color textColor;
  GUI_VScrollBar scrollBar;  // the first shown line is its position

 private:
  void UpdateRange();
};
