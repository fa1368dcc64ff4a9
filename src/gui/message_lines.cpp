#include "gui/message_lines.h"

#include <utility>

namespace {

constexpr int32_t kPrior = 0x21, kNext = 0x22, kEnd = 0x23, kHome = 0x24, kUp = 0x26,
                  kDown = 0x28;

}  // namespace

GUI_MessageLines::GUI_MessageLines(int32_t x, int32_t y, int32_t textWidth, int32_t shown,
                                   std::vector<std::unique_ptr<GUI_Element>> lines)
    : GUI_Element(x, y, textWidth + kScrollBarGap + kScrollBarW, shown * kLineHeight, 0),
      scrollBar(x + textWidth + kScrollBarGap, y, kScrollBarW, shown * kLineHeight, 0, 0, 0),
      lines_(std::move(lines)),
      shown_(shown) {
  interactive = 1;
  scrollBar.SetRange(static_cast<int32_t>(lines_.size()) - shown_);
}

void GUI_MessageLines::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  GUI_Element::SetBounds(newX, newY, newW, newH);
  scrollBar.SetBounds(newX + newW - kScrollBarW, newY, kScrollBarW, newH);
}

void GUI_MessageLines::OnMouseDown(int32_t px, int32_t py) {
  if (scrollBar.Contains(px, py)) scrollBar.OnMouseDown(px, py);
}

void GUI_MessageLines::OnKeyDown(int32_t key, int32_t) {
  const int32_t first = FirstLine();
  switch (key) {
    case kUp: scrollBar.SetPosition(first - 1, false); break;
    case kDown: scrollBar.SetPosition(first + 1, false); break;
    case kPrior: scrollBar.SetPosition(first - shown_, false); break;
    case kNext: scrollBar.SetPosition(first + shown_, false); break;
    case kHome: scrollBar.SetPosition(0, false); break;
    case kEnd: scrollBar.SetPosition(scrollBar.maximum, false); break;
    default: break;
  }
}

void GUI_MessageLines::Draw() {
  const int32_t first = FirstLine();
  for (int32_t i = 0; i < shown_; ++i) {
    const auto index = static_cast<size_t>(first + i);
    if (index >= lines_.size()) break;
    GUI_Element& line = *lines_[index];
    line.SetBounds(x, y + i * kLineHeight, line.w, line.h);
    line.Draw();
  }
  scrollBar.Draw();
}
