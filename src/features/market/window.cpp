#include "features/market/window.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "features/market/category_list.h"
#include "features/market/details_pane.h"
#include "features/market/item_list.h"
#include "features/market/items.h"
#include "features/market/offer_table.h"
#include "features/market/requests.h"
#include "features/market/search_box.h"
#include "features/market/state.h"
#include "features/market/window_parts.h"
#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/text_fit.h"
#include "gui/widgets.h"
#include "gui/window_sets.h"
#include "platform/platform.h"
#include "protocol/digit_grouping.h"
#include "protocol/shared_values.h"
#include "web/endpoints.h"

namespace market {

GUI_Dialog* MarketDialog = nullptr;

namespace {

constexpr int32_t kWidth = 750, kHeight = 546;
constexpr int32_t kPlacement = 22;  // centred on the screen, movable
constexpr int32_t kFont = 1;
constexpr int32_t kRightX = 210, kRightW = 530;
constexpr int32_t kBottomY = 518, kButtonW = 86, kButtonH = 20;
// The balances between "My Offers" and the coin button, each cut to its
// room.
constexpr int32_t kGoldCaptionX = 284, kGoldX = 324, kCoinsCaptionX = 452, kCoinsX = 498;
constexpr int32_t kCoinButtonX = 606, kCoinButtonW = 44;
constexpr int32_t kGoldRoom = kCoinsCaptionX - 6 - kGoldX;
constexpr int32_t kCoinsRoom = kCoinButtonX - 4 - kCoinsX;

constexpr gui::Color kHeadingColour{220, 220, 220};
constexpr gui::Color kCaptionColour{170, 170, 170};
constexpr gui::Color kBalanceColour{230, 230, 230};

constexpr int32_t kOffersViewIds[] = {kSellLabelId, kSellTableId, kAcceptSellId,
                                      kBuyLabelId,  kBuyTableId,  kAcceptBuyId};
constexpr int32_t kDetailsViewIds[] = {kDetailsLabelId, kDetailsPaneId, kStatisticsLabelId,
                                       kStatisticsPaneId};
constexpr int32_t kOwnViewIds[] = {kOwnTitleId,    kOwnSellLabelId, kOwnSellTableId,
                                   kOwnBuyLabelId, kOwnBuyTableId,  kHistoryToggleId};
constexpr int32_t kCancelIds[] = {kCancelSellId, kCancelBuyId};

// ---- building ------------------------------------------------------------------------

GUI_Label* AddLabel(GUI_Dialog& d, int32_t x, int32_t y, const std::string& text, int32_t id,
                    gui::Color colour) {
  auto* label = d.AddChild(new GUI_Label(x, y, 0, 14, text, id, colour.r, colour.g, colour.b));
  label->font = kFont;
  return label;
}

GUI_Button* AddButton(GUI_Dialog& d, int32_t x, int32_t y, int32_t w, const char* caption,
                      int32_t id, int32_t code) {
  auto* button = d.AddChild(new GUI_Button(x, y, w, kButtonH, caption, id));
  button->interactive = 1;
  button->SetHandler(&OnMarketCode, code);
  return button;
}

template <typename Table>
void AddTable(GUI_Dialog& d, int32_t top, int32_t h, const char* caption, int32_t labelId,
              int32_t tableId, bool buySide, const char* action, int32_t buttonId,
              int32_t code) {
  AddLabel(d, kRightX, top, caption, labelId, kHeadingColour);
  auto* table = d.AddChild(new Table(kRightX, top + 14, kRightW, h, tableId, buySide));
  table->interactive = 1;
  if (action != nullptr) {
    AddButton(d, kRightX + kRightW - kButtonW, top + 14 + h + 3, kButtonW, action, buttonId, code);
  }
}

std::unique_ptr<GUI_Dialog> BuildMarket() {
  auto dialog = std::make_unique<GUI_Dialog>(0, 0, kWidth, kHeight, "Market", kPlacement);
  GUI_Dialog& d = *dialog;

  // Left: categories, items, search.
  AddLabel(d, 10, 22, "Categories:", 0, kHeadingColour);
  auto* categories = d.AddChild(new GUI_Categories(10, 36, 190, 172, kCategoryListId));
  categories->SetHandler(&OnMarketCode, kCategoryCode);
  categories->selected = 0;  // the first category's items are listed at once
  AddLabel(d, 10, 214, "Items:", 0, kHeadingColour);
  auto* items = d.AddChild(new GUI_Objects(10, 228, 190, 248, kItemListId));
  items->SetHandler(&OnMarketCode, kItemCode);
  AddLabel(d, 10, 487, "Search:", 0, kHeadingColour);

  // The browsed item's offers.
  AddTable<GUI_Offers>(d, 22, 146, "Sell Offers:", kSellLabelId, kSellTableId, false, "Accept",
                       kAcceptSellId, kAcceptSellCode);
  AddTable<GUI_Offers>(d, 208, 146, "Buy Offers:", kBuyLabelId, kBuyTableId, true, "Accept",
                       kAcceptBuyId, kAcceptBuyCode);
  AddCreatePanel(d, kRightX, 396);

  // Its details and statistics.
  AddLabel(d, kRightX, 22, "Details:", kDetailsLabelId, kHeadingColour);
  d.AddChild(new GUI_Details(kRightX, 36, 262, 355, kDetailsPaneId));
  AddLabel(d, kRightX + 270, 22, "Statistics:", kStatisticsLabelId, kHeadingColour);
  d.AddChild(new GUI_Details(kRightX + 270, 36, kRightW - 270, 355, kStatisticsPaneId));

  // The player's own offers, current or past.
  AddTable<GUI_History>(d, 22, 170, "Sell Offers:", kOwnSellLabelId, kOwnSellTableId, false,
                        "Cancel", kCancelSellId, kCancelSellCode);
  AddTable<GUI_History>(d, 232, 170, "Buy Offers:", kOwnBuyLabelId, kOwnBuyTableId, true,
                        "Cancel", kCancelBuyId, kCancelBuyCode);
  AddLabel(d, kRightX, 454, "Current Offers", kOwnTitleId, kHeadingColour);
  AddButton(d, kRightX + kRightW - 120, 450, 120, "History", kHistoryToggleId,
            kHistoryToggleCode);

  // Bottom: the views, the balances, the coin page, "Close".
  AddButton(d, 10, kBottomY, kButtonW, "Offers", 0, kOffersViewCode);
  AddButton(d, 100, kBottomY, kButtonW, "Details", 0, kDetailsViewCode);
  AddButton(d, 190, kBottomY, kButtonW, "My Offers", 0, kMyOffersCode);
  AddLabel(d, kGoldCaptionX, kBottomY + 4, "Gold:", 0, kCaptionColour);
  AddLabel(d, kGoldX, kBottomY + 4, "0", kGoldId, kBalanceColour);
  AddLabel(d, kCoinsCaptionX, kBottomY + 4, "Coins:", 0, kCaptionColour);
  AddLabel(d, kCoinsX, kBottomY + 4, "0", kCoinsId, kBalanceColour);
  auto* coins = d.AddChild(
      new GUI_ButtonColor(kCoinButtonX, kBottomY, kCoinButtonW, kButtonH, "Get AC", 0));
  coins->SetFillColor(70, 120, 70);
  coins->SetTextColor(255, 255, 255);
  coins->font = 1;
  coins->interactive = 1;
  coins->SetHandler(&OnMarketCode, kGetCoinsCode);
  AddButton(d, kWidth - 10 - kButtonW, kBottomY, kButtonW, "Close", gui::ids::kCancelButton,
            kCloseCode);

  // The search box last: it has the focus, so typing goes to it.
  auto* box = d.AddChild(new GUI_MarketSearchPlaceholder(58, 483, 142, 20, kSearchBoxId));
  box->maxLength = 30;
  box->font = kFont;
  box->interactive = 1;
  box->SetHandler(&OnMarketCode, kSearchCode);
  return dialog;
}

// ---- what the children show ----------------------------------------------------------

uint16_t SelectedTradeId() {
  const MarketItem* item = SelectedItem();
  return item == nullptr ? 0 : item->tradeId;
}

void ShowBalances() {
  gui::SetLabelText(MarketDialog, kGoldId,
                    gui::FitText(kFont, protocol::GroupDigits(BalanceU64()), kGoldRoom));
  gui::SetLabelText(MarketDialog, kCoinsId,
                    gui::FitText(kFont, protocol::GroupDigits(CoinBalanceB()), kCoinsRoom));
}

void ShowItems() {
  auto* list = Child<GUI_Objects>(kItemListId);
  auto* categories = Child<GUI_Categories>(kCategoryListId);
  auto* box = Child<GUI_MarketSearchPlaceholder>(kSearchBoxId);
  if (list == nullptr || categories == nullptr || box == nullptr) return;
  list->Show(ListedItems(MarketItems(), categories->selected, box->text), State().selectedItem);
}

// The details panes show the selected item's details, once they came.
void ShowDetails() {
  auto* details = Child<GUI_Details>(kDetailsPaneId);
  auto* statistics = Child<GUI_Details>(kStatisticsPaneId);
  if (details == nullptr || statistics == nullptr) return;
  const ItemDetails& received = State().details;
  const uint16_t tradeId = SelectedTradeId();
  if (tradeId == 0 || received.itemId != tradeId) {
    details->SetLines({});
    statistics->SetLines({});
    return;
  }
  details->SetLines(DetailLines(received, *details));
  statistics->SetLines(StatisticsPaneLines(received, *statistics));
}

void RestartTables(std::initializer_list<int32_t> ids) {
  for (const int32_t id : ids) {
    if (auto* table = Child<GUI_OfferTable>(id)) table->Restart();
  }
}

void SetView(View view) {
  MarketState& state = State();
  state.view = view;
  const bool own = view == View::CurrentOffers || view == View::History;
  for (const int32_t id : kOffersViewIds) SetShown(id, view == View::Offers);
  for (const int32_t id : kDetailsViewIds) SetShown(id, view == View::Details);
  for (const int32_t id : kCreatePanelIds) SetShown(id, !own);
  for (const int32_t id : kOwnViewIds) SetShown(id, own);
  for (const int32_t id : kCancelIds) SetShown(id, view == View::CurrentOffers);
  if (!own) return;
  const bool history = view == View::History;
  for (const int32_t id : {kOwnSellTableId, kOwnBuyTableId}) {
    if (auto* table = Child<GUI_History>(id)) table->history = history;
  }
  RestartTables({kOwnSellTableId, kOwnBuyTableId});
  gui::SetLabelText(MarketDialog, kOwnTitleId, history ? "Offer History" : "Current Offers");
  if (auto* toggle = Child<GUI_Button>(kHistoryToggleId)) {
    toggle->SetCaption(history ? "Current Offers" : "History");
  }
}

// ---- the player's actions ------------------------------------------------------------

void ShowOwnOffers(View view) {
  SetView(view);
  RequestOffers(view == View::History ? kOwnHistory : kOwnOffers);
}

void SelectItem(int32_t row) {
  auto* list = Child<GUI_Objects>(kItemListId);
  if (list == nullptr) return;
  const int32_t item = list->ItemAt(row);
  if (item < 0) return;
  State().selectedItem = item;
  State().browsedTradeId = SelectedTradeId();
  for (const int32_t id : {kSellTableId, kBuyTableId}) {
    if (auto* table = Child<GUI_Offers>(id)) table->tradeId = SelectedTradeId();
  }
  RestartTables({kSellTableId, kBuyTableId});
  const View view = State().view;
  if (view != View::Offers && view != View::Details) SetView(View::Offers);
  ShowDetails();
  OnPanelItemChanged();
  RequestOffers(SelectedTradeId());
}

void SelectCategory() {
  // A category shows its items: the search gives way.
  if (auto* box = Child<GUI_MarketSearchPlaceholder>(kSearchBoxId)) box->SetText("", true);
  ShowItems();
}

void Accept(int32_t tableId) {
  if (State().view != View::Offers) return;
  auto* table = Child<GUI_Offers>(tableId);
  const MarketOffer* offer = table != nullptr ? table->SelectedOffer() : nullptr;
  if (offer != nullptr) RequestAccept(offer->timestamp, offer->counter, offer->amount);
}

void Cancel(int32_t tableId) {
  if (State().view != View::CurrentOffers) return;
  auto* table = Child<GUI_History>(tableId);
  const MarketOffer* offer = table != nullptr ? table->SelectedOffer() : nullptr;
  if (offer != nullptr) RequestCancel(offer->timestamp, offer->counter);
}

// From browsing, "Close" leaves the market: the server's 247 closes the
// window, and until then a second "Close" asks nothing more. From the
// player's own offers it goes back to browsing.
void Close() {
  MarketState& state = State();
  if (state.view == View::CurrentOffers || state.view == View::History) {
    SetView(View::Offers);
    return;
  }
  if (state.leaving) return;
  state.leaving = true;
  RequestLeave();
}

void Destroy() {
  if (MarketDialog == nullptr) return;
  if (gui::SetAsideDialog() == MarketDialog) gui::DestroySetAsideDialog();
  if (gui::ModalDialog() == MarketDialog) gui::DestroyModalDialog();
}

}  // namespace

const MarketItem* SelectedItem() {
  const int32_t index = State().selectedItem;
  const std::vector<MarketItem>& items = MarketItems();
  if (index < 0 || static_cast<size_t>(index) >= items.size()) return nullptr;
  return &items[static_cast<size_t>(index)];
}

void SetShown(int32_t id, bool shown) {
  GUI_Element* child = Child<GUI_Element>(id);
  if (child == nullptr) return;
  child->visible = shown ? 1 : 0;
  if (dynamic_cast<GUI_Label*>(child) == nullptr) child->interactive = child->visible;
}

bool MarketIsCurrent() { return MarketDialog != nullptr && gui::ModalDialog() == MarketDialog; }

void OnMarketEntered() {
  MarketState& state = State();
  state.leaving = false;
  if (MarketDialog != nullptr && gui::SetAsideDialog() == MarketDialog) {
    gui::RestoreSetAsideDialog();
  }
  if (!MarketIsCurrent()) {
    // A new visit: what the server sent on the last one is not this one's.
    state.view = View::Offers;
    state.selectedItem = -1;
    state.browsedTradeId = 0;
    state.details = ItemDetails{};
    state.itemOffers = OfferLists{};
    state.ownOffers = OfferLists{};
    state.history = OfferLists{};
    CollectItems();
    std::unique_ptr<GUI_Dialog> dialog = BuildMarket();
    dialog->onDestroyed = [](GUI_Dialog* d) {
      if (MarketDialog == d) MarketDialog = nullptr;
    };
    MarketDialog = dialog.get();
    gui::SetModalDialog(std::move(dialog));
    MarketDialog->Place(ClientWidth, ClientHeight);
    SetView(View::Offers);
    ShowItems();
    ShowDetails();
    OnPanelItemChanged();
  }
  ShowBalances();
  RefreshCreatePanel();
}

void OnMarketLeft() {
  Destroy();
  MarketState& state = State();
  state.leaving = false;
  state.view = View::Offers;
  state.selectedItem = -1;
  state.browsedTradeId = 0;
}

void OnDetailsReplaced() {
  if (MarketDialog != nullptr) ShowDetails();
}

void OnOffersReplaced(uint16_t request) {
  if (MarketDialog == nullptr) return;
  if (request == kOwnHistory || request == kOwnOffers) {
    const bool shown = (request == kOwnHistory) == (State().view == View::History);
    if (shown) RestartTables({kOwnSellTableId, kOwnBuyTableId});
    return;
  }
  if (request == SelectedTradeId()) RestartTables({kSellTableId, kBuyTableId});
}

void RefreshBalances() {
  if (!MarketIsCurrent()) return;
  ShowBalances();
  RefreshCreatePanel();
}

void OnMarketCode(int32_t code, int32_t value) {
  // Events of the window's controls arrive a frame later; the window may be
  // gone, or another window current, by then.
  if (!MarketIsCurrent()) return;
  switch (code) {
    case kCategoryCode: SelectCategory(); break;
    case kItemCode: SelectItem(value); break;
    case kSearchCode: ShowItems(); break;
    case kAcceptSellCode: Accept(kSellTableId); break;
    case kAcceptBuyCode: Accept(kBuyTableId); break;
    case kCancelSellCode: Cancel(kOwnSellTableId); break;
    case kCancelBuyCode: Cancel(kOwnBuyTableId); break;
    case kOffersViewCode: SetView(View::Offers); break;
    case kDetailsViewCode: SetView(View::Details); break;
    case kMyOffersCode: ShowOwnOffers(View::CurrentOffers); break;
    case kHistoryToggleCode:
      ShowOwnOffers(State().view == View::History ? View::CurrentOffers : View::History);
      break;
    case kCloseCode: Close(); break;
    case kGetCoinsCode:
      platform::Get().ShellOpen(web::CurrentEndpoints().webSite +
                                "?subtopic=accountmanagement&action=donate");
      break;
    default: OnCreatePanelCode(code); break;
  }
}

void DestroyEverywhere() { Destroy(); }

}  // namespace market
