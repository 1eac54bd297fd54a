#include <gtest/gtest.h>

#include "gfx/pixel_picture.h"
#include "gfx/primitives.h"

namespace {

using gfx::Point;
using gfx::SurfaceBuffer;
using gfx::testing::countColour;

using gfx::testing::kInk;
using gfx::testing::pic;

TEST(FillEllipse, SmallCircleInside) {
  SurfaceBuffer b(9, 9);
  gfx::FillEllipse(b.surface(), 4, 4, 2, 2, kInk);
  EXPECT_EQ(pic(b),
            ".........\n"
            ".........\n"
            "...###...\n"
            "..#####..\n"
            "..#####..\n"
            "..#####..\n"
            "...###...\n"
            ".........\n"
            ".........\n");
}

TEST(FillEllipse, DegenerateRadii) {
  SurfaceBuffer dot(5, 5);
  gfx::FillEllipse(dot.surface(), 2, 2, 0, 0, kInk);
  EXPECT_EQ(pic(dot), ".....\n.....\n..#..\n.....\n.....\n");

  SurfaceBuffer flat(9, 3);
  gfx::FillEllipse(flat.surface(), 4, 1, 3, 0, kInk);
  EXPECT_EQ(pic(flat), ".........\n.#######.\n.........\n");

  SurfaceBuffer thin(3, 7);
  gfx::FillEllipse(thin.surface(), 1, 3, 0, 2, kInk);
  EXPECT_EQ(pic(thin), "...\n.#.\n.#.\n.#.\n.#.\n.#.\n...\n");

  SurfaceBuffer negative(5, 5);
  gfx::FillEllipse(negative.surface(), 2, 2, -1, 2, kInk);
  gfx::FillEllipse(negative.surface(), 2, 2, 100000, 2, kInk);
  EXPECT_EQ(countColour(negative.surface(), kInk), 0);
}

TEST(FillEllipse, ClipsAtTheEdgesAndSkipsWhollyOutside) {
  SurfaceBuffer corner(5, 5);
  gfx::FillEllipse(corner.surface(), 0, 0, 2, 2, kInk);
  EXPECT_EQ(pic(corner), "###..\n###..\n##...\n.....\n.....\n");

  SurfaceBuffer rim(5, 9);  // centre two pixels left of the surface: only column 0 is reached
  gfx::FillEllipse(rim.surface(), -2, 4, 2, 2, kInk);
  EXPECT_EQ(pic(rim), ".....\n.....\n.....\n#....\n#....\n#....\n.....\n.....\n.....\n");

  SurfaceBuffer outside(8, 8);
  gfx::FillEllipse(outside.surface(), -3, 4, 2, 2, kInk);
  gfx::FillEllipse(outside.surface(), 11, 4, 2, 2, kInk);
  gfx::FillEllipse(outside.surface(), 4, -3, 2, 2, kInk);
  gfx::FillEllipse(outside.surface(), 4, 11, 2, 2, kInk);
  gfx::FillEllipse(outside.surface(), 10, 10, 2, 2, kInk);  // diagonal: passes the test, clipped
  EXPECT_EQ(countColour(outside.surface(), kInk), 0);
}

// The inside path (no tests) and the edge path (clamped spans) must draw the same pixels.
TEST(FillEllipse, InsideAndEdgePathsAgree) {
  for (int rx = 0; rx <= 12; ++rx) {
    for (int ry = 0; ry <= 12; ++ry) {
      // On the large surface the centre is far inside; on the tight one the margin test fails
      // (cx = W - rx - 2) although the whole ellipse still fits.
      SurfaceBuffer large(64, 64);
      gfx::FillEllipse(large.surface(), 32, 32, rx, ry, kInk);
      const int w = 2 * rx + 3, h = 2 * ry + 3;
      SurfaceBuffer tight(w, h);
      gfx::FillEllipse(tight.surface(), rx + 1, ry + 1, rx, ry, kInk);
      int expected = 0;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          const int lx = 32 - rx - 1 + x, ly = 32 - ry - 1 + y;
          EXPECT_EQ(tight.surface().at(x, y), large.surface().at(lx, ly))
              << "rx " << rx << " ry " << ry << " at " << x << "," << y;
          expected += tight.surface().at(x, y) == kInk;
        }
      // Nothing outside the bounding box, and the shape is symmetric about the centre.
      EXPECT_EQ(countColour(large.surface(), kInk), expected) << rx << " " << ry;
      for (int dy = -ry; dy <= ry; ++dy)
        for (int dx = -rx; dx <= rx; ++dx)
          EXPECT_EQ(large.surface().at(32 + dx, 32 + dy), large.surface().at(32 - dx, 32 - dy));
      // Roughly the area of the ellipse.
      if (rx >= 4 && ry >= 4) {
        const double area = 3.14159265 * (rx + 0.5) * (ry + 0.5);
        EXPECT_NEAR(expected, area, area * 0.12) << rx << " " << ry;
      }
    }
  }
}

