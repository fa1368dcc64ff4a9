// Host text in the renderer: cells of exactly the host's advance, alignment,
// the text box, and the built-in glyphs when the font file is missing.
#include <gtest/gtest.h>

#include "render_test_support.h"
#include "sim/render/text.h"
#include "sim/sim_host.h"

namespace {

using render_test::HasInk;
using render_test::InkBounds;
using render_test::Pixels;
using render_test::Text;

constexpr int kW = 200, kH = 40;

TEST(RenderText, EveryGlyphStaysInsideItsCell) {
  for (int font : {1, 2, 3, 4, 9}) {
    const int advance = sim::FontAdvance(font);
    for (int c = 0x21; c < 0x100; ++c) {
      if (c == 0x7F) continue;
      const std::string glyph(1, static_cast<char>(c));
      const sim::Rect ink = InkBounds(sim::RenderFrame({Text(20, 10, font, glyph)}, 50, kH));
      if (ink.Empty()) continue;  // a byte the font has no glyph for
      EXPECT_GE(ink.x, 20) << "font " << font << " byte " << c;
      EXPECT_LE(ink.x + ink.w, 20 + advance) << "font " << font << " byte " << c;
    }
  }
}

TEST(RenderText, TextCoversExactlyItsCountOfAdvances) {
  const std::string text = "MWmw@#";
  for (int font : {1, 2, 3, 4}) {
    const int advance = sim::FontAdvance(font);
    const sim::Framebuffer fb = sim::RenderFrame({Text(30, 10, font, text)}, kW, kH);
    const sim::Rect ink = InkBounds(fb);
    EXPECT_GE(ink.x, 30) << font;
    EXPECT_LE(ink.x + ink.w, 30 + static_cast<int64_t>(text.size()) * advance) << font;
    for (size_t i = 0; i < text.size(); ++i) {
      EXPECT_TRUE(HasInk(fb, {30 + static_cast<int64_t>(i) * advance, 0, advance, kH}))
          << "font " << font << " cell " << i;
    }
  }
}

TEST(RenderText, CapitalsStartAtTheGivenTop) {
  for (int font : {1, 2, 3, 4}) {
    const sim::Rect ink = InkBounds(sim::RenderFrame({Text(10, 15, font, "HE")}, kW, kH));
    EXPECT_EQ(ink.y, 15) << font;
    EXPECT_LE(ink.h, 12) << font;  // legible, yet no taller than a host line
    EXPECT_GE(ink.h, 6) << font;
  }
}

TEST(RenderText, CentredTextIsTheLeftAlignedTextMovedByHalfItsWidth) {
  // Font 1: 4 x 6 = 24 (even); font 4: 3 x 5 = 15 (odd: the extra pixel goes right).
  struct Case {
    int font;
    std::string text;
    int left;
  };
  for (const Case& c : {Case{1, "ABCD", 100 - 12}, Case{4, "ABC", 100 - 7}}) {
    const sim::Framebuffer centred =
        sim::RenderFrame({Text(100, 10, c.font, c.text, 1)}, kW, kH);
    const sim::Framebuffer left = sim::RenderFrame({Text(c.left, 10, c.font, c.text, 0)}, kW, kH);
    EXPECT_EQ(Pixels(centred, {0, 0, kW, kH}), Pixels(left, {0, 0, kW, kH})) << c.text;
  }
}

TEST(RenderText, TextColourIsTheCallsColour) {
  const sim::Framebuffer fb =
      sim::RenderFrame({{"HostDrawText", {1, 10, 10, 3, 255, 200, 0, 0}, "IIII"}}, kW, kH);
  int full = 0;
  for (const sim::Rgba& p : Pixels(fb, {0, 0, kW, kH})) {
    if (p == sim::Rgba{0, 0, 0, 255}) continue;
    EXPECT_EQ(p.b, 0);
    EXPECT_LE(p.g, p.r);
    if (p == sim::Rgba{255, 200, 0, 255}) ++full;
  }
  EXPECT_GT(full, 10);  // solid stems, not only anti-aliased edges
}

TEST(RenderText, TextBoxAlignsRightWrapsAndClipsToTheBox) {
  const int advance = sim::FontAdvance(1);
  // Right-aligned: the text ends at x.
  const sim::Framebuffer right = sim::RenderFrame(
      {{"HostDrawTextBox", {1, 150, 5, 1, 255, 255, 255, 2, 0, 0, kW, kH}, "abc"}}, kW, kH);
  const sim::Rect ink = InkBounds(right);
  EXPECT_GE(ink.x, 150 - 3 * advance);
  EXPECT_LE(ink.x + ink.w, 150);

  // Eight characters fit the 48-pixel box: the second word goes below.
  const sim::Framebuffer wrapped = sim::RenderFrame(
      {{"HostDrawTextBox", {1, 10, 5, 1, 255, 255, 255, 0, 10, 0, 48, kH}, "aaaa bbbbb"}}, kW, kH);
  EXPECT_TRUE(HasInk(wrapped, {10, 0, 4 * advance, 14}));
  EXPECT_FALSE(HasInk(wrapped, {10 + 4 * advance, 0, kW, 14}));
  EXPECT_TRUE(HasInk(wrapped, {10, 19, 5 * advance, 14}));

  // Nothing leaves the box.
  const sim::Framebuffer clipped = sim::RenderFrame(
      {{"HostDrawTextBox", {1, 0, 0, 3, 255, 255, 255, 0, 20, 4, 30, 6}, "WWWWWWWWWW"}}, kW, kH);
  const sim::Rect box = InkBounds(clipped);
  EXPECT_FALSE(box.Empty());
  EXPECT_GE(box.x, 20);
  EXPECT_GE(box.y, 4);
  EXPECT_LE(box.x + box.w, 50);
  EXPECT_LE(box.y + box.h, 10);
}

TEST(RenderText, MissingFontFileFallsBackToBlocksInTheSameCells) {
  sim::TextRenderer blocks("/nonexistent/regular.ttf", "/nonexistent/bold.ttf");
  EXPECT_TRUE(blocks.UsesFallback());
  EXPECT_FALSE(sim::DefaultTextRenderer().UsesFallback());
  for (int font : {1, 2, 3, 4}) {
    const int advance = sim::FontAdvance(font);
    const sim::Framebuffer fb = sim::RenderFrame({Text(10, 10, font, "a b")}, kW, kH, blocks);
    const sim::Rect ink = InkBounds(fb);
    EXPECT_GE(ink.x, 10);
    EXPECT_LE(ink.x + ink.w, 10 + 3 * advance);
    EXPECT_TRUE(HasInk(fb, {10, 0, advance, kH}));
    EXPECT_FALSE(HasInk(fb, {10 + advance, 0, advance, kH}));  // the space
    EXPECT_TRUE(HasInk(fb, {10 + 2 * advance, 0, advance, kH}));
  }
}

}  // namespace
