#include "features/analyzer/analyzer_list.h"

#include <algorithm>

#include "gui/draw.h"
#include "protocol/digit_grouping.h"

namespace analyzer {
std::string ShortName(const std::string& name) {
  return name.size() > 18 ? name.substr(0, 15) + "..." : name;
}
}  // namespace analyzer

GUI_AnalyzerList::GUI_AnalyzerList(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id,
                                   std::string emptyText)
    : GUI_Element(x, y, w, h, id),
      scrollBar(std::make_unique<GUI_VScrollBar>(0, 0, 12, 0, 0, 0, 0)),
      emptyText_(std::move(emptyText)) {
  interactive = 1;
  SetBounds(x, y, w, h);
}

void GUI_AnalyzerList::UpdateRange() {
  cachedRowCount = static_cast<int32_t>(rows.size());
  scrollBar->SetRange(std::max(cachedRowCount - visibleRows, 0));
}

void GUI_AnalyzerList::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  GUI_Element::SetBounds(newX, newY, newW, newH);
  scrollBar->SetBounds(newX + newW - 8, newY - 27, 12, newH + 31);
  visibleRows = (newH - 4) / kRowHeight;
  UpdateRange();
}

void GUI_AnalyzerList::SetRows(std::vector<AnalyzerListRow> newRows) {
  const int32_t remembered = scrollBar->position;
  rows = std::move(newRows);
  UpdateRange();
  scrollBar->SetPosition(remembered, true);
}

void GUI_AnalyzerList::Draw() {
  if (rows.empty()) {
    gui::Text(x + w / 2, y + h / 2, 1, {175, 175, 175}, emptyText_, 1);
  } else {
    // As many rows as the scroll range counts on (visibleRows), so the last
    // row can always be scrolled into view; never past the list's bottom.
    int32_t rowY = y + 5;
    int32_t drawn = 0;
    for (size_t i = static_cast<size_t>(std::max(scrollBar->position, 0)); i < rows.size(); ++i) {
      if (drawn == visibleRows || rowY + kRowHeight > y + h) break;
      ++drawn;
      gui::Text(x + 5, rowY, 1, {255, 255, 255}, analyzer::ShortName(rows[i].name), 0);
      gui::Text(x + w - 16, rowY, 1, {200, 200, 200},
                "x" + protocol::GroupDigits(rows[i].amount), 2);
      rowY += kRowHeight;
    }
  }
  scrollBar->Draw();
}
