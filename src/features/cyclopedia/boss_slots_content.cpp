#include "features/cyclopedia/boss_slots_content.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "features/cyclopedia/requests.h"
#include "features/cyclopedia/rules.h"
#include "features/cyclopedia/state.h"
#include "gui/draw.h"
#include "gui/outfit_picture.h"
#include "gui/text_fit.h"
#include "gui/widgets/face.h"
#include "protocol/digit_grouping.h"

namespace cyclopedia {

bool SlotChoosing(int slot) {
  if (slot < 0 || slot > 1) return false;
  const BossSlot& record = Data().bossSlots.slots[static_cast<size_t>(slot)];
  return record.unlocked && record.bossId == 0;
}

namespace {

// The boss picked in `slot`'s list, or 0.
uint32_t PickedBoss(int slot) {
  const ViewState& view = View();
  const auto& selectable = Data().bossSlots.selectable;
  if (view.choosingSlot != slot || view.slotChoice < 0 ||
      static_cast<size_t>(view.slotChoice) >= selectable.size()) {
    return 0;
  }
  return selectable[static_cast<size_t>(view.slotChoice)];
}

}  // namespace

void ConfirmBossSlot(int slot) {
  if (!SlotChoosing(slot)) return;
  const uint32_t boss = PickedBoss(slot);
  if (boss == 0) return;
  RequestBossSlot(static_cast<uint8_t>(slot + 1), boss);
}

}  // namespace cyclopedia

namespace {

constexpr int32_t kFont = 1, kSmallFont = 2;
constexpr int32_t kListTop = 30, kRowH = 18;
constexpr gui::Color kHeadingColor{210, 210, 210};
constexpr gui::Color kTextColor{165, 165, 165};
constexpr gui::Color kLockedColor{130, 130, 130};
constexpr gui::Color kBonusColor{120, 190, 120};

std::string Printed(const char* format, unsigned value) {
  char text[96];
  std::snprintf(text, sizeof(text), format, value);
  return text;
}

std::string Printed(const char* format, const std::string& value) {
  char text[160];
  std::snprintf(text, sizeof(text), format, value.c_str());
  return text;
}

std::string NameOr(uint32_t bossId, const char* fallback) {
  const std::string name = cyclopedia::BossName(bossId);
  return name.empty() ? fallback : name;
}

const cyclopedia::Boss* FindBoss(uint32_t bossId) {
  for (const cyclopedia::Boss& boss : cyclopedia::Data().bosses) {
    if (boss.bossId == bossId) return &boss;
  }
  return nullptr;
}

int32_t ListRows() {
  return (GUI_BossSlotsContent::kPanelH - kListTop - 4) / kRowH;
}

int32_t FirstListRow(int slot) {
  const auto count = static_cast<int32_t>(cyclopedia::Data().bossSlots.selectable.size());
  return std::clamp(cyclopedia::View().slotListScroll[static_cast<size_t>(slot)], 0,
                    std::max(count - ListRows(), 0));
}

}  // namespace

