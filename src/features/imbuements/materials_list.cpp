#include "features/imbuements/materials_list.h"

#include <algorithm>

#include "features/imbuements/state.h"
#include "gui/draw.h"
#include "gui/text_fit.h"
#include "gui/widgets/item_slot.h"

namespace {

constexpr int32_t kFont = 1;
constexpr int32_t kSmallFont = 4, kSmallFontDrop = 1;
constexpr int32_t kPictureSize = 32;
constexpr int32_t kTextX = 40, kNameY = 4, kCountY = 19;
constexpr int32_t kColumnGap = 8;
constexpr size_t kTwoColumnsHold = 6;
constexpr gui::Color kNameColor{200, 200, 200};
constexpr gui::Color kEnoughColor{174, 174, 174};
constexpr gui::Color kShortColor{211, 60, 60};

}  // namespace

GUI_MaterialsList::Layout GUI_MaterialsList::LayoutFor(size_t count) {
  const int32_t columns = count <= kTwoColumnsHold ? 2 : 3;
  const auto needed = static_cast<int32_t>((count + columns - 1) / columns);
  return {columns, std::max(needed, kRows)};
}

GUI_MaterialsList::GUI_MaterialsList(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_Element(x, y, w, h, id), scrollBar(x + w - kScrollBarW, y, kScrollBarW, h, 0, 0, 0) {}

std::string GUI_MaterialsList::CountText(uint16_t owned, uint16_t needed) {
  return std::to_string(owned) + "/" + std::to_string(needed);
}

void GUI_MaterialsList::Refresh() {
  const imbuements::ImbuementInfo* info = imbuements::State().Selected();
  const size_t count = info == nullptr ? 0 : info->sources.size();
  const uint32_t shown = info == nullptr ? 0 : info->id;
  scrollBar.SetRange(LayoutFor(count).rows - kRows);
  if (shown != shownImbuement_) scrollBar.SetPosition(0, true);
  shownImbuement_ = shown;
}

void GUI_MaterialsList::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  GUI_Element::SetBounds(newX, newY, newW, newH);
  scrollBar.SetBounds(newX + newW - kScrollBarW, newY, kScrollBarW, newH);
}

void GUI_MaterialsList::OnMouseDown(int32_t px, int32_t py) {
  if (Scrolls() && scrollBar.Contains(px, py)) scrollBar.OnMouseDown(px, py);
}

void GUI_MaterialsList::Draw() {
  const imbuements::ImbuementInfo* info = imbuements::State().Selected();
  if (info == nullptr) return;
  const Layout layout = LayoutFor(info->sources.size());
  // A list that scrolls keeps its bar's strip free of entries.
  const int32_t room = Scrolls() ? w - kScrollBarW - kColumnGap : w;
  const int32_t columnWidth = room / layout.columns;
  const int32_t first = scrollBar.position;
  for (size_t i = 0; i < info->sources.size(); ++i) {
    const int32_t row = static_cast<int32_t>(i) % layout.rows - first;
    if (row < 0 || row >= kRows) continue;
    const int32_t column = static_cast<int32_t>(i) / layout.rows;
    DrawEntry(x + column * columnWidth, y + row * kRowHeight, columnWidth, info->sources[i].itemId,
              info->sources[i].count);
  }
  if (Scrolls()) scrollBar.Draw();
}

void GUI_MaterialsList::DrawEntry(int32_t ex, int32_t ey, int32_t columnWidth, uint16_t itemId,
                                  uint16_t needed) {
  const imbuements::WindowState& state = imbuements::State();
  gui::DrawItemFrame(ex, ey);
  gui::DrawItem(ex + 1, ey + 1, kPictureSize, itemId);
  const auto name = state.sourceNames.find(itemId);
  const std::string text = name == state.sourceNames.end() ? std::string() : name->second;
  // A name too long for its column takes the small font before it is cut.
  const int32_t room = columnWidth - kTextX - kColumnGap;
  const int32_t font = gui::TextWidth(kFont, text) <= room ? kFont : kSmallFont;
  gui::Text(ex + kTextX, ey + kNameY + (font == kFont ? 0 : kSmallFontDrop), font, kNameColor,
            gui::FitText(font, text, room), 0);
  const auto owned = state.ownedSources.find(itemId);
  const uint16_t have = owned == state.ownedSources.end() ? 0 : owned->second;
  gui::Text(ex + kTextX, ey + kCountY, kFont, have >= needed ? kEnoughColor : kShortColor,
            CountText(have, needed), 0);
}
