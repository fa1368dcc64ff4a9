// The Drop Tracker's and Kill Tracker's lists: a copy of their table, rows
// of name and amount, and their own scroll bar.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/element.h"
#include "gui/widgets/v_scroll_bar.h"

struct AnalyzerListRow {
  std::string name;
  uint32_t amount;
};

class GUI_AnalyzerList : public GUI_Element {
 public:
  static constexpr int32_t kRowHeight = 16;
  // Rows that a list `height` pixels high shows: the scroll range counts on
  // exactly these, so every row can be scrolled into view.
  static int32_t RowsFor(int32_t height);

  GUI_AnalyzerList(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id, std::string emptyText);

  // Replaces the rows, keeping the scroll position where it can.
  void SetRows(std::vector<AnalyzerListRow> newRows);
  int32_t VisibleRows() const { return visibleRows; }
  int32_t ScrollPosition() const { return scrollBar->position; }

  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void Draw() override;
  void OnMouseDown(int32_t px, int32_t py) override { scrollBar->OnMouseDown(px, py); }
  void OnMouseUp(int32_t px, int32_t py) override { scrollBar->OnMouseUp(px, py); }
  void OnMouseMove(int32_t px, int32_t py) override { scrollBar->OnMouseMove(px, py); }
  void OnWheel(int32_t px, int32_t py, uint8_t up) override { scrollBar->OnWheel(px, py, up); }

  std::vector<AnalyzerListRow> rows;
  std::unique_ptr<GUI_VScrollBar> scrollBar;
  int32_t visibleRows = 0;
  int32_t cachedRowCount = 0;

 private:
  void UpdateRange();
  std::string emptyText_;
};

class GUI_LootList : public GUI_AnalyzerList {
 public:
  GUI_LootList(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
      : GUI_AnalyzerList(x, y, w, h, id, "No loot yet") {}
};

class GUI_MonsterList : public GUI_AnalyzerList {
 public:
  GUI_MonsterList(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
      : GUI_AnalyzerList(x, y, w, h, id, "No kills yet") {}
};

namespace analyzer {
// A name of more than 18 characters becomes its first 15 and "..."; a name
// still wider than `room` pixels (font 1) is cut further, to the longest
// start that fits with "...".
std::string ShortName(const std::string& name, int32_t room);
}  // namespace analyzer
