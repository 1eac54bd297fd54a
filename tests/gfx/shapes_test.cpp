#include <gtest/gtest.h>

#include <utility>

#include "gfx/pixel_picture.h"
#include "gfx/primitives.h"

namespace {

using gfx::Point;
using gfx::SurfaceBuffer;
using gfx::testing::countColour;
using gfx::testing::kInk;
using gfx::testing::pic;

TEST(FillEllipse, SmallAndDegenerateRadii) {
  const struct {
    int w, h, cx, cy, rx, ry;
    const char* want;
  } cases[] = {
      {7, 7, 3, 3, 2, 2, ".......\n..###..\n.#####.\n.#####.\n.#####.\n..###..\n.......\n"},
      {5, 3, 2, 1, 0, 0, ".....\n..#..\n.....\n"},
      {9, 3, 4, 1, 3, 0, ".........\n.#######.\n.........\n"},
      {3, 5, 1, 2, 0, 2, ".#.\n.#.\n.#.\n.#.\n.#.\n"},
      {5, 3, 2, 1, -1, 2, ".....\n.....\n.....\n"},
      {5, 3, 2, 1, 100000, 2, ".....\n.....\n.....\n"}};
  for (const auto& c : cases) {
    SurfaceBuffer b(c.w, c.h);
    gfx::FillEllipse(b.surface(), c.cx, c.cy, c.rx, c.ry, kInk);
    EXPECT_EQ(pic(b), c.want) << c.rx << "," << c.ry;
  }
}

// An ellipse crossing any edge, or wholly outside, draws exactly the visible part of the same
// ellipse drawn whole by the inside path on a large surface; centred (8, 5) it just fits and takes
// the edge path.
TEST(FillEllipse, EdgePathCropsAtEveryEdge) {
  struct Centre {
    int x, y;
  };
  for (const auto& [rx, ry] : {std::pair{6, 4}, std::pair{1, 3}, std::pair{5, 0}, std::pair{0, 2}})
    for (const Centre c :
         {Centre{-3, 5}, Centre{14, 5}, Centre{8, -2}, Centre{8, 11}, Centre{-5, -3},
          Centre{17, 12}, Centre{8, 5}, Centre{-6, 5}, Centre{-7, 5}, Centre{22, 5}, Centre{8, -5},
          Centre{8, 14}, Centre{21, 13}}) {
      SurfaceBuffer small(16, 10), big(48, 42);
      gfx::FillEllipse(small.surface(), c.x, c.y, rx, ry, kInk);
      gfx::FillEllipse(big.surface(), c.x + 16, c.y + 16, rx, ry, kInk);
      for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 16; ++x)
          ASSERT_EQ(small.surface().at(x, y), big.surface().at(x + 16, y + 16))
              << rx << "x" << ry << " at " << c.x << "," << c.y << ", pixel " << x << "," << y;
    }
}

TEST(FillTriangle, RowsFromTheTopCornerDownToButNotIncludingTheBottom) {
  SurfaceBuffer b(8, 5);
  gfx::FillTriangle(b.surface(), {0, 0}, {4, 0}, {0, 4}, kInk);
  EXPECT_EQ(pic(b), "####....\n###.....\n##......\n#.......\n........\n");

  const Point p0{4, 0}, p1{0, 4}, p2{8, 4};
  SurfaceBuffer apex(10, 5);
  gfx::FillTriangle(apex.surface(), p0, p1, p2, kInk);
  EXPECT_EQ(pic(apex), "....#.....\n...##.....\n..####....\n.######...\n..........\n");

  SurfaceBuffer flat(8, 4);  // one row is one span
  gfx::FillTriangle(flat.surface(), {1, 2}, {5, 2}, {3, 2}, kInk);
  EXPECT_EQ(pic(flat), "........\n........\n.####...\n........\n");

  // Running past the surface's bottom and sides: rows 1 .. 5, spans clamped to the width.
  SurfaceBuffer tall(10, 6);
  gfx::FillTriangle(tall.surface(), {4, 0}, {-6, 10}, {14, 10}, kInk);
  EXPECT_EQ(pic(tall), "..........\n...##.....\n..####....\n.######...\n########..\n#########.\n");

  SurfaceBuffer far(16, 16);  // far-away corners stay in bounds
  gfx::FillTriangle(far.surface(), {-100000, -5}, {100000, 3}, {0, 1000000}, kInk);
  gfx::FillTriangle(far.surface(), {-2000000000, 0}, {2000000000, 0}, {0, 2000000000}, kInk);
  EXPECT_GT(countColour(far.surface(), kInk), 0);
}

}  // namespace
