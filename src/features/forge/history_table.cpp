#include "features/forge/history_table.h"

#include <algorithm>
#include <string>

#include "features/forge/state.h"
#include "gui/draw.h"
#include "gui/text_fit.h"
#include "gui/widgets/face.h"

namespace {

// The small font keeps a whole date inside its column.
constexpr int32_t kFont = 2;

struct Column {
  int32_t offset;
  int32_t width;
};

}  // namespace

int32_t GUI_ExaltationHistory::RowAt(int32_t px, int32_t py) const {
  const int32_t top = y + kHeaderHeight;
  if (px < x || px >= x + w || py < top) return -1;
  const int32_t row = (py - top) / kRowHeight;
  const auto rows = static_cast<int32_t>(
      std::min<size_t>(forge::State().history.size(), static_cast<size_t>(kMaxRows)));
  return row < rows ? row : -1;
}

void GUI_ExaltationHistory::Draw() {
  constexpr Column kDate{0, kDateWidth}, kAction{kDateWidth, kActionWidth},
      kDetails{kDateWidth + kActionWidth, kDetailsWidth};
  HostFillRectRGB(x, y, w, kHeaderHeight, 50, 50, 50);
  gui::Text(x + kDate.offset + 4, y + 2, kFont, gui::Grey(220), "Date", 0);
  gui::Text(x + kAction.offset + 4, y + 2, kFont, gui::Grey(220), "Action", 0);
  gui::Text(x + kDetails.offset + 4, y + 2, kFont, gui::Grey(220), "Details", 0);

  const std::vector<forge::ForgeHistoryEntry>& history = forge::State().history;
  const int32_t top = y + kHeaderHeight;
  if (history.empty()) {
    HostFillRectRGB(x, top, w, h - kHeaderHeight, 65, 65, 65);
    gui::Text(x + w / 2, top + (h - kHeaderHeight) / 2 - 5, kFont, gui::Grey(128),
              "No history entries found.", 1);
    return;
  }
  // The server may send a longer page than fits; the table shows its start.
  const int32_t rows = static_cast<int32_t>(std::min<size_t>(history.size(), kMaxRows));
  if (hoveredRow_ >= rows) hoveredRow_ = -1;
  for (int32_t row = 0; row < rows; ++row) {
    const forge::ForgeHistoryEntry& entry = history[static_cast<size_t>(row)];
    const bool lit = row == hoveredRow_;
    const uint8_t background = lit ? 88 : (row % 2 == 0 ? 72 : 65);
    const gui::Color text = gui::Grey(lit ? 244 : 192);
    const int32_t rowY = top + row * kRowHeight;
    HostFillRectRGB(x, rowY, w, kRowHeight, background, background, background);
    // Texts longer than their column end in "...", the whole details show
    // in the tooltip.
    const Column columns[] = {kDate, kAction, kDetails};
    const std::string* texts[] = {&entry.date, &entry.action, &entry.details};
    for (size_t i = 0; i < 3; ++i) {
      gui::Text(x + columns[i].offset + 4, rowY + 1, kFont, text,
                gui::FitText(kFont, *texts[i], columns[i].width - 8), 0);
    }
  }
  if (hoveredRow_ >= 0 && hover_.Due(kTooltipDelayMs)) {
    gui::DrawTooltipOnTop(hover_.mouseX, hover_.mouseY,
                          history[static_cast<size_t>(hoveredRow_)].details);
  }
}

void GUI_ExaltationHistory::OnMouseMove(int32_t px, int32_t py) {
  const int32_t row = visible != 0 ? RowAt(px, py) : -1;
  // Another row starts the wait for the tooltip again.
  if (row != hoveredRow_) hover_.Leave();
  hoveredRow_ = row;
  hover_.Track(row >= 0, px, py);
}
