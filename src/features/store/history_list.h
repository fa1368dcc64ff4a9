// GUI_StoreHistory: the coin history page as a table (date, balance
// change, description) under a header. The rows are the store state's
// history; selecting one sends nothing.
#pragma once

#include <cstdint>

#include "gui/element.h"

class GUI_StoreHistory : public GUI_Element {
 public:
  static constexpr int32_t kHeaderH = 14;
  static constexpr int32_t kRowH = 12;
  static constexpr int32_t kFirstRowY = 15;  // below the list's top
  static constexpr int32_t kRightMargin = 13;
  // Columns, from the list's left edge.
  static constexpr int32_t kDateW = 150, kBalanceW = 90, kDescriptionW = 300;
  static constexpr int32_t kFont = 4;

  GUI_StoreHistory(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);

  // No row selected (after the history was replaced).
  void Clear();
  // The rows whose 12 pixels fit in the list: the only ones drawn and
  // selectable.
  int32_t VisibleRows() const;

  void Draw() override;
  // A press left of the right margin selects the row under it.
  void OnMouseDown(int32_t px, int32_t py) override;
  // Up and Down move the selection one row, clamped to the rows shown.
  void OnKeyDown(int32_t key, int32_t data) override;

  int32_t selected = -1;

 private:
  int32_t ShownRows() const;
};
