// The store window's smaller pieces: the 2-pixel frame of its groups, the
// gift button, the search box and its hint, and the pictures (coin sign and
// badges) the lists share.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "features/store/state.h"
#include "gui/draw.h"
#include "gui/element.h"
#include "gui/widgets/press_machine.h"
#include "gui/widgets/text_box.h"

namespace store {

// The key the store's search box reacts to (virtual-key code).
inline constexpr int32_t kKeyReturn = 0x0D;

// The colour of a record's name by its highlight: sale and new have their
// own, any other highlight the caller's plain colour.
inline constexpr gui::Color kSaleNameColor{250, 180, 75};
inline constexpr gui::Color kNewNameColor{70, 175, 40};
inline gui::Color NameColor(uint8_t highlight, gui::Color plain) {
  if (highlight == kSale) return kSaleNameColor;
  if (highlight == kNew) return kNewNameColor;
  return plain;
}
// A price the balance does not reach.
inline constexpr gui::Color kTooExpensiveColor{240, 30, 35};

// The coin sign, 12 x 12, a piece of host sheet 4 (the dialog's coin
// icons are GUI_StaticImage children with this source).
inline constexpr int32_t kCoinIconSrcX = 298, kCoinIconSrcY = 0;
inline constexpr int32_t kCoinIconSize = 12;
void DrawCoinIcon(int32_t x, int32_t y);

// The badge of a highlight (sale, new, marked) with its top left at
// (x, y); nothing for kPlain or an unknown value. Its size, for placing it
// at a lower left.
void DrawBadge(uint8_t highlight, int32_t x, int32_t y);
inline constexpr int32_t kBadgeW = 30, kBadgeH = 12;
// The badges' pieces of host sheet 4, one under the other.
inline constexpr int32_t kBadgeSrcX = 280, kSaleBadgeSrcY = 140, kNewBadgeSrcY = 152,
                         kMarkedBadgeSrcY = 164;

// The coin-transfer picture on the gift button.
inline constexpr int32_t kTransferSrcX = 33, kTransferSrcY = 274;
inline constexpr int32_t kTransferW = 45, kTransferH = 14;
// Its coin and arrow take the picture's left part; the rest is blank, for
// the amount.
inline constexpr int32_t kTransferArrowW = 16;

}  // namespace store

// A group's frame: two pixels of sheet-4 pieces (two thin frames, one
// inside the other), nothing inside.
class GUI_StoreGroup : public GUI_Element {
 public:
  GUI_StoreGroup(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
      : GUI_Element(x, y, w, h, id) {}
  void Draw() override;
};

// The gift button: a skinned button with the coin-transfer picture at its
// left (the store writes the transferable amount over the rest) that moves
// one pixel while pressed; a release over itself after a press on it
// (leaving and coming back included) posts (handler, code, 1).
class GUI_TransferButton : public GUI_PressElement {
 public:
  static constexpr int32_t kTransferInset = 3;

  GUI_TransferButton(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
      : GUI_PressElement(x, y, w, h, id) {
    interactive = 1;
  }
  // Draws the face, then the parts that stand on it. A click focuses the
  // button, which raises it over its siblings: the amount and its coin sign
  // are therefore drawn by the button (and hidden as siblings), so they stay
  // readable after the first click.
  void Draw() override;

  // Elements of the same window drawn on the face, in order.
  std::vector<GUI_Element*> faceParts;
};

// The search box: a text box whose Enter posts (enterHandler, enterCode, 0);
// every other key is the text box's. While it is empty it shows the hint
// "Type to search" in grey 120, 5 pixels in from its top left, over its own
// face, so the hint shows whether or not the box was raised by a click.
class GUI_StoreSearchBox : public GUI_TextBox {
 public:
  static constexpr int32_t kHintInset = 5;

  GUI_StoreSearchBox(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);
  void OnKeyDown(int32_t key, int32_t data) override;
  void Draw() override;

  GUI_Handler enterHandler = nullptr;
  int32_t enterCode = 0;
};
