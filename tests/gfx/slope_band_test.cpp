#include <gtest/gtest.h>

#include <array>

#include "gfx/pixel_picture.h"
#include "gfx/primitives.h"

namespace {

using gfx::SurfaceBuffer;
using gfx::testing::countColour;
using gfx::testing::picture;

constexpr std::uint16_t kFill = 0x0F0F, kEdge = 0xE000;

std::string pic(const SurfaceBuffer& b) {
  return picture(b.surface(), 0, {{kFill, 'f'}, {kEdge, 'e'}});
}

TEST(FillSlopeBand, EdgeFallingToTheRight) {
  SurfaceBuffer b(10, 8);
  gfx::FillSlopeBand(b.surface(), 1, 2, 6, 4, 0, kFill, kEdge);
  EXPECT_EQ(pic(b),
            "..........\n"
            "..........\n"
            ".ee.......\n"
            ".feee.....\n"
            ".fffeee...\n"
            ".fffff....\n"
            ".fffff....\n"
            ".fffff....\n");
  // The end points may come in either order.
  SurfaceBuffer swapped(10, 8);
  gfx::FillSlopeBand(swapped.surface(), 6, 4, 1, 2, 0, kFill, kEdge);
  EXPECT_EQ(swapped.pixels(), b.pixels());
}

TEST(FillSlopeBand, EdgeRisingToTheRight) {
  SurfaceBuffer b(10, 8);
  gfx::FillSlopeBand(b.surface(), 1, 4, 6, 2, 0, kFill, kEdge);
  EXPECT_EQ(pic(b),
            "..........\n"
            "..........\n"
            "....eee...\n"
            "..eeef....\n"
            ".eefff....\n"
            ".fffff....\n"
            ".fffff....\n"
            ".fffff....\n");
}

TEST(FillSlopeBand, BaseSetsTheDepthBelowTheLowerEnd) {
  SurfaceBuffer b(6, 8);
  gfx::FillSlopeBand(b.surface(), 0, 2, 4, 2, -1, kFill, kEdge);  // 2 - (-1) = 3 rows
  EXPECT_EQ(pic(b),
            "......\n"
            "......\n"
            "eeeee.\n"
            "ffff..\n"
            "ffff..\n"
            "......\n"
            "......\n"
            "......\n");
}

TEST(FillSlopeBand, ReachesTheLastColumnAndClips) {
  SurfaceBuffer b(10, 5);
  gfx::FillSlopeBand(b.surface(), 6, 2, 10, 2, 0, kFill, kEdge);  // x = W is inside the clip
  EXPECT_EQ(pic(b),
            "..........\n"
            "..........\n"
            "......eeee\n"
            "......ffff\n"
            "..........\n");

  SurfaceBuffer left(10, 5);
  gfx::FillSlopeBand(left.surface(), -5, 2, 3, 2, 0, kFill, kEdge);
  EXPECT_EQ(pic(left),
            "..........\n"
            "..........\n"
            "eeee......\n"
            "fff.......\n"
            "..........\n");

  SurfaceBuffer none(10, 5);
  gfx::FillSlopeBand(none.surface(), -8, 1, -1, 3, 0, kFill, kEdge);
  gfx::FillSlopeBand(none.surface(), 11, 1, 20, 3, 0, kFill, kEdge);
  gfx::FillSlopeBand(none.surface(), 0, 5, 9, 7, -10, kFill, kEdge);
  EXPECT_EQ(countColour(none.surface(), kFill) + countColour(none.surface(), kEdge), 0);
}

TEST(FillSlopeBand, DoubleEdgeOnA480WideSurface) {
  SurfaceBuffer b(480, 6);
  gfx::FillSlopeBand(b.surface(), 10, 3, 20, 3, 0, kFill, kEdge);
  const gfx::Surface& s = b.surface();
  for (int x = 10; x <= 20; ++x) {
    EXPECT_EQ(s.at(x, 2), kEdge) << x;
    EXPECT_EQ(s.at(x, 3), kEdge) << x;
  }
  for (int x = 10; x < 20; ++x)
    EXPECT_EQ(s.at(x, 4), kFill) << x;
  EXPECT_EQ(s.at(20, 4), 0);
  EXPECT_EQ(countColour(s, kEdge), 22);
}

TEST(FillSlopeBandRows, RowsTakeTableEntriesCountingUpFromTheFirstEnd) {
  std::array<std::uint16_t, 10> table{};
  for (std::size_t i = 0; i < table.size(); ++i)
    table[i] = static_cast<std::uint16_t>(0x100 + i);
  SurfaceBuffer b(10, 8);
  gfx::FillSlopeBandRows(b.surface(), 1, 2, 6, 4, 0, 5, table, kEdge);
  const gfx::Surface& s = b.surface();
  // Row y takes table[5 + (2 - y)], under the edge and in the rectangle below alike.
  EXPECT_EQ(s.at(1, 3), table[4]);
  EXPECT_EQ(s.at(3, 3), kEdge);
  EXPECT_EQ(s.at(1, 4), table[3]);
  EXPECT_EQ(s.at(3, 4), table[3]);
  EXPECT_EQ(s.at(5, 4), kEdge);
  for (int y = 5; y < 8; ++y)
    for (int x = 1; x <= 5; ++x)
      EXPECT_EQ(s.at(x, y), table[5 + 2 - y]) << x << "," << y;
  EXPECT_EQ(s.at(6, 5), 0);

  // Rows whose index leaves the table stay untouched.
  const std::array<std::uint16_t, 3> shortTable{0x201, 0x202, 0x203};
  SurfaceBuffer c(10, 8);
  gfx::FillSlopeBandRows(c.surface(), 1, 2, 6, 4, 0, 5, shortTable, kEdge);
  EXPECT_EQ(c.surface().at(1, 3), 0);  // index 4
  EXPECT_EQ(c.surface().at(1, 4), 0);  // index 3
  EXPECT_EQ(c.surface().at(1, 5), 0x203);
  EXPECT_EQ(c.surface().at(1, 7), 0x201);
}

}  // namespace
