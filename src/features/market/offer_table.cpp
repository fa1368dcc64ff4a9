#include "features/market/offer_table.h"

#include <utility>

#include "features/market/items.h"
#include "features/market/rules.h"
#include "gui/draw.h"
#include "gui/text_fit.h"
#include "gui/widgets/face.h"
#include "protocol/date_text.h"
#include "protocol/digit_grouping.h"

namespace {

constexpr int32_t kCellPad = 2;
constexpr int32_t kAlignLeft = 0, kAlignRight = 2;

enum OfferColumn : size_t { kName, kAmount, kPiecePrice, kTotalPrice, kEndsAt, kState };

std::string NumberCell(const market::MarketOffer& offer, size_t column) {
  switch (column) {
    case kAmount: return protocol::GroupDigits(offer.amount);
    case kPiecePrice: return protocol::GroupDigits(offer.price);
    case kTotalPrice: return protocol::GroupDigits(market::TotalPrice(offer));
    case kEndsAt: return protocol::DateText(offer.timestamp);
    default: return {};
  }
}

}  // namespace

GUI_OfferTable::GUI_OfferTable(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id,
                               bool buySide, std::vector<Column> columns)
    : GUI_RowList(x, y, w, h, id, {kHeaderH + 1, kRowH, kRowH + 1, 0, kRowH - 1}, -1),
      buySide(buySide),
      columns_(std::move(columns)) {}

int32_t GUI_OfferTable::RowCount() const {
  const std::vector<market::MarketOffer>* rows = Rows();
  return rows == nullptr ? 0 : static_cast<int32_t>(rows->size());
}

const market::MarketOffer* GUI_OfferTable::SelectedOffer() const {
  const std::vector<market::MarketOffer>* rows = Rows();
  if (rows == nullptr || selected < 0 || static_cast<size_t>(selected) >= rows->size()) {
    return nullptr;
  }
  return &(*rows)[static_cast<size_t>(selected)];
}

void GUI_OfferTable::Restart() {
  selected = -1;
  UpdateRange();
  scrollBar.SetPosition(0, true);
}

void GUI_OfferTable::Draw() {
  // The rows may have been replaced since the last frame.
  UpdateRange();
  HostFillRectRGB(x, y, w, h, 30, 30, 30);
  HostFillRectRGB(x, y, HitWidth(), kHeaderH, 55, 55, 55);
  int32_t left = x;
  for (const Column& column : columns_) {
    const int32_t room = column.width - 2 * kCellPad;
    const std::string caption = gui::FitText(kFont, column.caption, room);
    if (column.rightAligned) {
      gui::Text(left + column.width - kCellPad, y + 2, kFont, gui::Grey(220), caption, kAlignRight);
    } else {
      gui::Text(left + kCellPad, y + 2, kFont, gui::Grey(220), caption, kAlignLeft);
    }
    left += column.width;
  }
  const std::vector<market::MarketOffer>* rows = Rows();
  int32_t top = FirstTop();
  for (int32_t row = FirstRow(); row < RowCount() && top <= LastTop(); ++row, top += Pitch()) {
    const market::MarketOffer& offer = (*rows)[static_cast<size_t>(row)];
    const bool isSelected = row == selected;
    if (isSelected) HostFillRectRGB(x + 1, top, HitWidth() - 1, kRowH, 112, 112, 112);
    const gui::Color colour = isSelected ? gui::Grey(255) : gui::Grey(190);
    left = x;
    for (size_t c = 0; c < columns_.size(); ++c) {
      const Column& column = columns_[c];
      const std::string text = gui::FitText(kFont, Cell(offer, c), column.width - 2 * kCellPad);
      if (column.rightAligned) {
        gui::Text(left + column.width - kCellPad, top, kFont, colour, text, kAlignRight);
      } else {
        gui::Text(left + kCellPad, top, kFont, colour, text, kAlignLeft);
      }
      left += column.width;
    }
  }
  scrollBar.Draw();
}

// Name 128, then the numbers, the end time last: 518 pixels beside the bar.
// Every amount, piece price, total and time fits its column whole.
GUI_Offers::GUI_Offers(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id, bool buySide)
    : GUI_OfferTable(x, y, w, h, id, buySide,
                     {{"Name", 128, false},
                      {"Amount", 42, true},
                      {"Piece Price", 82, true},
                      {"Total Price", 142, true},
                      {"Ends At", 124, false}}) {}

const std::vector<market::MarketOffer>* GUI_Offers::Rows() const {
  const market::OfferLists& lists = market::State().itemOffers;
  if (!lists.received || tradeId == 0 || lists.request != tradeId) return nullptr;
  return buySide ? &lists.buy : &lists.sell;
}

std::string GUI_Offers::Cell(const market::MarketOffer& offer, size_t column) const {
  if (column == kName) return offer.holderName;
  return NumberCell(offer, column);
}

// The state takes room from the total, which is cut with "..." from
// 1,000,000,000 up.
GUI_History::GUI_History(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id, bool buySide)
    : GUI_OfferTable(x, y, w, h, id, buySide,
                     {{"Name", 128, false},
                      {"Amount", 42, true},
                      {"Piece Price", 82, true},
                      {"Total Price", 80, true},
                      {"Ends At", 124, false},
                      {"State", 62, false}}) {}

const std::vector<market::MarketOffer>* GUI_History::Rows() const {
  const market::OfferLists& lists = history ? market::State().history : market::State().ownOffers;
  if (!lists.received) return nullptr;
  return buySide ? &lists.buy : &lists.sell;
}

std::string GUI_History::Cell(const market::MarketOffer& offer, size_t column) const {
  if (column == kName) {
    // An item the appearance data does not list goes by its trade id.
    const market::MarketItem* item = market::ItemByTradeId(offer.itemId);
    return item != nullptr ? item->name : "#" + std::to_string(offer.itemId);
  }
  if (column == kState) return market::OwnStateText(history, buySide, offer.state);
  return NumberCell(offer, column);
}
