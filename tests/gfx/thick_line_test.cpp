#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gfx/pixel_picture.h"
#include "gfx/primitives.h"

// The wedges' and crossings' geometry inside the surface is pinned by the golden frames
// (tests/game/render_checksum_test.cpp draws every link style); here the edges and limits.
namespace {

using gfx::SurfaceBuffer;
using gfx::testing::countColour;
using gfx::testing::kInk;

// Below a width of 1.5, and in style 1 at any width, a link is the plain line; a zero-length
// one is then its one pixel.
TEST(DrawThickLine, ThinLinksAndStyleOneArePlainLines) {
  const struct {
    int x2, y2;
    float width;
    int style;
  } cases[] = {{13, 8, 1.4f, 0}, {13, 8, 1.4f, 1}, {13, 8, 1.4f, 3}, {13, 8, 5.0f, 1},
               {2, 3, 2.0f, 1},  {2, 3, 1.0f, 0},  {2, 3, 1.4f, 3}};
  for (const auto& c : cases) {
    SurfaceBuffer thick(16, 12), line(16, 12);
    gfx::DrawThickLine(thick.surface(), 2, 3, c.x2, c.y2, c.width, kInk, c.style);
    gfx::DrawLine(line.surface(), 2, 3, c.x2, c.y2, kInk);
    EXPECT_EQ(thick.pixels(), line.pixels()) << c.width << ", style " << c.style;
  }
  SurfaceBuffer atThreshold(16, 12), line(16, 12);  // exactly 1.5 already draws the wedges
  gfx::DrawThickLine(atThreshold.surface(), 2, 3, 13, 8, 1.5f, kInk, 0);
  gfx::DrawLine(line.surface(), 2, 3, 13, 8, kInk);
  EXPECT_GT(countColour(atThreshold.surface(), kInk), countColour(line.surface(), kInk));
}

// Wedges and crossings need a direction: a zero-length link draws nothing in them (style 2 even
// when thin), nor does a width that is not a number; huge widths and far points stay in bounds.
TEST(DrawThickLine, DegenerateLinksDrawNothingOrStayInBounds) {
  const struct {
    int x1, x2;
    float width;
    int style;
  } none[] = {{4, 4, 2.0f, 0},
              {4, 4, 2.0f, 2},
              {4, 4, 2.0f, 5},
              {4, 4, 1.0f, 2},
              {1, 6, std::numeric_limits<float>::quiet_NaN(), 0},
              {1, 6, std::numeric_limits<float>::infinity(), 0}};
  for (const auto& c : none) {
    SurfaceBuffer b(8, 8);
    gfx::DrawThickLine(b.surface(), c.x1, c.x1, c.x2, c.x2, c.width, kInk, c.style);
    EXPECT_EQ(countColour(b.surface(), kInk), 0) << c.width << ", style " << c.style;
  }
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
  const Placement placements[] = {{"left, end on", -20, 15, 0, 15, -1, 0, 0, 0},
                                  {"left, side on", 0, 5, 0, 25, -1, 0, 4, 4},
                                  {"right, end on", 29, 15, 49, 15, 1, 0, 0, 0},
                                  {"right, side on", 29, 5, 29, 25, 1, 0, 4, 4},
                                  {"top, end on", 15, -20, 15, 0, 0, -1, -2, 0},
                                  {"top, side on", 5, 0, 25, 0, 0, -1, 2, 4},
                                  {"bottom, end on", 15, 29, 15, 49, 0, 1, 0, 0},
                                  {"bottom, side on", 5, 29, 25, 29, 0, 1, 3, 4}};
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
