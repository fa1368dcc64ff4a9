// GUI_Categories: the market's 24 categories, one 14-pixel row each, the
// selected one on a grey 112 background. A press on a row, or Up and Down,
// posts the row.
#pragma once

#include <cstdint>

#include "gui/widgets/row_list.h"

class GUI_Categories : public GUI_RowList {
 public:
  static constexpr int32_t kRowH = 14;
  static constexpr int32_t kTextX = 4, kFont = 1;

  GUI_Categories(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);
  void Draw() override;

 private:
  int32_t RowCount() const override;
  int32_t HitWidth() const override { return w - kScrollBarW - 1; }
};