GUI_BossSlotsContent::GUI_BossSlotsContent(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_Element(x, y, w, h, id) {
  interactive = 1;
}

void GUI_BossSlotsContent::DrawSlot(int slot, int32_t px, int32_t py) const {
  const cyclopedia::BossSlot& record = cyclopedia::Data().bossSlots.slots[static_cast<size_t>(slot)];
  HostFillRectRGB(px, py, kPanelW, kPanelH, 30, 30, 30);
  gui::Bevel(px, py, kPanelW, kPanelH, gui::Grey(20), gui::Grey(90));
  const bool first = slot == 0;
  const int32_t room = kPanelW - 16;
  if (!record.unlocked) {
    gui::Text(px + 8, py + 8, kFont, kHeadingColor, first ? "Slot 1: Locked" : "Slot 2: Locked", 0);
    if (first) {
      gui::Text(px + kPanelW / 2, py + kPanelH / 2 - 8, kFont, kLockedColor,
                "Unlocks if you reach the", 1);
      gui::Text(px + kPanelW / 2, py + kPanelH / 2 + 8, kFont, kLockedColor,
                "Prowess level for any boss", 1);
    } else {
      gui::Text(px + kPanelW / 2, py + kPanelH / 2, kFont, kLockedColor,
                gui::FitText(kFont,
                             Printed("Unlocks at %u Boss Points",
                                     cyclopedia::Data().bossSlots.nextUnlockPoints),
                             room),
                1);
    }
    return;
  }
  if (record.bossId == 0) {
    gui::Text(px + 8, py + 8, kFont, kHeadingColor,
              first ? "Slot 1: Select Boss" : "Slot 2: Select Boss", 0);
    const auto& selectable = cyclopedia::Data().bossSlots.selectable;
    const int32_t firstRow = FirstListRow(slot);
    const cyclopedia::ViewState& view = cyclopedia::View();
    for (int32_t i = 0; i < ListRows(); ++i) {
      const size_t index = static_cast<size_t>(firstRow + i);
      if (index >= selectable.size()) break;
      const int32_t rowY = py + kListTop + kRowH * i;
      if (view.choosingSlot == slot && view.slotChoice == static_cast<int32_t>(index)) {
        HostFillRectRGB(px + 4, rowY, kPanelW - 8, kRowH, 70, 66, 56);
      }
      gui::Text(px + 10, rowY + 3, kFont, kTextColor,
                gui::FitText(kFont, NameOr(selectable[index], "Unknown"), room - 4), 0);
    }
    if (selectable.empty()) {
      gui::Text(px + kPanelW / 2, py + kPanelH / 2, kFont, kLockedColor, "None", 1);
    }
    return;
  }
  const std::string name = NameOr(record.bossId, "Unknown");
  gui::Text(px + 8, py + 8, kFont, kHeadingColor,
            gui::FitText(kFont, Printed(first ? "Slot 1: %s" : "Slot 2: %s", name), room), 0);
  HostFillRectRGB(px + 8, py + 30, 64, 64, 20, 20, 20);
  if (const cyclopedia::Boss* boss = FindBoss(record.bossId)) {
    gui::DrawOutfitPicture(boss->outfit, px + 8, py + 30, 64);
  }
  if (!record.hasDetail) return;
  const cyclopedia::BossSlotDetail& detail = record.detail;
  gui::Text(px + 84, py + 34, kSmallFont, kTextColor, cyclopedia::BossCategoryName(detail.category),
            0);
  gui::Text(px + 84, py + 50, kFont, kBonusColor,
            gui::FitText(kFont, Printed("Loot bonus: %u%%", detail.lootBonus), kPanelW - 92), 0);
  char kill[48];
  std::snprintf(kill, sizeof(kill), "Kill bonus: %dx", int{detail.killBonus});
  gui::Text(px + 84, py + 66, kFont, kBonusColor, gui::FitText(kFont, kill, kPanelW - 92), 0);
  gui::Text(px + 84, py + 82, kSmallFont, kTextColor,
            gui::FitText(kSmallFont, "Total Kills " + protocol::GroupDigits(detail.kills),
                         kPanelW - 92),
            0);
}

void GUI_BossSlotsContent::Draw() {
  if (visible == 0) return;
  const cyclopedia::BossSlots& slots = cyclopedia::Data().bossSlots;
  gui::Text(x + 4, y + 6, kFont, kHeadingColor, "Boss Points", 0);
  gui::Text(x + 110, y + 6, kFont, kHeadingColor, protocol::GroupDigits(slots.points), 0);
  char bonus[96];
  std::snprintf(bonus, sizeof(bonus), "Equipment Loot Bonus: %u%%  Next: %u%%",
                unsigned{slots.lootBonus}, unsigned{slots.nextLootBonus});
  gui::Text(x + 4, y + 26, kFont, kTextColor, bonus, 0);
  gui::Text(x + 4, y + 44, kSmallFont, kTextColor,
            Printed("Unlocks at %u Boss Points", slots.nextUnlockPoints), 0);
  for (int slot = 0; slot < 2; ++slot) DrawSlot(slot, PanelX(slot), y + kPanelTop);

  // Below the slots' buttons, outside the element's own rectangle.
  const int32_t boostedY = y + kPanelTop + kPanelH + 40;
  const bool boosted = slots.boosted.unlocked && slots.boosted.bossId != 0;
  const std::string boostedName = boosted ? NameOr(slots.boosted.bossId, "Unknown") : "None";
  gui::Text(x + 4, boostedY, kFont, kHeadingColor,
            gui::FitText(kFont, Printed("Boosted Boss: %s", boostedName), w / 2 - 8), 0);
  if (boosted && slots.boosted.hasDetail) {
    gui::Text(x + w / 2, boostedY, kFont, kBonusColor,
              Printed("Equipment loot bonus: %u%%", slots.boosted.detail.lootBonus), 0);
  }
}

void GUI_BossSlotsContent::OnMouseDown(int32_t px, int32_t py) {
  for (int slot = 0; slot < 2; ++slot) {
    if (!cyclopedia::SlotChoosing(slot)) continue;
    const int32_t left = PanelX(slot), top = y + kPanelTop + kListTop;
    if (px < left || px > left + kPanelW || py < top) continue;
    const int32_t row = (py - top) / kRowH;
    if (row >= ListRows()) continue;
    const int32_t index = FirstListRow(slot) + row;
    if (index >= static_cast<int32_t>(cyclopedia::Data().bossSlots.selectable.size())) continue;
    cyclopedia::View().choosingSlot = slot;
    cyclopedia::View().slotChoice = index;
  }
}

void GUI_BossSlotsContent::OnWheel(int32_t px, int32_t py, uint8_t up) {
  const int slot = px >= PanelX(1) ? 1 : 0;
  const auto count = static_cast<int32_t>(cyclopedia::Data().bossSlots.selectable.size());
  int32_t& scroll = cyclopedia::View().slotListScroll[static_cast<size_t>(slot)];
  scroll = std::clamp(scroll + (up != 0 ? -1 : 1), 0, std::max(count - ListRows(), 0));
}

GUI_BossSlotSelectButton::GUI_BossSlotSelectButton(int32_t x, int32_t y, int32_t w, int32_t h,
                                                   int slot, int32_t id)
    : GUI_ButtonColor(x, y, w, h, "Select", id), slot(slot) {
  font = 1;
  interactive = 1;
}

void GUI_BossSlotSelectButton::Draw() {
  if (visible == 0 || !cyclopedia::SlotChoosing(slot)) return;
  const cyclopedia::ViewState& view = cyclopedia::View();
  gui::ApplyAvailabilityLook(*this, view.choosingSlot == slot && view.slotChoice >= 0);
  GUI_ButtonColor::Draw();
}
