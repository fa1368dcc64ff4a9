#include "features/store/offer_list.h"

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

// A card is shown while its top + 2 <= y + h - 85; its hit area is the card.
GUI_StoreOffers::GUI_StoreOffers(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_RowList(x, y, w, h, id,
                       {kFirstCardY, kCardPitch, kCardBottomRoom + 2, kCardX, kCardH}, -1) {}

template <typename Keep>
void GUI_StoreOffers::Rebuild(Keep keep) {
  const std::vector<store::StoreOffer>& offers = store::State().offers;
  shown.clear();
  for (size_t i = 0; i < offers.size(); ++i) {
    if (keep(offers[i])) shown.push_back(i);
  }
  selected = shown.empty() ? -1 : 0;
  UpdateRange();
  scrollBar.SetPosition(0, true);
}

void GUI_StoreOffers::ShowAll() {
  Rebuild([](const store::StoreOffer&) { return true; });
}

void GUI_StoreOffers::ApplyFilter(const std::string& filter) {
  Rebuild(
      [&filter](const store::StoreOffer& offer) { return store::SearchShows(filter, offer.name); });
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
  UpdateRange();
  const std::vector<store::StoreOffer>& offers = store::State().offers;
  int32_t top = FirstTop();
  for (int32_t card = FirstRow(); card < RowCount() && top <= LastTop(); ++card, top += Pitch()) {
    const size_t index = shown[static_cast<size_t>(card)];
    if (index >= offers.size()) continue;
    DrawCard(offers[index], top, card == selected);
  }
  scrollBar.Draw();
}
