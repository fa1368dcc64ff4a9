// GUI_HotkeyList: the 36 slots, one 18-pixel row each, with its own
// scroll bar. A press selects the row under the mouse and posts (code,
// slot).
#pragma once

#include <memory>

#include "features/hotkeys/slots.h"
#include "gui/element.h"
#include "gui/widgets/post_event.h"
#include "gui/widgets/v_scroll_bar.h"

class GUI_HotkeyList : public GUI_Element, public gui::HandlerSlot {
 public:
  static constexpr int32_t kRowHeight = 18;
  static constexpr int32_t kTopInset = 2;
  static constexpr size_t kShownTextLength = 45;

  // `slots` must outlive the list (the window owns both).
  GUI_HotkeyList(int32_t x, int32_t y, int32_t w, int32_t h, const hotkeys::HotkeySlots* slots,
                 int32_t id);

  int32_t VisibleRows() const;
  // Selects without posting and scrolls the row into view; -1 = none.
  void Select(int32_t slot);

  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override { scrollBar->OnMouseUp(px, py); }
  void OnMouseMove(int32_t px, int32_t py) override { scrollBar->OnMouseMove(px, py); }
  void OnWheel(int32_t px, int32_t py, uint8_t up) override { scrollBar->OnWheel(px, py, up); }
  void Draw() override;

  std::unique_ptr<GUI_VScrollBar> scrollBar;  // its position is the first row shown
  int32_t selected = -1;

 private:
  void DrawRow(int32_t slot, int32_t top);
  const hotkeys::HotkeySlots* slots_;
};
