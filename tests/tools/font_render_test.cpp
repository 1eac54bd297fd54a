// Fonts rendered with FreeType read back through the game's own font classes.
#include "lib/font_render.h"

#include <gtest/gtest.h>

#include "gfx/color.h"
#include "gfx/fonts/color_font.h"
#include "gfx/fonts/mask_font.h"
#include "gfx/surface.h"

namespace {

const std::string kSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string kBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

// How many pixels of the glyph's box have exactly this colour after drawing on black.
int countColour(const gfx::Font& font, unsigned char c, std::uint16_t colour,
                std::uint16_t textColour = 0) {
  gfx::SurfaceBuffer screen(64, 64);
  font.DrawGlyph(screen.surface(), 2, 2, c, textColour, nullptr);
  int n = 0;
  for (std::uint16_t p : screen.pixels())
    n += p == colour;
  return n;
}

TEST(FontRender, ColourFontGlyphsShareTheCellAndCarryTheirColours) {
  tools::FontRenderOptions options;
  options.pixels = 14;
  options.firstCode = 32;
  options.lastCode = 126;
  options.name = "menu";
  options.style.fill = 0xFFFFFF00;     // yellow letters
  options.style.outline = 0xFF0000FF;  // blue outline
  options.style.outlineWidth = 1;
  tools::FontCell cell;
  auto bytes = tools::renderColorFont(kBold, options, &cell);
  ASSERT_TRUE(bytes.ok()) << bytes.error().message;
  gfx::ColorFont font;
  ASSERT_TRUE(font.Attach(*bytes));
  EXPECT_EQ(font.fontName(), "menu");
  EXPECT_EQ(font.firstCode(), 32);
  EXPECT_EQ(font.lastCode(), 126);
  EXPECT_EQ(font.TextHeight("Ag"), cell.height);
  EXPECT_EQ(font.GlyphHeight('A'), cell.height);
  EXPECT_GT(cell.height, 14);  // 14 pixels of em plus the outline above and below
  EXPECT_GT(font.GlyphWidth('W'), font.GlyphWidth('i'));
  EXPECT_GT(font.GlyphWidth(' '), 0);

  const std::uint16_t yellow = gfx::Rgb565From24(0xFFFF00), blue = gfx::Rgb565From24(0x0000FF);
  EXPECT_GT(countColour(font, 'H', yellow), 10);
  EXPECT_GT(countColour(font, 'H', blue), 10);
  EXPECT_EQ(countColour(font, ' ', yellow) + countColour(font, ' ', blue), 0);
  EXPECT_EQ(font.GlyphWidth(200), 0) << "codes past the last one are empty";
}

TEST(FontRender, MaskFontGlyphsAreDrawnInTheTextColour) {
  tools::FontRenderOptions options;
  options.pixels = 11;
  tools::FontCell cell;
  auto bytes = tools::renderMaskFont(kSans, options, &cell);
  ASSERT_TRUE(bytes.ok()) << bytes.error().message;
  gfx::MaskFont font;
  ASSERT_TRUE(font.Attach(*bytes));
  EXPECT_EQ(font.TextHeight("e"), cell.height);
  EXPECT_EQ(font.TextHeight("\xE9"), cell.height) << "Latin-1 letters are there";
  // Drawn on black in red, every touched pixel is a shade of red; drawn in black, nothing shows.
  const std::uint16_t red = gfx::Rgb565From24(0xFF0000);
  gfx::SurfaceBuffer screen(32, 32);
  font.DrawGlyph(screen.surface(), 2, 2, 'l', red, nullptr);
  int reds = 0, others = 0;
  for (std::uint16_t p : screen.pixels()) {
    if (p == 0) continue;
    ((p & 0x07FF) == 0 ? reds : others)++;
  }
  EXPECT_GT(reds, 5);
  EXPECT_EQ(others, 0);
  EXPECT_EQ(countColour(font, 'l', red, 0), 0) << "no colour of its own";
  // Every code of the range has a glyph of the cell's height, so lines of text line up.
  for (int c = 33; c < 127; ++c)
    EXPECT_EQ(font.GlyphHeight(static_cast<unsigned char>(c)), cell.height) << c;
}

TEST(FontRender, FailuresSayWhatIsWrong) {
  tools::FontRenderOptions options;
  auto missing = tools::renderColorFont("/no/such/font.ttf", options);
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().code, util::ErrorCode::NotFound);
  auto notAFont = tools::renderMaskFont("/etc/hostname", options);
  ASSERT_FALSE(notAFont.ok());
  EXPECT_EQ(notAFont.error().code, util::ErrorCode::Malformed);
  options.pixels = 200;
  EXPECT_EQ(tools::renderColorFont(kSans, options).error().code, util::ErrorCode::Unsupported);
  options.pixels = 12;
  options.firstCode = 20;
  EXPECT_EQ(tools::renderColorFont(kSans, options).error().code, util::ErrorCode::Unsupported);
}

}  // namespace
