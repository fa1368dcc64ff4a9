#include "features/npc_trade/window.h"

#include <algorithm>
#include <string>

#include "features/npc_trade/goods_list.h"
#include "features/npc_trade/requests.h"
#include "features/npc_trade/rules.h"
#include "features/npc_trade/state.h"
#include "gui/screen.h"
#include "gui/text_fit.h"
#include "gui/widgets.h"
#include "gui/widgets/hint_text_box.h"
#include "gui/widgets/tab_button.h"
#include "gui/window.h"
#include "host/task_queue.h"
#include "protocol/digit_grouping.h"
#include "protocol/shared_values.h"

namespace npc_trade {

GUI_Window* TradeWindow = nullptr;

namespace {

constexpr int32_t kWindowW = 400, kWindowH = 370;
constexpr int32_t kWindowTag = 14;
// The host's side panel at the right of the client area; the window stands
// left of it.
constexpr int32_t kSidePanelW = 280;
constexpr int32_t kWindowTop = 60;
constexpr int32_t kFont = 1;
constexpr gui::Color kCaptionColour{175, 175, 175};
constexpr gui::Color kValueColour{230, 230, 230};
constexpr gui::Color kBoxColour{200, 200, 200};

enum Code : int32_t {
  kBuyTabCode = 6001,
  kSellTabCode = 6002,
  kSearchCode = 6003,
  kListCode = 6004,
  kAmountCode = 6005,
  kFirstOptionCode = 6006,
  kSecondOptionCode = 6007,
  kActionCode = 6008,
  kCloseCode = 6009,
  kWindowCloseCode = 6010,
  kMinimizeCode = 6011,
};

enum ChildId : int32_t {
  kBuyTabId = 6101,
  kSellTabId = 6102,
  kListId = 6104,
  kTotalId = 6108,
  kFirstOptionId = 6109,
  kSecondOptionId = 6110,
  kMoneyId = 6112,
  kSearchId = gui::ids::kTabFirst,
  kAmountId = gui::ids::kTabFirst + 1,
  kActionId = gui::ids::kDefaultButton,
  kCloseId = gui::ids::kCancelButton,
};

// Where the values stand, and how wide they may be.
constexpr int32_t kTotalX = 244, kValueRight = 392;
constexpr uint32_t kAmountDigits = 5;

template <typename T>
T* Child(int32_t id) {
  return gui::ChildAs<T>(TradeWindow, id);
}

void OnTradeCode(int32_t code, int32_t value);

// ---- building ------------------------------------------------------------------------

GUI_Label* AddLabel(GUI_Window& w, int32_t x, int32_t y, const char* text, int32_t id,
                    gui::Color colour) {
  auto* label = w.AddChild(new GUI_Label(x, y, 0, 14, text, id, colour.r, colour.g, colour.b));
  label->font = kFont;
  return label;
}

GUI_CheckBox* AddOption(GUI_Window& w, int32_t y, int32_t id, int32_t code) {
  auto* box = w.AddChild(
      new GUI_CheckBox(8, y, 180, 20, "", false, id, kBoxColour.r, kBoxColour.g, kBoxColour.b));
  box->noFrame = 1;
  box->interactive = 1;
  box->SetHandler(&OnTradeCode, code);
  return box;
}

template <typename Button>
Button* AddButton(GUI_Window& w, Button* button, int32_t code) {
  button->interactive = 1;
  button->SetHandler(&OnTradeCode, code);
  return w.AddChild(button);
}

GUI_Window* BuildWindow() {
  const int32_t left = std::max(ClientWidth - kSidePanelW - kWindowW - 8, 0);
  const int32_t top = std::max(std::min(kWindowTop, ClientHeight - kWindowH - 4), 0);
  auto* w = new GUI_Window(left, top, kWindowW, kWindowH, "NPC Trade", kWindowTag, false);
  w->SetCloseHandler(&OnTradeCode, kWindowCloseCode);
  w->SetMinimizeHandler(&OnTradeCode, kMinimizeCode);
  // Its height is fixed: neither the bottom edge nor a grip resizes it.
  w->SetMinHeight(kWindowH);
  w->SetMaxHeight(kWindowH);

  AddButton(*w, new GUI_TabButton(8, 24, 192, 24, "Buy", kBuyTabId), kBuyTabCode);
  AddButton(*w, new GUI_TabButton(200, 24, 192, 24, "Sell", kSellTabId), kSellTabCode);

  auto* search = w->AddChild(new GUI_HintTextBox(8, 54, 384, 18, "Type to search", kSearchId));
  search->interactive = 1;
  search->maxLength = 30;
  search->SetHandler(&OnTradeCode, kSearchCode);

  auto* list = w->AddChild(new GUI_NpcTradeList(8, 76, 384, 180, kListId));
  list->SetHandler(&OnTradeCode, kListCode);

  AddLabel(*w, 8, 265, "Ammount:", 0, kCaptionColour);
  auto* amount = w->AddChild(new GUI_TextBox(72, 262, 60, 18, "1", kAmountId, kValueColour.r,
                                             kValueColour.g, kValueColour.b));
  amount->interactive = 1;
  amount->digitsOnly = 1;
  amount->maxLength = kAmountDigits;
  amount->SetHandler(&OnTradeCode, kAmountCode);
  AddLabel(*w, 200, 265, "Total:", 0, kCaptionColour);
  AddLabel(*w, kTotalX, 265, "0", kTotalId, kValueColour);

  AddOption(*w, 287, kFirstOptionId, kFirstOptionCode);
  AddOption(*w, 309, kSecondOptionId, kSecondOptionCode);
  // The money on a line of its own: the largest sum fits whole.
  AddLabel(*w, 200, 292, "Money:", 0, kCaptionColour);
  AddLabel(*w, 200, 310, "0", kMoneyId, kValueColour);

  auto* action =
      AddButton(*w, new GUI_ButtonColor(222, 340, 82, 22, "Buy", kActionId), kActionCode);
  action->font = kFont;
  auto* close = AddButton(*w, new GUI_ButtonColor(310, 340, 82, 22, "Close", kCloseId), kCloseCode);
  close->font = kFont;
  gui::ApplyAvailabilityLook(*close, true);
  w->SetFocus(nullptr);
  return w;
}

// ---- showing the state ---------------------------------------------------------------

uint32_t FreeCapacity() { return protocol::LastPlayerStatistics().statistics[2]; }

void SetValue(int32_t id, const std::string& text) {
  auto* label = Child<GUI_Label>(id);
  if (label == nullptr) return;
  label->SetText(gui::FitText(kFont, text, kValueRight - label->x + TradeWindow->x));
}

// The amount from its box: the box shows the maximum instead of a larger
// number, so it never says more than would be sent.
void RefreshAmount() {
  TradeState& trade = Trade();
  auto* box = Child<GUI_TextBox>(kAmountId);
  const uint32_t typed = box == nullptr ? 1 : ReadAmountText(box->text);
  const TradeRow* row = trade.SelectedRow();
  const uint32_t maximum =
      row == nullptr ? 0 : MaximumAmount(trade.mode, *row, trade.player.money, FreeCapacity());
  trade.amount = EffectiveAmount(typed, row != nullptr, maximum);
  if (box != nullptr && row != nullptr && maximum >= 1 && typed > maximum) {
    box->SetText(std::to_string(maximum), false);
  }
  SetValue(kTotalId, protocol::GroupDigits(TotalPrice(trade.mode, row, trade.amount)));
  SetValue(kMoneyId, protocol::GroupDigits(trade.player.money));
  if (auto* action = Child<GUI_ButtonColor>(kActionId)) {
    const bool allowed = trade.mode == Mode::Buy ? BuyAllowed(row, trade.amount, trade.player.money)
                                                 : SellAllowed(row, trade.amount);
    gui::ApplyAvailabilityLook(*action, allowed);
  }
}

// The rows of the mode again; with `keepSelection` the selected good stays
// selected while it is still listed.
void RebuildRows(bool keepSelection) {
  TradeState& trade = Trade();
  const TradeRow* old = keepSelection ? trade.SelectedRow() : nullptr;
  const uint16_t oldItem = old == nullptr ? 0 : old->item.itemId;
  const uint8_t oldSubtype = old == nullptr ? 0 : old->item.subtype;
  trade.rows =
      BuildRows(trade.goods, trade.player, trade.mode, trade.search, trade.options.showAllItems);
  trade.selected = -1;
  for (size_t i = 0; old != nullptr && i < trade.rows.size(); ++i) {
    const NpcTradeItem& item = trade.rows[i].item;
    if (item.itemId == oldItem && item.subtype == oldSubtype) {
      trade.selected = static_cast<int32_t>(i);
      break;
    }
  }
  if (auto* list = Child<GUI_NpcTradeList>(kListId)) list->Refresh(trade.selected);
  RefreshAmount();
}

struct OptionCaptions {
  const char* first;
  const char* second;
};

void ShowMode() {
  const TradeState& trade = Trade();
  const bool buy = trade.mode == Mode::Buy;
  if (auto* tab = Child<GUI_TabButton>(kBuyTabId)) tab->SetSelected(buy);
  if (auto* tab = Child<GUI_TabButton>(kSellTabId)) tab->SetSelected(!buy);
  if (auto* action = Child<GUI_ButtonColor>(kActionId)) action->SetCaption(buy ? "Buy" : "Sell");
  auto* first = Child<GUI_CheckBox>(kFirstOptionId);
  auto* second = Child<GUI_CheckBox>(kSecondOptionId);
  if (first == nullptr || second == nullptr) return;
  const TradeOptions& o = trade.options;
  first->caption = buy ? "Ignore capacity" : "Ignore equipped";
  second->caption = buy ? "Buy with backpack" : "Show all items";
  first->SetChecked(buy ? o.ignoreCapacity : o.ignoreEquipped, false);
  second->SetChecked(buy ? o.buyWithBackpack : o.showAllItems, false);
}

void SetMode(Mode mode) {
  TradeState& trade = Trade();
  if (trade.mode == mode) return;
  trade.mode = mode;
  ShowMode();
  RebuildRows(false);
}

void OnOption(int32_t id) {
  auto* box = Child<GUI_CheckBox>(id);
  if (box == nullptr) return;
  TradeState& trade = Trade();
  const bool on = box->checked != 0;
  TradeOptions& o = trade.options;
  const bool buy = trade.mode == Mode::Buy;
  if (id == kFirstOptionId) {
    (buy ? o.ignoreCapacity : o.ignoreEquipped) = on;
    return;
  }
  if (buy) {
    o.buyWithBackpack = on;
    return;
  }
  o.showAllItems = on;
  RebuildRows(true);
}

void Act() {
  RefreshAmount();
  const TradeState& trade = Trade();
  const TradeRow* row = trade.SelectedRow();
  if (trade.mode == Mode::Buy) {
    if (!BuyAllowed(row, trade.amount, trade.player.money)) return;
    RequestBuy(row->item.itemId, row->item.subtype, WireAmount(trade.amount),
               trade.options.ignoreCapacity, trade.options.buyWithBackpack);
    return;
  }
  if (!SellAllowed(row, trade.amount)) return;
  RequestSell(row->item.itemId, row->item.subtype, WireAmount(trade.amount),
              trade.options.ignoreEquipped);
}

// The close button's handler runs inside the window's own mouse handling:
// the window goes at the next frame. The number tells a close asked for a
// window since replaced by a new trade's.
uint32_t windowGeneration = 0;

void CloseLaterTask(void* generation, void*) {
  if (reinterpret_cast<uintptr_t>(generation) == windowGeneration) CloseTrade();
}

void DestroyWindow() {
  GUI_Window* window = TradeWindow;
  if (window == nullptr) return;
  TradeWindow = nullptr;
  window->Destroy();
  delete window;
}

void OnTradeCode(int32_t code, int32_t value) {
  // Events queued by a window that has gone since find nothing to act on.
  if (TradeWindow == nullptr) return;
  switch (code) {
    case kBuyTabCode: SetMode(Mode::Buy); break;
    case kSellTabCode: SetMode(Mode::Sell); break;
    case kSearchCode:
      if (auto* box = Child<GUI_TextBox>(kSearchId)) Trade().search = box->text;
      RebuildRows(true);
      break;
    case kListCode:
      Trade().selected = value;
      RefreshAmount();
      break;
    case kAmountCode: RefreshAmount(); break;
    case kFirstOptionCode: OnOption(kFirstOptionId); break;
    case kSecondOptionCode: OnOption(kSecondOptionId); break;
    case kActionCode: Act(); break;
    case kCloseCode: CloseTrade(); break;
    case kWindowCloseCode:
      PostToMainThread(&CloseLaterTask, reinterpret_cast<void*>(uintptr_t{windowGeneration}),
                       nullptr);
      break;
    default: break;  // minimising needs nothing beyond what the window does
  }
}

}  // namespace

void OpenTradeWindow() {
  DestroyWindow();
  TradeWindow = BuildWindow();
  ++windowGeneration;
  Trade().open = true;
  ShowMode();
  RebuildRows(false);
}

void CloseTrade() {
  if (TradeWindow != nullptr) RequestClose();
  DropTrade();
}

void DropTrade() {
  DestroyWindow();
  Trade().Reset();
}

void OnPlayerGoodsReplaced() {
  if (TradeWindow != nullptr) RebuildRows(true);
}

void OfferListWheel(int32_t x, int32_t y, bool up) {
  if (TradeWindow == nullptr || TradeWindow->minimized != 0) return;
  if (auto* list = Child<GUI_NpcTradeList>(kListId)) list->TakeOfferedWheel(x, y, up);
}

}  // namespace npc_trade
