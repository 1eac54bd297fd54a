#include <gtest/gtest.h>

#include <vector>

#include "gfx/pixel_picture.h"
#include "gfx/primitives.h"

namespace {

using gfx::SurfaceBuffer;
using gfx::testing::countColour;

using gfx::testing::kInk;
using gfx::testing::pic;

TEST(FillSpan, ClampsOrdersAndExcludesTheRightEnd) {
  std::vector<std::uint16_t> row(10, 0);
  gfx::FillSpan(row.data(), 5, 5, 10, kInk);
  EXPECT_EQ(row, (std::vector<std::uint16_t>{0, 0, 0, 0, 0, kInk, 0, 0, 0, 0}));

  row.assign(10, 0);
  gfx::FillSpan(row.data(), 9, 5, 10, kInk);  // reversed: pixels 5..8
  EXPECT_EQ(row, (std::vector<std::uint16_t>{0, 0, 0, 0, 0, kInk, kInk, kInk, kInk, 0}));

  row.assign(10, 0);
  gfx::FillSpan(row.data(), -3, 100, 10, kInk);  // clamped to 0..9, the last pixel stays
  EXPECT_EQ(countColour(gfx::makeSurface(row.data(), 10, 1), kInk), 9);
  EXPECT_EQ(row[9], 0);

  row.assign(10, 0);
  gfx::FillSpan(row.data(), 20, 30, 10, kInk);  // both clamp to 9: one pixel
  EXPECT_EQ(row[9], kInk);
  EXPECT_EQ(countColour(gfx::makeSurface(row.data(), 10, 1), kInk), 1);
}

struct Segment {
  int x1, y1, x2, y2;
  friend bool operator==(const Segment&, const Segment&) = default;
};

bool clip(Segment& s) {
  return gfx::ClipSegment(s.x1, s.y1, s.x2, s.y2, 0, 0, 9, 9);
}

TEST(ClipSegment, KeepsInsideCutsOutsideAndRefusesMisses) {
  Segment s{2, 3, 7, 8};
  EXPECT_TRUE(clip(s));
  EXPECT_EQ(s, (Segment{2, 3, 7, 8}));

  s = {-5, 5, 5, 5};  // horizontal, left end outside
  EXPECT_TRUE(clip(s));
  EXPECT_EQ(s, (Segment{0, 5, 5, 5}));

  s = {-2, -2, 12, 12};  // both ends outside, through two corners
  EXPECT_TRUE(clip(s));
  EXPECT_EQ(s, (Segment{0, 0, 9, 9}));

  s = {3, -4, 3, 20};  // vertical: cut to the rows directly
  EXPECT_TRUE(clip(s));
  EXPECT_EQ(s, (Segment{3, 0, 3, 9}));

  s = {-4, 1, 6, 4};  // crossing the left edge at y = 2.2, truncated
  EXPECT_TRUE(clip(s));
  EXPECT_EQ(s, (Segment{0, 2, 6, 4}));

  s = {12, 4, 4, 12};  // crossing the right edge at y = 6 and the bottom at x = 7
  EXPECT_TRUE(clip(s));
  EXPECT_EQ(s, (Segment{9, 7, 7, 9}));

  s = {-5, 2, 2, -5};  // bounding boxes overlap, the line passes the corner outside
  EXPECT_FALSE(clip(s));
  EXPECT_EQ(s, (Segment{-5, 2, 2, -5}));

  s = {-10, 0, -1, 9};  // wholly left
  EXPECT_FALSE(clip(s));

  s = {-2000000000, 4, 2000000000, 4};  // ends too far apart for a 32-bit difference
  EXPECT_TRUE(clip(s));
  EXPECT_EQ(s, (Segment{0, 4, 9, 4}));
}

TEST(DrawLine, IsFourConnected) {
  SurfaceBuffer b(6, 5);
  gfx::DrawLine(b.surface(), 0, 0, 3, 3, kInk);
  EXPECT_EQ(countColour(b.surface(), kInk), 7);
  EXPECT_EQ(pic(b),
            "##....\n"
            ".##...\n"
            "..##..\n"
            "...#..\n"
            "......\n");

  SurfaceBuffer back(6, 5);  // the walk starts at the first point: reversed lines differ
  gfx::DrawLine(back.surface(), 3, 3, 0, 0, kInk);
  EXPECT_EQ(pic(back),
            "#.....\n"
            "##....\n"
            ".##...\n"
            "..##..\n"
            "......\n");

  SurfaceBuffer shallow(6, 3);
  gfx::DrawLine(shallow.surface(), 0, 0, 4, 1, kInk);
  EXPECT_EQ(pic(shallow),
            "##....\n"
            ".####.\n"
            "......\n");
}

TEST(DrawLine, VerticalAndSinglePointLines) {
  SurfaceBuffer b(4, 6);
  gfx::DrawLine(b.surface(), 2, 1, 2, 4, kInk);
  EXPECT_EQ(pic(b),
            "....\n"
            "..#.\n"
            "..#.\n"
            "..#.\n"
            "..#.\n"
            "....\n");
  SurfaceBuffer up(4, 6);
  gfx::DrawLine(up.surface(), 1, 5, 1, 0, kInk);
  EXPECT_EQ(countColour(up.surface(), kInk), 6);

  SurfaceBuffer dot(3, 3);
  gfx::DrawLine(dot.surface(), 1, 1, 1, 1, kInk);
  EXPECT_EQ(pic(dot), "...\n.#.\n...\n");
}

TEST(DrawLine, ClipsAtEveryEdge) {
  SurfaceBuffer b(10, 6);
  gfx::DrawLine(b.surface(), -5, 3, 20, 3, kInk);  // left and right
  gfx::DrawLine(b.surface(), 7, -9, 7, 30, kInk);  // top and bottom
  EXPECT_EQ(pic(b),
            ".......#..\n"
            ".......#..\n"
            ".......#..\n"
            "##########\n"
            ".......#..\n"
            ".......#..\n");

  SurfaceBuffer none(10, 6);
  gfx::DrawLine(none.surface(), -8, 0, -1, 5, kInk);
  gfx::DrawLine(none.surface(), 0, 6, 9, 12, kInk);
  gfx::DrawLine(none.surface(), 10, 0, 14, 5, kInk);
  gfx::DrawLine(none.surface(), 0, -1, 9, -7, kInk);
  EXPECT_EQ(countColour(none.surface(), kInk), 0);

  SurfaceBuffer steep(5, 5);  // a long diagonal from outside to outside stays inside
  gfx::DrawLine(steep.surface(), -20, -22, 24, 26, kInk);
  EXPECT_GT(countColour(steep.surface(), kInk), 4);
}

TEST(DrawLineClipped, WritesOnlyStrictlyInsideTheBounds) {
  SurfaceBuffer b(10, 4);
  gfx::DrawLineClipped(b.surface(), -3, 2, 12, 2, kInk);
  gfx::DrawLineClipped(b.surface(), 0, 0, 9, 0, kInk);  // row 0 is never written
  EXPECT_EQ(pic(b),
            "..........\n"
            "..........\n"
            ".#########\n"
            "..........\n");
}

// The walk runs over the whole segment, so the pixels inside equal those of the same line drawn
// unclipped on a larger surface, minus column 0 and row 0.
TEST(DrawLineClipped, KeepsTheUnclippedWalkAtEveryEdge) {
  struct Case {
    int x1, y1, x2, y2;
  };
  for (const Case c : {Case{-3, -1, 6, 2}, Case{2, -4, 9, 7}, Case{11, 1, -2, 3}, Case{5, 9, 1, -3},
                       Case{-4, 5, 12, 0}, Case{3, 3, 3, 3}}) {
    SurfaceBuffer small(8, 6), big(24, 22);
    gfx::DrawLineClipped(small.surface(), c.x1, c.y1, c.x2, c.y2, kInk);
    gfx::DrawLine(big.surface(), c.x1 + 8, c.y1 + 8, c.x2 + 8, c.y2 + 8, kInk);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 8; ++x) {
        const bool inside = x > 0 && y > 0;
        const std::uint16_t expected = inside ? big.surface().at(x + 8, y + 8) : 0;
        EXPECT_EQ(small.surface().at(x, y), expected)
            << c.x1 << "," << c.y1 << "-" << c.x2 << "," << c.y2 << " at " << x << "," << y;
      }
  }
  SurfaceBuffer none(8, 6);  // along the excluded first column and row, or outside
  gfx::DrawLineClipped(none.surface(), 0, 0, 0, 5, kInk);
  gfx::DrawLineClipped(none.surface(), 0, 0, 7, 0, kInk);
  gfx::DrawLineClipped(none.surface(), 8, 0, 8, 5, kInk);
  gfx::DrawLineClipped(none.surface(), -5, 6, 7, 6, kInk);
  EXPECT_EQ(countColour(none.surface(), kInk), 0);
}

