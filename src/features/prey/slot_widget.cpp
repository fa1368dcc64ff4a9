#include "features/prey/slot_widget.h"

#include <algorithm>

#include "features/prey/pictures.h"
#include "features/prey/rules.h"
#include "features/prey/state.h"
#include "gui/draw.h"
#include "gui/outfit_picture.h"
#include "gui/text_fit.h"
#include "gui/time_bar.h"
#include "gui/widgets/face.h"

namespace {

// Places inside the slot, relative to its top left.
constexpr int32_t kPictureW = 120, kPictureH = 140, kPictureSize = 112;
constexpr int32_t kFlagX = 132, kFlagY = 10;
constexpr int32_t kStarsX = 130, kStarsY = 58;
constexpr int32_t kBarX = 4, kBarY = 146;
constexpr int32_t kTimeTextY = 170;
constexpr int32_t kButtonY = 222, kButtonW = 95, kButtonH = 58;
constexpr int32_t kLeftButtonX = 4, kRightButtonX = 103;
constexpr int32_t kListX = 4, kListW = 194, kListBottom = 216;
constexpr int32_t kRowH = 24, kRowPicture = 22;
constexpr int32_t kScrollMarkW = 4;

constexpr gui::Color kText{174, 174, 174};
constexpr gui::Color kDimText{130, 130, 130};
constexpr gui::Color kRed{211, 60, 60};

bool Inside(int32_t px, int32_t py, int32_t x, int32_t y, int32_t w, int32_t h) {
  return px >= x && px < x + w && py >= y && py < y + h;
}

const prey::PreySlot& Record(size_t slot) { return prey::Slots()[slot]; }

}  // namespace

// ---- the time bar ---------------------------------------------------------------------

void GUI_PreyProgressBar::Draw() { gui::DrawTimeBar(x, y, w, h, prey::TimeBarValue(timeLeft)); }

// ---- the slot -------------------------------------------------------------------------

GUI_PreySlot::GUI_PreySlot(int32_t x, int32_t y, size_t slot, int32_t id)
    : GUI_Element(x, y, kWidth, kHeight, id), slot(slot) {
  interactive = 1;
}

int32_t GUI_PreySlot::VisibleRows() const {
  const int32_t top = Record(slot).state == prey::kSelectionChangeBonus ? 22 : 4;
  return (kListBottom - top) / kRowH;
}

GUI_PreySlot::Hit GUI_PreySlot::HitAt(int32_t px, int32_t py) const {
  const prey::PreySlot& record = Record(slot);
  const int32_t rx = px - x, ry = py - y;
  const auto button = [&](int32_t bx) { return Inside(rx, ry, bx, kButtonY, kButtonW, kButtonH); };
  if (record.Active()) {
    if (button(kLeftButtonX)) return {Part::ListReroll};
    if (button(kRightButtonX)) return {Part::BonusReroll};
    if (Inside(rx, ry, kFlagX, kFlagY, prey::kFlagWidth, prey::kFlagHeight)) return {Part::Flag};
    return {};
  }
  if (!record.Selecting()) return {};
  if (button(kLeftButtonX)) return {Part::ListReroll};
  if (button(kRightButtonX)) return {Part::Confirm};
  const int32_t top = record.state == prey::kSelectionChangeBonus ? 22 : 4;
  if (!Inside(rx, ry, kListX, top, kListW, VisibleRows() * kRowH)) return {};
  const int32_t row = firstRow + (ry - top) / kRowH;
  if (row < 0 || static_cast<size_t>(row) >= record.choices.size()) return {};
  return {Part::Choice, row};
}

void GUI_PreySlot::Draw() {
  HostFillRectRGB(x, y, w, h, 28, 28, 28);
  const prey::PreySlot& record = Record(slot);
  switch (record.state) {
    case prey::kActive: DrawActive(); break;
    case prey::kSelection:
    case prey::kSelectionChangeBonus: DrawChoices(); break;
    case prey::kLocked:
      gui::Text(x + w / 2, y + 110, 1, kDimText, "This slot is locked.", 1);
      break;
    case prey::kInactive:
      gui::Text(x + w / 2, y + 110, 1, kDimText, "This slot is inactive.", 1);
      break;
    default: break;
  }
}

void GUI_PreySlot::DrawActive() {
  const prey::PreySlot& record = Record(slot);
  gui::DrawOutfitPicture(record.outfit, x + (kPictureW - kPictureSize) / 2,
                         y + (kPictureH - kPictureSize) / 2, kPictureSize);
  prey::DrawBonusFlag(x + kFlagX, y + kFlagY, record.bonusType);
  prey::DrawGradeStars(x + kStarsX, y + kStarsY, record.bonusGrade);
  GUI_PreyProgressBar bar(x + kBarX, y + kBarY, GUI_PreyProgressBar::kWidth,
                          GUI_PreyProgressBar::kHeight, 0);
  bar.timeLeft = record.timeLeft;
  bar.Draw();
  gui::Text(x + w / 2, y + kTimeTextY, 1, kText, prey::TimeLeftText(record.timeLeft), 1);
  DrawButton(Part::ListReroll, kLeftButtonX, kButtonY, kButtonW, kButtonH);
  DrawButton(Part::BonusReroll, kRightButtonX, kButtonY, kButtonW, kButtonH);
}

