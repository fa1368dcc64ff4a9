#include "features/cyclopedia/cards.h"

#include <string>

#include "features/cyclopedia/rules.h"
#include "gui/dialog.h"
#include "gui/draw.h"
#include "gui/outfit_picture.h"
#include "gui/text_fit.h"

namespace {

constexpr gui::Color kTitleColor{143, 143, 143};
constexpr gui::Color kTextColor{160, 160, 160};
constexpr int32_t kTitleFont = 4, kTextFont = 1;

// The titled frame without its own title: the card centres its title itself.
void CardFrame(int32_t x, int32_t y, int32_t w, int32_t h) {
  gui::Fill(x, y, w, h, 51);
  gui::Fill(x, y, w, 17, 49);
  gui::Fill(x, y, 4, 17, 43);
  gui::Fill(x + w, y, 4, 17, 44);
  gui::Fill(x, y + 17, 4, h - 13, 47);
  gui::Fill(x + 4, y + h, w, 4, 50);
  gui::Fill(x + w, y + 17, 4, h - 16, 48);
}

// A title never runs past its card's frame, however wide the font draws it.
void CardTitle(int32_t x, int32_t y, int32_t w, const std::string& title) {
  gui::Text(x + w / 2, y + 5, kTitleFont, kTitleColor, gui::FitText(kTitleFont, title, w - 8), 1);
}

}  // namespace

void GUI_BestiaryRaceCard::SetContent(const cyclopedia::BestiaryClass& value) {
  entry = value;
  hasContent = 1;
}

void GUI_BestiaryRaceCard::Draw() {
  if (hasContent == 0) return;
  CardFrame(x, y, w, h);
  CardTitle(x, y, w, entry.name.empty() ? "Undefined" : entry.name);
  const cyclopedia::SheetPoint picture = cyclopedia::ClassPicture(entry.name);
  gui::Skin(x + (w - cyclopedia::kClassPictureW) / 2, y + 21, gui::kSheet, picture.x, picture.y,
            cyclopedia::kClassPictureW, cyclopedia::kClassPictureH);
  gui::Text(x + w / 2, y + 89, kTextFont, kTextColor, "Total: " + std::to_string(entry.total), 1);
  gui::Text(x + w / 2, y + 103, kTextFont, kTextColor, "Known: " + std::to_string(entry.known), 1);
}

void GUI_BestiaryCreatureCard::SetContent(const cyclopedia::CreatureEntry& value) {
  entry = value;
  hasContent = 1;
}

void GUI_BestiaryCreatureCard::Draw() {
  if (hasContent == 0) return;
  CardFrame(x, y, w, h);
  CardTitle(x, y, w, cyclopedia::CreatureCardTitle(entry.stage, entry.name));
  const int32_t pictureX = x + (w - kPictureSize) / 2, pictureY = y + 22;
  HostFillRectRGB(pictureX, pictureY, kPictureSize, kPictureSize, 24, 24, 24);
  // A creature never killed shows no picture: the player has yet to meet it.
  if (entry.stage != 0) gui::DrawOutfitPicture(entry.outfit, pictureX, pictureY, kPictureSize);
  if (entry.stage >= 4) {
    gui::Skin(x + w / 2 - 6, y + 91, gui::kSheet, cyclopedia::kCheckSrcX, cyclopedia::kCheckSrcY,
              cyclopedia::kCheckW, cyclopedia::kCheckH);
    return;
  }
  gui::Text(x + w / 2, y + 91, kTextFont, kTextColor, cyclopedia::CreatureProgressText(entry.stage),
            1);
}
