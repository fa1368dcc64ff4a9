#include "sim/render/renderer.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "sim/render/backdrop.h"
#include "sim/render/host_fills.h"
#include "sim/render/object_tiles.h"
#include "sim/render/picture_paint.h"
#include "sim/render/shapes.h"
#include "sim/render/skin_sheet.h"
#include "sim/render/tiny_digits.h"

namespace sim {
namespace {

uint8_t Channel(int32_t value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); }

Rgba ColorAt(const std::vector<int32_t>& a, size_t first) {
  return {Channel(a[first]), Channel(a[first + 1]), Channel(a[first + 2]), 255};
}

// The lines of a text box: its own line breaks, and words wrapped so that
// no line is wider than the box (when the box has a width).
std::vector<std::string_view> BoxLines(std::string_view text, int64_t maxChars) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    std::string_view rest = text.substr(start, end - start);
    while (maxChars > 0 && static_cast<int64_t>(rest.size()) > maxChars) {
      size_t cut = rest.rfind(' ', static_cast<size_t>(maxChars));
      if (cut == std::string_view::npos || cut == 0) cut = static_cast<size_t>(maxChars);
      lines.push_back(rest.substr(0, cut));
      rest.remove_prefix(cut);
      if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    }
    lines.push_back(rest);
    start = end + 1;
  }
  return lines;
}

class FramePainter {
 public:
  FramePainter(Framebuffer& fb, TextRenderer& text) : fb_(fb), text_(text) {}

  void Draw(const DrawCall& call) {
    const std::vector<int32_t>& a = call.args;
    if (call.name == "RendererFill" && a.size() >= 8) {
      fb_.Fill({a[1], a[2], a[3], a[4]}, ColorAt(a, 5));
    } else if (call.name == "HostFillRect" && a.size() >= 6) {
      DrawHostFill(fb_, {a[1], a[2], a[3], a[4]}, a[5]);
    } else if (call.name == "HostDrawSkin" && a.size() >= 8) {
      DrawSkin(fb_, a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
    } else if (call.name == "HostDrawText" && a.size() >= 8) {
      Line(a[1], a[2], a[3], a[7], ColorAt(a, 4), call.text);
    } else if (call.name == "HostDrawTextBox" && a.size() >= 12) {
      TextBox(call);
    } else if (call.name == "HostDrawObject" && a.size() >= 5) {
      if (a[4] != 0) DrawObjectTile(fb_, a[1], a[2], a[3], a[4]);
    } else if (call.name == "HostDrawCreature" && a.size() >= 18 && a[16] == kOutfitPicture) {
      DrawOutfitTile(fb_, {a[1], a[2], a[3], a[4]}, a[5], {a[7], a[8], a[9], a[10]});
    } else if (call.name == "HostDrawCreature" && a.size() >= 11) {
      DrawCreatureTile(fb_, {a[1], a[2], a[3], a[4]}, a[5], ColorAt(a, 8));
    } else if (call.name == "Texture" && a.size() >= 6 && call.picture != nullptr) {
      DrawPicture(fb_, {a[2], a[3], a[4], a[5]}, *call.picture);
    } else if (call.name == "HostSpriteDraw" && !a.empty()) {
      DrawSpriteMark(fb_, sprites_++, a[0]);
    } else if (call.name == "HostButton" && a.size() >= 6) {
      // The host's button picture: its image number on a raised (or, while
      // pressed, sunken) face.
      const Rect r{a[0], a[1], a[2], a[3]};
      DrawBevelBox(fb_, r, {92, 80, 64, 255}, a[5] == 0);
      DrawTinyDigitsCentred(fb_, r, std::to_string(a[4]), {230, 220, 190, 255}, 1);
    } else if (call.name == "HostTooltip" && a.size() >= 2) {
      HostLabel(a[0], a[1], call.text);
    } else if (call.name == "HostMenu" && a.size() >= 4) {
      const Rect r{a[0], a[1], a[2], a[3]};
      fb_.Fill(r, {52, 48, 44, 255});
      fb_.Outline(r, {140, 130, 110, 255});
    } else if (call.name == "HostMenuText" && a.size() >= 3) {
      Line(a[0], a[1], kHostOwnFont, a[2], {220, 220, 220, 255}, call.text);
    }
  }

 private:
  // Text at (x, y) with alignment 0 (x is the left edge), 1 (the centre) or
  // 2 (the right edge), one line per line break or wrap, cut to the box.
  void TextBox(const DrawCall& call) {
    const std::vector<int32_t>& a = call.args;
    const int font = a[3];
    const Rect box{a[8], a[9], a[10], a[11]};
    const int advance = FontAdvance(font);
    const int64_t maxChars = box.w > 0 && advance > 0 ? box.w / advance : 0;
    std::optional<ClipScope> clip;
    if (!box.Empty()) clip.emplace(fb_, box);
    int64_t y = a[2];
    for (std::string_view line : BoxLines(call.text, maxChars)) {
      Line(a[1], y, font, a[7], ColorAt(a, 4), line);
      y += StyleForFont(font).lineHeight;
    }
  }

  // One line of text at (x, y) with alignment 0 (x is the left edge), 1
  // (the centre) or 2 (the right edge).
  void Line(int64_t x, int64_t y, int font, int32_t align, Rgba color, std::string_view text) {
    const int64_t width = static_cast<int64_t>(text.size()) * FontAdvance(font);
    text_.DrawLine(fb_, AlignedLeft(x, width, align), y, font, color, text);
  }

  // A host tooltip: one line on a pale box.
  void HostLabel(int64_t x, int64_t y, const std::string& text) {
    const int64_t width = static_cast<int64_t>(text.size()) * FontAdvance(kHostOwnFont);
    const Rect box{x - 3, y - 2, width + 6, StyleForFont(kHostOwnFont).lineHeight + 3};
    fb_.Fill(box, {236, 228, 196, 255});
    fb_.Outline(box, {40, 36, 30, 255});
    text_.DrawLine(fb_, x, y, kHostOwnFont, {20, 20, 20, 255}, text);
  }

  static constexpr int kHostOwnFont = 1;  // the host draws its own texts in font 1
  // The library's outfit pictures end their creature draws with 65535, 65535
  // (the host's own creature drawing leaves those words 0).
  static constexpr int32_t kOutfitPicture = 65535;

  Framebuffer& fb_;
  TextRenderer& text_;
  int sprites_ = 0;
};

}  // namespace

Framebuffer RenderFrame(const std::vector<DrawCall>& draws, int width, int height,
                        TextRenderer& text) {
  Framebuffer fb(width, height);
  // The host's frame is the picture behind the library's windows, whatever
  // the order in which the frame's calls were recorded.
  const bool hostFrame = std::any_of(draws.begin(), draws.end(),
                                     [](const DrawCall& c) { return c.name == "RendererFrame"; });
  if (hostFrame) DrawGameBackdrop(fb);
  // Layers: the host's panel buttons belong to its frame, behind the
  // library's windows; its tooltips and context menu float above them.
  auto layer = [](const DrawCall& c) {
    if (c.name == "HostButton") return 0;
    if (c.name == "HostTooltip" || c.name == "HostMenu" || c.name == "HostMenuText") return 2;
    return 1;
  };
  FramePainter painter(fb, text);
  for (int pass = 0; pass < 3; ++pass) {
    for (const DrawCall& call : draws) {
      if (layer(call) == pass) painter.Draw(call);
    }
  }
  return fb;
}

Framebuffer RenderFrame(const std::vector<DrawCall>& draws, int width, int height) {
  return RenderFrame(draws, width, height, DefaultTextRenderer());
}

}  // namespace sim
