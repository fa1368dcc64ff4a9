#include "features/cyclopedia/charms_content.h"

#include <algorithm>
#include <string>
#include <vector>

#include "features/cyclopedia/requests.h"
#include "features/cyclopedia/state.h"
#include "gui/draw.h"
#include "gui/text_fit.h"
#include "gui/widgets/face.h"
#include "protocol/digit_grouping.h"

namespace cyclopedia {

const Charm* SelectedCharm() {
  const int32_t id = View().selectedCharmId;
  for (const Charm& charm : Data().charms.charms) {
    if (charm.id == id) return &charm;
  }
  return nullptr;
}

namespace {

enum class CharmAction { None, Unlock, Assign, Remove };

struct ActionState {
  CharmAction action = CharmAction::None;
  bool possible = false;
};

ActionState ActionOf(const Charm* charm) {
  if (charm == nullptr) return {};
  if (!charm->unlocked) return {CharmAction::Unlock, charm->price <= Data().charms.points};
  if (charm->assigned) return {CharmAction::Remove, true};
  const auto& assignable = Data().charms.assignable;
  const bool chosen = View().chosenCreature != 0 &&
                      std::find(assignable.begin(), assignable.end(), View().chosenCreature) !=
                          assignable.end();
  return {CharmAction::Assign, chosen};
}

}  // namespace

void PressCharmAction() {
  const Charm* charm = SelectedCharm();
  const ActionState state = ActionOf(charm);
  if (!state.possible) return;
  switch (state.action) {
    case CharmAction::Unlock: RequestCharmAction(charm->id, kCharmUnlock, 0); break;
    case CharmAction::Assign: RequestCharmAction(charm->id, kCharmAssign, View().chosenCreature); break;
    case CharmAction::Remove: RequestCharmAction(charm->id, kCharmRemove, 0); break;
    case CharmAction::None: break;
  }
}

}  // namespace cyclopedia

namespace {

using cyclopedia::Charm;

constexpr int32_t kFont = 1, kSmallFont = 2;
constexpr int32_t kCellW = 130, kCellH = 92, kPitchX = 136, kPitchY = 98;
constexpr int32_t kGridTop = 24;
constexpr int32_t kPanelX = 420;
constexpr int32_t kRowH = 16;
constexpr int32_t kCreatureListTop = 196;

// The coin picture beside prices and the charm points: 16 x 16 of sheet 4.
constexpr int32_t kCoinSrcX = 106, kCoinSrcY = 378, kCoinSize = 16;

constexpr gui::Color kNameColor{220, 220, 220};
constexpr gui::Color kTextColor{170, 170, 170};
constexpr gui::Color kHeadingColor{200, 200, 200};
constexpr gui::Color kPriceColor{192, 192, 192};
constexpr gui::Color kDearColor{211, 60, 60};
constexpr gui::Color kAssignedColor{120, 190, 120};

void Coin(int32_t x, int32_t y) {
  gui::Skin(x, y, gui::kSheet, kCoinSrcX, kCoinSrcY, kCoinSize, kCoinSize);
}

// A price right-aligned at `right`, the coin after it.
void Price(int32_t right, int32_t y, uint32_t price, gui::Color color) {
  Coin(right - kCoinSize, y - 3);
  gui::Text(right - kCoinSize - 3, y, kFont, color, protocol::GroupDigits(price), 2);
}

std::string CreatureName(uint16_t raceId) {
  const auto look = cyclopedia::KnownCreature(raceId);
  return look && !look->name.empty() ? look->name : "Unknown";
}

}  // namespace

