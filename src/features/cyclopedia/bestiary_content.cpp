#include "features/cyclopedia/bestiary_content.h"

#include <algorithm>

#include "features/cyclopedia/details_view.h"
#include "features/cyclopedia/requests.h"
#include "features/cyclopedia/rules.h"
#include "features/cyclopedia/state.h"
#include "features/cyclopedia/window.h"
#include "gui/draw.h"

namespace cyclopedia {

BestiaryLevel CurrentBestiaryLevel() {
  const ViewState& view = View();
  if (view.level == BestiaryLevel::Details && Data().details.count(view.detailsRaceId) != 0) {
    return BestiaryLevel::Details;
  }
  if (view.level != BestiaryLevel::Classes) return BestiaryLevel::Creatures;
  return BestiaryLevel::Classes;
}

namespace {

const std::vector<CreatureEntry>& ListedCreatures() {
  return View().searchText.empty() ? Data().creatures : Data().searchResults;
}

}  // namespace

int32_t BestiaryPageCount() {
  switch (CurrentBestiaryLevel()) {
    case BestiaryLevel::Classes: return PageCount(Data().classes.size(), kCardsPerPage);
    case BestiaryLevel::Creatures: return PageCount(ListedCreatures().size(), kCardsPerPage);
    case BestiaryLevel::Details: break;
  }
  return 1;
}

}  // namespace cyclopedia

namespace {

constexpr int32_t kPitchX = 112, kPitchY = 136;
constexpr gui::Color kEmptyColor{150, 150, 150};

}  // namespace

GUI_BestiaryContent::GUI_BestiaryContent(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_Element(x, y, w, h, id) {
  interactive = 1;
  for (size_t i = 0; i < raceCards_.size(); ++i) {
    raceCards_[i] = std::make_unique<GUI_BestiaryRaceCard>(0, 0);
    creatureCards_[i] = std::make_unique<GUI_BestiaryCreatureCard>(0, 0);
  }
}

void GUI_BestiaryContent::PlaceCards() {
  for (size_t i = 0; i < raceCards_.size(); ++i) {
    const auto index = static_cast<int32_t>(i);
    const int32_t cx = x + 2 + kPitchX * (index % cyclopedia::kCardColumns);
    const int32_t cy = y + 2 + kPitchY * (index / cyclopedia::kCardColumns);
    raceCards_[i]->x = creatureCards_[i]->x = cx;
    raceCards_[i]->y = creatureCards_[i]->y = cy;
  }
}

void GUI_BestiaryContent::Rebuild() {
  using namespace cyclopedia;
  ViewState& view = View();
  view.listPage = std::clamp(view.listPage, 1, BestiaryPageCount());
  const size_t first = static_cast<size_t>(view.listPage - 1) * kCardsPerPage;
  const BestiaryLevel level = CurrentBestiaryLevel();
  const auto& classes = Data().classes;
  const auto& creatures = ListedCreatures();
  for (size_t i = 0; i < raceCards_.size(); ++i) {
    raceCards_[i]->ClearContent();
    creatureCards_[i]->ClearContent();
    if (level == BestiaryLevel::Classes && first + i < classes.size()) {
      raceCards_[i]->SetContent(classes[first + i]);
    } else if (level == BestiaryLevel::Creatures && first + i < creatures.size()) {
      creatureCards_[i]->SetContent(creatures[first + i]);
    }
  }
}

void GUI_BestiaryContent::Draw() {
  using namespace cyclopedia;
  if (visible == 0) return;
  const BestiaryLevel level = CurrentBestiaryLevel();
  if (level == BestiaryLevel::Details) {
    DrawCreatureDetails(Data().details.at(View().detailsRaceId), x, y, w, h);
    return;
  }
  PlaceCards();
  bool any = false;
  for (size_t i = 0; i < raceCards_.size(); ++i) {
    any = any || raceCards_[i]->hasContent != 0 || creatureCards_[i]->hasContent != 0;
    raceCards_[i]->Draw();
    creatureCards_[i]->Draw();
  }
  // An empty page says why rather than stay blank; "Unknown" is what the
  // cards themselves say of what the player has not met.
  if (!any && level == BestiaryLevel::Creatures) {
    gui::Text(x + w / 2, y + h / 2, 1, kEmptyColor, "Unknown", 1);
  }
}

int32_t GUI_BestiaryContent::CardAt(int32_t px, int32_t py) const {
  for (size_t i = 0; i < raceCards_.size(); ++i) {
    const GUI_Element& card = *raceCards_[i];
    const bool filled = raceCards_[i]->hasContent != 0 || creatureCards_[i]->hasContent != 0;
    if (filled && card.Contains(px, py)) return static_cast<int32_t>(i);
  }
  return -1;
}

void GUI_BestiaryContent::OnMouseDown(int32_t px, int32_t py) {
  PlaceCards();
  pressedCard_ = CardAt(px, py);
}

void GUI_BestiaryContent::OnMouseUp(int32_t px, int32_t py) {
  using namespace cyclopedia;
  const int32_t pressed = pressedCard_;
  pressedCard_ = -1;
  if (pressed < 0 || CardAt(px, py) != pressed) return;
  const auto index = static_cast<size_t>(pressed);
  if (raceCards_[index]->hasContent != 0) {
    RequestCreaturesOfClass(raceCards_[index]->entry.name);
  } else if (creatureCards_[index]->hasContent != 0) {
    const uint16_t raceId = creatureCards_[index]->entry.raceId;
    View().awaitedRaceId = raceId;
    RequestCreatureDetails(raceId);
  }
}

void GUI_BestiaryContent::OnWheel(int32_t px, int32_t py, uint8_t up) {
  cyclopedia::TurnBestiaryPage(up != 0 ? -1 : 1);
}
