// GUI_StoreCategories: the store's category rows, each a skinned bar with
// the category's picture and name, and a scroll bar at the right edge. The
// rows are the store state's categories.
#pragma once

#include <cstdint>

#include "gui/element.h"
#include "gui/widgets/post_event.h"
#include "gui/widgets/v_scroll_bar.h"

class GUI_StoreCategories : public GUI_Element, public gui::HandlerSlot {
 public:
  static constexpr int32_t kRowPitch = 32;
  static constexpr int32_t kFirstRowY = 6;  // below the list's top
  static constexpr int32_t kBarX = 7, kBarW = 166, kBarH = 22;
  static constexpr int32_t kLastTopFromBottom = 26;  // a row's top is at most y + h - 26
  static constexpr int32_t kPictureX = 13, kPictureY = 4, kPictureSize = 14;
  static constexpr int32_t kNameX = 32, kNameY = 6, kFont = 4;
  static constexpr int32_t kScrollBarW = 12;
  // The bars' pieces of host sheet 4.
  static constexpr int32_t kBarSrcX = 180, kBarSrcY = 620, kSelectedBarSrcY = 642;

  GUI_StoreCategories(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);

  // After the categories changed: the scroll range follows the row count;
  // a selection past the end goes back to row 0.
  void Refresh();
  // How many rows fit (a row is drawn while its top <= y + h - 26).
  int32_t VisibleRows() const;
  // Whether `selected` names a category.
  bool HasSelection() const;
  // The first shown row.
  int32_t FirstRow() const { return scrollBar.position; }

  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void Draw() override;
  // A press on a row's bar selects it and posts (handler, code, row);
  // presses on the scroll bar go to it, others do nothing.
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override;
  void OnMouseMove(int32_t px, int32_t py) override;
  void OnWheel(int32_t px, int32_t py, uint8_t up) override;
  // Up and Down move the selection one row (clamped), scroll it into view
  // and post as a click does. At either end, where the selection cannot
  // move, nothing is posted (no second request for the same category).
  void OnKeyDown(int32_t key, int32_t data) override;

  int32_t selected = 0;
  GUI_VScrollBar scrollBar;  // the first shown row is its position

 private:
  int32_t RowCount() const;
  void UpdateRange();
};
