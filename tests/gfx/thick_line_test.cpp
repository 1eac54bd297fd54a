#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "gfx/pixel_picture.h"
#include "gfx/primitives.h"

namespace {

using gfx::SurfaceBuffer;
using gfx::testing::countColour;

using gfx::testing::kInk;
using gfx::testing::pic;

TEST(DrawThickLine, BelowOnePointFiveIsAPlainLine) {
  for (const int style : {0, 1, 3}) {
    SurfaceBuffer thick(16, 12), line(16, 12);
    gfx::DrawThickLine(thick.surface(), 2, 3, 13, 8, 1.4f, kInk, style);
    gfx::DrawLine(line.surface(), 2, 3, 13, 8, kInk);
    EXPECT_EQ(thick.pixels(), line.pixels()) << style;
  }
  // Style 1 is a plain line whatever the width.
  SurfaceBuffer one(16, 12), line(16, 12);
  gfx::DrawThickLine(one.surface(), 2, 3, 13, 8, 5.0f, kInk, 1);
  gfx::DrawLine(line.surface(), 2, 3, 13, 8, kInk);
  EXPECT_EQ(one.pixels(), line.pixels());
}

TEST(DrawThickLine, TwoWedgesMeetingInTheMiddle) {
  SurfaceBuffer b(16, 9);
  gfx::DrawThickLine(b.surface(), 2, 5, 12, 5, 2.0f, kInk, 0);
  EXPECT_EQ(pic(b),
            "................\n"
            "................\n"
            "................\n"
            "..#.........#...\n"
            "..###....###....\n"
            "..##########....\n"
            "..###....###....\n"
            "................\n"
            "................\n");
  SurfaceBuffer atThreshold(16, 9);  // exactly 1.5 already draws the wedges
  gfx::DrawThickLine(atThreshold.surface(), 2, 5, 12, 5, 1.5f, kInk, 0);
  EXPECT_GT(countColour(atThreshold.surface(), kInk), 11);
}

TEST(DrawThickLine, DiagonalWedgesUseTheUnitPerpendicular) {
  // (2, 2) to (12, 12), half width 3: n = (10, -10) / |..| = (0.7071, -0.7071), offsets +-2.12,
  // truncated corners (4, -0) / (-0, 4) at the first end, tips at (8, 8) and (6, 6).
  SurfaceBuffer b(16, 16), expected(16, 16);
  gfx::DrawThickLine(b.surface(), 2, 2, 12, 12, 3.0f, kInk, 0);
  gfx::FillTriangle(expected.surface(), {4, 0}, {8, 8}, {0, 4}, kInk);
  gfx::FillTriangle(expected.surface(), {14, 9}, {6, 6}, {9, 14}, kInk);
  EXPECT_EQ(b.pixels(), expected.pixels());
  EXPECT_EQ(b.surface().at(7, 7), kInk);  // the wedges overlap along the middle
}

TEST(DrawThickLine, StyleTwoCrossesTwoOffsetLines) {
  SurfaceBuffer b(16, 9), expected(16, 9);
  gfx::DrawThickLine(b.surface(), 2, 5, 12, 5, 2.0f, kInk, 2);
  // The perpendicular of a rightward link points up (0, -1).
  gfx::DrawLine(expected.surface(), 2, 3, 12, 7, kInk);
  gfx::DrawLine(expected.surface(), 2, 7, 12, 3, kInk);
  EXPECT_EQ(b.pixels(), expected.pixels());
}

TEST(DrawThickLine, ZeroLengthOrBadWidthDrawsNothing) {
  for (const int style : {0, 2, 5}) {
    SurfaceBuffer b(8, 8);
    gfx::DrawThickLine(b.surface(), 4, 4, 4, 4, 2.0f, kInk, style);
    EXPECT_EQ(countColour(b.surface(), kInk), 0) << style;
  }
  // A plain line needs no direction: style 1, or a thin link, draws its one pixel.
  for (const auto& [width, style] : {std::pair{2.0f, 1}, std::pair{1.0f, 0}, std::pair{1.4f, 3}}) {
    SurfaceBuffer dot(8, 8);
    gfx::DrawThickLine(dot.surface(), 4, 4, 4, 4, width, kInk, style);
    EXPECT_EQ(pic(dot),
              "........\n........\n........\n........\n....#...\n........\n........\n"
              "........\n")
        << style;
  }
  SurfaceBuffer crossing(8, 8);  // style 2 needs the direction even when thin
  gfx::DrawThickLine(crossing.surface(), 4, 4, 4, 4, 1.0f, kInk, 2);
  EXPECT_EQ(countColour(crossing.surface(), kInk), 0);

  SurfaceBuffer bad(8, 8);
  gfx::DrawThickLine(bad.surface(), 1, 1, 6, 6, std::numeric_limits<float>::quiet_NaN(), kInk, 0);
  gfx::DrawThickLine(bad.surface(), 1, 1, 6, 6, std::numeric_limits<float>::infinity(), kInk, 0);
  EXPECT_EQ(countColour(bad.surface(), kInk), 0);
}

TEST(DrawThickLine, HugeWidthsAndFarPointsStayInBounds) {
  SurfaceBuffer b(16, 16);
  gfx::DrawThickLine(b.surface(), 0, 0, 15, 15, 1e30f, kInk, 0);
  gfx::DrawThickLine(b.surface(), -2000000000, 3, 2000000000, 9, 3.0f, kInk, 0);
  gfx::DrawThickLine(b.surface(), -2000000, 3, 2000000, 9, 3.0f, kInk, 2);
  EXPECT_GT(countColour(b.surface(), kInk), 0);
}

// Links moved out across each edge, end on and side on: each draws while any pixel of it is
// inside and nothing once it is wholly beyond the edge, in both the wedge and the crossing style.
// End on, the end point's row or column is the last to leave; side on, the corners half a width
// (4) either side of it. Wedges never fill a triangle's bottom row, nor in a triangle cut by the
// top edge its first visible row, so they leave the top and bottom edges sooner.
TEST(DrawThickLine, LinksJustOutsideTheSurfaceDrawUntilWhollyOutside) {
  struct Placement {
    const char* name;
    int x1, y1, x2, y2;         // the link on a 30 by 30 surface at distance 0
    int dx, dy;                 // its step outward for each pixel of distance
    int wedgeReach, lineReach;  // the furthest distance outside at which something is drawn
  };
  const Placement placements[] = {
      {"left, end on", -20, 15, 0, 15, -1, 0, 0, 0},
      {"left, side on", 0, 5, 0, 25, -1, 0, 4, 4},
      {"right, end on", 29, 15, 49, 15, 1, 0, 0, 0},
      {"right, side on", 29, 5, 29, 25, 1, 0, 4, 4},
      {"top, end on", 15, -20, 15, 0, 0, -1, -2, 0},
      {"top, side on", 5, 0, 25, 0, 0, -1, 2, 4},
      {"bottom, end on", 15, 29, 15, 49, 0, 1, 0, 0},
      {"bottom, side on", 5, 29, 25, 29, 0, 1, 3, 4},
  };
  for (const Placement& p : placements)
    for (const int style : {0, 2})
      for (int d = -4; d <= 12; ++d) {
        SurfaceBuffer b(30, 30);
        gfx::DrawThickLine(b.surface(), p.x1 + d * p.dx, p.y1 + d * p.dy, p.x2 + d * p.dx,
                           p.y2 + d * p.dy, 4.0f, kInk, style);
        const int reach = style == 0 ? p.wedgeReach : p.lineReach;
        EXPECT_EQ(countColour(b.surface(), kInk) > 0, d <= reach)
            << p.name << ", style " << style << ", " << d << " outside";
      }
}

}  // namespace
