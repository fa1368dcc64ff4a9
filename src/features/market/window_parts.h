// What the market window's builder, its views and its create-offer panel
// share: the handler codes, the child ids and the lookup of a child.
#pragma once

#include <cstdint>

#include "features/market/items.h"
#include "gui/dialog.h"

namespace market {

extern GUI_Dialog* MarketDialog;

// Handler codes of the window's controls.
enum Code : int32_t {
  kCategoryCode = 7001,
  kItemCode = 7002,
  kSearchCode = 7003,
  kAcceptSellCode = 7010,
  kAcceptBuyCode = 7011,
  kCancelSellCode = 7012,
  kCancelBuyCode = 7013,
  kOffersViewCode = 7020,
  kDetailsViewCode = 7021,
  kMyOffersCode = 7022,
  kHistoryToggleCode = 7023,
  kCloseCode = 7024,
  kGetCoinsCode = 7025,
  kSellBoxCode = 7030,
  kBuyBoxCode = 7031,
  kAnonymousCode = 7032,
  kPriceCode = 7033,
  kAmountCode = 7034,
  kCreateCode = 7035,
};

// Child ids the window looks up again. "Close" has the cancel id, so
// Escape closes as it does.
enum ChildId : int32_t {
  kCategoryListId = 7101,
  kItemListId = 7102,
  kSearchBoxId = 7103,
  kSellLabelId = 7110,
  kSellTableId = 7111,
  kAcceptSellId = 7112,
  kBuyLabelId = 7113,
  kBuyTableId = 7114,
  kAcceptBuyId = 7115,
  kDetailsLabelId = 7120,
  kDetailsPaneId = 7121,
  kStatisticsLabelId = 7122,
  kStatisticsPaneId = 7123,
  kOwnTitleId = 7130,
  kOwnSellLabelId = 7131,
  kOwnSellTableId = 7132,
  kCancelSellId = 7133,
  kOwnBuyLabelId = 7134,
  kOwnBuyTableId = 7135,
  kCancelBuyId = 7136,
  kHistoryToggleId = 7137,
  kGoldId = 7140,
  kCoinsId = 7141,
  kPanelLabelId = 7150,
  kPanelItemId = 7151,
  kPanelFrameId = 7152,
  kSellBoxId = 7153,
  kBuyBoxId = 7154,
  kAnonymousBoxId = 7155,
  kPriceCaptionId = 7156,
  kPriceBoxId = 7157,
  kAmountCaptionId = 7158,
  kAmountId = 7159,
  kAmountBarId = 7160,
  kFirstSumCaptionId = 7161,
  kFirstSumId = 7162,
  kSecondSumCaptionId = 7163,
  kSecondSumId = 7164,
  kCreateId = 7165,
};

void OnMarketCode(int32_t code, int32_t value);

template <typename T>
T* Child(int32_t id) {
  return gui::ChildAs<T>(MarketDialog, id);
}

// The item selected in the item list, or null.
const MarketItem* SelectedItem();

// Shows or hides a child; a hidden control takes no input meant for what
// lies beside it.
void SetShown(int32_t id, bool shown);

// The create-offer panel (create_panel.cpp).
void AddCreatePanel(GUI_Dialog& dialog, int32_t left, int32_t top);
inline constexpr int32_t kCreatePanelIds[] = {
    kPanelLabelId,  kPanelItemId,      kPanelFrameId,  kSellBoxId,          kBuyBoxId,
    kAnonymousBoxId, kPriceCaptionId,  kPriceBoxId,    kAmountCaptionId,    kAmountId,
    kAmountBarId,   kFirstSumCaptionId, kFirstSumId,   kSecondSumCaptionId, kSecondSumId,
    kCreateId};
// The selected item changed: its name, whether it stacks, the amount range.
void OnPanelItemChanged();
// The price, the type, the gold or the depot changed: the amount range and
// the sums.
void RefreshCreatePanel();
// The panel's own controls.
void OnCreatePanelCode(int32_t code);

}  // namespace market
