#include "features/store/history_list.h"

#include <algorithm>
#include <string>

#include "features/store/pieces.h"
#include "features/store/rules.h"
#include "features/store/state.h"
#include "gui/draw.h"
#include "gui/text_fit.h"
#include "gui/widgets/row_list.h"

namespace {

constexpr uint8_t kPanelGrey = 64, kHeaderGrey = 54;
constexpr uint8_t kEvenRowGrey = 72, kOddRowGrey = 65, kSelectedRowGrey = 88;
constexpr gui::Color kHeaderText{192, 192, 192};
constexpr gui::Color kRowText{192, 192, 192};
constexpr gui::Color kSelectedText{244, 244, 244};
constexpr gui::Color kLoss{240, 30, 35};
constexpr gui::Color kGain{85, 180, 60};
constexpr int32_t kPad = 4;  // text inside its column
constexpr int32_t kHeaderTextY = 2;
constexpr int32_t kRowTextY = 1;

using H = GUI_StoreHistory;
constexpr int32_t kBalanceX = H::kDateW;
constexpr int32_t kDescriptionX = H::kDateW + H::kBalanceW;

}  // namespace

GUI_StoreHistory::GUI_StoreHistory(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_Element(x, y, w, h, id) {
  interactive = 1;
}

void GUI_StoreHistory::Clear() { selected = -1; }

int32_t GUI_StoreHistory::VisibleRows() const { return std::max((h - kFirstRowY) / kRowH, 0); }

int32_t GUI_StoreHistory::ShownRows() const {
  return std::min(static_cast<int32_t>(store::State().history.size()), VisibleRows());
}

void GUI_StoreHistory::Draw() {
  HostFillRectRGB(x, y, w, h, kPanelGrey, kPanelGrey, kPanelGrey);
  HostFillRectRGB(x, y, w, kHeaderH, kHeaderGrey, kHeaderGrey, kHeaderGrey);
  gui::Text(x + kPad, y + kHeaderTextY, kFont, kHeaderText, "Date", 0);
  gui::Text(x + kBalanceX + kBalanceW - kPad, y + kHeaderTextY, kFont, kHeaderText, "Balance", 2);
  gui::Text(x + kDescriptionX + kPad, y + kHeaderTextY, kFont, kHeaderText, "Description", 0);

  const std::vector<store::HistoryRow>& rows = store::State().history;
  // Rows stop at the right margin, and so does the description.
  const int32_t rowW = w - kRightMargin;
  const int32_t descriptionRoom = std::min(kDescriptionW, rowW - kDescriptionX) - 2 * kPad;
  const int32_t shown = ShownRows();
  for (int32_t i = 0; i < shown; ++i) {
    const store::HistoryRow& row = rows[static_cast<size_t>(i)];
    const int32_t top = y + kFirstRowY + i * kRowH;
    const bool isSelected = i == selected;
    const uint8_t grey = isSelected ? kSelectedRowGrey : i % 2 == 0 ? kEvenRowGrey : kOddRowGrey;
    HostFillRectRGB(x, top, rowW, kRowH, grey, grey, grey);
    const gui::Color text = isSelected ? kSelectedText : kRowText;
    gui::Text(x + kPad, top + kRowTextY, kFont, text,
              gui::FitText(kFont, row.date, kDateW - 2 * kPad), 0);
    const std::string change =
        row.changeText.empty() ? store::ChangeText(row.change) : row.changeText;
    gui::Text(x + kBalanceX + kBalanceW - kPad, top + kRowTextY, kFont,
              row.change < 0 ? kLoss : kGain, gui::FitText(kFont, change, kBalanceW - 2 * kPad), 2);
    if (descriptionRoom > 0) {
      gui::Text(x + kDescriptionX + kPad, top + kRowTextY, kFont, text,
                gui::FitText(kFont, row.description, descriptionRoom), 0);
    }
  }
}

void GUI_StoreHistory::OnMouseDown(int32_t px, int32_t py) {
  if (px < x || px >= x + w - kRightMargin || py < y + kFirstRowY) return;
  const int32_t row = (py - y - kFirstRowY) / kRowH;
  if (row >= ShownRows()) return;
  selected = row;
}

void GUI_StoreHistory::OnKeyDown(int32_t key, int32_t) {
  const int32_t moved = gui::StepSelection(selected, ShownRows(), key);
  if (moved >= 0) selected = moved;
}
