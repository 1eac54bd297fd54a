#include <gtest/gtest.h>

#include "gfx/pixel_picture.h"
#include "gfx/primitives.h"

namespace {

using gfx::SurfaceBuffer;
using gfx::testing::countColour;
using gfx::testing::kInk;
using gfx::testing::pic;

struct Segment {
  int x1, y1, x2, y2;
  friend bool operator==(const Segment&, const Segment&) = default;
};

TEST(ClipSegment, KeepsInsideCutsOutsideAndRefusesMisses) {
  const struct {
    Segment in;
    bool kept;
    Segment out;
  } cases[] = {
      {{2, 3, 7, 8}, true, {2, 3, 7, 8}},
      {{-5, 5, 5, 5}, true, {0, 5, 5, 5}},      // horizontal, left end outside
      {{-2, -2, 12, 12}, true, {0, 0, 9, 9}},   // both ends outside, through two corners
      {{3, -4, 3, 20}, true, {3, 0, 3, 9}},     // vertical: cut to the rows directly
      {{-4, 1, 6, 4}, true, {0, 2, 6, 4}},      // crossing the left edge at y = 2.2, truncated
      {{12, 4, 4, 12}, true, {9, 7, 7, 9}},     // right edge at y = 6, bottom at x = 7
      {{-5, 2, 2, -5}, false, {-5, 2, 2, -5}},  // boxes overlap, the line passes outside
      {{-10, 0, -1, 9}, false, {-10, 0, -1, 9}},
      {{-2000000000, 4, 2000000000, 4}, true, {0, 4, 9, 4}},  // no 32-bit difference
  };
  for (const auto& c : cases) {
    Segment s = c.in;
    EXPECT_EQ(gfx::ClipSegment(s.x1, s.y1, s.x2, s.y2, 0, 0, 9, 9), c.kept) << c.in.x1;
    EXPECT_EQ(s, c.out) << c.in.x1 << "," << c.in.y1;
  }
}

TEST(DrawLine, IsFourConnectedStartsAtTheFirstPointAndDrawsNothingWhollyOutside) {
  const char* kNone = "......\n......\n......\n......\n......\n";
  const struct {
    int x1, y1, x2, y2;
    const char* want;
  } cases[] = {{0, 0, 3, 3, "##....\n.##...\n..##..\n...#..\n......\n"},
               {3, 3, 0, 0, "#.....\n##....\n.##...\n..##..\n......\n"},
               {0, 0, 4, 1, "##....\n.####.\n......\n......\n......\n"},
               {2, 1, 2, 4, "......\n..#...\n..#...\n..#...\n..#...\n"},
               {1, 4, 1, 0, ".#....\n.#....\n.#....\n.#....\n.#....\n"},
               {1, 1, 1, 1, "......\n.#....\n......\n......\n......\n"},
               {-8, 0, -1, 4, kNone},
               {0, 5, 5, 9, kNone},
               {6, 0, 9, 4, kNone},
               {0, -1, 5, -7, kNone}};
  for (const auto& c : cases) {
    SurfaceBuffer b(6, 5);
    gfx::DrawLine(b.surface(), c.x1, c.y1, c.x2, c.y2, kInk);
    EXPECT_EQ(pic(b), c.want) << c.x1 << "," << c.y1 << "-" << c.x2 << "," << c.y2;
  }
}

// The walk runs over the whole segment, so the pixels inside equal those of the same line drawn
// unclipped on a larger surface, minus column 0 and row 0, which are never written.
TEST(DrawLineClipped, KeepsTheUnclippedWalkStrictlyInside) {
  struct Case {
    int x1, y1, x2, y2;
  };
  for (const Case c : {Case{-3, -1, 6, 2}, Case{2, -4, 9, 7}, Case{11, 1, -2, 3}, Case{5, 9, 1, -3},
                       Case{-4, 5, 12, 0}, Case{3, 3, 3, 3}, Case{0, 0, 0, 5}, Case{0, 0, 7, 0},
                       Case{8, 0, 8, 5}, Case{-5, 6, 7, 6}, Case{-3, 2, 12, 2}}) {
    SurfaceBuffer small(8, 6), big(24, 22);
    gfx::DrawLineClipped(small.surface(), c.x1, c.y1, c.x2, c.y2, kInk);
    gfx::DrawLine(big.surface(), c.x1 + 8, c.y1 + 8, c.x2 + 8, c.y2 + 8, kInk);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 8; ++x) {
        const std::uint16_t expected = x > 0 && y > 0 ? big.surface().at(x + 8, y + 8) : 0;
        EXPECT_EQ(small.surface().at(x, y), expected)
            << c.x1 << "," << c.y1 << "-" << c.x2 << "," << c.y2 << " at " << x << "," << y;
      }
  }
}

// Arms of half the size; on a 480-wide surface they are two pixels thick, the second arms drawn
// with the strict bounds test.
TEST(DrawCross, ArmsOfHalfTheSizeDoubledOnA480WideSurface) {
  SurfaceBuffer b(480, 8);
  gfx::DrawCross(b.surface(), 100, 4, 5, kInk);  // 5 >> 1 = 2
  const gfx::Surface& s = b.surface();
  for (int i = -2; i <= 2; ++i)
    for (int t = 0; t < 2; ++t) {
      EXPECT_EQ(s.at(100 + t, 4 + i), kInk) << i << "," << t;
      EXPECT_EQ(s.at(100 + i, 4 + t), kInk) << i << "," << t;
    }
  EXPECT_EQ(countColour(s, kInk), 16);

  // In the top-right corner the extra column (480) is cut, the extra row (1) is kept.
  SurfaceBuffer edge(480, 8);
  gfx::DrawCross(edge.surface(), 479, 0, 4, kInk);
  EXPECT_EQ(countColour(edge.surface(), kInk), 7);
  EXPECT_EQ(edge.surface().at(477, 1), kInk);
  EXPECT_EQ(edge.surface().at(479, 2), kInk);

  // Any other width draws single arms, clipped at the corner.
  SurfaceBuffer narrow(479, 8);
  gfx::DrawCross(narrow.surface(), 100, 4, 4, kInk);
  EXPECT_EQ(countColour(narrow.surface(), kInk), 9);
  EXPECT_EQ(narrow.surface().at(102, 4), kInk);
  SurfaceBuffer corner(9, 9);
  gfx::DrawCross(corner.surface(), 0, 0, 4, kInk);
  EXPECT_EQ(countColour(corner.surface(), kInk), 5);
}

}  // namespace
