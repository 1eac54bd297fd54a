#include <gtest/gtest.h>

#include "gfx/box.h"
#include "gfx/color.h"

namespace {

using gfx::Box;

TEST(BoxIntersect, OverlapAndTouchingEdges) {
  Box out;
  EXPECT_TRUE(gfx::BoxIntersect({0, 0, 10, 10}, {5, 3, 10, 10}, out));
  EXPECT_EQ(out, (Box{5, 3, 5, 7}));
  EXPECT_FALSE(gfx::BoxIntersect({0, 0, 10, 10}, {10, 0, 5, 5}, out));  // touching: width 0
  EXPECT_FALSE(gfx::BoxIntersect({0, 0, 10, 10}, {0, 10, 5, 5}, out));
  EXPECT_FALSE(gfx::BoxIntersect({20, 0, 10, 10}, {0, 0, 5, 5}, out));
  EXPECT_TRUE(gfx::BoxIntersect({-5, -5, 10, 10}, {0, 0, 240, 320}, out));
  EXPECT_EQ(out, (Box{0, 0, 5, 5}));
  EXPECT_TRUE(gfx::BoxIntersect({2, 2, 3, 3}, {0, 0, 240, 320}, out));  // contained
  EXPECT_EQ(out, (Box{2, 2, 3, 3}));
}

TEST(Rgb565From24, Truncates) {
  EXPECT_EQ(gfx::Rgb565From24(0xFFFFFF), 0xFFFF);
  EXPECT_EQ(gfx::Rgb565From24(0x00FF00), 0x07E0);
  EXPECT_EQ(gfx::Rgb565From24(0x0000FF), 0x001F);
  EXPECT_EQ(gfx::Rgb565From24(0x070307), 0x0000);  // below one step in every channel
  EXPECT_EQ(gfx::Rgb565From24(0x123456), 0x11AA);
}

TEST(BlendPixel, WeightsAndFields) {
  std::uint16_t p = 0xFFFF;
  gfx::BlendPixel(p, 0x0000, 0);
  EXPECT_EQ(p, 0xFFFF);
  gfx::BlendPixel(p, 0x1234, 31);
  EXPECT_EQ(p, 0x1234);
  // Halfway toward blue: each field becomes (old * 15 + new * 16) >> 5.
  p = 0xFFFF;
  gfx::BlendPixel(p, 0x001F, 16);
  EXPECT_EQ(p, static_cast<std::uint16_t>(((31 * 15) >> 5) << 11 | ((63 * 15) >> 5) << 5 |
                                          ((31 * 15 + 31 * 16) >> 5)));
}

}  // namespace
