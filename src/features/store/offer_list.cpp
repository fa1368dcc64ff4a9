#include "features/store/offer_list.h"

#include <algorithm>

#include "features/store/pieces.h"
#include "features/store/rules.h"
#include "gui/draw.h"
#include "gui/text_fit.h"
#include "protocol/shared_values.h"

namespace {

constexpr gui::Color kSelectedName{255, 255, 255};
constexpr gui::Color kName{175, 175, 175};
constexpr gui::Color kPrice{192, 192, 192};
constexpr gui::Color kBasePrice{140, 140, 140};
constexpr uint8_t kFrameWhite = 255;
constexpr int32_t kFrameLine = 2;
constexpr int32_t kCoinGap = 3;        // between the price's right end and the coin sign
constexpr int32_t kStrikeFromTop = 5;  // the line through the base price, below its top

gui::Color NameColor(uint8_t highlight, bool selected) {
  return store::NameColor(highlight, selected ? kSelectedName : kName);
}

std::string AmountText(const std::string& text, uint32_t value) {
  return text.empty() ? store::PriceText(value) : text;
}

void WhiteFrame(int32_t x, int32_t y, int32_t w, int32_t h) {
  HostFillRectRGB(x, y, w, kFrameLine, kFrameWhite, kFrameWhite, kFrameWhite);
  HostFillRectRGB(x, y + h - kFrameLine, w, kFrameLine, kFrameWhite, kFrameWhite, kFrameWhite);
  HostFillRectRGB(x, y, kFrameLine, h, kFrameWhite, kFrameWhite, kFrameWhite);
  HostFillRectRGB(x + w - kFrameLine, y, kFrameLine, h, kFrameWhite, kFrameWhite, kFrameWhite);
}

}  // namespace

GUI_StoreOffers::GUI_StoreOffers(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_Element(x, y, w, h, id), scrollBar(x + w - kScrollBarW, y, kScrollBarW, h, 0, 0, 0) {
  interactive = 1;
}

template <typename Keep>
void GUI_StoreOffers::Rebuild(Keep keep) {
  const std::vector<store::StoreOffer>& offers = store::State().offers;
  shown.clear();
  for (size_t i = 0; i < offers.size(); ++i) {
    if (keep(offers[i])) shown.push_back(i);
  }
  selected = shown.empty() ? -1 : 0;
  RefreshRange();
  scrollBar.SetPosition(0, true);
}

void GUI_StoreOffers::ShowAll() {
  Rebuild([](const store::StoreOffer&) { return true; });
}

void GUI_StoreOffers::ApplyFilter(const std::string& filter) {
  Rebuild(
      [&filter](const store::StoreOffer& offer) { return store::SearchShows(filter, offer.name); });
}

void GUI_StoreOffers::Clear() {
  shown.clear();
  selected = -1;
  RefreshRange();
  scrollBar.SetPosition(0, true);
}

void GUI_StoreOffers::SelectFirstAndReport() {
  if (shown.empty()) {
    selected = -1;
    return;
  }
  selected = 0;
  scrollBar.SetPosition(0, true);
  Post(0);
}

const store::StoreOffer* GUI_StoreOffers::SelectedOffer() const {
  const int32_t index = SelectedOfferIndex();
  return index < 0 ? nullptr : &store::State().offers[static_cast<size_t>(index)];
}

int32_t GUI_StoreOffers::SelectedOfferIndex() const {
  if (selected < 0 || static_cast<size_t>(selected) >= shown.size()) return -1;
  const size_t index = shown[static_cast<size_t>(selected)];
  // The offers may have been replaced under a list not yet rebuilt.
  if (index >= store::State().offers.size()) return -1;
  return static_cast<int32_t>(index);
}

int32_t GUI_StoreOffers::VisibleCards() const {
  // The last top, below y: top + 2 <= y + h - 85.
  const int32_t room = h - kCardBottomRoom - 2 - kFirstCardY;
  return room < 0 ? 0 : room / kCardPitch + 1;
}

void GUI_StoreOffers::RefreshRange() {
  const int32_t range = std::max(static_cast<int32_t>(shown.size()) - VisibleCards(), 0);
  if (range != scrollBar.maximum) scrollBar.SetRange(range);
}

void GUI_StoreOffers::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  GUI_Element::SetBounds(newX, newY, newW, newH);
  scrollBar.SetBounds(newX + newW - kScrollBarW, newY, kScrollBarW, newH);
  RefreshRange();
}

