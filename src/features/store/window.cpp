#include "features/store/window.h"

#include <algorithm>
#include <memory>
#include <string>

#include "features/store/category_list.h"
#include "features/store/details_pane.h"
#include "features/store/dialogs.h"
#include "features/store/history_list.h"
#include "features/store/image_cache.h"
#include "features/store/offer_image.h"
#include "features/store/offer_list.h"
#include "features/store/pieces.h"
#include "features/store/requests.h"
#include "features/store/rules.h"
#include "features/store/state.h"
#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/text_fit.h"
#include "gui/widgets.h"
#include "gui/window_sets.h"
#include "platform/platform.h"
#include "protocol/shared_values.h"
#include "web/endpoints.h"

namespace store {

GUI_Dialog* StoreDialog = nullptr;

namespace {

constexpr int32_t kWidth = 780, kHeight = 537;
constexpr int32_t kPlacement = 9;

// Handler codes of the window's own controls.
enum Code : int32_t {
  kGiftCode = 102,
  kPreviousPageCode = 109,
  kNextPageCode = 110,
  kBuyCode = 111,
  kCategoryCode = 112,
  kOfferCode = 115,
  kSearchCode = 302,
  kClearSearchCode = 303,
  kCloseCode = 1000,
  kHistoryCode = 1001,
  kGetCoinsCode = 1002,
};

// Child identifiers. The buttons the table leaves without one get ids of
// their own so the window can find them again; "Close" answers Escape.
enum ChildId : int32_t {
  kBalanceFrameId = 100,
  kGiftButtonId = 102,
  kBalanceIconId = 103,
  kTransferIconId = 104,
  kBalanceId = 105,
  kTransferableId = 106,
  kPageLabelId = 107,
  kOfferNameId = 108,
  kCategoryListId = 112,
  kRightFrameId = 113,
  kHistoryListId = 114,
  kOfferListId = 115,
  kOfferImageId = 116,
  kDescriptionId = 117,
  kUnavailableId = 118,
  kPriceFrameId = 119,
  kPriceIconId = 120,
  kPriceId = 121,
  kClearFrameId = 304,
  kPreviousPageId = 9101,
  kNextPageId = 9102,
  kBuyId = 9103,
  kHistoryId = 9104,
  kGetCoinsId = 9105,
  kClearSearchId = 9106,
  kSearchBoxId = 9107,
};

// The width the balance may take left of its coin sign, inside its frame.
constexpr int32_t kBalanceRoom = 104 - 16 - 3;
// The gift button as built, and where its amount ends and its coin sign
// stands. The amount is written right of the picture's coin and arrow;
// one wider than the room there widens the button to the right (nothing
// stands there up to "History") and moves the amount and its coin sign
// along, so every amount up to 4294967295 is shown whole.
constexpr int32_t kGiftX = 173, kGiftY = 507, kGiftW = 58, kGiftH = 20;
constexpr int32_t kTransferableRight = 213, kTransferableY = 513;
constexpr int32_t kTransferIconX = 214, kTransferIconY = 511;
constexpr int32_t kTransferableRoom =
    kTransferableRight - (kGiftX + GUI_TransferButton::kTransferInset + kTransferArrowW);

constexpr gui::Color kLabelColor{180, 180, 180};
constexpr gui::Color kPlainName{192, 192, 192};
constexpr gui::Color kDescriptionColor{175, 175, 175};
constexpr gui::Color kUnavailableColor{215, 60, 60};

// The offer pane: what the offers view shows beside the list.
constexpr int32_t kOfferPane[] = {kOfferNameId, kPriceId,      kOfferImageId, kDescriptionId,
                                  kBuyId,       kPriceFrameId, kPriceIconId};

template <typename T>
T* Child(int32_t id) {
  return gui::ChildAs<T>(StoreDialog, id);
}

// The toolkit offers presses to hidden children too, so the controls that
// come and go stop taking input while they are hidden. "Buy" takes it only
// when it is shown and the offer can be bought (ShowPriceAndBuy).
bool TakesInputWhenShown(int32_t id) {
  switch (id) {
    case kOfferListId:
    case kHistoryListId:
    case kDescriptionId:
    case kUnavailableId:
    case kPreviousPageId:
    case kNextPageId: return true;
    default: return false;
  }
}

void SetVisible(int32_t id, bool visible) {
  GUI_Element* child = Child<GUI_Element>(id);
  if (child == nullptr) return;
  child->visible = visible ? 1 : 0;
  if (TakesInputWhenShown(id)) child->interactive = child->visible;
  if (id == kBuyId && !visible) child->interactive = 0;
}

// ---- building ---------------------------------------------------------------------------

GUI_Label* AddLabel(GUI_Dialog& d, int32_t x, int32_t y, int32_t id, int32_t align = 0) {
  auto* label =
      d.AddChild(new GUI_Label(x, y, 0, 14, "", id, kLabelColor.r, kLabelColor.g, kLabelColor.b));
  label->align = align;
  return label;
}

GUI_Button* AddButton(GUI_Dialog& d, int32_t x, int32_t y, int32_t w, const char* caption,
                      int32_t id, int32_t code) {
  auto* button = d.AddChild(new GUI_Button(x, y, w, 20, caption, id));
  button->interactive = 1;
  button->SetHandler(&OnStoreCode, code);
  return button;
}

GUI_ButtonColor* AddColorButton(GUI_Dialog& d, int32_t x, int32_t y, int32_t w, int32_t h,
                                const char* caption, int32_t id, int32_t code) {
  auto* button = d.AddChild(new GUI_ButtonColor(x, y, w, h, caption, id));
  button->interactive = 1;
  button->SetHandler(&OnStoreCode, code);
  return button;
}

void AddCoinIcon(GUI_Dialog& d, int32_t x, int32_t y, int32_t id) {
  d.AddChild(
      new GUI_StaticImage(x, y, kCoinIconSize, kCoinIconSize, 4, kCoinIconSrcX, kCoinIconSrcY, id));
}

std::unique_ptr<GUI_Dialog> BuildStore() {
  auto dialog = std::make_unique<GUI_Dialog>(0, 0, kWidth, kHeight, "Store", kPlacement);
  GUI_Dialog& d = *dialog;

  // Frames and lists first, the labels last, so every text is drawn over
  // the frame or button it sits on.
  d.AddChild(new GUI_StoreGroup(209, 30, 563, 450, kRightFrameId));
  d.AddChild(new GUI_StoreGroup(12, 450, 192, 30, 0));
  d.AddChild(new GUI_Group(178, 455, 20, 20, kClearFrameId));
  d.AddChild(new GUI_Separator(13, 497, 754, 2, 0));
  d.AddChild(new GUI_Group(16, 507, 104, 20, kBalanceFrameId));
  d.AddChild(new GUI_Group(621, 87, 145, 20, kPriceFrameId))->visible = 0;

  auto* categories = d.AddChild(new GUI_StoreCategories(12, 30, 192, 420, kCategoryListId));
  categories->interactive = 1;
  categories->SetHandler(&OnStoreCode, kCategoryCode);

  auto* offers = d.AddChild(new GUI_StoreOffers(216, 37, 260, 436, kOfferListId));
  offers->interactive = 1;
  offers->SetHandler(&OnStoreCode, kOfferCode);

  auto* history = d.AddChild(new GUI_StoreHistory(216, 36, 549, 412, kHistoryListId));
  history->visible = 0;
  history->interactive = 0;

  d.AddChild(new GUI_StoreOfferI(486, 65, 130, 130, kOfferImageId))->visible = 0;
  auto* description =
      d.AddChild(new GUI_StoreDetails(486, 205, 279, 266, kDescriptionId, kDescriptionColor));
  description->visible = 0;
  description->interactive = 0;
  auto* unavailable =
      d.AddChild(new GUI_StoreDetails(621, 108, 144, 86, kUnavailableId, kUnavailableColor));
  unavailable->visible = 0;
  unavailable->interactive = 0;

  auto* clear = AddColorButton(d, 179, 456, 18, 18, "X", kClearSearchId, kClearSearchCode);
  clear->SetFillColor(70, 70, 70);
  clear->SetTextColor(174, 174, 174);

  AddButton(d, 721, 507, 43, "Close", gui::ids::kCancelButton, kCloseCode);
  AddButton(d, 673, 507, 43, "History", kHistoryId, kHistoryCode);
  auto* getCoins = AddColorButton(d, 125, 507, 43, 20, "Get AC", kGetCoinsId, kGetCoinsCode);
  getCoins->SetFillColor(70, 120, 70);
  getCoins->SetTextColor(255, 255, 255);
  getCoins->font = 1;
  for (auto* paging :
       {AddButton(d, 216, 453, 86, "Previous Page", kPreviousPageId, kPreviousPageCode),
        AddButton(d, 679, 453, 86, "Next Page", kNextPageId, kNextPageCode)}) {
    paging->visible = 0;
    paging->interactive = 0;
  }
  auto* buy = AddColorButton(d, 621, 65, 145, 20, "Buy", kBuyId, kBuyCode);
  buy->SetFillColor(40, 90, 140);
  buy->visible = 0;
  buy->interactive = 0;
  auto* gift = d.AddChild(new GUI_TransferButton(kGiftX, kGiftY, kGiftW, kGiftH, kGiftButtonId));
  gift->interactive = 1;
  gift->SetHandler(&OnStoreCode, kGiftCode);

  AddCoinIcon(d, 105, 511, kBalanceIconId);
  AddCoinIcon(d, kTransferIconX, kTransferIconY, kTransferIconId);
  gift->faceParts.push_back(d.FindChild(kTransferIconId));
  AddCoinIcon(d, 751, 91, kPriceIconId);
  d.FindChild(kPriceIconId)->visible = 0;
  // The amounts end just left of their coin signs; the price is centred in
  // its frame.
  AddLabel(d, 104, 513, kBalanceId, 2);
  gift->faceParts.push_back(AddLabel(d, kTransferableRight, kTransferableY, kTransferableId, 2));
  for (GUI_Element* part : gift->faceParts) part->visible = 0;
  AddLabel(d, 490, 461, kPageLabelId)->visible = 0;
  auto* name = AddLabel(d, 623, 44, kOfferNameId);
  name->font = 4;
  name->visible = 0;
  AddLabel(d, 693, 93, kPriceId, 1)->visible = 0;

  // The search box last: it has the focus, so typing goes to it.
  auto* box = d.AddChild(new GUI_StoreSearchBox(20, 455, 160, 20, kSearchBoxId));
  box->maxLength = 22;
  box->interactive = 1;
  box->enterHandler = &OnStoreCode;
  box->enterCode = kSearchCode;
  return dialog;
}

GUI_StoreOffers* OfferList() { return Child<GUI_StoreOffers>(kOfferListId); }
GUI_StoreCategories* CategoryList() { return Child<GUI_StoreCategories>(kCategoryListId); }
GUI_StoreSearchBox* SearchBox() { return Child<GUI_StoreSearchBox>(kSearchBoxId); }

// ---- the offer pane ----------------------------------------------------------------------

// The price colour and "Buy" follow the balance, so they are refreshed
// whenever it changes.
void ShowPriceAndBuy(const StoreOffer& offer) {
  const uint32_t balance = CoinBalanceA();
  if (auto* price = Child<GUI_Label>(kPriceId)) {
    price->SetText(offer.priceText);
    price->textColor = balance < offer.price ? kTooExpensiveColor : kPlainName;
  }
  if (auto* buy = Child<GUI_ButtonColor>(kBuyId)) {
    const bool enabled = CanBuy(offer, balance);
    buy->interactive = enabled && buy->visible ? 1 : 0;
    if (enabled) {
      buy->SetTextColor(255, 255, 255);
    } else {
      buy->SetTextColor(180, 180, 180);
    }
  }
}

void SetOfferPaneVisible(bool visible) {
  for (const int32_t id : kOfferPane) SetVisible(id, visible);
  if (!visible) SetVisible(kUnavailableId, false);
}

void ClearOfferPane() {
  if (auto* description = Child<GUI_StoreDetails>(kDescriptionId)) description->Clear();
  if (auto* unavailable = Child<GUI_StoreDetails>(kUnavailableId)) unavailable->Clear();
  if (auto* image = Child<GUI_StoreOfferI>(kOfferImageId)) image->offerIndex = -1;
  SetOfferPaneVisible(false);
}

// The selected offer of the shown list in the pane; with none selected the
// pane is empty and hidden.
void ShowSelectedOffer() {
  GUI_StoreOffers* list = OfferList();
  const StoreOffer* offer = list != nullptr ? list->SelectedOffer() : nullptr;
  if (offer == nullptr) {
    ClearOfferPane();
    return;
  }
  if (auto* name = Child<GUI_Label>(kOfferNameId)) {
    name->SetText(gui::FitText(4, offer->name, kWidth - 623 - 16));
    name->textColor = NameColor(offer->highlight, kPlainName);
  }
  if (auto* image = Child<GUI_StoreOfferI>(kOfferImageId)) {
    image->offerIndex = list->SelectedOfferIndex();
  }
  if (auto* description = Child<GUI_StoreDetails>(kDescriptionId)) {
    description->Clear();
    for (const std::string& text : DescriptionTexts(*offer)) description->AddText(text);
  }
  if (auto* unavailable = Child<GUI_StoreDetails>(kUnavailableId)) {
    unavailable->Clear();
    if (offer->disabled) unavailable->AddText(UnavailableText(offer->disabledReason));
  }
  if (State().view == ViewMode::Offers) {
    SetOfferPaneVisible(true);
    SetVisible(kUnavailableId, offer->disabled);
  }
  ShowPriceAndBuy(*offer);
}

// ---- views -------------------------------------------------------------------------------

void ShowHistoryView() {
  StoreState& state = State();
  state.view = ViewMode::History;
  SetVisible(kOfferListId, false);
  SetOfferPaneVisible(false);
  SetVisible(kPreviousPageId, false);
  SetVisible(kNextPageId, false);
  SetVisible(kPageLabelId, false);
  state.history.clear();
  SetVisible(kHistoryListId, true);
  if (auto* history = Child<GUI_StoreHistory>(kHistoryListId)) {
    history->Clear();
    // The arrow keys select rows at once, as after a click on the list; a
    // click on the search box takes the keys back.
    StoreDialog->SetFocus(history);
  }
  state.historyPage = 1;
  RequestHistory();
}

void ShowOffersView() {
  State().view = ViewMode::Offers;
  SetVisible(kHistoryListId, false);
  SetVisible(kPreviousPageId, false);
  SetVisible(kNextPageId, false);
  SetVisible(kPageLabelId, false);
  SetVisible(kOfferListId, true);
  ShowSelectedOffer();
}

void ApplySearch(const std::string& filter) {
  GUI_StoreOffers* list = OfferList();
  if (list == nullptr) return;
  list->ApplyFilter(filter);
  ShowSelectedOffer();
}

void ClearSearch() {
  if (GUI_StoreSearchBox* box = SearchBox()) box->SetText("", true);
  if (GUI_StoreOffers* list = OfferList()) list->ShowAll();
  ShowSelectedOffer();
}

void OnCategoryClicked(int32_t row) {
  const StoreState& state = State();
  if (row < 0 || static_cast<size_t>(row) >= state.categories.size()) return;
  if (state.view == ViewMode::History) ShowOffersView();
  RequestOffers(static_cast<uint8_t>(row), state.categories[static_cast<size_t>(row)].name);
}

void OnBuy() {
  GUI_StoreOffers* list = OfferList();
  const StoreOffer* offer = list != nullptr ? list->SelectedOffer() : nullptr;
  if (offer != nullptr && CanBuy(*offer, CoinBalanceA())) RequestBuy(offer->id);
}

void OnPage(int32_t delta) {
  const StoreState& state = State();
  if (state.view != ViewMode::History) return;
  if (delta < 0 && PreviousPageShown(state.historyPage)) {
    RequestHistoryPage(state.historyPage - 1);
  } else if (delta > 0 && NextPageShown(state.historyPage, state.historyPages)) {
    RequestHistoryPage(state.historyPage + 1);
  }
}

// The giftable amount on the gift button, the button as wide as it needs.
void ShowGiftAmount(const std::string& amount) {
  GUI_Element* button = Child<GUI_Element>(kGiftButtonId);
  GUI_Element* label = Child<GUI_Element>(kTransferableId);
  GUI_Element* icon = Child<GUI_Element>(kTransferIconId);
  if (button == nullptr || label == nullptr || icon == nullptr) return;
  gui::SetLabelText(StoreDialog, kTransferableId, amount);
  const int32_t extra = std::max(gui::TextWidth(1, amount) - kTransferableRoom, 0);
  const int32_t left = StoreDialog->x, top = StoreDialog->y;
  button->SetBounds(left + kGiftX, top + kGiftY, kGiftW + extra, kGiftH);
  label->SetBounds(left + kTransferableRight + extra, top + kTransferableY, label->w, label->h);
  icon->SetBounds(left + kTransferIconX + extra, top + kTransferIconY, icon->w, icon->h);
}

void CloseStore() {
  if (!StoreIsCurrent()) return;
  EndImageSession();
  gui::DestroyModalDialog();
}

void OpenStore() {
  // A store set aside under one of its dialogs is replaced too: there is
  // only ever one.
  if (StoreDialog != nullptr && gui::SetAsideDialog() == StoreDialog) {
    gui::DestroySetAsideDialog();
  }
  BeginImageSession();
  State().view = ViewMode::Offers;
  std::unique_ptr<GUI_Dialog> dialog = BuildStore();
  dialog->onDestroyed = [](GUI_Dialog* d) {
    if (StoreDialog == d) StoreDialog = nullptr;
  };
  StoreDialog = dialog.get();
  gui::SetModalDialog(std::move(dialog));
  StoreDialog->Place(ClientWidth, ClientHeight);
}

}  // namespace

bool StoreIsCurrent() { return StoreDialog != nullptr && gui::ModalDialog() == StoreDialog; }

void OnStoreData() {
  if (!StoreIsCurrent()) OpenStore();
  // The balances were read before the package size the transferable coins
  // are rounded to.
  RefreshCoinLabels();
  StoreState& state = State();
  for (StoreCategory& category : state.categories) {
    FetchImage(category.image, category.imageName, ImageSize::Category, &OnStoreCode);
  }
  GUI_StoreCategories* list = CategoryList();
  if (list == nullptr) return;
  list->Refresh();
  if (list->HasSelection()) {
    RequestOffers(0, state.categories[static_cast<size_t>(list->selected)].name);
  }
}

void OnOffersReplaced() {
  // Also for a store set aside under one of its dialogs: it comes back
  // showing the offers the server sent meanwhile.
  GUI_StoreOffers* list = OfferList();
  if (list == nullptr) return;
  if (GUI_StoreSearchBox* box = SearchBox()) box->SetText("", true);
  ClearOfferPane();
  for (StoreOffer& offer : State().offers) {
    FetchImage(offer.image, offer.imageName, ImageSize::Offer, &OnStoreCode);
    for (StoreSubOffer& sub : offer.subOffers) {
      FetchImage(sub.image, sub.imageName, ImageSize::Offer, &OnStoreCode);
    }
  }
  list->ShowAll();
  list->SelectFirstAndReport();
}

void OnHistoryReplaced() {
  if (StoreDialog == nullptr) return;
  const StoreState& state = State();
  if (auto* history = Child<GUI_StoreHistory>(kHistoryListId)) history->Clear();
  if (state.view != ViewMode::History) return;
  SetVisible(kPreviousPageId, PreviousPageShown(state.historyPage));
  SetVisible(kNextPageId, NextPageShown(state.historyPage, state.historyPages));
  if (auto* page = Child<GUI_Label>(kPageLabelId)) {
    page->SetText(PageLabel(state.historyPage, state.historyPages));
    page->visible = 1;
  }
}

void RefreshCoinLabels() {
  if (StoreDialog == nullptr) return;
  // The balance ends at its coin sign and stays in its frame.
  gui::SetLabelText(StoreDialog, kBalanceId,
                    gui::FitText(1, std::to_string(CoinBalanceA()), kBalanceRoom));
  ShowGiftAmount(std::to_string(GiftableCoins(CoinBalanceB(), State().packageSize)));
  GUI_StoreOffers* list = OfferList();
  if (const StoreOffer* offer = list != nullptr ? list->SelectedOffer() : nullptr) {
    ShowPriceAndBuy(*offer);
  }
}

void OnStoreCode(int32_t code, int32_t value) {
  switch (code) {
    case kImageReadyCode: OnImageReady(static_cast<uint32_t>(value)); return;
    case kImageFinishedCode: return;  // the worker's request frees itself
    default: break;
  }
  if (code >= 1005 || code == 212) {
    OnDialogCode(code, value);
    return;
  }
  // Events of the window's controls arrive a frame later; the window may be
  // gone or covered by one of its dialogs by then. The details of an offer
  // are still filled in a covered window, which comes back showing them.
  if (code == kOfferCode) {
    if (StoreDialog != nullptr) ShowSelectedOffer();
    return;
  }
  if (!StoreIsCurrent()) return;
  switch (code) {
    case kGiftCode: OpenGiftDialog(); break;
    case kPreviousPageCode: OnPage(-1); break;
    case kNextPageCode: OnPage(1); break;
    case kBuyCode: OnBuy(); break;
    case kCategoryCode: OnCategoryClicked(value); break;
    case kSearchCode:
      if (GUI_StoreSearchBox* box = SearchBox()) ApplySearch(box->text);
      break;
    case kClearSearchCode: ClearSearch(); break;
    case kCloseCode: CloseStore(); break;
    case kHistoryCode: ShowHistoryView(); break;
    case kGetCoinsCode:
      platform::Get().ShellOpen(web::CurrentEndpoints().webSite +
                                "?subtopic=accountmanagement&action=donate");
      break;
    default: break;
  }
}

void DestroyEverywhere() {
  if (StoreDialogIsCurrent()) gui::DestroyModalDialog();
  if (StoreDialog != nullptr) {
    if (gui::ModalDialog() == StoreDialog) gui::DestroyModalDialog();
    if (gui::SetAsideDialog() == StoreDialog) gui::DestroySetAsideDialog();
  }
  EndImageSession();
}

}  // namespace store
