#include "features/analyzer/analyzer_list.h"

#include <algorithm>

#include "gui/draw.h"
#include "protocol/digit_grouping.h"

namespace {

constexpr int32_t kFont = 1;
constexpr int32_t kNameInset = 5;     // the name starts this far right of the list
constexpr int32_t kAmountInset = 16;  // the amount ends this far left of the right edge
constexpr int32_t kNameGap = 3;       // at least this between a name and its amount
constexpr int32_t kFirstRowTop = 5;

}  // namespace

namespace analyzer {
std::string ShortName(const std::string& name, int32_t room) {
  const std::string shortName = name.size() > 18 ? name.substr(0, 15) + "..." : name;
  if (gui::TextWidth(kFont, shortName) <= room) return shortName;
  // At most 15 characters are kept here, so the search stays short however
  // long the name. A cut never leaves a blank before the dots.
  for (size_t keep = std::min<size_t>(name.size(), 15); keep > 0; --keep) {
    if (name[keep - 1] == ' ') continue;
    const std::string cut = name.substr(0, keep) + "...";
    if (gui::TextWidth(kFont, cut) <= room) return cut;
  }
  return "";
}
}  // namespace analyzer

int32_t GUI_AnalyzerList::RowsFor(int32_t height) { return std::max((height - 4) / kRowHeight, 0); }

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
  visibleRows = RowsFor(newH);
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
    gui::Text(x + w / 2, y + h / 2, kFont, {175, 175, 175}, emptyText_, 1);
  } else {
    // Exactly the visibleRows rows that the scroll range counts on: the
    // last of them ends at most a pixel below the list, its text well above.
    const auto first = static_cast<size_t>(std::max(scrollBar->position, 0));
    const size_t end = std::min(rows.size(), first + static_cast<size_t>(visibleRows));
    const int32_t amountRight = x + w - kAmountInset;
    int32_t rowY = y + kFirstRowTop;
    for (size_t i = first; i < end; ++i, rowY += kRowHeight) {
      std::string amount = "x";
      amount += protocol::GroupDigits(rows[i].amount);
      const int32_t room =
          amountRight - gui::TextWidth(kFont, amount) - kNameGap - (x + kNameInset);
      gui::Text(x + kNameInset, rowY, kFont, {255, 255, 255},
                analyzer::ShortName(rows[i].name, room), 0);
      gui::Text(amountRight, rowY, kFont, {200, 200, 200}, amount, 2);
    }
  }
  scrollBar->Draw();
}
