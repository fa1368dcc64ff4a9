// The Bestiary page's search box: "Type to search" while empty; Enter
// searches as the "Search" button does.
#pragma once

#include "gui/widgets/text_box.h"

class GUI_CyclopediaSearchBox : public GUI_TextBox {
 public:
  static constexpr uint32_t kMaxLength = 30;

  GUI_CyclopediaSearchBox(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);
  void OnKeyDown(int32_t key, int32_t data) override;
  void Draw() override;

  GUI_Handler enterHandler = nullptr;
  int32_t enterCode = 0;
};