// An ellipse crossing any edge draws exactly the visible part of the same ellipse drawn whole.
TEST(FillEllipse, EdgePathCropsAtEveryEdge) {
  struct Centre {
    int x, y;
  };
  const int rx = 6, ry = 4;
  for (const Centre c : {Centre{-3, 5}, Centre{14, 5}, Centre{8, -2}, Centre{8, 11}, Centre{-5, -3},
                         Centre{17, 12}, Centre{8, 5}}) {
    SurfaceBuffer small(16, 10), big(48, 42);
    gfx::FillEllipse(small.surface(), c.x, c.y, rx, ry, kInk);
    gfx::FillEllipse(big.surface(), c.x + 16, c.y + 16, rx, ry, kInk);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 16; ++x)
        EXPECT_EQ(small.surface().at(x, y), big.surface().at(x + 16, y + 16))
            << c.x << "," << c.y << " at " << x << "," << y;
  }
}

TEST(FillTriangle, FlatTopAndApex) {
  SurfaceBuffer b(8, 5);
  gfx::FillTriangle(b.surface(), {0, 0}, {4, 0}, {0, 4}, kInk);
  EXPECT_EQ(pic(b),
            "####....\n"
            "###.....\n"
            "##......\n"
            "#.......\n"
            "........\n");  // the bottom row is not filled

  SurfaceBuffer apex(10, 6);
  gfx::FillTriangle(apex.surface(), {0, 4}, {8, 4}, {4, 0}, kInk);
  EXPECT_EQ(pic(apex),
            "....#.....\n"
            "...##.....\n"
            "..####....\n"
            ".######...\n"
            "..........\n"
            "..........\n");
}

TEST(FillTriangle, OneRowIsOneSpan) {
  SurfaceBuffer b(8, 4);
  gfx::FillTriangle(b.surface(), {1, 2}, {5, 2}, {3, 2}, kInk);
  EXPECT_EQ(pic(b), "........\n........\n.####...\n........\n");
}

TEST(FillTriangle, ClippedTrianglesSkipTheIntersectionsTopRow) {
  const Point p0{4, 0}, p1{0, 4}, p2{8, 4};
  SurfaceBuffer b(10, 6);
  const gfx::Box clip{0, 1, 10, 5};
  gfx::FillTriangle(b.surface(), p0, p1, p2, kInk, &clip);
  EXPECT_EQ(pic(b),
            "..........\n"
            "..........\n"
            "..####....\n"
            ".######...\n"
            "..........\n"
            "..........\n");

  // A clip rect larger than the surface is cut to it: the triangle counts as unclipped.
  SurfaceBuffer wide(10, 6);
  const gfx::Box huge{-10, -10, 100, 100};
  gfx::FillTriangle(wide.surface(), p0, p1, p2, kInk, &huge);
  EXPECT_EQ(countColour(wide.surface(), kInk), 1 + 2 + 4 + 6);

  // Running past the surface's bottom and sides: rows 1 .. 5, spans clamped to the width.
  SurfaceBuffer tall(10, 6);
  gfx::FillTriangle(tall.surface(), {4, 0}, {-6, 10}, {14, 10}, kInk);
  EXPECT_EQ(pic(tall),
            "..........\n"
            "...##.....\n"
            "..####....\n"
            ".######...\n"
            "########..\n"
            "#########.\n");
}

TEST(FillTriangle, FarAwayCornersStayInBounds) {
  SurfaceBuffer b(16, 16);
  gfx::FillTriangle(b.surface(), {-100000, -5}, {100000, 3}, {0, 1000000}, kInk);
  gfx::FillTriangle(b.surface(), {-2000000000, 0}, {2000000000, 0}, {0, 2000000000}, kInk);
  EXPECT_GT(countColour(b.surface(), kInk), 0);
}

}  // namespace
