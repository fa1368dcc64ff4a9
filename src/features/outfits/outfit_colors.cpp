#include "features/outfits/outfit_colors.h"

#include "features/outfits/rules.h"
#include "features/outfits/state.h"
#include "gui/draw.h"
#include "gui/outfit_picture.h"
#include "gui/widgets/face.h"

namespace {

constexpr const char* kPartCaptions[] = {"Head", "Primary", "Secondary", "Detail"};
constexpr int32_t kPartCount = 4;
constexpr int32_t kFont = 2;  // "Secondary" fits a tab

}  // namespace

GUI_Outfit_Colors::GUI_Outfit_Colors(int32_t x, int32_t y, int32_t id)
    : GUI_Element(x, y, kTabW * kPartCount, kGridY + outfits::kPaletteRows * outfits::kPaletteCell,
                  id) {
  interactive = 1;
}

void GUI_Outfit_Colors::OnMouseDown(int32_t px, int32_t py) {
  pressedCell_ = outfits::PaletteCellAt(x + kGridX, y + kGridY, px, py);
  if (py >= y && py < y + kTabH && px >= x && px < x + kTabW * kPartCount) {
    outfits::Window().part = static_cast<outfits::Part>((px - x) / kTabW);
  }
}

void GUI_Outfit_Colors::OnMouseUp(int32_t px, int32_t py) {
  const int32_t cell = outfits::PaletteCellAt(x + kGridX, y + kGridY, px, py);
  if (cell >= 0 && cell == pressedCell_) {
    outfits::OutfitWindowState& state = outfits::Window();
    outfits::PartColour(state.look, state.part) = static_cast<uint8_t>(cell);
  }
  pressedCell_ = -1;
}

void GUI_Outfit_Colors::Draw() {
  outfits::OutfitWindowState& state = outfits::Window();
  for (int32_t i = 0; i < kPartCount; ++i) {
    const bool chosen = static_cast<int32_t>(state.part) == i;
    const int32_t tx = x + i * kTabW;
    const gui::Color face = chosen ? gui::Grey(100) : gui::Grey(60);
    HostFillRectRGB(tx, y, kTabW - 1, kTabH, face.r, face.g, face.b);
    gui::Bevel(tx, y, kTabW - 1, kTabH, gui::Grey(chosen ? 49 : 111), gui::Grey(chosen ? 111 : 49));
    gui::Text(tx + kTabW / 2, y + (kTabH - 8) / 2, kFont, gui::Grey(chosen ? 240 : 174),
              kPartCaptions[i], 1);
  }
  const int32_t left = x + kGridX, top = y + kGridY;
  const int32_t current = outfits::PartColour(state.look, state.part);
  for (int32_t index = 0; index < gui::kOutfitPaletteSize; ++index) {
    const int32_t cx = left + (index % outfits::kPaletteColumns) * outfits::kPaletteCell;
    const int32_t cy = top + (index / outfits::kPaletteColumns) * outfits::kPaletteCell;
    const gui::Color c = gui::OutfitColor(static_cast<uint32_t>(index));
    if (index == current) {
      HostFillRectRGB(cx, cy, outfits::kPaletteCell, outfits::kPaletteCell, 255, 255, 255);
    } else {
      HostFillRectRGB(cx, cy, outfits::kPaletteCell, outfits::kPaletteCell, 20, 20, 20);
    }
    HostFillRectRGB(cx + 1, cy + 1, outfits::kPaletteCell - 2, outfits::kPaletteCell - 2, c.r, c.g,
                    c.b);
  }
}
