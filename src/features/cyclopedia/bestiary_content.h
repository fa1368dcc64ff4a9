// The Bestiary page: the class cards, the creature cards of a class or of
// a search, or one creature's details, a page of cards at a time.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "features/cyclopedia/cards.h"
#include "gui/element.h"

namespace cyclopedia {

inline constexpr int32_t kCardColumns = 6, kCardRows = 3;
inline constexpr int32_t kCardsPerPage = kCardColumns * kCardRows;

// What the page shows now, from the view and the tables.
BestiaryLevel CurrentBestiaryLevel();
// The pages of cards at the current level (1 on the details).
int32_t BestiaryPageCount();

}  // namespace cyclopedia

class GUI_BestiaryContent : public GUI_Element {
 public:
  GUI_BestiaryContent(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);

  // Hands the cards of the current page their entries.
  void Rebuild();

  void Draw() override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override;
  void OnWheel(int32_t px, int32_t py, uint8_t up) override;

 private:
  // The card under the point on this page, or -1.
  int32_t CardAt(int32_t px, int32_t py) const;
  void PlaceCards();

  std::array<std::unique_ptr<GUI_BestiaryRaceCard>, cyclopedia::kCardsPerPage> raceCards_;
  std::array<std::unique_ptr<GUI_BestiaryCreatureCard>, cyclopedia::kCardsPerPage> creatureCards_;
  int32_t pressedCard_ = -1;
};