TEST(DrawCross, ArmsOfHalfTheSize) {
  SurfaceBuffer b(9, 9);
  gfx::DrawCross(b.surface(), 4, 4, 5, kInk);  // 5 >> 1 = 2
  EXPECT_EQ(pic(b),
            ".........\n"
            ".........\n"
            "....#....\n"
            "....#....\n"
            "..#####..\n"
            "....#....\n"
            "....#....\n"
            ".........\n"
            ".........\n");

  SurfaceBuffer edge(9, 9);  // clipped at the corner
  gfx::DrawCross(edge.surface(), 0, 0, 4, kInk);
  EXPECT_EQ(countColour(edge.surface(), kInk), 5);
}

TEST(DrawCross, TwoPixelsThickOnA480WideSurface) {
  SurfaceBuffer b(480, 8);
  gfx::DrawCross(b.surface(), 100, 4, 4, kInk);
  const gfx::Surface& s = b.surface();
  for (int y = 2; y <= 6; ++y) {
    EXPECT_EQ(s.at(100, y), kInk) << y;
    EXPECT_EQ(s.at(101, y), kInk) << y;
  }
  for (int x = 98; x <= 102; ++x) {
    EXPECT_EQ(s.at(x, 4), kInk) << x;
    EXPECT_EQ(s.at(x, 5), kInk) << x;
  }
  EXPECT_EQ(countColour(s, kInk), 16);

  // The second arms are drawn with the strict bounds test: in the top-right corner the extra
  // column (480) is cut, the extra row (1) is kept.
  SurfaceBuffer edge(480, 8);
  gfx::DrawCross(edge.surface(), 479, 0, 4, kInk);
  const gfx::Surface& e = edge.surface();
  for (int x = 477; x <= 479; ++x) {
    EXPECT_EQ(e.at(x, 0), kInk) << x;
    EXPECT_EQ(e.at(x, 1), kInk) << x;
  }
  for (int y = 0; y <= 2; ++y)
    EXPECT_EQ(e.at(479, y), kInk) << y;
  EXPECT_EQ(countColour(e, kInk), 7);

  // Any other width, even a hi-res height, draws single arms.
  SurfaceBuffer narrow(479, 8);
  gfx::DrawCross(narrow.surface(), 100, 4, 4, kInk);
  EXPECT_EQ(countColour(narrow.surface(), kInk), 9);
}

}  // namespace
