#include "sim/scenario/screen_queries.h"

#include <functional>


namespace sim::scenario {
namespace {

constexpr int32_t kTextHalfHeight = 5;  // about half a line of the host fonts

int32_t LeftEdge(int32_t x, int32_t width, int32_t align) {
  switch (align) {
    case 1: return x - width / 2;
    case 2: return x - width;
    default: return x;
  }
}

// Texts the host draws itself: its tooltips and menu entries, (x, y,
// alignment) with one font.
constexpr int kHostOwnFont = 1;

std::optional<TextSeen> FindHostButton(const std::vector<DrawCall>& draws, int n,
                                       const std::function<bool(const DrawCall&)>& matches) {
  int seen = 0;
  for (const DrawCall& d : draws) {
    if (d.name != "HostButton" || d.args.size() < 5 || !matches(d)) continue;
    if (++seen == n) return TextSeen{d.text, d.args[0], d.args[1], d.args[0] + d.args[2] / 2,
                                     d.args[1] + d.args[3] / 2};
  }
  return std::nullopt;
}

}  // namespace

std::optional<TextSeen> FindHostButtonTooltip(const std::vector<DrawCall>& draws,
                                              const std::string& tooltip, int n) {
  if (tooltip.empty()) return std::nullopt;
  return FindHostButton(draws, n, [&](const DrawCall& d) { return d.text == tooltip; });
}

std::optional<TextSeen> FindHostButtonImage(const std::vector<DrawCall>& draws, int32_t image,
                                            int n) {
  return FindHostButton(draws, n, [&](const DrawCall& d) { return d.args[4] == image; });
}

std::vector<TextSeen> TextsOf(const std::vector<DrawCall>& draws) {
  std::vector<TextSeen> texts;
  for (const DrawCall& d : draws) {
    int32_t x = 0, y = 0, font = kHostOwnFont, align = 0, red = 0, green = 0, blue = 0;
    if ((d.name == "HostTooltip" || d.name == "HostMenuText") && d.args.size() >= 2) {
      x = d.args[0];
      y = d.args[1];
      if (d.args.size() >= 3) align = d.args[2];
    } else if ((d.name == "HostDrawText" || d.name == "HostDrawTextBox") && d.args.size() >= 8) {
      x = d.args[1];
      y = d.args[2];
      font = d.args[3];
      red = d.args[4];
      green = d.args[5];
      blue = d.args[6];
      align = d.args[7];
    } else {
      continue;
    }
    const auto width = static_cast<int32_t>(d.text.size()) * FontAdvance(font);
    const int32_t left = LeftEdge(x, width, align);
    texts.push_back({d.text, x, y, left + width / 2, y + kTextHalfHeight, red, green, blue});
  }
  return texts;
}

std::optional<TextSeen> FindText(const std::vector<DrawCall>& draws, const std::string& text,
                                 int n) {
  int seen = 0;
  for (const TextSeen& t : TextsOf(draws)) {
    if (t.text == text && ++seen == n) return t;
  }
  return std::nullopt;
}

std::vector<WindowSeen> DrawnWindows(const std::vector<DrawCall>& draws) {
  constexpr int32_t kTitleFont = 4, kTitleOffsetX = 20, kTitleOffsetY = 5, kTitleBarHeight = 17;
  std::vector<WindowSeen> windows;
  for (size_t i = 0; i < draws.size(); ++i) {
    const DrawCall& text = draws[i];
    if (text.name != "HostDrawText" || text.args.size() < 8 || text.args[3] != kTitleFont) continue;
    const int32_t tx = text.args[1], y = text.args[2] - kTitleOffsetY, align = text.args[7];
    // The title bar: left-aligned titles start 20 pixels in, centred ones
    // stand in the middle of the bar.
    const DrawCall* bar = nullptr;
    size_t barIndex = 0;
    for (size_t j = i; j-- > 0;) {
      const DrawCall& f = draws[j];
      if (f.name != "HostFillRect" || f.args.size() < 5 || f.args[2] != y ||
          f.args[4] != kTitleBarHeight) {
        continue;
      }
      const bool fits = align == 1 ? f.args[1] + f.args[3] / 2 == tx : f.args[1] + kTitleOffsetX == tx;
      if (fits) {
        bar = &f;
        barIndex = j;
        break;
      }
    }
    if (bar == nullptr) continue;
    const int32_t x = bar->args[1], w = bar->args[3];
    int32_t h = kTitleBarHeight;
    for (size_t j = barIndex; j-- > 0;) {
      const DrawCall& f = draws[j];
      if (f.name == "HostFillRect" && f.args.size() >= 5 && f.args[1] == x && f.args[2] == y &&
          f.args[3] == w) {
        h = f.args[4];
        break;
      }
    }
    windows.push_back({text.text, x, y, w, h, "drawn"});
  }
  return windows;
}

std::vector<WindowSeen> OpenWindows(Simulator& simulator) {
  return simulator.Library().OpenWindows();
}

std::optional<WindowSeen> FindWindow(Simulator& simulator, const std::string& title) {
  for (const WindowSeen& w : OpenWindows(simulator)) {
    if (w.title == title) return w;
  }
  return std::nullopt;
}

}  // namespace sim::scenario
