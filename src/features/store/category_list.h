// GUI_StoreCategories: the store's category rows, each a skinned bar with
// the category's picture and name, and a scroll bar at the right edge. The
// rows are the store state's categories; a press on a bar, or Up and Down,
// posts the row (no second request for the same category at either end).
#pragma once

#include <cstdint>

#include "gui/widgets/row_list.h"

class GUI_StoreCategories : public GUI_RowList {
 public:
  static constexpr int32_t kRowPitch = 32;
  static constexpr int32_t kFirstRowY = 6;  // below the list's top
  static constexpr int32_t kBarX = 7, kBarW = 166, kBarH = 22;
  static constexpr int32_t kLastTopFromBottom = 26;  // a row's top is at most y + h - 26
  static constexpr int32_t kPictureX = 13, kPictureY = 4, kPictureSize = 14;
  static constexpr int32_t kNameX = 32, kNameY = 6, kFont = 4;
  // The bars' pieces of host sheet 4.
  static constexpr int32_t kBarSrcX = 180, kBarSrcY = 620, kSelectedBarSrcY = 642;

  GUI_StoreCategories(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);

  // After the categories changed: the scroll range follows the row count;
  // a selection past the end goes back to row 0.
  void Refresh();
  // Whether `selected` names a category.
  bool HasSelection() const;

  void Draw() override;

 private:
  int32_t RowCount() const override;
  int32_t HitWidth() const override { return kBarW; }
};
