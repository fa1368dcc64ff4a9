#include "features/outfits/outfit_list.h"

#include <string>

#include "features/outfits/rules.h"
#include "features/outfits/state.h"
#include "gui/draw.h"
#include "gui/outfit_picture.h"
#include "gui/text_fit.h"

namespace {

constexpr int32_t kFirstTop = 1;
constexpr gui::Color kNameColour{220, 220, 220};

std::vector<std::string> ViewNames(const outfits::OutfitWindowState& state) {
  std::vector<std::string> names;
  if (state.view == outfits::ListView::Outfits) {
    for (const outfits::OutfitEntry& e : state.outfitList) names.push_back(e.name);
  } else {
    for (const outfits::MountEntry& e : state.mountList) names.push_back(e.name);
  }
  return names;
}

int32_t CurrentEntry(const outfits::OutfitWindowState& state) {
  return state.view == outfits::ListView::Outfits
             ? outfits::FindOutfit(state.outfitList, state.look.lookType)
             : outfits::FindMount(state.mountList, state.mount);
}

}  // namespace

GUI_Outfit_List::GUI_Outfit_List(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_RowList(x, y, w, h, id, {kFirstTop, kRowH, kRowH + kFirstTop, 0, kRowH - 1}, -1) {
  UpdateRange();
}

void GUI_Outfit_List::Rebuild(bool scrollToCurrent) {
  const outfits::OutfitWindowState& state = outfits::Window();
  shown = outfits::FilterNames(ViewNames(state), state.filter);
  const int32_t current = CurrentEntry(state);
  selected = -1;
  for (size_t row = 0; row < shown.size(); ++row) {
    if (shown[row] == current) selected = static_cast<int32_t>(row);
  }
  UpdateRange();
  if (scrollToCurrent) {
    scrollBar.SetPosition(gui::ScrollToShow(selected, 0, VisibleRows()), true);
  } else {
    scrollBar.SetPosition(gui::ScrollToShow(selected, FirstRow(), VisibleRows()), true);
  }
}

int32_t GUI_Outfit_List::EntryAt(int32_t row) const {
  if (row < 0 || static_cast<size_t>(row) >= shown.size()) return -1;
  return shown[static_cast<size_t>(row)];
}

void GUI_Outfit_List::Draw() {
  HostFillRectRGB(x, y, w, h, 30, 30, 30);
  const outfits::OutfitWindowState& state = outfits::Window();
  const bool outfitView = state.view == outfits::ListView::Outfits;
  const int32_t room = HitWidth() - kNameX - 2;
  int32_t top = FirstTop();
  for (int32_t row = FirstRow(); row < RowCount() && top <= LastTop(); ++row, top += Pitch()) {
    const size_t entry = static_cast<size_t>(shown[static_cast<size_t>(row)]);
    gui::Outfit picture;
    std::string name;
    if (outfitView && entry < state.outfitList.size()) {
      picture = state.look;
      picture.lookType = state.outfitList[entry].lookType;
      picture.addons = 0;
      name = state.outfitList[entry].name;
    } else if (!outfitView && entry < state.mountList.size()) {
      picture.lookType = state.mountList[entry].lookType;
      name = state.mountList[entry].name;
    } else {
      continue;
    }
    if (row == selected) HostFillRectRGB(x + 1, top, HitWidth() - 1, kRowH - 1, 112, 112, 112);
    gui::DrawOutfitPicture(picture, x + 3, top, kPictureSize);
    gui::Text(x + kNameX, top + (kRowH - 10) / 2, kFont, kNameColour,
              gui::FitText(kFont, name, room), 0);
  }
  scrollBar.Draw();
}
