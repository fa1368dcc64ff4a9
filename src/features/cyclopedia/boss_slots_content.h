// The Boss Slots page: boss points, the equipment loot bonus, the two boss
// slots (locked, choosing among the selectable bosses, or holding a boss
// with its bonuses) and the boosted boss. Each slot's "Select" button sits
// below its panel, the boosted boss below those.
#pragma once

#include <cstdint>

#include "gui/element.h"
#include "gui/widgets/button_color.h"

class GUI_BossSlotsContent : public GUI_Element {
 public:
  static constexpr int32_t kPanelTop = 72, kPanelW = 324, kPanelH = 300, kPanelGap = 24;

  GUI_BossSlotsContent(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);
  void Draw() override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnWheel(int32_t px, int32_t py, uint8_t up) override;

 private:
  void DrawSlot(int slot, int32_t px, int32_t py) const;
  int32_t PanelX(int slot) const { return x + (kPanelW + kPanelGap) * slot; }
};

// A slot's "Select" button: shown while its slot chooses a boss, in the
// available look once a boss of its list is picked.
class GUI_BossSlotSelectButton : public GUI_ButtonColor {
 public:
  GUI_BossSlotSelectButton(int32_t x, int32_t y, int32_t w, int32_t h, int slot, int32_t id);
  void Draw() override;

  int slot;
};

namespace cyclopedia {
// Whether slot (0 or 1) is unlocked and empty: it lists the bosses.
bool SlotChoosing(int slot);
// 4508: sends request 176 for the slot and the boss picked in its list.
void ConfirmBossSlot(int slot);
}  // namespace cyclopedia
