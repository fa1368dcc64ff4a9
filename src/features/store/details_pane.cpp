#include "features/store/details_pane.h"

#include <algorithm>

namespace store {

namespace {

// Appends the wrapped lines of one segment (a text without line feeds).
void WrapSegment(const std::string& segment, int32_t limit,
                 int32_t (*width)(const std::string& text), std::vector<std::string>& out) {
  size_t start = 0;  // the first character of the line being built
  while (start < segment.size()) {
    // A space at the line's start would leave the line empty: no break.
    size_t lastSpace = std::string::npos;
    size_t i = start;
    for (; i < segment.size(); ++i) {
      if (segment[i] == ' ' && i > start) lastSpace = i;
      if (width(segment.substr(start, i + 1 - start)) >= limit) break;
    }
    if (i == segment.size()) {
      out.push_back(segment.substr(start));
      return;
    }
    // segment[i] is the first character that reaches the limit.
    if (lastSpace != std::string::npos) {
      out.push_back(segment.substr(start, lastSpace - start));
      start = lastSpace + 1;
    } else if (i > start) {
      out.push_back(segment.substr(start, i - start));
      start = i;
    } else {
      // Wider than the limit on its own: a line of its own, so the
      // wrapping always moves on.
      out.push_back(segment.substr(start, 1));
      start = i + 1;
    }
  }
}

}  // namespace

std::vector<std::string> WrapText(const std::string& text, int32_t limit,
                                  int32_t (*width)(const std::string& text)) {
  std::vector<std::string> out;
  size_t from = 0;
  while (from <= text.size()) {
    const size_t feed = text.find('\n', from);
    const size_t to = feed == std::string::npos ? text.size() : feed;
    WrapSegment(text.substr(from, to - from), limit, width, out);
    if (feed == std::string::npos) break;
    from = feed + 1;
  }
  return out;
}

}  // namespace store

namespace {

constexpr gui::Color kPanel{64, 64, 64};

int32_t PaneTextWidth(const std::string& text) {
  return gui::TextWidth(GUI_StoreDetails::kFont, text);
}

}  // namespace

GUI_StoreDetails::GUI_StoreDetails(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id,
                                   gui::Color color)
    : GUI_Element(x, y, w, h, id),
      textColor(color),
      scrollBar(x + w - kScrollBarW, y, kScrollBarW, h, 0, 0, 0) {
  interactive = 1;
}

void GUI_StoreDetails::Clear() {
  lines.clear();
  scrollBar.SetPosition(0, true);
  UpdateRange();
}

void GUI_StoreDetails::AddText(const std::string& text) {
  for (std::string& line : store::WrapText(text, w - kWrapMargin, &PaneTextWidth)) {
    lines.push_back(std::move(line));
    UpdateRange();
  }
}

int32_t GUI_StoreDetails::VisibleLines() const { return std::max((h - kFirstLineY) / kLineH, 0); }

void GUI_StoreDetails::UpdateRange() {
  scrollBar.SetRange(static_cast<int32_t>(lines.size()) - VisibleLines());
}

void GUI_StoreDetails::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  GUI_Element::SetBounds(newX, newY, newW, newH);
  scrollBar.SetBounds(newX + newW - kScrollBarW, newY, kScrollBarW, newH);
  UpdateRange();
}

void GUI_StoreDetails::Draw() {
  HostFillRectRGB(x, y, w, h, kPanel.r, kPanel.g, kPanel.b);
  gui::ThinFrame(x, y, w, h);
  const auto first = static_cast<size_t>(std::max(scrollBar.position, 0));
  const size_t end = std::min(lines.size(), first + static_cast<size_t>(VisibleLines()));
  int32_t lineY = y + kFirstLineY;
  for (size_t i = first; i < end; ++i, lineY += kLineH) {
    gui::Text(x + kTextX, lineY, kFont, textColor, lines[i], 0);
  }
  scrollBar.Draw();
}

void GUI_StoreDetails::OnMouseDown(int32_t px, int32_t py) {
  if (scrollBar.Contains(px, py)) scrollBar.OnMouseDown(px, py);
}

void GUI_StoreDetails::OnMouseUp(int32_t px, int32_t py) { scrollBar.OnMouseUp(px, py); }

void GUI_StoreDetails::OnMouseMove(int32_t px, int32_t py) { scrollBar.OnMouseMove(px, py); }

void GUI_StoreDetails::OnWheel(int32_t px, int32_t py, uint8_t up) {
  scrollBar.OnWheel(px, py, up);
}
