// The market's offer tables: a header of column captions over 12-pixel
// rows, the selected row on a grey 112 background, a scroll bar at the
// right. A press on a row selects it; Up and Down move the selection one
// row and scroll it into view. Each cell is cut with "..." to its column.
//
// GUI_Offers shows one side of the browsed item's offers, with the holder's
// name; GUI_History one side of the player's own current offers or history,
// with the item's market name and the offer's state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "features/market/state.h"
#include "gui/widgets/row_list.h"

class GUI_OfferTable : public GUI_RowList {
 public:
  static constexpr int32_t kHeaderH = 14;
  static constexpr int32_t kRowH = 12;
  static constexpr int32_t kFont = 2;

  struct Column {
    const char* caption;
    int32_t width;
    bool rightAligned;
  };

  // The offer of the selected row, or null.
  const market::MarketOffer* SelectedOffer() const;
  // No selection, scrolled to the top: the rows were replaced.
  void Restart();

  void Draw() override;

  const bool buySide;

 protected:
  GUI_OfferTable(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id, bool buySide,
                 std::vector<Column> columns);

  // The rows shown; null shows none.
  virtual const std::vector<market::MarketOffer>* Rows() const = 0;
  virtual std::string Cell(const market::MarketOffer& offer, size_t column) const = 0;

 private:
  int32_t RowCount() const override;
  int32_t HitWidth() const override { return w - kScrollBarW - 1; }

  std::vector<Column> columns_;
};

class GUI_Offers : public GUI_OfferTable {
 public:
  GUI_Offers(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id, bool buySide);

  // The item whose offers are shown (its trade id); offers the server sent
  // for another item are not.
  uint16_t tradeId = 0;

 private:
  const std::vector<market::MarketOffer>* Rows() const override;
  std::string Cell(const market::MarketOffer& offer, size_t column) const override;
};

class GUI_History : public GUI_OfferTable {
 public:
  GUI_History(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id, bool buySide);

  // The history (true) or the current offers (false).
  bool history = false;

 private:
  const std::vector<market::MarketOffer>* Rows() const override;
  std::string Cell(const market::MarketOffer& offer, size_t column) const override;
};
