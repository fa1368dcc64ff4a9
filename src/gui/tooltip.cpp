#include "gui/tooltip.h"

#include <algorithm>
#include <vector>

#include "gui/draw.h"
#include "gui/screen.h"
#include "gui/widgets/face.h"
#include "host/handlers.h"

namespace gui {

void DrawTooltip(int32_t mouseX, int32_t mouseY, const std::string& text) {
  constexpr int32_t kLineHeight = 14;
  std::vector<std::string> lines;
  int32_t widest = 0;
  for (size_t start = 0;;) {
    const size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string::npos ? end : end - start));
    widest = std::max(widest, TextWidth(1, lines.back()));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  const int32_t boxW = widest + 8;
  const int32_t boxH = 4 + kLineHeight * static_cast<int32_t>(lines.size());
  int32_t boxX = mouseX;
  int32_t boxY = mouseY - boxH;
  if (boxX + boxW > ClientWidth) boxX = ClientWidth - boxW - 5;
  if (boxY < 5) boxY = mouseY + 10;
  HostFillRectRGB(boxX, boxY, boxW, boxH, 192, 192, 192);
  Bevel(boxX, boxY, boxW, boxH, Grey(0), Grey(0));
  for (size_t i = 0; i < lines.size(); ++i) {
    Text(boxX + 4, boxY + 4 + kLineHeight * static_cast<int32_t>(i), 1, Grey(63), lines[i], 0);
  }
}

namespace {

std::vector<std::function<void()>>& Pending() {
  static std::vector<std::function<void()>> pending;
  return pending;
}

}  // namespace

void DrawTooltipOnTop(int32_t mouseX, int32_t mouseY, const std::string& text) {
  DrawOnTop([mouseX, mouseY, text] { DrawTooltip(mouseX, mouseY, text); });
}

void DrawOnTop(std::function<void()> draw) { Pending().push_back(std::move(draw)); }

void DrawTooltipsOnTop() {
  std::vector<std::function<void()>> pending;
  pending.swap(Pending());
  for (const auto& draw : pending) draw();
}

void HoverTimer::Track(bool inside, int32_t px, int32_t py) {
  mouseX = px;
  mouseY = py;
  if (inside && !hovered_) since_ = ClockMillis();
  hovered_ = inside;
}

bool HoverTimer::Due(uint32_t delayMs) const {
  return hovered_ && ClockMillis() - since_ > delayMs;
}

}  // namespace gui
