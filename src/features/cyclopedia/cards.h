// The cards of the Bestiary page: one per creature class and one per
// creature, each in the titled frame. A card draws only while it has
// content; the page hands its cards their entries at every rebuild.
#pragma once

#include <cstdint>

#include "features/cyclopedia/state.h"
#include "gui/element.h"

class GUI_BestiaryRaceCard : public GUI_Element {
 public:
  static constexpr int32_t kWidth = 104, kHeight = 124;

  GUI_BestiaryRaceCard(int32_t x, int32_t y) : GUI_Element(x, y, kWidth, kHeight, 0) {}
  void SetContent(const cyclopedia::BestiaryClass& entry);
  void ClearContent() { hasContent = 0; }
  void Draw() override;

  cyclopedia::BestiaryClass entry;
  uint8_t hasContent = 0;
};

class GUI_BestiaryCreatureCard : public GUI_Element {
 public:
  static constexpr int32_t kWidth = 104, kHeight = 124;
  static constexpr int32_t kPictureSize = 64;

  GUI_BestiaryCreatureCard(int32_t x, int32_t y) : GUI_Element(x, y, kWidth, kHeight, 0) {}
  void SetContent(const cyclopedia::CreatureEntry& entry);
  void ClearContent() { hasContent = 0; }
  void Draw() override;

  cyclopedia::CreatureEntry entry;
  uint8_t hasContent = 0;
};

namespace cyclopedia {
// The check picture of a completed creature: 12 x 9 of sheet 4.
inline constexpr int32_t kCheckSrcX = 82, kCheckSrcY = 613, kCheckW = 12, kCheckH = 9;
}  // namespace cyclopedia
