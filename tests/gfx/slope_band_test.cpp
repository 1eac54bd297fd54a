#include <gtest/gtest.h>

#include <array>

#include "gfx/pixel_picture.h"
#include "gfx/primitives.h"

namespace {

using gfx::SurfaceBuffer;
using gfx::testing::picture;

constexpr std::uint16_t kFill = 0x0F0F, kEdge = 0xE000;

// The edge from (x1, y1) to (x2, y2), filled below down to `base` rows under the lower end; the
// end points may come in either order, x = W is still inside the clip.
TEST(FillSlopeBand, EdgeAndFillBelowIt) {
  const struct {
    int w, h, x1, y1, x2, y2, base;
    const char* want;
  } cases[] = {
      {10, 8, 1, 2, 6, 4, 0,
       "..........\n..........\n.ee.......\n.feee.....\n.fffeee...\n.fffff....\n.fffff....\n.fffff."
       "...\n"},
      {10, 8, 6, 4, 1, 2, 0,
       "..........\n..........\n.ee.......\n.feee.....\n.fffeee...\n.fffff....\n.fffff....\n.fffff."
       "...\n"},
      {10, 8, 1, 4, 6, 2, 0,
       "..........\n..........\n....eee...\n..eeef....\n.eefff....\n.fffff....\n.fffff....\n.fffff."
       "...\n"},
      {6, 8, 0, 2, 4, 2, -1, "......\n......\neeeee.\nffff..\nffff..\n......\n......\n......\n"},
      {10, 5, 6, 2, 10, 2, 0, "..........\n..........\n......eeee\n......ffff\n..........\n"},
      {10, 5, -5, 2, 3, 2, 0, "..........\n..........\neeee......\nfff.......\n..........\n"},
      {10, 5, -8, 1, -1, 3, 0, "..........\n..........\n..........\n..........\n..........\n"},
      {10, 5, 11, 1, 20, 3, 0, "..........\n..........\n..........\n..........\n..........\n"},
      {10, 5, 0, 5, 9, 7, -10, "..........\n..........\n..........\n..........\n..........\n"}};
  for (const auto& c : cases) {
    SurfaceBuffer b(c.w, c.h);
    gfx::FillSlopeBand(b.surface(), c.x1, c.y1, c.x2, c.y2, c.base, kFill, kEdge);
    EXPECT_EQ(picture(b.surface(), 0, {{kFill, 'f'}, {kEdge, 'e'}}), c.want)
        << c.x1 << "," << c.y1 << "-" << c.x2 << "," << c.y2;
  }
}

TEST(FillSlopeBand, DoubleEdgeOnA480WideSurface) {
  SurfaceBuffer b(480, 6);
  gfx::FillSlopeBand(b.surface(), 10, 3, 20, 3, 0, kFill, kEdge);
  const gfx::Surface& s = b.surface();
  for (int x = 10; x <= 20; ++x) {
    EXPECT_EQ(s.at(x, 2), kEdge) << x;
    EXPECT_EQ(s.at(x, 3), kEdge) << x;
    EXPECT_EQ(s.at(x, 4), x < 20 ? kFill : 0) << x;
  }
  EXPECT_EQ(gfx::testing::countColour(s, kEdge), 22);
}

// Row y takes table[first + (y1 - y)] (the golden frames pin the earth drawn so); rows whose
// index leaves the table stay untouched, under the edge and in the rectangle below alike.
TEST(FillSlopeBandRows, RowsOutsideTheTableStayUntouched) {
  const std::array<std::uint16_t, 3> table{0x201, 0x202, 0x203};
  SurfaceBuffer b(10, 8);
  gfx::FillSlopeBandRows(b.surface(), 1, 2, 6, 4, 0, 5, table, kEdge);
  const std::uint16_t column[] = {0, 0, 0, 0, 0, 0x203, 0x202, 0x201};  // indexes 9 .. 2
  for (int y = 0; y < 8; ++y)
    EXPECT_EQ(b.surface().at(1, y), y == 2 ? kEdge : column[y]) << y;
}

}  // namespace
