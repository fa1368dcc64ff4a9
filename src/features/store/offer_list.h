// GUI_StoreOffers: the offers of the current category as cards (picture,
// name, price with the coin sign, the sale's struck-through base price and
// the badges), filtered by the search, with a scroll bar. The cards are
// the store state's offers; the list keeps which of them are shown.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "features/store/state.h"
#include "gui/element.h"
#include "gui/widgets/post_event.h"
#include "gui/widgets/v_scroll_bar.h"

class GUI_StoreOffers : public GUI_Element, public gui::HandlerSlot {
 public:
  static constexpr int32_t kCardPitch = 85;
  static constexpr int32_t kFirstCardY = 7;       // below the list's top
  static constexpr int32_t kCardBottomRoom = 85;  // a card's top + 2 is at most y + h - 85
  static constexpr int32_t kCardX = 4, kCardH = 82, kCardWLess = 22;  // card width: w - 22
  static constexpr int32_t kPictureX = 12, kPictureY = 8, kPictureSize = 64;
  static constexpr int32_t kNameX = 86, kNameY = 8, kNameW = 152, kNameH = 14;
  static constexpr int32_t kPriceRight = 221, kPriceY = 62, kBasePriceY = 40;
  static constexpr int32_t kFont = 4;
  static constexpr int32_t kScrollBarW = 12;

  GUI_StoreOffers(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);

  // Every offer of the state shown, in message order; selection on the
  // first (none when there are no offers), scrolled to the top.
  void ShowAll();
  // Only the offers whose names the search text matches (store::SearchShows);
  // selection on the first shown (none when nothing matches), scrolled to
  // the top.
  void ApplyFilter(const std::string& filter);
  // Nothing shown, nothing selected.
  void Clear();
  // Selects the first shown card and posts (handler, code, 0), so the
  // details of the first offer appear on the next frame. With nothing
  // shown nothing is selected and nothing is posted.
  void SelectFirstAndReport();

  // The selected offer, or null; its index in the state's offers, or -1.
  const store::StoreOffer* SelectedOffer() const;
  int32_t SelectedOfferIndex() const;
  // How many cards fit (a card is drawn while its top + 2 <= y + h - 85).
  int32_t VisibleCards() const;
  // The first shown card.
  int32_t FirstCard() const { return scrollBar.position; }

  void SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) override;
  void Draw() override;
  // A press on a card selects it and posts (handler, code, index shown);
  // a press on the scroll bar goes to it.
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override;
  void OnMouseMove(int32_t px, int32_t py) override;
  // One card per wheel step.
  void OnWheel(int32_t px, int32_t py, uint8_t up) override;
  // Up and Down: the selection moves one card (clamped), stays in view and
  // is posted; at either end, where it cannot move, nothing is posted.
  void OnKeyDown(int32_t key, int32_t data) override;

  std::vector<size_t> shown;  // indices into the state's offers
  int32_t selected = -1;      // index into `shown`
  GUI_VScrollBar scrollBar;   // the first shown card is its position

 private:
  void RefreshRange();
  // Shows the offers `keep` accepts, selects the first, scrolls to the top.
  template <typename Keep>
  void Rebuild(Keep keep);
  void DrawCard(const store::StoreOffer& offer, int32_t top, bool isSelected);
};
