// GUI_Objects: the market items of the chosen category (or of the search),
// 35-pixel rows with a 34 x 34 frame, the item's 32 x 32 picture and its
// market name: white when the depot holds the item, else grey 175; the
// selected row on a grey 112 background. A press on a row, or Up and Down,
// posts the row (an index into `shown`).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gui/widgets/row_list.h"

class GUI_Objects : public GUI_RowList {
 public:
  static constexpr int32_t kRowH = 35;
  static constexpr int32_t kFrameSize = 34, kPictureSize = 32;
  static constexpr int32_t kNameX = 40, kFont = 1;

  GUI_Objects(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);

  // Lists these items (indices into market::MarketItems()); the selection
  // follows the item `keepItem` when it is still listed, else none; the
  // list scrolls to the top, or to show the kept selection.
  void Show(std::vector<size_t> items, int32_t keepItem);
  // The market item of the selected row, or -1.
  int32_t SelectedItem() const;
  int32_t ItemAt(int32_t row) const;

  void Draw() override;

  std::vector<size_t> shown;

 private:
  int32_t RowCount() const override { return static_cast<int32_t>(shown.size()); }
  int32_t HitWidth() const override { return w - kScrollBarW - 1; }
};
