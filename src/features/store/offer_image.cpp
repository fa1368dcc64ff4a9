#include "features/store/offer_image.h"

#include "features/store/pieces.h"
#include "features/store/state.h"
#include "gui/draw.h"

void GUI_StoreOfferI::Draw() {
  gui::ThinFrame(x, y, w, h);
  const auto& offers = store::State().offers;
  // The offers may have been replaced since the index was set.
  if (offerIndex < 0 || static_cast<size_t>(offerIndex) >= offers.size()) return;
  const store::StoreOffer& offer = offers[static_cast<size_t>(offerIndex)];
  const int32_t insideX = x + 1, insideY = y + 1, insideW = w - 2, insideH = h - 2;
  if (offer.image.texture != nullptr && insideW > 0 && insideH > 0) {
    offer.image.texture->Draw(gui::kSurface, 1, insideX, insideY, insideW, insideH);
  }
  store::DrawBadge(offer.highlight, insideX, insideY + insideH - store::kBadgeH);
}