void GUI_PreySlot::DrawChoices() {
  const prey::PreySlot& record = Record(slot);
  int32_t top = 4;
  if (record.state == prey::kSelectionChangeBonus) {
    const std::string bonus = std::string(prey::BonusName(record.bonusType)) + " " +
                              std::to_string(record.bonusGrade) + "/10";
    gui::Text(x + w / 2, y + 6, 1, kText, bonus, 1);
    top = 22;
  }
  const int32_t rows = VisibleRows();
  const auto count = static_cast<int32_t>(record.choices.size());
  firstRow = std::clamp(firstRow, 0, std::max(0, count - rows));
  const bool scrolls = count > rows;
  const int32_t rowW = kListW - (scrolls ? kScrollMarkW + 2 : 0);
  if (count == 0) {
    gui::Text(x + w / 2, y + 100, 1, kDimText, "No creatures to choose from.", 1);
  }
  for (int32_t i = 0; i < rows && firstRow + i < count; ++i) {
    const int32_t index = firstRow + i;
    const prey::PreyChoice& choice = record.choices[static_cast<size_t>(index)];
    const int32_t rowX = x + kListX, rowY = y + top + i * kRowH;
    const bool picked = index == record.selectedChoice;
    const bool hovered = hovered_.part == Part::Choice && hovered_.choice == index;
    const uint8_t shade = picked ? 80 : hovered ? 55 : 40;
    HostFillRectRGB(rowX, rowY, rowW, kRowH - 1, shade, shade, shade);
    gui::DrawOutfitPicture(choice.outfit, rowX + 1, rowY, kRowPicture);
    const std::string name = gui::FitText(1, choice.name, rowW - 32);
    gui::Text(rowX + 28, rowY + 5, 1, picked ? gui::Grey(240) : kText, name, 0);
  }
  if (scrolls) {
    // Where the shown rows lie in the list.
    const int32_t trackH = rows * kRowH;
    const int32_t markH = std::max(8, trackH * rows / count);
    const int32_t markY = (trackH - markH) * firstRow / std::max(1, count - rows);
    const int32_t markX = x + kListX + kListW - kScrollMarkW;
    HostFillRectRGB(markX, y + top, kScrollMarkW, trackH, 45, 45, 45);
    HostFillRectRGB(markX, y + top + markY, kScrollMarkW, markH, 120, 120, 120);
  }
  DrawButton(Part::ListReroll, kLeftButtonX, kButtonY, kButtonW, kButtonH);
  DrawButton(Part::Confirm, kRightButtonX, kButtonY, kButtonW, kButtonH);
}

void GUI_PreySlot::DrawButton(Part part, int32_t bx, int32_t by, int32_t bw, int32_t bh) {
  const int32_t left = x + bx, top = y + by;
  const bool held = armed_.part == part && hovered_.part == part;
  const uint8_t shade = held ? 50 : hovered_.part == part ? 85 : 70;
  HostFillRectRGB(left, top, bw, bh, shade, shade, shade);
  gui::Bevel(left, top, bw, bh, gui::Grey(held ? 60 : 100), gui::Grey(held ? 100 : 45));
  const int32_t centre = left + bw / 2;
  const prey::PreySlot& record = Record(slot);
  const prey::PreyResources& resources = prey::Resources();
  switch (part) {
    case Part::ListReroll: {
      gui::Text(centre, top + 5, 1, kText, "List Reroll", 1);
      const std::string price = prey::AbbreviatedAmount(resources.listRerollPrice);
      const int32_t priceW = gui::TextWidth(1, price);
      const int32_t rowLeft = centre - (prey::kSignSize + 4 + priceW) / 2;
      prey::DrawGoldSign(rowLeft, top + 22);
      const bool affordable = prey::ListRerollAllowed(record, resources);
      gui::Text(rowLeft + prey::kSignSize + 4, top + 22, 1, affordable ? kText : kRed, price, 0);
      gui::Text(centre, top + 40, 1, kDimText, prey::FreeRerollText(record.freeRerollMinutes), 1);
      break;
    }
    case Part::BonusReroll:
      gui::Text(centre, top + 12, 1, kText, "Bonus Reroll", 1);
      prey::DrawWildcardSign(centre - prey::kSignSize / 2, top + 32);
      break;
    case Part::Confirm: gui::Text(centre, top + bh / 2 - 6, 1, kText, "Confirm", 1); break;
    default: break;
  }
}

void GUI_PreySlot::OnMouseDown(int32_t px, int32_t py) {
  armed_ = HitAt(px, py);
  hovered_ = armed_;
}

void GUI_PreySlot::OnMouseUp(int32_t px, int32_t py) {
  const Hit hit = HitAt(px, py);
  const Hit armed = armed_;
  armed_ = {};
  if (hit.part == Part::None || hit.part != armed.part || hit.choice != armed.choice) return;
  Act(hit);
}

void GUI_PreySlot::OnMouseMove(int32_t px, int32_t py) { hovered_ = HitAt(px, py); }

void GUI_PreySlot::OnWheel(int32_t px, int32_t py, uint8_t up) {
  firstRow += up ? -1 : 1;
  const auto count = static_cast<int32_t>(Record(slot).choices.size());
  firstRow = std::clamp(firstRow, 0, std::max(0, count - VisibleRows()));
}

// The slot's buttons act at once, inside the release: none of the actions
// destroys the window the slot lives in.
void GUI_PreySlot::Act(const Hit& hit) {
  if (handler == nullptr) return;
  const auto index = static_cast<int32_t>(slot);
  switch (hit.part) {
    case Part::ListReroll: handler(code + kListReroll, index); break;
    case Part::Confirm: handler(code + kConfirm, index); break;
    case Part::BonusReroll: handler(code + kBonusReroll, index); break;
    case Part::Flag: handler(code + kFlag, index); break;
    case Part::Choice:
      prey::Slots()[slot].selectedChoice = static_cast<int16_t>(hit.choice);
      handler(code + kPicked, index);
      break;
    case Part::None: break;
  }
}
