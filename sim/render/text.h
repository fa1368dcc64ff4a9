// Host text drawn with a real monospace font. Each host font number has one
// fixed advance, sim::FontAdvance, the same that HostTextWidth answers, and
// every byte of a text (Latin-1) takes exactly one cell of that advance: the
// ink of a glyph is kept inside its cell, so a text of n bytes covers exactly
// n x advance pixels from its left edge.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "sim/render/framebuffer.h"

namespace sim {

// How one host font number is drawn.
struct FontStyle {
  int advance;      // cell width: sim::FontAdvance(font)
  int pixelWidth;   // FreeType size across, chosen so the glyphs fill the cell
  int pixelHeight;  // FreeType size down
  bool bold;
  int lineHeight;  // distance between lines of a text box
};
FontStyle StyleForFont(int font);

inline constexpr const char* kMonoFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
inline constexpr const char* kMonoBoldFontPath =
    "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";

// The left edge of a text `width` pixels wide anchored at x: alignment 1
// centres it on x, 2 ends it at x, anything else starts it at x.
int64_t AlignedLeft(int64_t x, int64_t width, int alignment);

class TextRenderer {
 public:
  // Loads the two font files; when the regular one cannot be loaded every
  // glyph becomes a built-in block (and stderr says so, once per process).
  // A missing bold file falls back to the regular face.
  TextRenderer(const std::string& regularPath, const std::string& boldPath);
  ~TextRenderer();
  TextRenderer(const TextRenderer&) = delete;
  TextRenderer& operator=(const TextRenderer&) = delete;

  bool UsesFallback() const;

  // One line, its first cell's top-left corner at (x, y); '\n' and other
  // control bytes take a cell and draw nothing.
  void DrawLine(Framebuffer& fb, int64_t x, int64_t y, int font, Rgba color, std::string_view text);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The process-wide renderer over the DejaVu Sans Mono files.
TextRenderer& DefaultTextRenderer();

}  // namespace sim
