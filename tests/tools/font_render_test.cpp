// Fonts rendered with FreeType read back through the game's own font classes.
#include "lib/font_render.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "gfx/color.h"
#include "gfx/fonts/color_font.h"
#include "gfx/fonts/mask_font.h"
#include "gfx/surface.h"

namespace {

const std::string kSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string kBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

// The pixels of the glyph's box, the glyph drawn at (0, 0) on black.
std::vector<std::uint16_t> drawn(const gfx::Font& font, unsigned char c,
                                 std::uint16_t textColour = 0) {
  gfx::SurfaceBuffer screen(std::max(1, int{font.GlyphWidth(c)}), font.GlyphHeight(c));
  font.DrawGlyph(screen.surface(), 0, 0, c, textColour, nullptr);
  return screen.pixels();
}

int count(const std::vector<std::uint16_t>& pixels, std::uint16_t colour) {
  return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
}

gfx::ColorFont colourFont(const std::string& face, const tools::FontRenderOptions& options,
                          tools::FontCell* cell = nullptr) {
  auto bytes = tools::renderColorFont(face, options, cell);
  EXPECT_TRUE(bytes.ok()) << bytes.error().message;
  gfx::ColorFont font;
  EXPECT_TRUE(bytes.ok() && font.Attach(*bytes));
  return font;
}

TEST(FontRender, ColourFontGlyphsShareTheCellAndCarryTheirColours) {
  tools::FontRenderOptions options;
  options.pixels = 14;
  options.firstCode = 32;
  options.lastCode = 126;
  options.style.fill = 0xFFFFFF00;     // yellow letters
  options.style.outline = 0xFF0000FF;  // blue outline
  options.style.outlineWidth = 1;
  tools::FontCell cell;
  const gfx::ColorFont font = colourFont(kBold, options, &cell);
  EXPECT_EQ(font.TextHeight("Ag"), cell.height);
  EXPECT_GT(cell.height, 14);  // 14 pixels of em plus the outline above and below
  EXPECT_GT(font.GlyphWidth('W'), font.GlyphWidth('i'));
  EXPECT_GT(font.GlyphWidth(' '), 0);
  EXPECT_GT(count(drawn(font, 'H'), gfx::Rgb565From24(0xFFFF00)), 10);
  EXPECT_GT(count(drawn(font, 'H'), gfx::Rgb565From24(0x0000FF)), 10);
  EXPECT_EQ(count(drawn(font, ' '), 0), cell.height * font.GlyphWidth(' '));
}

// Every code of the range has a glyph of the cell's height, so lines of text line up (the mask
// font's colours are checked by the encoder's tests).
TEST(FontRender, MaskFontGlyphsAllHaveTheCellsHeight) {
  tools::FontRenderOptions options;
  options.pixels = 11;
  tools::FontCell cell;
  auto bytes = tools::renderMaskFont(kSans, options, &cell);
  ASSERT_TRUE(bytes.ok()) << bytes.error().message;
  gfx::MaskFont font;
  ASSERT_TRUE(font.Attach(*bytes));
  EXPECT_EQ(font.TextHeight("\xE9"), cell.height) << "Latin-1 letters are there";
  for (int c = 33; c < 127; ++c)
    EXPECT_EQ(font.GlyphHeight(static_cast<unsigned char>(c)), cell.height) << c;
}

TEST(FontRender, RefusesSizesAndCodesItCannotHold) {
  tools::FontRenderOptions options;
  options.pixels = 200;
  EXPECT_EQ(tools::renderColorFont(kSans, options).error().code, util::ErrorCode::Unsupported);
  options.pixels = 12;
  options.firstCode = 20;
  EXPECT_EQ(tools::renderColorFont(kSans, options).error().code, util::ErrorCode::Unsupported);
}

// At 40 pixels with an outline the glyphs of the Latin-1 letters lie beyond 64 KiB, so their
// offsets need all three bytes of the glyph record.
TEST(FontRender, GlyphsPastThe64KiBMarkDrawLikeTheSameGlyphsOfASmallFont) {
  tools::FontRenderOptions big;
  big.pixels = 40;
  big.style.outlineWidth = 2;
  tools::FontRenderOptions few = big;
  few.firstCode = 0xF0;
  few.lastCode = 0xFF;
  ASSERT_GT(tools::renderColorFont(kSans, big)->size(), 0x10000u);
  const gfx::ColorFont a = colourFont(kSans, big), b = colourFont(kSans, few);
  for (unsigned char c : {0xF0, 0xF6, 0xFF})
    EXPECT_EQ(drawn(a, c), drawn(b, c)) << "glyph " << int(c);
}

TEST(FontRender, GradientAndShadow) {
  tools::FontRenderOptions options;
  options.pixels = 30;
  options.firstCode = 'I';
  options.lastCode = 'T';
  options.style.fill = 0xFFFF0000;   // red
  options.style.fill2 = 0xFF0000FF;  // blue
  const gfx::ColorFont font = colourFont(kBold, options);
  // The stem's middle column of fully covered pixels runs from fill at the top to fill2 at the
  // baseline, the same for every letter, so a capital starts a little below pure fill.
  const std::vector<std::uint16_t> stem = drawn(font, 'I');
  const int w = font.GlyphWidth('I');
  std::vector<std::uint16_t> column;
  for (int y = 0; y < font.GlyphHeight('I'); ++y)
    if (const std::uint16_t p = stem[static_cast<std::size_t>(y) * w + w / 2]) {
      column.push_back(p);
    }
  ASSERT_GT(column.size(), 15u);
  EXPECT_GT(column[1] >> 11, 20);
  EXPECT_LT(column[1] & 0x1F, 10);
  EXPECT_LT(column[column.size() - 2] >> 11, 3);
  EXPECT_GT(column[column.size() - 2] & 0x1F, 28);
  for (std::size_t i = 1; i < column.size(); ++i)
    EXPECT_LE(column[i] >> 11, column[i - 1] >> 11) << "red fades downwards, row " << i;

  // Below and right of a fully white pixel lies the opaque green shadow, perhaps under the
  // letter's edge: white, green or a mix of both, all of them full green.
  options.pixels = 20;
  options.style.fill = options.style.fill2 = 0xFFFFFFFF;
  options.style.shadow = 0xFF00FF00;
  options.style.shadowOffset = 3;
  const gfx::ColorFont shadowed = colourFont(kBold, options);
  const std::vector<std::uint16_t> t = drawn(shadowed, 'T');
  const int tw = shadowed.GlyphWidth('T'), th = shadowed.GlyphHeight('T');
  const auto at = [&](int x, int y) { return t[static_cast<std::size_t>(y) * tw + x]; };
  int whites = 0, underlaid = 0;
  for (int y = 0; y + 3 < th; ++y)
    for (int x = 0; x + 3 < tw; ++x)
      if (at(x, y) == 0xFFFF) {
        ++whites;
        underlaid += ((at(x + 3, y + 3) >> 5) & 0x3F) == 0x3F;
      }
  EXPECT_GT(whites, 20);
  EXPECT_EQ(underlaid, whites);
  EXPECT_GT(count(t, 0x07E0), 10);
}

}  // namespace
