// The Charms page: the charm points, the charms in 4 rows of 3 with their
// prices, and the picked charm's information with the creatures it can be
// given to. The action button below it unlocks, assigns or removes.
#pragma once

#include <cstdint>

#include "gui/element.h"
#include "gui/widgets/button_color.h"

namespace cyclopedia {
struct Charm;
// The picked charm, or null.
const Charm* SelectedCharm();
}  // namespace cyclopedia

class GUI_CharmsContent : public GUI_Element {
 public:
  static constexpr int32_t kColumns = 3, kRows = 4;

  GUI_CharmsContent(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);
  void Draw() override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnWheel(int32_t px, int32_t py, uint8_t up) override;

 private:
  void DrawCharm(const cyclopedia::Charm& charm, int32_t cx, int32_t cy, bool picked) const;
  void DrawInformation() const;
  // The index of the charm cell or the creature row under the point, or -1.
  int32_t CharmAt(int32_t px, int32_t py) const;
  int32_t CreatureRowAt(int32_t px, int32_t py) const;
  int32_t CreatureRows() const;
};

// Reads "Unlock", "Select" or "Remove" as the picked charm allows, in the
// available look only when the action can be sent; hidden with no charm.
class GUI_CharmActionButton : public GUI_ButtonColor {
 public:
  GUI_CharmActionButton(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);
  void Draw() override;
};

namespace cyclopedia {
// The action button's code: sends request 228 for the picked charm when
// its action is possible.
void PressCharmAction();
}  // namespace cyclopedia
