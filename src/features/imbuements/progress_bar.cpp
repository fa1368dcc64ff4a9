#include "features/imbuements/progress_bar.h"

#include "features/imbuements/rules.h"
#include "gui/draw.h"
#include "gui/time_bar.h"

namespace {

constexpr int32_t kFont = 1;
constexpr int32_t kGlyphHeight = 8;  // the font's digits, for centring on the bar
constexpr gui::Color kWhite{255, 255, 255};

}  // namespace

void GUI_ImbuementProgressBar::Draw() {
  const int32_t percent = imbuements::RemainingPercent(remaining, duration);
  if (percent < 0) return;
  gui::DrawTimeBar(x, y, w, h, gui::TimeBarValue(percent));
  gui::Text(x + w / 2, y + (h - kGlyphHeight) / 2, kFont, kWhite,
            imbuements::RemainingText(remaining), 1);
}
