#include "features/imbuements/materials_list.h"

#include <algorithm>

#include "features/imbuements/state.h"
#include "gui/draw.h"
#include "gui/text_fit.h"
#include "gui/widgets/item_slot.h"

namespace {

constexpr int32_t kFont = 1;
constexpr int32_t kPictureSize = 32;
constexpr int32_t kTextX = 40, kNameY = 4, kCountY = 19;
constexpr int32_t kColumnGap = 8;
constexpr gui::Color kNameColor{200, 200, 200};
constexpr gui::Color kEnoughColor{174, 174, 174};
constexpr gui::Color kShortColor{211, 60, 60};

}  // namespace

std::string GUI_MaterialsList::CountText(uint16_t owned, uint16_t needed) {
  return std::to_string(owned) + "/" + std::to_string(needed);
}

void GUI_MaterialsList::Draw() {
  const imbuements::ImbuementInfo* info = imbuements::State().Selected();
  if (info == nullptr) return;
  const int32_t columnWidth = w / kColumns;
  const size_t shown = std::min(info->sources.size(), size_t{kRows * kColumns});
  for (size_t i = 0; i < shown; ++i) {
    const auto row = static_cast<int32_t>(i) % kRows;
    const auto column = static_cast<int32_t>(i) / kRows;
    DrawEntry(x + column * columnWidth, y + row * kRowHeight, columnWidth, info->sources[i].itemId,
              info->sources[i].count);
  }
}

void GUI_MaterialsList::DrawEntry(int32_t ex, int32_t ey, int32_t columnWidth, uint16_t itemId,
                                  uint16_t needed) {
  const imbuements::WindowState& state = imbuements::State();
  gui::DrawItemFrame(ex, ey);
  gui::DrawItem(ex + 1, ey + 1, kPictureSize, itemId);
  const auto name = state.sourceNames.find(itemId);
  const std::string text = name == state.sourceNames.end() ? std::string() : name->second;
  const int32_t room = columnWidth - kTextX - kColumnGap;
  gui::Text(ex + kTextX, ey + kNameY, kFont, kNameColor, gui::FitText(kFont, text, room), 0);
  const auto owned = state.ownedSources.find(itemId);
  const uint16_t have = owned == state.ownedSources.end() ? 0 : owned->second;
  gui::Text(ex + kTextX, ey + kCountY, kFont, have >= needed ? kEnoughColor : kShortColor,
            CountText(have, needed), 0);
}
