#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "fixtures/gfx/font_bytes.h"
#include "fixtures/gfx/image_bytes.h"
#include "gfx/color.h"
#include "gfx/fonts/color_font.h"
#include "gfx/fonts/font_registry.h"
#include "gfx/fonts/mask_font.h"
#include "gfx/surface.h"

namespace gfx {
namespace {

using testing::makeCfn;
using testing::put16At;
using testing::put8;

TEST(ColorFont, MeasuresAndDrawsOwnColours) {
  ColorFont font;
  ASSERT_TRUE(font.Attach(makeCfn("Menu", 32, 122)));
  EXPECT_EQ(font.TextWidth("AB"), 5);
  EXPECT_EQ(font.GlyphWidth(123), 0) << "past the last code";
  EXPECT_EQ(font.GlyphWidth(31), 0) << "before the first code";
  EXPECT_EQ(font.GlyphWidth(122), 1);
  EXPECT_EQ(font.TextHeight("A"), 2);

  SurfaceBuffer buffer(7, 2, 0);
  EXPECT_EQ(font.DrawText(buffer.surface(), 1, 0, "A{B", 0xFFFF, nullptr), 3);
  EXPECT_EQ(buffer.pixels(),
            (std::vector<std::uint16_t>{0, 0xF800, 0xF800, 0x07E0, 0x07E0, 0x07E0, 0, 0, 0x001F,
                                        0x001F, 0x07E0, 0x07E0, 0x07E0, 0}))
      << "'{' (123) draws nothing and advances by 0";

  // Clipped to row 1 and three columns; the text ends at a zero byte.
  ColorFont ab;
  ASSERT_TRUE(ab.Attach(makeCfn("m", 65, 66)));
  SurfaceBuffer clipped(5, 2, 0);
  const Box clip{0, 1, 3, 1};
  EXPECT_EQ(ab.DrawText(clipped.surface(), 0, 0, std::string_view("AB\0A", 4), 0, &clip), 2);
  EXPECT_EQ(clipped.pixels(),
            (std::vector<std::uint16_t>{0, 0, 0, 0, 0, 0x001F, 0x001F, 0x07E0, 0, 0}));
}

// A .font where 'a' is 3 wide, 2 high: row 0 = 0xC3 (three pixels), row 1 = skip 1, blend 31;
// 'b' is 1 wide and 4 high and empty; every other code has no rows.
std::vector<std::byte> makeMaskFont(int blendByte = 0x5F) {
  std::vector<std::byte> out(224 * 8, std::byte{0});
  auto entry = [&](int c, std::size_t offset, int w, int h) {
    const std::size_t at = 8 * static_cast<std::size_t>(c - 32);
    for (int i = 0; i < 4; ++i)
      out[at + i] = static_cast<std::byte>((offset >> (8 * i)) & 0xFF);
    put16At(out, at + 4, w);
    put16At(out, at + 6, h);
  };
  entry('a', out.size(), 3, 2);
  for (int v : {0xC3, 0x00, 0x01, blendByte, 0x00})
    put8(out, v);
  entry('b', out.size(), 1, 4);
  for (int i = 0; i < 4; ++i)
    put8(out, 0);
  return out;
}

TEST(MaskFont, GlyphOpsInTextColourMeasuredAndClipped) {
  MaskFont font;
  ASSERT_TRUE(font.Attach(makeMaskFont()));
  SurfaceBuffer buffer(4, 2, 0x0000);
  font.DrawGlyph(buffer.surface(), 0, 0, 'a', 0xFFFF, nullptr);
  EXPECT_EQ(buffer.pixels(),
            (std::vector<std::uint16_t>{0xFFFF, 0xFFFF, 0xFFFF, 0, 0, 0xFFFF, 0, 0}));
  EXPECT_EQ(font.TextWidth("ab"), 4);
  EXPECT_EQ(font.TextHeight("ab"), 4) << "the tallest glyph in the text";
  EXPECT_EQ(font.TextHeight(""), 0);
  EXPECT_EQ(font.GlyphWidth('\n'), 0);

  SurfaceBuffer clipped(4, 2, 0);
  const Box clip{1, 0, 1, 2};
  EXPECT_EQ(font.DrawText(clipped.surface(), 0, 0, "a\n", 0x1234, &clip), 2);
  EXPECT_EQ(clipped.pixels(), (std::vector<std::uint16_t>{0, 0x1234, 0, 0, 0, 0x1234, 0, 0}));

  MaskFont blended;  // 0x50: a blend at weight 16
  ASSERT_TRUE(blended.Attach(makeMaskFont(0x50)));
  SurfaceBuffer partial(3, 2, 0);
  blended.DrawGlyph(partial.surface(), 0, 0, 'a', 0xFFFF, nullptr);
  std::uint16_t expected = 0;
  BlendPixel(expected, 0xFFFF, 16);
  EXPECT_EQ(partial.pixels()[4], expected);
}

TEST(Fonts, MalformedFilesAreRefusedAndDrawNothing) {
  std::vector<std::byte> cutGlyph = makeCfn("m", 65, 66), cutRecords = cutGlyph,
                         inverted = cutGlyph, far = makeMaskFont(), cutRow = far;
  cutGlyph.resize(cutGlyph.size() - 2);       // B's last row loses its end word
  cutRecords.resize(22);                      // the record table is cut: two empty records
  cutRecords.resize(30);                      // lie past the 24 bytes the font is given
  put16At(inverted, 20, 60);                  // last code below the first
  far[8 * ('a' - 32) + 3] = std::byte{0x7F};  // offset far past the end
  cutRow.pop_back();                          // 'b' loses its last row terminator
  using Span = std::span<const std::byte>;
  for (const Span bytes : {Span(cutGlyph), Span(cutRecords).first(24), Span(inverted)}) {
    ColorFont font;
    EXPECT_FALSE(font.Attach(bytes));
    SurfaceBuffer buffer(2, 2, 3);
    EXPECT_EQ(font.TextWidth("A"), 0);
    font.DrawText(buffer.surface(), 0, 0, "A", 0, nullptr);
    EXPECT_EQ(buffer.pixels(), (std::vector<std::uint16_t>(4, 3)));
  }
  const std::vector<std::byte> mask = makeMaskFont();
  for (const auto& bytes : {std::vector<std::byte>(mask.begin(), mask.begin() + 100), far, cutRow})
    EXPECT_FALSE(MaskFont().Attach(bytes)) << bytes.size();
}

TEST(FontRegistry, FindsLowerCasedEarlierWinsAndRefusesBadEntries) {
  testing::MapSource entries;
  entries.entries["fmsmall.cfn"] = makeCfn("fmsmall", 32, 126);
  entries.entries["mask.font"] = makeMaskFont();
  FontRegistry registry;
  ASSERT_TRUE(registry.Add("fmsmall", "fmsmall.cfn", entries).ok());
  ASSERT_TRUE(registry.Add("plain", "mask.font", entries).ok());
  ASSERT_NE(registry.Find("FmSmall"), nullptr);
  EXPECT_EQ(registry.Find("FmSmall")->TextWidth("AB"), 5);
  EXPECT_NE(dynamic_cast<const MaskFont*>(registry.Find("Plain")), nullptr);
  EXPECT_EQ(registry.Find("other"), nullptr);

  // A .cfn takes the name stored in its data, not the one given; the earlier of two wins.
  ASSERT_TRUE(registry.Add("ignored", "x.cfn", makeCfn("hiscorez", 32, 90)).ok());
  EXPECT_NE(registry.Find("HISCOREZ"), nullptr);
  EXPECT_EQ(registry.Find("ignored"), nullptr);
  ASSERT_TRUE(registry.Add("plain", "b.cfn", makeCfn("plain", 65, 66)).ok());
  EXPECT_NE(dynamic_cast<const MaskFont*>(registry.Find("plain")), nullptr);

  EXPECT_EQ(registry.Add("gone", "gone.cfn", entries).error().code, util::ErrorCode::NotFound);
  const std::vector<std::byte> mask = makeMaskFont();
  EXPECT_EQ(registry.Add("bad", "bad.font", std::span(mask).first(10)).error().code,
            util::ErrorCode::Malformed);
  EXPECT_FALSE(registry.Add("what", "what.ttf", mask).ok());
  EXPECT_EQ(registry.Find("what"), nullptr);
}

}  // namespace
}  // namespace gfx
