// Fonts built from hand-made glyphs and drawn by the game's font classes, pixel for pixel. The
// encoders' one caller, the font renderer, refuses sizes and codes the formats cannot hold
// before they reach them (FontRender.RefusesSizesAndCodesItCannotHold).
#include "lib/font_encoders.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "gfx/color.h"
#include "gfx/fonts/color_font.h"
#include "gfx/fonts/mask_font.h"
#include "gfx/surface.h"

namespace {

constexpr std::uint16_t kBackground = 0x1234;

// The glyph drawn at (0, 0) on the background, as rows of pixels.
std::vector<std::uint16_t> drawGlyph(const gfx::Font& font, unsigned char c, int width, int height,
                                     std::uint16_t colour = 0) {
  gfx::SurfaceBuffer screen(width, height, kBackground);
  font.DrawGlyph(screen.surface(), 0, 0, c, colour, nullptr);
  return screen.pixels();
}

TEST(ColorFontEncoder, OpaqueAndClearPixelsComeBackExactly) {
  // Three glyphs of distinct patterns, so a wrong offset shows as another glyph's pixels; the
  // middle one is empty and must neither draw nor advance.
  const int height = 5;
  tools::ArgbImage bars(4, height, 0), empty, checks(9, height, 0);
  for (int y = 0; y < height; ++y) {
    bars.at(1, y) = 0xFFFF0000;
    bars.at(2, y) = y % 2 ? 0xFF00FF00 : 0xFF0000FF;
    for (int x = 0; x < 9; ++x)
      if ((x + y) % 2 == 0) checks.at(x, y) = 0xFF000000u | (0x102030u * (x + 1));
  }
  auto bytes = tools::encodeColorFont("hand", height, 'a', {bars, empty, checks});
  ASSERT_TRUE(bytes.ok()) << bytes.error().message;
  gfx::ColorFont font;
  ASSERT_TRUE(font.Attach(*bytes));
  EXPECT_EQ(font.fontName(), "hand");
  EXPECT_EQ(font.TextWidth("abc"), 13);

  for (const auto& [code, image] : {std::pair{'a', &bars}, std::pair{'c', &checks}}) {
    const auto pixels = drawGlyph(font, code, 12, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < 12; ++x) {
        const std::uint32_t p = x < image->width ? image->at(x, y) : 0;
        const std::uint16_t want = p == 0 ? kBackground : gfx::Rgb565From24(p & 0xFFFFFF);
        EXPECT_EQ(pixels[static_cast<std::size_t>(y) * 12 + x], want)
            << code << " at " << x << "," << y;
      }
  }
  const auto none = drawGlyph(font, 'b', 12, height);
  EXPECT_EQ(std::count(none.begin(), none.end(), kBackground), 12 * height);
}

TEST(ColorFontEncoder, TranslucentPixelsBlendWithWhatIsBelow) {
  tools::ArgbImage glyph(3, 1, 0);
  glyph.at(0, 0) = 0x80FFFFFF;  // half-transparent white
  glyph.at(1, 0) = 0x80FFFFFF;
  glyph.at(2, 0) = 0xFFFFFFFF;
  auto bytes = tools::encodeColorFont("", 1, 32, {glyph});
  ASSERT_TRUE(bytes.ok()) << bytes.error().message;
  gfx::ColorFont font;
  ASSERT_TRUE(font.Attach(*bytes));
  gfx::SurfaceBuffer screen(3, 1, 0);
  font.DrawGlyph(screen.surface(), 0, 0, ' ', 0, nullptr);
  const std::uint16_t half = screen.pixels()[0];
  EXPECT_EQ(screen.pixels()[1], half);
  EXPECT_EQ(screen.pixels()[2], 0xFFFF);
  EXPECT_GT(half >> 11, 10) << "about half of white's red";
  EXPECT_LT(half >> 11, 21);
}

tools::MaskGlyph maskGlyph(int width, int height, std::uint8_t fill = 0) {
  return {width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, fill)};
}

TEST(MaskFontEncoder, FullCoverageIsTheTextColourAndNoneLeavesTheBackground) {
  // Row 0: a full run longer than one row byte holds; row 1: a single pixel after a skip longer
  // than one byte holds; row 2: half coverage then full.
  tools::MaskGlyph glyph = maskGlyph(150, 3);
  for (int x = 0; x < 150; ++x)
    glyph.coverage[x] = 255;
  glyph.coverage[150 + 140] = 255;
  glyph.coverage[300 + 10] = 128;
  glyph.coverage[300 + 11] = 255;
  std::vector<tools::MaskGlyph> glyphs(3);
  glyphs[2] = glyph;  // code 34
  auto bytes = tools::encodeMaskFont(glyphs);
  ASSERT_TRUE(bytes.ok()) << bytes.error().message;
  gfx::MaskFont font;
  ASSERT_TRUE(font.Attach(*bytes));
  EXPECT_EQ(font.GlyphWidth('!'), 0);
  EXPECT_EQ(font.GlyphWidth('#'), 0) << "codes past the list are empty";

  const std::uint16_t colour = gfx::Rgb565From24(0xFF8000);
  const auto pixels = drawGlyph(font, '"', 160, 3, colour);
  const auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y) * 160 + x]; };
  for (int x = 0; x < 160; ++x) {
    EXPECT_EQ(at(x, 0), x < 150 ? colour : kBackground) << x;
    EXPECT_EQ(at(x, 1), x == 140 ? colour : kBackground) << x;
    if (x != 10) {
      EXPECT_EQ(at(x, 2), x == 11 ? colour : kBackground) << x;
    }
  }
  EXPECT_NE(at(10, 2), colour);
  EXPECT_NE(at(10, 2), kBackground);
}

}  // namespace