GUI_CharmsContent::GUI_CharmsContent(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_Element(x, y, w, h, id) {
  interactive = 1;
}

void GUI_CharmsContent::DrawCharm(const Charm& charm, int32_t cx, int32_t cy, bool picked) const {
  HostFillRectRGB(cx, cy, kCellW, kCellH, picked ? 60 : 36, picked ? 56 : 36, picked ? 48 : 36);
  gui::Bevel(cx, cy, kCellW, kCellH, gui::Grey(picked ? 200 : 90), gui::Grey(20));
  gui::Text(cx + kCellW / 2, cy + 6, kFont, kNameColor, gui::FitText(kFont, charm.name, kCellW - 8),
            1);
  if (!charm.unlocked) {
    const bool dear = charm.price > cyclopedia::Data().charms.points;
    Price(cx + kCellW - 6, cy + kCellH - 18, charm.price, dear ? kDearColor : kPriceColor);
  } else if (charm.assigned) {
    gui::Text(cx + kCellW / 2, cy + kCellH - 18, kSmallFont, kAssignedColor,
              gui::FitText(kSmallFont, CreatureName(charm.raceId), kCellW - 8), 1);
  }
}

void GUI_CharmsContent::DrawInformation() const {
  const int32_t px = x + kPanelX, pw = w - kPanelX;
  HostFillRectRGB(px, y, pw, h, 30, 30, 30);
  gui::Bevel(px, y, pw, h, gui::Grey(20), gui::Grey(90));
  gui::Text(px + pw / 2, y + 6, kFont, kHeadingColor, "Information", 1);
  const Charm* charm = cyclopedia::SelectedCharm();
  if (charm == nullptr) {
    gui::Text(px + pw / 2, y + h / 2, kFont, kTextColor, "Select a charm", 1);
    return;
  }
  gui::Text(px + 8, y + 28, kFont, kNameColor, gui::FitText(kFont, charm->name, pw - 16), 0);
  const std::vector<std::string> lines = gui::WrapText(kSmallFont, charm->description, pw - 16);
  int32_t lineY = y + 46;
  for (size_t i = 0; i < lines.size() && i < 8; ++i, lineY += 12) {
    const bool cut = i == 7 && lines.size() > 8;
    gui::Text(px + 8, lineY, kSmallFont, kTextColor,
              cut ? gui::FitText(kSmallFont, lines[i] + "...", pw - 16) : lines[i], 0);
  }
  const int32_t statusY = y + 150;
  if (!charm->unlocked) {
    const bool dear = charm->price > cyclopedia::Data().charms.points;
    Price(px + pw - 8, statusY, charm->price, dear ? kDearColor : kPriceColor);
    return;
  }
  if (charm->assigned) {
    gui::Text(px + 8, statusY, kFont, kAssignedColor,
              gui::FitText(kFont, CreatureName(charm->raceId), pw - 16), 0);
    Price(px + pw - 8, statusY + 20, charm->removeCost, kPriceColor);
    return;
  }
  gui::Text(px + 8, y + kCreatureListTop - 18, kFont, kHeadingColor, "Select creature:", 0);
  const auto& ids = cyclopedia::Data().charms.assignable;
  const int32_t rows = CreatureRows();
  const int32_t first = std::clamp(cyclopedia::View().creatureScroll, 0,
                                   std::max(static_cast<int32_t>(ids.size()) - rows, 0));
  for (int32_t i = 0; i < rows && first + i < static_cast<int32_t>(ids.size()); ++i) {
    const uint16_t raceId = ids[static_cast<size_t>(first + i)];
    const int32_t rowY = y + kCreatureListTop + kRowH * i;
    if (raceId == cyclopedia::View().chosenCreature) {
      HostFillRectRGB(px + 4, rowY, pw - 8, kRowH, 70, 66, 56);
    }
    gui::Text(px + 8, rowY + 2, kFont, kTextColor, gui::FitText(kFont, CreatureName(raceId), pw - 16),
              0);
  }
}

int32_t GUI_CharmsContent::CreatureRows() const { return (h - kCreatureListTop - 4) / kRowH; }

void GUI_CharmsContent::Draw() {
  if (visible == 0) return;
  const auto& table = cyclopedia::Data().charms;
  Coin(x + 4, y + 2);
  gui::Text(x + 24, y + 5, kFont, kNameColor, protocol::GroupDigits(table.points), 0);
  const int32_t first = cyclopedia::View().charmScroll * kColumns;
  for (int32_t i = 0; i < kColumns * kRows; ++i) {
    const size_t index = static_cast<size_t>(first + i);
    if (index >= table.charms.size()) break;
    const Charm& charm = table.charms[index];
    DrawCharm(charm, x + 4 + kPitchX * (i % kColumns), y + kGridTop + kPitchY * (i / kColumns),
              charm.id == cyclopedia::View().selectedCharmId);
  }
  DrawInformation();
}

int32_t GUI_CharmsContent::CharmAt(int32_t px, int32_t py) const {
  const int32_t first = cyclopedia::View().charmScroll * kColumns;
  for (int32_t i = 0; i < kColumns * kRows; ++i) {
    const int32_t cx = x + 4 + kPitchX * (i % kColumns), cy = y + kGridTop + kPitchY * (i / kColumns);
    if (px >= cx && px < cx + kCellW && py >= cy && py < cy + kCellH) {
      const int32_t index = first + i;
      return index < static_cast<int32_t>(cyclopedia::Data().charms.charms.size()) ? index : -1;
    }
  }
  return -1;
}

int32_t GUI_CharmsContent::CreatureRowAt(int32_t px, int32_t py) const {
  const Charm* charm = cyclopedia::SelectedCharm();
  if (charm == nullptr || !charm->unlocked || charm->assigned) return -1;
  const int32_t left = x + kPanelX, top = y + kCreatureListTop;
  if (px < left || px > x + w || py < top) return -1;
  const int32_t row = (py - top) / kRowH;
  if (row >= CreatureRows()) return -1;
  const auto& ids = cyclopedia::Data().charms.assignable;
  const int32_t first = std::clamp(cyclopedia::View().creatureScroll, 0,
                                   std::max(static_cast<int32_t>(ids.size()) - CreatureRows(), 0));
  const int32_t index = first + row;
  return index < static_cast<int32_t>(ids.size()) ? index : -1;
}

void GUI_CharmsContent::OnMouseDown(int32_t px, int32_t py) {
  cyclopedia::ViewState& view = cyclopedia::View();
  if (const int32_t charm = CharmAt(px, py); charm >= 0) {
    view.selectedCharmId = cyclopedia::Data().charms.charms[static_cast<size_t>(charm)].id;
    view.chosenCreature = 0;
    view.creatureScroll = 0;
    return;
  }
  if (const int32_t row = CreatureRowAt(px, py); row >= 0) {
    view.chosenCreature = cyclopedia::Data().charms.assignable[static_cast<size_t>(row)];
  }
}

void GUI_CharmsContent::OnWheel(int32_t px, int32_t py, uint8_t up) {
  cyclopedia::ViewState& view = cyclopedia::View();
  const int32_t step = up != 0 ? -1 : 1;
  if (px >= x + kPanelX) {
    const auto count = static_cast<int32_t>(cyclopedia::Data().charms.assignable.size());
    view.creatureScroll = std::clamp(view.creatureScroll + step, 0, std::max(count - CreatureRows(), 0));
    return;
  }
  const auto charms = static_cast<int32_t>(cyclopedia::Data().charms.charms.size());
  const int32_t rows = (charms + kColumns - 1) / kColumns;
  view.charmScroll = std::clamp(view.charmScroll + step, 0, std::max(rows - kRows, 0));
}

GUI_CharmActionButton::GUI_CharmActionButton(int32_t x, int32_t y, int32_t w, int32_t h,
                                             int32_t id)
    : GUI_ButtonColor(x, y, w, h, "Select", id) {
  font = 1;
  interactive = 1;
}

void GUI_CharmActionButton::Draw() {
  if (visible == 0) return;
  const cyclopedia::ActionState state = cyclopedia::ActionOf(cyclopedia::SelectedCharm());
  if (state.action == cyclopedia::CharmAction::None) return;
  switch (state.action) {
    case cyclopedia::CharmAction::Unlock: SetCaption("Unlock"); break;
    case cyclopedia::CharmAction::Remove: SetCaption("Remove"); break;
    default: SetCaption("Select"); break;
  }
  gui::ApplyAvailabilityLook(*this, state.possible);
  GUI_ButtonColor::Draw();
}
