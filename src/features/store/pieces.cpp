#include "features/store/pieces.h"

#include <algorithm>

#include "features/store/rules.h"
#include "features/store/state.h"
#include "gui/draw.h"
#include "gui/widgets/face.h"
#include "gui/widgets/post_event.h"

namespace store {

void DrawCoinIcon(int32_t x, int32_t y) {
  gui::Skin(x, y, gui::kSheet, kCoinIconSrcX, kCoinIconSrcY, kCoinIconSize, kCoinIconSize);
}

void DrawBadge(uint8_t highlight, int32_t x, int32_t y) {
  int32_t srcY = 0;
  switch (highlight) {
    case kSale: srcY = kSaleBadgeSrcY; break;
    case kNew: srcY = kNewBadgeSrcY; break;
    case kMarked: srcY = kMarkedBadgeSrcY; break;
    default: return;
  }
  gui::Skin(x, y, gui::kSheet, kBadgeSrcX, srcY, kBadgeW, kBadgeH);
}

}  // namespace store

void GUI_StoreGroup::Draw() {
  gui::ThinFrame(x, y, w, h);
  gui::ThinFrame(x + 1, y + 1, w - 2, h - 2);
}

namespace {
constexpr int32_t kFaceRowH = 19;
}  // namespace

void GUI_TransferButton::Draw() {
  const bool pressed = HeldInside();
  // The skinned face of the toolkit's buttons: sheet-4 tiles and a bevel
  // that turns over while pressed.
  gui::FaceRow(x, y, w, std::min(h, kFaceRowH), 0, 0);
  const gui::Color light = gui::Grey(111), dark = gui::Grey(49);
  gui::Bevel(x, y, w, h, pressed ? dark : light, pressed ? light : dark);
  const int32_t p = pressed ? 1 : 0;
  gui::Skin(x + kTransferInset + p, y + (h - store::kTransferH) / 2 + p, gui::kSheet,
            store::kTransferSrcX, store::kTransferSrcY, store::kTransferW, store::kTransferH);
  for (GUI_Element* part : faceParts) part->Draw();
}

GUI_StoreSearchBox::GUI_StoreSearchBox(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_TextBox(x, y, w, h, "", id, 180, 180, 180) {}

void GUI_StoreSearchBox::OnKeyDown(int32_t key, int32_t data) {
  if (key == store::kKeyReturn) {
    gui::PostEvent(enterHandler, enterCode, 0);
    return;
  }
  GUI_TextBox::OnKeyDown(key, data);
}

void GUI_StoreSearchBox::Draw() {
  GUI_TextBox::Draw();
  if (!text.empty()) return;
  gui::Text(x + kHintInset, y + kHintInset, font, gui::Color{120, 120, 120}, store::kSearchHint, 0);
}
