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
  EXPECT_EQ(pic(b), "##....\n##....\n......\n....##\n....##\n");

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

// Row by row down the rectangle the table is read backward from firstIndex; clipping at the top
// does not shift the index, and rows whose index runs off either end stay untouched.
TEST(FillRectRows, ReadsTheTableBackwardDownTheRows) {
  const std::array<std::uint16_t, 5> table{10, 11, 12, 13, 14};
  const struct {
    int y, h, first;
    std::vector<std::uint16_t> column;
  } cases[] = {{1, 3, 3, {7, 13, 12, 11, 7}},
               {-2, 5, 4, {14, 13, 12, 7, 7}},
               {0, 4, 1, {11, 10, 7, 7, 7}},
               {0, 3, 5, {7, 14, 13, 7, 7}}};
  for (const auto& c : cases) {
    SurfaceBuffer b(1, 5, 7);
    gfx::FillRectRows(b.surface(), 0, c.y, 1, c.h, c.first, table);
    EXPECT_EQ(b.pixels(), c.column) << c.y << " " << c.first;
  }
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

// From 31 the colour is filled solidly; below, each field is (source * a + destination *
// (255 - a)) / 255, truncated.
TEST(FillRectAlpha, OpacityFrom31FillsSolidlyBelowBlends) {
  const struct {
    std::uint16_t under, colour;
    int opacity;
    std::uint16_t want;
  } cases[] = {{0x001F, 0xF800, 31, 0xF800},
               {0x001F, 0xF800, 255, 0xF800},
               {0x001F, 0xF800, 30, (((31 * 30) / 255) << 11) | ((31 * 225) / 255)},
               {0x0000, 0x07E0, 17, ((63 * 17) / 255) << 5},
               {0xABCD, 0xFFFF, 0, 0xABCD}};
  for (const auto& c : cases) {
    SurfaceBuffer b(2, 1, c.under);
    gfx::FillRectAlpha(b.surface(), 1, 0, 1, 1, c.colour, c.opacity);
    EXPECT_EQ(b.pixels(), (std::vector<std::uint16_t>{c.under, c.want})) << c.opacity;
  }
}

}  // namespace