void GUI_StoreOffers::DrawCard(const store::StoreOffer& offer, int32_t top, bool isSelected) {
  if (offer.image.texture != nullptr) {
    offer.image.texture->Draw(gui::kSurface, 1, x + kPictureX, top + kPictureY, kPictureSize,
                              kPictureSize);
  }
  gui::Text(x + kNameX, top + kNameY, kFont, NameColor(offer.highlight, isSelected),
            gui::FitText(kFont, offer.name, kNameW), 0);

  const int32_t priceRight = x + kPriceRight;
  const bool tooHigh = CoinBalanceA() < offer.price;
  gui::Text(priceRight, top + kPriceY, kFont, tooHigh ? store::kTooExpensiveColor : kPrice,
            AmountText(offer.priceText, offer.price), 2);
  store::DrawCoinIcon(priceRight + kCoinGap, top + kPriceY - 1);

  if (offer.highlight == store::kSale) {
    const std::string base = AmountText(offer.basePriceText, offer.basePrice);
    const int32_t baseW = gui::TextWidth(kFont, base);
    gui::Text(priceRight, top + kBasePriceY, kFont, kBasePrice, base, 2);
    HostFillRectRGB(priceRight - baseW, top + kBasePriceY + kStrikeFromTop, baseW, 1, kBasePrice.r,
                    kBasePrice.g, kBasePrice.b);
  }
  // The badge sits at the picture's lower left.
  store::DrawBadge(offer.highlight, x + kPictureX, top + kPictureY + kPictureSize - store::kBadgeH);

  if (isSelected) WhiteFrame(x + kCardX, top, w - kCardWLess, kCardH);
}

void GUI_StoreOffers::Draw() {
  RefreshRange();
  const std::vector<store::StoreOffer>& offers = store::State().offers;
  const int32_t count = static_cast<int32_t>(shown.size());
  const int32_t lastTop = y + h - kCardBottomRoom - 2;
  int32_t top = y + kFirstCardY;
  for (int32_t card = FirstCard(); card < count && top <= lastTop; ++card, top += kCardPitch) {
    const size_t index = shown[static_cast<size_t>(card)];
    if (index >= offers.size()) continue;
    DrawCard(offers[index], top, card == selected);
  }
  scrollBar.Draw();
}

void GUI_StoreOffers::OnMouseDown(int32_t px, int32_t py) {
  if (scrollBar.Contains(px, py)) {
    scrollBar.OnMouseDown(px, py);
    return;
  }
  if (px < x + kCardX || px > x + kCardX + w - kCardWLess || py < y + kFirstCardY) return;
  const int32_t slot = (py - y - kFirstCardY) / kCardPitch;
  const int32_t top = y + kFirstCardY + slot * kCardPitch;
  if (py > top + kCardH || slot >= VisibleCards()) return;  // between cards, or below the last
  const int32_t card = FirstCard() + slot;
  if (card >= static_cast<int32_t>(shown.size())) return;
  selected = card;
  Post(card);
}

void GUI_StoreOffers::OnMouseUp(int32_t px, int32_t py) { scrollBar.OnMouseUp(px, py); }

void GUI_StoreOffers::OnMouseMove(int32_t px, int32_t py) { scrollBar.OnMouseMove(px, py); }

void GUI_StoreOffers::OnWheel(int32_t px, int32_t py, uint8_t up) { scrollBar.OnWheel(px, py, up); }

void GUI_StoreOffers::OnKeyDown(int32_t key, int32_t) {
  if (key != store::kKeyUp && key != store::kKeyDown) return;
  const int32_t moved = store::StepSelection(selected, static_cast<int32_t>(shown.size()), key);
  if (moved < 0 || moved == selected) return;
  selected = moved;
  RefreshRange();
  scrollBar.SetPosition(store::ScrollToShow(selected, FirstCard(), VisibleCards()), false);
  Post(selected);
}
