#include "features/market/search_box.h"

#include "gui/draw.h"

void GUI_MarketSearchPlaceholder::Draw() {
  GUI_TextBox::Draw();
  if (!text.empty()) return;
  gui::Text(x + padding, y + 3, font, gui::Color{120, 120, 120}, market::kSearchHint,
            0);
}
