#include "features/hotkeys/hotkey_list.h"

#include <algorithm>

#include "gui/draw.h"
#include "gui/text_fit.h"
#include "gui/widgets/item_slot.h"
#include "host/host_functions.h"

namespace {

constexpr int32_t kFont = 1;
constexpr int32_t kKeyInset = 5;
constexpr int32_t kValueInset = 80;  // "Shift+F12:" fits before it
constexpr int32_t kObjectSize = 18;

const char* ModeText(hotkeys::UseMode mode) {
  switch (mode) {
    case hotkeys::UseMode::OnYourself: return "(use object on yourself)";
    case hotkeys::UseMode::OnTarget: return "(use object on target)";
    case hotkeys::UseMode::WithCrosshairs: break;
  }
  return "(use object with crosshairs)";
}

}  // namespace

GUI_HotkeyList::GUI_HotkeyList(int32_t x, int32_t y, int32_t w, int32_t h,
                               const hotkeys::HotkeySlots* slots, int32_t id)
    : GUI_Element(x, y, w, h, id),
      scrollBar(std::make_unique<GUI_VScrollBar>(0, 0, 12, 0, 0, 0, 0)),
      slots_(slots) {
  interactive = 1;
  SetBounds(x, y, w, h);
}

int32_t GUI_HotkeyList::VisibleRows() const {
  return std::max((h - kTopInset) / kRowHeight, 1);
}

void GUI_HotkeyList::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  GUI_Element::SetBounds(newX, newY, newW, newH);
  scrollBar->SetBounds(newX + newW - 12, newY, 12, newH);
  scrollBar->SetRange(std::max(hotkeys::kSlotCount - VisibleRows(), 0));
}

void GUI_HotkeyList::Select(int32_t slot) {
  selected = slot >= 0 && slot < hotkeys::kSlotCount ? slot : -1;
  if (selected < 0) return;
  const int32_t first = scrollBar->position;
  if (selected < first) scrollBar->SetPosition(selected, true);
  if (selected >= first + VisibleRows()) scrollBar->SetPosition(selected - VisibleRows() + 1, true);
}

void GUI_HotkeyList::OnMouseDown(int32_t px, int32_t py) {
  if (scrollBar->Contains(px, py)) {
    scrollBar->OnMouseDown(px, py);
    return;
  }
  const int32_t row = (py - y - kTopInset) / kRowHeight;
  if (py < y + kTopInset || row >= VisibleRows()) return;
  const int32_t slot = scrollBar->position + row;
  if (slot >= hotkeys::kSlotCount) return;
  selected = slot;
  Post(slot);
}

void GUI_HotkeyList::DrawRow(int32_t slot, int32_t top) {
  const int32_t rowW = w - 14;
  const uint8_t grey = slot == selected ? 88 : (slot % 2 == 0 ? 72 : 65);
  HostFillRectRGB(x + 1, top, rowW, kRowHeight, grey, grey, grey);
  const hotkeys::HotkeySlot& s = (*slots_)[slot];
  const uint8_t keyGrey = s.Empty() ? 128 : 255;
  gui::Text(x + kKeyInset, top + 2, kFont, {keyGrey, keyGrey, keyGrey},
            hotkeys::KeyName(slot) + ":", 0);
  const int32_t valueX = x + kValueInset;
  const int32_t room = x + 1 + rowW - valueX - 4;
  if (s.objectId != 0) {
    host::ObjectDrawArgs args;
    args.x = valueX;
    args.y = top;
    args.size = kObjectSize;
    args.objectId = static_cast<int32_t>(s.objectId);
    args.data = static_cast<int32_t>(s.objectData);
    std::copy(gui::kUntintedItem.begin(), gui::kUntintedItem.end(), args.display);
    HostDrawObject(args);
    gui::Text(valueX + kObjectSize + 4, top + 2, kFont, {255, 255, 255},
              gui::FitText(kFont, ModeText(s.useMode), room - kObjectSize - 4), 0);
    return;
  }
  // The first 45 characters, and never wider than the row.
  gui::Text(valueX, top + 2, kFont, {255, 255, 255},
            gui::FitText(kFont, s.text.substr(0, kShownTextLength), room), 0);
}

void GUI_HotkeyList::Draw() {
  HostFillRectRGB(x, y, w, h, 36, 36, 36);
  gui::ThinFrame(x, y, w, h);
  const int32_t first = scrollBar->position;
  for (int32_t row = 0; row < VisibleRows() && first + row < hotkeys::kSlotCount; ++row) {
    DrawRow(first + row, y + kTopInset + row * kRowHeight);
  }
  scrollBar->Draw();
}
