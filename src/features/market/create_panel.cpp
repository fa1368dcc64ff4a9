// The "Create Offer:" panel: sell or buy, anonymous, the piece price, the
// amount bar and the sums, and "Create".
#include <algorithm>
#include <string>

#include "features/market/items.h"
#include "features/market/requests.h"
#include "features/market/rules.h"
#include "features/market/state.h"
#include "features/market/window_parts.h"
#include "gui/text_fit.h"
#include "gui/widgets.h"
#include "host/host_functions.h"
#include "protocol/digit_grouping.h"
#include "protocol/shared_values.h"

namespace market {
namespace {

constexpr int32_t kStackableFlag = 5;
constexpr int32_t kFont = 1;
constexpr uint32_t kPriceDigits = 10;  // 4294967295
constexpr uint32_t kLargestPrice = 4294967295u;
constexpr gui::Color kCaptionColour{170, 170, 170};
constexpr gui::Color kValueColour{230, 230, 230};

// Where the values stand in the panel, and how wide they may be.
constexpr int32_t kFirstSumX = 100, kSecondSumX = 292, kSumRoom = 200 - 6 - kFirstSumX;
constexpr int32_t kSecondSumRoom = 434 - 8 - kSecondSumX;
constexpr int32_t kAmountX = 262, kAmountRoom = 314 - 4 - kAmountX;
constexpr int32_t kItemX = 98, kItemRoom = 530 - 8 - kItemX;

// What the panel knows of the selected item.
struct PanelItem {
  bool stackable = false;
  uint16_t tradeId = 0;
};
PanelItem CurrentItem;

GUI_Label* AddLabel(GUI_Dialog& d, int32_t x, int32_t y, const char* text, int32_t id,
                    gui::Color colour) {
  auto* label = d.AddChild(new GUI_Label(x, y, 0, 14, text, id, colour.r, colour.g, colour.b));
  label->font = kFont;
  return label;
}

GUI_CheckBox* AddBox(GUI_Dialog& d, int32_t x, int32_t y, int32_t w, const char* caption,
                     bool checked, int32_t id, int32_t code) {
  auto* box = d.AddChild(new GUI_CheckBox(x, y, w, 20, caption, checked, id, 200, 200, 200));
  box->noFrame = 1;
  box->interactive = 1;
  box->SetHandler(&OnMarketCode, code);
  return box;
}

OfferType PanelType() {
  auto* sell = Child<GUI_CheckBox>(kSellBoxId);
  auto* buy = Child<GUI_CheckBox>(kBuyBoxId);
  return ChosenOfferType(sell != nullptr && sell->checked != 0, buy != nullptr && buy->checked != 0);
}

uint32_t PanelPrice() {
  auto* box = Child<GUI_TextBox>(kPriceBoxId);
  return box == nullptr ? 0 : ReadPiecePrice(box->text);
}

// The most pieces the amount bar allows now; the bar's positions 0 ..
// maximum - 1 are the amounts 1 .. maximum.
uint32_t Maximum = 0;

uint32_t PanelAmount() {
  auto* bar = Child<GUI_HScrollBar>(kAmountBarId);
  if (bar == nullptr || Maximum == 0) return 0;
  return std::min<uint32_t>(static_cast<uint32_t>(bar->position) + 1, Maximum);
}

void SetValue(int32_t id, const std::string& text, int32_t room) {
  gui::SetLabelText(MarketDialog, id, gui::FitText(kFont, text, room));
}

void ShowSums() {
  const uint32_t amount = PanelAmount();
  SetValue(kAmountId, protocol::GroupDigits(amount), kAmountRoom);
  const std::string total = protocol::GroupDigits(PanelTotal(PanelPrice(), amount));
  SetValue(kFirstSumId, total, kSumRoom);
  SetValue(kSecondSumId, total, kSecondSumRoom);
}

// The captions follow the type once the player chose one.
void ShowCaptions(OfferType type) {
  const SumCaptions captions = SumCaptionsFor(type);
  gui::SetLabelText(MarketDialog, kFirstSumCaptionId, captions.first);
  gui::SetLabelText(MarketDialog, kSecondSumCaptionId, captions.second);
}

// "Sell" and "Buy" are options: the one clicked is on, the other off.
void ChooseType(OfferType type) {
  auto* sell = Child<GUI_CheckBox>(kSellBoxId);
  auto* buy = Child<GUI_CheckBox>(kBuyBoxId);
  if (sell == nullptr || buy == nullptr) return;
  sell->SetChecked(type == OfferType::Sell, false);
  buy->SetChecked(type == OfferType::Buy, false);
  ShowCaptions(type);
  RefreshCreatePanel();
}

// A price beyond what the request can carry is shown as the largest it can,
// so the box never says more than would be sent.
void ReadPriceBox() {
  auto* box = Child<GUI_TextBox>(kPriceBoxId);
  if (box == nullptr) return;
  const uint32_t price = ReadPiecePrice(box->text);
  const std::string shown = std::to_string(price);
  if (price == kLargestPrice && box->text != shown) box->SetText(shown, false);
  RefreshCreatePanel();
}

void Create() {
  const MarketItem* item = SelectedItem();
  auto* anonymous = Child<GUI_CheckBox>(kAnonymousBoxId);
  if (item == nullptr) return;
  RequestCreate(PanelType(), item->tradeId, static_cast<uint16_t>(PanelAmount()), PanelPrice(),
                anonymous != nullptr && anonymous->checked != 0);
}

}  // namespace

void AddCreatePanel(GUI_Dialog& d, int32_t left, int32_t top) {
  d.AddChild(new GUI_Group(left, top + 14, 530, 90, kPanelFrameId));
  AddLabel(d, left, top, "Create Offer:", kPanelLabelId, gui::Color{220, 220, 220});
  AddLabel(d, left + kItemX, top, "", kPanelItemId, kValueColour);
  AddBox(d, left + 6, top + 18, 60, "Sell", false, kSellBoxId, kSellBoxCode);
  AddBox(d, left + 70, top + 18, 60, "Buy", true, kBuyBoxId, kBuyBoxCode);
  AddBox(d, left + 134, top + 18, 110, "Anonymous", false, kAnonymousBoxId, kAnonymousCode);
  AddLabel(d, left + 10, top + 51, "Piece Price:", kPriceCaptionId, kCaptionColour);
  AddLabel(d, left + 204, top + 51, "Amount:", kAmountCaptionId, kCaptionColour);
  AddLabel(d, left + kAmountX, top + 51, "0", kAmountId, kValueColour);
  auto* bar = d.AddChild(new GUI_HScrollBar(left + 314, top + 50, 206, 12, 0, 0, kAmountBarId));
  bar->interactive = 1;
  bar->SetHandler(&OnMarketCode, kAmountCode);
  // As the panel opens on "Buy", before the player switched it.
  AddLabel(d, left + 10, top + 78, "Total:", kFirstSumCaptionId, kCaptionColour);
  AddLabel(d, left + kFirstSumX, top + 78, "0", kFirstSumId, kValueColour);
  AddLabel(d, left + 200, top + 78, "Total Price:", kSecondSumCaptionId, kCaptionColour);
  AddLabel(d, left + kSecondSumX, top + 78, "0", kSecondSumId, kValueColour);
  auto* create = d.AddChild(new GUI_Button(left + 434, top + 74, 86, 20, "Create", kCreateId));
  create->interactive = 1;
  create->SetHandler(&OnMarketCode, kCreateCode);
  auto* price = d.AddChild(new GUI_TextBox(left + 96, top + 47, 100, 20, "", kPriceBoxId, 230, 230, 230));
  price->digitsOnly = 1;
  price->maxLength = kPriceDigits;
  price->font = kFont;
  price->interactive = 1;
  price->SetHandler(&OnMarketCode, kPriceCode);
}

void OnPanelItemChanged() {
  const MarketItem* item = SelectedItem();
  CurrentItem = PanelItem{};
  if (item != nullptr) {
    CurrentItem.tradeId = item->tradeId;
    CurrentItem.stackable = HostItemTypeFlag(item->objectId, kStackableFlag);
  }
  SetValue(kPanelItemId, item != nullptr ? item->name : "", kItemRoom);
  RefreshCreatePanel();
}

void RefreshCreatePanel() {
  auto* bar = Child<GUI_HScrollBar>(kAmountBarId);
  if (bar == nullptr) return;
  const OfferType type = PanelType();
  Maximum = CurrentItem.tradeId == 0
                ? 0
                : MaximumAmount(type, BalanceU64(), PanelPrice(),
                                State().DepotCount(CurrentItem.tradeId), CurrentItem.stackable);
  const int32_t range = Maximum == 0 ? 0 : static_cast<int32_t>(Maximum) - 1;
  if (range != bar->maximum) bar->SetRange(range);
  ShowSums();
}

void OnCreatePanelCode(int32_t code) {
  switch (code) {
    case kSellBoxCode: ChooseType(OfferType::Sell); break;
    case kBuyBoxCode: ChooseType(OfferType::Buy); break;
    case kPriceCode: ReadPriceBox(); break;
    case kAmountCode: ShowSums(); break;
    case kCreateCode: Create(); break;
    default: break;  // "Anonymous" is read when the offer is created
  }
}

}  // namespace market
