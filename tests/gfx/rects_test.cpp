#include <gtest/gtest.h>

#include <array>

#include "gfx/pixel_picture.h"
#include "gfx/primitives.h"

namespace {

using gfx::SurfaceBuffer;
using gfx::testing::countColour;

using gfx::testing::kInk;
using gfx::testing::pic;

TEST(FillRect, ClipsAtEveryEdge) {
  SurfaceBuffer b(6, 5);
  gfx::FillRect(b.surface(), -2, -2, 4, 4, kInk);  // top left
  gfx::FillRect(b.surface(), 4, 3, 10, 10, kInk);  // bottom right
  EXPECT_EQ(pic(b),
            "##....\n"
            "##....\n"
            "......\n"
            "....##\n"
            "....##\n");

  SurfaceBuffer all(6, 5);
  gfx::FillRect(all.surface(), -100000, -100000, 300000, 300000, kInk);  // no 16-bit wrap
  EXPECT_EQ(countColour(all.surface(), kInk), 30);

  SurfaceBuffer none(6, 5);
  gfx::FillRect(none.surface(), 1, 1, 0, 3, kInk);
  gfx::FillRect(none.surface(), 1, 1, 3, -2, kInk);
  gfx::FillRect(none.surface(), 6, 0, 3, 3, kInk);
  gfx::FillRect(none.surface(), 0, -3, 3, 3, kInk);
  EXPECT_EQ(countColour(none.surface(), kInk), 0);
}

TEST(FillRectRows, ReadsTheTableBackwardDownTheRows) {
  const std::array<std::uint16_t, 5> table{10, 11, 12, 13, 14};
  SurfaceBuffer b(2, 5);
  gfx::FillRectRows(b.surface(), 0, 1, 2, 3, 3, table);
  EXPECT_EQ(b.pixels(), (std::vector<std::uint16_t>{0, 0, 13, 13, 12, 12, 11, 11, 0, 0}));

  // Clipping at the top does not shift the index: the first visible row takes firstIndex.
  SurfaceBuffer top(1, 4);
  gfx::FillRectRows(top.surface(), 0, -2, 1, 5, 4, table);
  EXPECT_EQ(top.pixels(), (std::vector<std::uint16_t>{14, 13, 12, 0}));

  // Rows whose index runs off either end of the table stay untouched.
  SurfaceBuffer off(1, 4, 7);
  gfx::FillRectRows(off.surface(), 0, 0, 1, 4, 1, table);
  EXPECT_EQ(off.pixels(), (std::vector<std::uint16_t>{11, 10, 7, 7}));
  SurfaceBuffer high(1, 3, 7);
  gfx::FillRectRows(high.surface(), 0, 0, 1, 3, 5, table);
  EXPECT_EQ(high.pixels(), (std::vector<std::uint16_t>{7, 14, 13}));
}

TEST(FillRectAlpha, DrawsNothingUnlessWhollyInside) {
  SurfaceBuffer b(6, 5);
  gfx::FillRectAlpha(b.surface(), 1, 1, 6, 2, kInk, 255);  // one pixel past the right edge
  gfx::FillRectAlpha(b.surface(), 0, 1, 2, 5, kInk, 255);  // past the bottom
  gfx::FillRectAlpha(b.surface(), -1, 0, 2, 2, kInk, 255);
  gfx::FillRectAlpha(b.surface(), 0, -1, 2, 2, kInk, 255);
  EXPECT_EQ(countColour(b.surface(), kInk), 0);
  gfx::FillRectAlpha(b.surface(), 0, 0, 6, 5, kInk, 255);  // exactly the surface
  EXPECT_EQ(countColour(b.surface(), kInk), 30);
}

TEST(FillRectAlpha, OpacityFrom31FillsSolidlyBelowBlends) {
  for (const int opacity : {31, 100, 255}) {
    SurfaceBuffer b(3, 2, 0x001F);
    gfx::FillRectAlpha(b.surface(), 1, 0, 2, 2, 0xF800, opacity);
    EXPECT_EQ(b.pixels(),
              (std::vector<std::uint16_t>{0x001F, 0xF800, 0xF800, 0x001F, 0xF800, 0xF800}))
        << opacity;
  }
  // Below 31 each field is (source * a + destination * (255 - a)) / 255, truncated.
  SurfaceBuffer b(1, 1, 0x001F);
  gfx::FillRectAlpha(b.surface(), 0, 0, 1, 1, 0xF800, 30);
  EXPECT_EQ(b.pixels()[0], (((31 * 30) / 255) << 11) | ((31 * 225) / 255));  // red 3, blue 27
  SurfaceBuffer green(1, 1, 0x0000);
  gfx::FillRectAlpha(green.surface(), 0, 0, 1, 1, 0x07E0, 17);
  EXPECT_EQ(green.pixels()[0], ((63 * 17) / 255) << 5);  // green 4
  SurfaceBuffer clear(1, 1, 0xABCD);
  gfx::FillRectAlpha(clear.surface(), 0, 0, 1, 1, 0xFFFF, 0);
  EXPECT_EQ(clear.pixels()[0], 0xABCD);
}

}  // namespace
