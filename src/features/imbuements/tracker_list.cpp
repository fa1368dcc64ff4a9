#include "features/imbuements/tracker_list.h"

#include <algorithm>
#include <string>

#include "features/imbuements/rules.h"
#include "gui/draw.h"
#include "gui/text_fit.h"
#include "gui/widgets/item_slot.h"

namespace {

// Inside a line, relative to its top left.
constexpr int32_t kItemX = 2, kItemY = 2;
constexpr int32_t kFirstCellX = 42, kCellPitch = 38, kCellY = 2;
constexpr int32_t kPipsY = kCellY + GUI_ImbuiTrackerItem::kSize + 2;
constexpr int32_t kTimeY = kPipsY + 5;

// Tier pips: a 2 x 2 red pip in a 4 x 4 black square, one square every
// 5 pixels.
constexpr int32_t kPipSquare = 4, kPipStep = 5;
constexpr gui::Color kPipColor{230, 40, 40};

constexpr int32_t kFont = 1;
constexpr int32_t kScrollBarW = 12;
constexpr gui::Color kEmptyTextColor{175, 175, 175};
constexpr uint32_t kTooltipDelayMs = 499;  // shown once the mouse rested longer

void DrawStripCell(int32_t x, int32_t y, uint8_t cell) {
  const imbuements::StripPoint at = imbuements::StripCell(cell);
  gui::Skin(x, y, gui::kSheet, at.x, at.y, imbuements::kStripCellSize, imbuements::kStripCellSize);
}

void DrawPips(int32_t centreX, int32_t y, uint8_t tier) {
  const int32_t width = kPipSquare + kPipStep * (tier - 1);
  int32_t left = centreX - width / 2;
  for (uint8_t i = 0; i < tier; ++i, left += kPipStep) {
    HostFillRectRGB(left, y, kPipSquare, kPipSquare, 0, 0, 0);
    HostFillRectRGB(left + 1, y + 1, 2, 2, kPipColor.r, kPipColor.g, kPipColor.b);
  }
}

}  // namespace

// ---- one cell ---------------------------------------------------------------------------

GUI_ImbuiTrackerItem::GUI_ImbuiTrackerItem(int32_t x, int32_t y, imbuements::TrackerEntry entry)
    : GUI_Element(x, y, kSize, kSize, 0), entry(std::move(entry)) {}

void GUI_ImbuiTrackerItem::Draw() {
  gui::DrawItemFrame(x, y);
  if (!entry.active) {
    DrawStripCell(x + 1, y + 1, 0);
    return;
  }
  std::string kind;
  const uint8_t tier = imbuements::TierOf(entry.name, &kind);
  if (const uint8_t cell = imbuements::KindCell(kind); cell != 0) DrawStripCell(x + 1, y + 1, cell);
  const int32_t centreX = x + kSize / 2;
  if (tier > 0) DrawPips(centreX, y - kCellY + kPipsY, tier);
  // Under its own cell only, however long the time.
  const std::string time =
      gui::FitText(kFont, imbuements::TrackerTimeText(entry.timeLeft), kCellPitch - 2);
  gui::Text(centreX, y - kCellY + kTimeY, kFont, imbuements::TrackerTimeColor(entry.timeLeft), time,
            1);
}

void GUI_ImbuiTrackerItem::OnMouseMove(int32_t px, int32_t py) {
  hover.Track(visible != 0 && Contains(px, py), px, py);
}

void GUI_ImbuiTrackerItem::DrawDueTooltip() const {
  if (!hover.Due(kTooltipDelayMs)) return;
  gui::DrawTooltipOnTop(hover.mouseX, hover.mouseY, entry.active ? entry.name : "Empty Slot");
}

// ---- the list ---------------------------------------------------------------------------

int32_t GUI_ImbuiTrackerList::LinesFor(const std::vector<imbuements::TrackerItem>& items) {
  int32_t lines = 0;
  for (const auto& item : items) {
    const auto cells = static_cast<int32_t>(item.entries.size());
    lines += std::max((cells + kCellsPerLine - 1) / kCellsPerLine, 1);
  }
  return lines;
}

