// GUI_StoreOffers: the offers of the current category as cards (picture,
// name, price with the coin sign, the sale's struck-through base price and
// the badges), filtered by the search, with a scroll bar. The cards are
// the store state's offers; the list keeps which of them are shown.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gui/widgets/row_list.h"
#include "features/store/state.h"

class GUI_StoreOffers : public GUI_RowList {
 public:
  static constexpr int32_t kCardPitch = 85;
  static constexpr int32_t kFirstCardY = 7;       // below the list's top
  static constexpr int32_t kCardBottomRoom = 85;  // a card's top + 2 is at most y + h - 85
  static constexpr int32_t kCardX = 4, kCardH = 82, kCardWLess = 22;  // card width: w - 22
  static constexpr int32_t kPictureX = 12, kPictureY = 8, kPictureSize = 64;
  static constexpr int32_t kNameX = 86, kNameY = 8, kNameW = 152, kNameH = 14;
  static constexpr int32_t kPriceRight = 221, kPriceY = 62, kBasePriceY = 40;
  static constexpr int32_t kFont = 4;

  GUI_StoreOffers(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);

  // Every offer of the state shown, in message order; selection on the
  // first (none when there are no offers), scrolled to the top.
  void ShowAll();
  // Only the offers whose names the search text matches (store::SearchShows);
  // selection on the first shown (none when nothing matches), scrolled to
  // the top.
  void ApplyFilter(const std::string& filter);
  // Selects the first shown card and posts (handler, code, 0), so the
  // details of the first offer appear on the next frame. With nothing
  // shown nothing is selected and nothing is posted.
  void SelectFirstAndReport();

  // The selected offer, or null; its index in the state's offers, or -1.
  const store::StoreOffer* SelectedOffer() const;
  int32_t SelectedOfferIndex() const;

  void Draw() override;

  // The cards shown, as indices into the state's offers; `selected` is an
  // index into them (-1: none).
  std::vector<size_t> shown;

 private:
  int32_t RowCount() const override { return static_cast<int32_t>(shown.size()); }
  int32_t HitWidth() const override { return w - kCardWLess; }
  // Shows the offers `keep` accepts, selects the first, scrolls to the top.
  template <typename Keep>
  void Rebuild(Keep keep);
  void DrawCard(const store::StoreOffer& offer, int32_t top, bool isSelected);
};
