#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gfx/pixel_picture.h"
#include "gfx/primitives.h"

namespace {

using gfx::SurfaceBuffer;
using gfx::testing::countColour;
using gfx::testing::picture;

constexpr std::uint16_t kInk = 0x1234;

std::string pic(const SurfaceBuffer& b) { return picture(b.surface(), 0, {{kInk, '#'}}); }

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
  SurfaceBuffer dot(8, 8);  // style 1 is DrawLine: one pixel
  gfx::DrawThickLine(dot.surface(), 4, 4, 4, 4, 2.0f, kInk, 1);
  EXPECT_EQ(countColour(dot.surface(), kInk), 1);

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

}  // namespace
