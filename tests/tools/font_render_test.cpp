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

namespace {

// The glyph drawn alone on black, as pixels.
std::vector<std::uint16_t> drawn(const gfx::Font& font, unsigned char c, int size = 96) {
  gfx::SurfaceBuffer screen(size, size);
  font.DrawGlyph(screen.surface(), 1, 1, c, 0xFFFF, nullptr);
  return screen.pixels();
}

TEST(FontRender, GlyphsPastThe64KiBMarkDrawLikeTheSameGlyphsOfASmallFont) {
  // At 40 pixels with an outline the glyphs of the Latin-1 letters lie beyond 64 KiB, so their
  // offsets need all three bytes of the glyph record.
  tools::FontRenderOptions big;
  big.pixels = 40;
  big.style.outlineWidth = 2;
  auto large = tools::renderColorFont(kSans, big);
  ASSERT_TRUE(large.ok()) << large.error().message;
  ASSERT_GT(large->size(), 0x10000u);
  tools::FontRenderOptions few = big;
  few.firstCode = 0xF0;
  few.lastCode = 0xFF;
  auto small = tools::renderColorFont(kSans, few);
  ASSERT_TRUE(small.ok()) << small.error().message;
  ASSERT_LT(small->size(), 0x10000u);
  gfx::ColorFont a, b;
  ASSERT_TRUE(a.Attach(*large));
  ASSERT_TRUE(b.Attach(*small));
  for (int c : {0xF0, 0xF6, 0xFF}) {
    EXPECT_EQ(a.GlyphWidth(static_cast<unsigned char>(c)),
              b.GlyphWidth(static_cast<unsigned char>(c)));
    EXPECT_EQ(drawn(a, static_cast<unsigned char>(c)), drawn(b, static_cast<unsigned char>(c)))
        << "glyph " << c;
  }
}

TEST(FontRender, GradientRunsFromFillAtTheTopToFill2AtTheBaseline) {
  tools::FontRenderOptions options;
  options.pixels = 30;
  options.firstCode = 'I';
  options.lastCode = 'I';
  options.style.fill = 0xFFFF0000;   // red
  options.style.fill2 = 0xFF0000FF;  // blue
  auto bytes = tools::renderColorFont(kBold, options);
  ASSERT_TRUE(bytes.ok()) << bytes.error().message;
  gfx::ColorFont font;
  ASSERT_TRUE(font.Attach(*bytes));
  const int w = font.GlyphWidth('I');
  gfx::SurfaceBuffer screen(w, font.GlyphHeight('I'));
  font.DrawGlyph(screen.surface(), 0, 0, 'I', 0, nullptr);
  // The stem's middle column, top and bottom of the letter: fully covered pixels.
  std::vector<std::uint16_t> column;
  for (int y = 0; y < font.GlyphHeight('I'); ++y) {
    const std::uint16_t p = screen.pixels()[static_cast<std::size_t>(y) * w + w / 2];
    if (p != 0) column.push_back(p);
  }
  ASSERT_GT(column.size(), 15u);
  const auto red = [](std::uint16_t p) { return p >> 11; };
  const auto blue = [](std::uint16_t p) { return p & 0x1F; };
  // The gradient spans the cell from its top to the baseline, the same for every letter, so
  // a capital starts a little below pure fill.
  EXPECT_GT(red(column[1]), 20u);
  EXPECT_LT(blue(column[1]), 10u);
  EXPECT_LT(red(column[column.size() - 2]), 3u);
  EXPECT_GT(blue(column[column.size() - 2]), 28u);
  for (std::size_t i = 1; i < column.size(); ++i)
    EXPECT_LE(red(column[i]), red(column[i - 1])) << "red fades downwards, row " << i;
}

TEST(FontRender, ShadowIsTheLetterMovedByTheOffset) {
  tools::FontRenderOptions options;
  options.pixels = 20;
  options.firstCode = options.lastCode = 'T';
  options.style.fill = 0xFFFFFFFF;
  options.style.shadow = 0xFF00FF00;  // opaque green, so it can be told from the letter
  options.style.shadowOffset = 3;
  auto bytes = tools::renderColorFont(kBold, options);
  ASSERT_TRUE(bytes.ok()) << bytes.error().message;
  gfx::ColorFont font;
  ASSERT_TRUE(font.Attach(*bytes));
  const int w = font.GlyphWidth('T'), h = font.GlyphHeight('T');
  gfx::SurfaceBuffer screen(w, h);
  font.DrawGlyph(screen.surface(), 0, 0, 'T', 0, nullptr);
  const auto at = [&](int x, int y) {
    return screen.pixels()[static_cast<std::size_t>(y) * w + x];
  };
  const std::uint16_t white = 0xFFFF, green = gfx::Rgb565From24(0x00FF00);
  int whites = 0, shadowed = 0;
  for (int y = 0; y + 3 < h; ++y)
    for (int x = 0; x + 3 < w; ++x) {
      if (at(x, y) != white) continue;
      ++whites;
      // Below and right of a fully white pixel lies the full shadow, maybe under the letter's
      // edge: white, green or a mix of both, all of them full green.
      const std::uint16_t moved = at(x + 3, y + 3);
      shadowed += ((moved >> 5) & 0x3F) == 0x3F;
    }
  EXPECT_GT(whites, 20);
  EXPECT_EQ(shadowed, whites);
  int greens = 0;
  for (std::uint16_t p : screen.pixels())
    greens += p == green;
  EXPECT_GT(greens, 10);
}

}  // namespace
