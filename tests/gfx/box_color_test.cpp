#include <gtest/gtest.h>

#include "gfx/box.h"
#include "gfx/color.h"

namespace {

using gfx::Box;

TEST(BoxIntersect, OverlapTouchingAndContained) {
  const struct {
    Box a, b;
    bool overlap;
    Box out;
  } cases[] = {{{0, 0, 10, 10}, {5, 3, 10, 10}, true, {5, 3, 5, 7}},
               {{0, 0, 10, 10}, {10, 0, 5, 5}, false, {}},  // touching: width 0
               {{0, 0, 10, 10}, {0, 10, 5, 5}, false, {}},
               {{20, 0, 10, 10}, {0, 0, 5, 5}, false, {}},
               {{-5, -5, 10, 10}, {0, 0, 240, 320}, true, {0, 0, 5, 5}},
               {{2, 2, 3, 3}, {0, 0, 240, 320}, true, {2, 2, 3, 3}}};
  for (const auto& c : cases) {
    Box out;
    EXPECT_EQ(gfx::BoxIntersect(c.a, c.b, out), c.overlap) << c.a.x << "," << c.b.x;
    if (c.overlap) {
      EXPECT_EQ(out, c.out);
    }
  }
}

TEST(Rgb565From24, Truncates) {  // 0x070307 is below one step in every channel
  for (const auto& [rgb, want] : {std::pair{0xFFFFFFu, 0xFFFF},
                                  {0x00FF00u, 0x07E0},
                                  {0x0000FFu, 0x001F},
                                  {0x070307u, 0x0000},
                                  {0x123456u, 0x11AA}})
    EXPECT_EQ(gfx::Rgb565From24(rgb), want) << std::hex << rgb;
}

// Weight 0 keeps the pixel, 31 replaces it; in between each 5/6/5-bit field is
// (old * (31 - weight) + colour * weight) >> 5 on its own.
TEST(BlendPixel, BlendsEachFieldOnItsOwn) {
  const std::uint16_t cases[][4] = {{0xFFFF, 0x0000, 0, 0xFFFF},  {0xFFFF, 0x1234, 31, 0x1234},
                                    {0xFFFF, 0x0000, 16, 0x73AE}, {0x0000, 0xFFFF, 16, 0x7BEF},
                                    {0xF800, 0x07E0, 1, 0xE820},  {0x001F, 0xF800, 30, 0xE800},
                                    {0x1234, 0xEDCB, 23, 0xACAC}, {0x8410, 0x7BEF, 7, 0x7BCF}};
  for (const auto& [old, colour, weight, want] : cases) {
    std::uint16_t p = old;
    gfx::BlendPixel(p, colour, weight);
    EXPECT_EQ(p, want) << std::hex << old << " " << colour << " " << weight;
  }
}

}  // namespace
