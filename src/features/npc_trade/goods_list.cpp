#include "features/npc_trade/goods_list.h"

#include "features/npc_trade/rules.h"
#include "features/npc_trade/state.h"
#include "gui/draw.h"
#include "gui/text_fit.h"
#include "gui/widgets/item_slot.h"
#include "protocol/digit_grouping.h"

namespace {

constexpr int32_t kFirstTop = GUI_NpcTradeList::kHeaderH + 1;
constexpr int32_t kTextDown = 4;
constexpr gui::Color kTextColour{220, 220, 220};
constexpr gui::Color kHeaderColour{160, 160, 160};

// `text` cut to `room` and drawn with its right edge at `right`.
void RightAligned(int32_t right, int32_t y, const std::string& text, int32_t room,
                  gui::Color colour) {
  const std::string shown = gui::FitText(GUI_NpcTradeList::kFont, text, room);
  const int32_t width = gui::TextWidth(GUI_NpcTradeList::kFont, shown);
  gui::Text(right - width, y, GUI_NpcTradeList::kFont, colour, shown, 0);
}

}  // namespace

GUI_NpcTradeList::GUI_NpcTradeList(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_RowList(x, y, w, h, id, {kFirstTop, kRowH, kRowH + 1, 0, kRowH - 1}, -1) {
  UpdateRange();
}

int32_t GUI_NpcTradeList::RowCount() const {
  return static_cast<int32_t>(npc_trade::Trade().rows.size());
}

void GUI_NpcTradeList::Refresh(int32_t selection) {
  selected = selection;
  UpdateRange();
  scrollBar.SetPosition(gui::ScrollToShow(selected, 0, VisibleRows()), true);
}

bool GUI_NpcTradeList::TakeOfferedWheel(int32_t px, int32_t py, bool up) {
  offeredWheelTaken_ = false;
  if (!Contains(px, py)) return false;
  scrollBar.OnWheel(px, py, up ? 1 : 0);
  offeredWheelTaken_ = true;
  return true;
}

void GUI_NpcTradeList::OnWheel(int32_t px, int32_t py, uint8_t up) {
  if (offeredWheelTaken_) {
    offeredWheelTaken_ = false;  // this notch was scrolled when it was offered
    return;
  }
  scrollBar.OnWheel(px, py, up);
}

void GUI_NpcTradeList::Draw() {
  HostFillRectRGB(x, y, w, h, 30, 30, 30);
  const npc_trade::TradeState& trade = npc_trade::Trade();
  const int32_t headerY = y + 3;
  gui::Text(x + kNameX, headerY, kFont, kHeaderColour, "Name", 0);
  RightAligned(x + kPriceRight, headerY, "Price", kPriceRoom, kHeaderColour);
  RightAligned(x + kWeightRight, headerY, "Weight", kWeightRoom, kHeaderColour);
  HostFillRectRGB(x + 1, y + kHeaderH - 1, HitWidth() - 1, 1, 70, 70, 70);
  int32_t top = FirstTop();
  for (int32_t row = FirstRow(); row < RowCount() && top <= LastTop(); ++row, top += Pitch()) {
    const npc_trade::TradeRow& r = trade.rows[static_cast<size_t>(row)];
    if (row == selected) {
      HostFillRectRGB(x + 1, top, HitWidth() - 1, kRowH - 1, 112, 112, 112);
    } else if (row % 2 == 1) {
      HostFillRectRGB(x + 1, top, HitWidth() - 1, kRowH - 1, 38, 38, 38);
    }
    gui::DrawItem(x + 2, top, kPictureSize, r.item.itemId);
    const int32_t textY = top + kTextDown;
    gui::Text(x + kNameX, textY, kFont, kTextColour, gui::FitText(kFont, r.item.name, kNameRoom),
              0);
    RightAligned(x + kPriceRight, textY,
                 protocol::GroupDigits(npc_trade::PriceIn(trade.mode, r.item)), kPriceRoom,
                 kTextColour);
    RightAligned(x + kWeightRight, textY, npc_trade::WeightText(r.item.weight), kWeightRoom,
                 kTextColour);
  }
  scrollBar.Draw();
}