GUI_ImbuiTrackerList::GUI_ImbuiTrackerList(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_Element(x, y, w, h, id),
      scrollBar_(std::make_unique<GUI_VScrollBar>(0, 0, kScrollBarW, 0, 0, 0, 0)) {
  interactive = 1;
  SetBounds(x, y, w, h);
}

void GUI_ImbuiTrackerList::SetItems(const std::vector<imbuements::TrackerItem>& items) {
  std::vector<Line> lines;
  std::vector<std::unique_ptr<GUI_ImbuiTrackerItem>> cells;
  for (const auto& item : items) {
    size_t done = 0;
    do {
      Line line;
      line.itemId = done == 0 ? item.itemId : 0;
      line.firstCell = cells.size();
      line.cellCount = std::min<size_t>(item.entries.size() - done, kCellsPerLine);
      for (size_t i = 0; i < line.cellCount; ++i) {
        cells.push_back(std::make_unique<GUI_ImbuiTrackerItem>(0, 0, item.entries[done + i]));
      }
      done += line.cellCount;
      lines.push_back(line);
    } while (done < item.entries.size());
  }
  // A cell at the place of an old one takes over its rest, so a tooltip
  // already shown stays.
  for (size_t i = 0; i < std::min(cells.size(), cells_.size()); ++i)
    cells[i]->hover = cells_[i]->hover;
  lines_ = std::move(lines);
  cells_ = std::move(cells);
  UpdateRange();
  Layout();
  if (mouseKnown_) OnMouseMove(mouseX_, mouseY_);
}

void GUI_ImbuiTrackerList::UpdateRange() {
  scrollBar_->SetRange(std::max(LineCount() - VisibleLines(), 0));
}

void GUI_ImbuiTrackerList::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  GUI_Element::SetBounds(newX, newY, newW, newH);
  scrollBar_->SetBounds(newX + newW - kScrollBarW, newY, kScrollBarW, newH);
  UpdateRange();
  Layout();
}

void GUI_ImbuiTrackerList::Layout() {
  laidOutPosition_ = scrollBar_->position;
  for (auto& cell : cells_) cell->visible = 0;
  const auto first = static_cast<size_t>(laidOutPosition_);
  const size_t end = std::min(lines_.size(), first + static_cast<size_t>(VisibleLines()));
  int32_t top = y;
  for (size_t l = first; l < end; ++l, top += kLinePitch) {
    for (size_t i = 0; i < lines_[l].cellCount; ++i) {
      GUI_ImbuiTrackerItem& cell = *cells_[lines_[l].firstCell + i];
      cell.SetBounds(x + kFirstCellX + kCellPitch * static_cast<int32_t>(i), top + kCellY,
                     GUI_ImbuiTrackerItem::kSize, GUI_ImbuiTrackerItem::kSize);
      cell.visible = 1;
    }
  }
}

void GUI_ImbuiTrackerList::Draw() {
  if (lines_.empty()) {
    gui::Text(x + w / 2, y + 6, kFont, kEmptyTextColor, "No active imbuements", 1);
    return;
  }
  if (laidOutPosition_ != scrollBar_->position) {
    Layout();
    if (mouseKnown_) OnMouseMove(mouseX_, mouseY_);
  }
  const auto first = static_cast<size_t>(laidOutPosition_);
  const size_t end = std::min(lines_.size(), first + static_cast<size_t>(VisibleLines()));
  int32_t top = y;
  for (size_t l = first; l < end; ++l, top += kLinePitch) {
    if (lines_[l].itemId != 0) {
      gui::DrawItemFrame(x + kItemX, top + kItemY);
      gui::DrawItem(x + kItemX + 1, top + kItemY + 1, 32, lines_[l].itemId);
    }
  }
  for (const auto& cell : cells_) {
    if (cell->visible != 0) cell->Draw();
  }
  if (ScrollBarShown()) scrollBar_->Draw();
  // Last, over every cell.
  for (const auto& cell : cells_) {
    if (cell->visible != 0) cell->DrawDueTooltip();
  }
}

void GUI_ImbuiTrackerList::OnMouseDown(int32_t px, int32_t py) {
  if (ScrollBarShown() && scrollBar_->Contains(px, py)) scrollBar_->OnMouseDown(px, py);
}

void GUI_ImbuiTrackerList::OnMouseMove(int32_t px, int32_t py) {
  mouseX_ = px;
  mouseY_ = py;
  mouseKnown_ = true;
  for (auto& cell : cells_) cell->OnMouseMove(px, py);
  scrollBar_->OnMouseMove(px, py);
}

void GUI_ImbuiTrackerList::OnWheel(int32_t px, int32_t py, uint8_t up) {
  if (ScrollBarShown()) scrollBar_->OnWheel(px, py, up);
}
