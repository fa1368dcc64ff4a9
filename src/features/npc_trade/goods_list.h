// GUI_NpcTradeList: a header line ("Name", "Price", "Weight") over the
// trade's rows, 18 pixels apart: the item's picture, its name, the price of
// the mode and the weight, each cut to its column; the selected row on grey
// 112. A press on a row, or Up and Down, posts the
// row (an index into the trade's rows).
//
// The window procedure offers a wheel event to this list before its window
// gets the event once per notch, and the window hands those notches to the
// child under the cursor, this list again. The list therefore scrolls once
// for the event it was offered first and lets the window's first notch pass,
// so a wheel turn scrolls as many rows as it has notches.
#pragma once

#include <cstdint>

#include "gui/widgets/row_list.h"

class GUI_NpcTradeList : public GUI_RowList {
 public:
  static constexpr int32_t kRowH = 18;
  static constexpr int32_t kPictureSize = 16;
  static constexpr int32_t kFont = 2;
  static constexpr int32_t kHeaderH = 16;
  // From the list's left: the name's left edge and room, the price's and
  // the weight's right edges and rooms (the largest price fits whole, and
  // any weight below 100,000 oz).
  static constexpr int32_t kNameX = 22, kNameRoom = 190;
  static constexpr int32_t kPriceRight = 296, kPriceRoom = 78;
  static constexpr int32_t kWeightRight = 368, kWeightRoom = 66;

  GUI_NpcTradeList(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);

  // The rows changed: the scroll range follows; the list shows its top, or
  // the kept selection.
  void Refresh(int32_t selection);

  // The window procedure's offer (see above): a wheel over the list scrolls
  // it one row; answers whether it did.
  bool TakeOfferedWheel(int32_t px, int32_t py, bool up);
  void OnWheel(int32_t px, int32_t py, uint8_t up) override;

  void Draw() override;

 private:
  int32_t RowCount() const override;
  int32_t HitWidth() const override { return w - kScrollBarW - 1; }

  bool offeredWheelTaken_ = false;
};
