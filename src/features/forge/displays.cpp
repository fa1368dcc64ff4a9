#include "features/forge/displays.h"

#include <string>

#include "features/forge/item_grid.h"
#include "features/forge/rules.h"
#include "features/forge/state.h"
#include "gui/draw.h"
#include "gui/text_fit.h"
#include "gui/widgets/face.h"
#include "gui/widgets/item_slot.h"

namespace {

constexpr int32_t kCellSize = 34;
constexpr gui::Color kSuccessColor{0, 255, 0};
constexpr gui::Color kCaptionColor{150, 150, 150};

// A right-pointing arrow, centred in a w x 13 box at (x, y).
void DrawArrow(int32_t x, int32_t y, int32_t w) {
  const gui::Color c = gui::Grey(200);
  HostFillRectRGB(x, y + 5, w - 6, 3, c.r, c.g, c.b);
  for (int32_t i = 0; i < 7; ++i) {
    HostFillRectRGB(x + w - 7 + i, y + i, 1, 13 - 2 * i, c.r, c.g, c.b);
  }
}

// A cell with a text centred under it.
void CellWithText(int32_t x, int32_t y, uint16_t itemId, uint32_t tier, const std::string& text,
                  gui::Color color) {
  forge::DrawItemCell(x, y, itemId, tier, false);
  gui::Text(x + kCellSize / 2, y + kCellSize + 4, 1, color, text, 1);
}

void EmptyCell(int32_t x, int32_t y) { gui::DrawItemFrame(x, y); }

}  // namespace

void GUI_ExaltationSelectedDisplay::Draw() {
  const forge::ForgeItem* item = forge::State().SelectedFusion();
  const int32_t rightX = x + w - kCellSize;
  DrawArrow(x + kCellSize + 8, y + 10, rightX - x - kCellSize - 16);
  if (item == nullptr) {
    EmptyCell(x, y);
    EmptyCell(rightX, y);
    return;
  }
  forge::DrawItemCell(x, y, item->displayId, item->tier, false);
  gui::Text(x + w / 2, y + kCellSize + 6, 1, gui::Grey(200), gui::FitText(1, item->name, w), 1);
  const uint32_t next = uint32_t{item->tier} + 1;
  forge::DrawItemCell(rightX, y, item->displayId, next <= forge::kMaxTier ? next : 0, false);
}

void GUI_ExaltationRequirementsDisplay::Draw() {
  const forge::ForgeState& state = forge::State();
  const forge::ForgeItem* item = state.SelectedFusion();
  if (item == nullptr) {
    EmptyCell(x, y);
    EmptyCell(x + 50, y);
    return;
  }
  const forge::FusionCheck check = *state.Fusion();
  CellWithText(x, y, item->displayId, item->tier, "2/" + std::to_string(item->amount),
               forge::RequirementColor(check.enoughItems));
  CellWithText(x + 50, y, forge::kCoreItemId, 0, std::to_string(check.cores),
               forge::RequirementColor(check.enoughCores));
  gui::Text(x + 100, y + 4, 1, kCaptionColor, "Gold:", 0);
  gui::Text(x + 145, y + 4, 1, forge::RequirementColor(check.enoughGold),
            forge::MoneyText(check.gold), 0);
  gui::Text(x + 100, y + 24, 1, kSuccessColor,
            "Success: " + std::to_string(check.successRate) + "%", 0);
}

void GUI_TransferRequirementsDisplay::Draw() {
  const forge::ForgeState& state = forge::State();
  const forge::ForgeItem* source = state.SelectedSource();
  const forge::ForgeItem* target = state.SelectedTarget();
  if (source != nullptr) {
    CellWithText(x, y, source->displayId, source->tier, "1/1", forge::kMetColor);
  } else {
    EmptyCell(x, y);
  }
  if (target != nullptr) {
    CellWithText(x + 50, y, target->displayId, target->tier, "1", forge::kMetColor);
  } else {
    EmptyCell(x + 50, y);
  }
  const std::optional<forge::TransferCheck> check = state.Transfer();
  if (!check) {
    EmptyCell(x + 100, y);
    return;
  }
  CellWithText(x + 100, y, forge::kCoreItemId, 0, std::to_string(check->cores),
               forge::RequirementColor(check->enoughCores));
}

void GUI_TransferCostBox::Draw() {
  HostFillRectRGB(x, y, w, h, 40, 40, 40);
  gui::Bevel(x, y, w, h, gui::Grey(30), gui::Grey(110));
  const std::optional<forge::TransferCheck> check = forge::State().Transfer();
  if (!check) return;
  gui::Text(x + w / 2, y + h / 2 - 5, 1, forge::RequirementColor(check->enoughGold),
            forge::MoneyText(check->gold), 1);
}

bool GUI_ExaltationArrowHint::Wanted() {
  const forge::ForgeState& state = forge::State();
  return state.openedRemotely && state.fusionItems.empty();
}

void GUI_ExaltationArrowHint::Draw() {
  if (!Wanted()) return;
  // A round yellow marker with an arrow pointing at the empty grid.
  HostFillRectRGB(x + 2, y, w - 4, h, 200, 160, 40);
  HostFillRectRGB(x, y + 2, w, h - 4, 200, 160, 40);
  gui::Text(x + w / 2, y + h / 2 - 5, 1, gui::Grey(20), "<", 1);
  if (hover_.Due(forge::kHintDelayMs)) gui::DrawTooltipOnTop(hover_.mouseX, hover_.mouseY, forge::kHintText);
}

void GUI_ExaltationArrowHint::OnMouseMove(int32_t px, int32_t py) {
  hover_.Track(visible != 0 && Wanted() && Contains(px, py), px, py);
}
