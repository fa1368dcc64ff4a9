#include "sim/render/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <optional>
#include <vector>

#include "sim/sim_host.h"

namespace sim {
namespace {

constexpr int kStyles = 5;  // fonts 1..4, and one for any other number

int StyleIndex(int font) { return font >= 1 && font <= 4 ? font : 0; }

// A rendered glyph, already placed in its cell: `left` is the ink's offset
// from the cell's left edge, `top` from the text's top.
struct Glyph {
  int left = 0;
  int top = 0;
  int width = 0;
  int rows = 0;
  std::vector<uint8_t> mask;
};

void WarnFallbackOnce(const std::string& path) {
  static std::atomic<bool> warned{false};
  if (warned.exchange(true)) return;
  std::fprintf(stderr,
               "quorlan-sim: cannot load the font %s; text is drawn as blocks "
               "(install fonts-dejavu-core)\n",
               path.c_str());
}

}  // namespace

FontStyle StyleForFont(int font) {
  const int advance = FontAdvance(font);
  switch (font) {
    case 1: return {advance, 10, 11, false, 14};
    case 2: return {advance, 10, 10, false, 13};
    case 3: return {advance, 10, 12, true, 15};
    case 4: return {advance, 9, 11, true, 14};
    default: return {advance, 10, 11, false, 14};
  }
}

int64_t AlignedLeft(int64_t x, int64_t width, int alignment) {
  if (alignment == 1) return x - width / 2;
  if (alignment == 2) return x - width;
  return x;
}

struct TextRenderer::Impl {
  FT_Library library = nullptr;
  FT_Face regular = nullptr;
  FT_Face bold = nullptr;
  std::mutex mutex;  // FreeType faces are not safe to share between threads
  std::array<int, kStyles> capTop{};
  std::array<std::array<std::optional<Glyph>, 256>, kStyles> cache;

  ~Impl() {
    if (bold != nullptr) FT_Done_Face(bold);
    if (regular != nullptr) FT_Done_Face(regular);
    if (library != nullptr) FT_Done_FreeType(library);
  }

  FT_Face FaceFor(const FontStyle& style) const {
    return style.bold && bold != nullptr ? bold : regular;
  }

  // Renders `code` in `style`; false when FreeType has no glyph for it.
  bool Render(const FontStyle& style, uint32_t code) {
    FT_Face face = FaceFor(style);
    if (FT_Set_Pixel_Sizes(face, style.pixelWidth, style.pixelHeight) != 0) return false;
    return FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) == 0 &&
           face->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY;
  }

  // The distance from the text's top to the baseline: the height of a capital,
  // so capitals start exactly at the y the host was given.
  int CapTop(int index, const FontStyle& style) {
    if (capTop[index] == 0) {
      capTop[index] =
          Render(style, 'H') ? std::max(FaceFor(style)->glyph->bitmap_top, 1) : style.pixelHeight;
    }
    return capTop[index];
  }

  Glyph Build(int index, const FontStyle& style, uint8_t byte) {
    Glyph glyph;
    if (byte < 0x20 || byte == 0x7F || byte == ' ') return glyph;
    const int baseline = CapTop(index, style);
    if (!Render(style, byte)) return glyph;
    const FT_GlyphSlot slot = FaceFor(style)->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.top = baseline - slot->bitmap_top;
    // Keep the ink inside the cell: shift an overhanging glyph back in; what
    // is still wider than the cell is cut when drawn.
    glyph.left = slot->bitmap_left;
    if (glyph.left + glyph.width > style.advance) glyph.left = style.advance - glyph.width;
    glyph.left = std::max(glyph.left, 0);
    glyph.mask.resize(static_cast<size_t>(glyph.width) * glyph.rows);
    const int pitch = bitmap.pitch < 0 ? -bitmap.pitch : bitmap.pitch;
    for (int row = 0; row < glyph.rows; ++row) {
      std::copy_n(bitmap.buffer + static_cast<size_t>(row) * pitch, glyph.width,
                  glyph.mask.begin() + static_cast<ptrdiff_t>(row) * glyph.width);
    }
    return glyph;
  }

  const Glyph& Get(int font, uint8_t byte) {
    const int index = StyleIndex(font);
    std::optional<Glyph>& slot = cache[index][byte];
    if (!slot) slot = Build(index, StyleForFont(font), byte);
    return *slot;
  }
};

TextRenderer::TextRenderer(const std::string& regularPath, const std::string& boldPath)
    : impl_(std::make_unique<Impl>()) {
  if (FT_Init_FreeType(&impl_->library) != 0) {
    impl_->library = nullptr;
  } else if (FT_New_Face(impl_->library, regularPath.c_str(), 0, &impl_->regular) != 0) {
    impl_->regular = nullptr;
  } else if (FT_New_Face(impl_->library, boldPath.c_str(), 0, &impl_->bold) != 0) {
    impl_->bold = nullptr;
  }
  if (impl_->regular == nullptr) WarnFallbackOnce(regularPath);
}

TextRenderer::~TextRenderer() = default;

bool TextRenderer::UsesFallback() const { return impl_->regular == nullptr; }

void TextRenderer::DrawLine(Framebuffer& fb, int64_t x, int64_t y, int font, Rgba color,
                            std::string_view text) {
  const FontStyle style = StyleForFont(font);
  const Rect visible = fb.Clip();
  std::lock_guard<std::mutex> lock(impl_->mutex);
  for (size_t i = 0; i < text.size(); ++i) {
    const int64_t cellX = x + static_cast<int64_t>(i) * style.advance;
    if (cellX >= visible.x + visible.w) break;
    if (cellX + style.advance <= visible.x) continue;
    const auto byte = static_cast<uint8_t>(text[i]);
    const Rect cell{cellX, y - style.lineHeight, style.advance, 3 * style.lineHeight};
    if (UsesFallback()) {
      // A hollow block the height of a capital.
      if (byte <= 0x20 || byte == 0x7F) continue;
      fb.Outline({cellX + 1, y, std::max(style.advance - 2, 1), style.pixelHeight * 3 / 4}, color);
      continue;
    }
    const Glyph& glyph = impl_->Get(font, byte);
    if (glyph.mask.empty()) continue;
    fb.BlendMask(cellX + glyph.left, y + glyph.top, glyph.width, glyph.rows, glyph.mask.data(),
                 glyph.width, color, cell);
  }
}

TextRenderer& DefaultTextRenderer() {
  static TextRenderer renderer(kMonoFontPath, kMonoBoldFontPath);
  return renderer;
}

}  // namespace sim
