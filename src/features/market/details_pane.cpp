#include "features/market/details_pane.h"

#include <algorithm>
#include <utility>

#include "features/market/rules.h"
#include "gui/text_fit.h"
#include "gui/widgets/face.h"

namespace {

constexpr int32_t kValueGap = 4;  // between a caption and its value
constexpr int32_t kValueIndent = 10;
constexpr gui::Color kCaptionColour{150, 150, 150};
constexpr gui::Color kHeadingColour{220, 220, 220};

}  // namespace

GUI_Details::GUI_Details(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_Element(x, y, w, h, id), scrollBar_(x + w - kScrollBarW, y, kScrollBarW, h, 0, 0, 0) {
  interactive = 1;
}

int32_t GUI_Details::VisibleLines() const { return std::max((h - 2 * kPad) / kLineH, 1); }

void GUI_Details::SetLines(std::vector<GUI_DetailLine> lines) {
  lines_ = std::move(lines);
  scrollBar_.SetRange(static_cast<int32_t>(lines_.size()) - VisibleLines());
  scrollBar_.SetPosition(0, true);
}

void GUI_Details::SetBounds(int32_t newX, int32_t newY, int32_t newW, int32_t newH) {
  GUI_Element::SetBounds(newX, newY, newW, newH);
  scrollBar_.SetBounds(newX + newW - kScrollBarW, newY, kScrollBarW, newH);
}

void GUI_Details::OnMouseDown(int32_t px, int32_t py) {
  if (scrollBar_.Contains(px, py)) scrollBar_.OnMouseDown(px, py);
}

void GUI_Details::Draw() {
  HostFillRectRGB(x, y, w, h, 30, 30, 30);
  const int32_t first = scrollBar_.position;
  const int32_t last = std::min<int32_t>(static_cast<int32_t>(lines_.size()), first + VisibleLines());
  int32_t top = y + kPad;
  for (int32_t i = first; i < last; ++i, top += kLineH) {
    const GUI_DetailLine& line = lines_[static_cast<size_t>(i)];
    int32_t left = x + kPad + line.indent;
    int32_t room = TextRoom(line.indent);
    if (!line.caption.empty()) {
      const std::string caption = gui::FitText(kFont, line.caption, room);
      gui::Text(left, top, kFont, line.colour, caption, 0);
      const int32_t used = gui::TextWidth(kFont, caption) + kValueGap;
      left += used;
      room -= used;
    }
    if (!line.value.empty() && room > 0) {
      gui::Text(left, top, kFont, gui::Grey(220), gui::FitText(kFont, line.value, room), 0);
    }
  }
  scrollBar_.Draw();
}

namespace market {

namespace {

// The value stands after its caption when it fits there, else on the lines
// below, broken where it must be.
void AddCaptioned(std::vector<GUI_DetailLine>& lines, const GUI_Details& pane,
                  const char* caption, const std::string& value, int32_t indent,
                  gui::Color colour) {
  const int32_t besideRoom =
      pane.TextRoom(indent) - gui::TextWidth(GUI_Details::kFont, caption) - kValueGap;
  if (gui::TextWidth(GUI_Details::kFont, value) <= besideRoom) {
    lines.push_back({caption, value, indent, colour});
    return;
  }
  lines.push_back({caption, "", indent, colour});
  const int32_t below = indent + kValueIndent;
  for (std::string& part : gui::WrapText(GUI_Details::kFont, value, pane.TextRoom(below))) {
    lines.push_back({"", std::move(part), below, colour});
  }
}

}  // namespace

std::vector<GUI_DetailLine> DetailLines(const ItemDetails& details, const GUI_Details& pane) {
  std::vector<GUI_DetailLine> lines;
  for (size_t i = 0; i < kDetailCount; ++i) {
    if (details.texts[i].empty()) continue;
    AddCaptioned(lines, pane, kDetailCaptions[i], details.texts[i], 0, kCaptionColour);
  }
  return lines;
}

std::vector<GUI_DetailLine> StatisticsPaneLines(const ItemDetails& details,
                                                const GUI_Details& pane) {
  std::vector<GUI_DetailLine> lines;
  const std::pair<const char*, const SideStatistics*> sides[] = {{"Buy Offers:", &details.buy},
                                                                 {"Sell Offers:", &details.sell}};
  for (const auto& [heading, side] : sides) {
    if (!lines.empty()) lines.push_back({});
    lines.push_back({heading, "", 0, kHeadingColour});
    for (const StatisticsLine& line : StatisticsLines(*side)) {
      AddCaptioned(lines, pane, line.caption, line.value, kValueIndent, kCaptionColour);
    }
  }
  return lines;
}

}  // namespace market
