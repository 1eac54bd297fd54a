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
  } cases[] = {
      {{0, 0, 10, 10}, {5, 3, 10, 10}, true, {5, 3, 5, 7}},
      {{0, 0, 10, 10}, {10, 0, 5, 5}, false, {}},  // touching: width 0
      {{0, 0, 10, 10}, {0, 10, 5, 5}, false, {}},
      {{20, 0, 10, 10}, {0, 0, 5, 5}, false, {}},
      {{-5, -5, 10, 10}, {0, 0, 240, 320}, true, {0, 0, 5, 5}},
      {{2, 2, 3, 3}, {0, 0, 240, 320}, true, {2, 2, 3, 3}},
  };
  for (const auto& c : cases) {
    Box out;
    EXPECT_EQ(gfx::BoxIntersect(c.a, c.b, out), c.overlap) << c.a.x << "," << c.b.x;
    if (c.overlap) {
      EXPECT_EQ(out, c.out);
    }
  }
}

TEST(Rgb565From24, Truncates) {
  EXPECT_EQ(gfx::Rgb565From24(0xFFFFFF), 0xFFFF);
  EXPECT_EQ(gfx::Rgb565From24(0x00FF00), 0x07E0);
  EXPECT_EQ(gfx::Rgb565From24(0x0000FF), 0x001F);
  EXPECT_EQ(gfx::Rgb565From24(0x070307), 0x0000);  // below one step in every channel
  EXPECT_EQ(gfx::Rgb565From24(0x123456), 0x11AA);
}

// Weight 0 keeps the pixel, 31 replaces it; in between each 5/6/5-bit field is worked out on
// its own, for every 16-bit value on either side of the blend.
TEST(BlendPixel, EqualsTheBlendOfEachField) {
  std::uint16_t p = 0xFFFF;
  gfx::BlendPixel(p, 0x0000, 0);
  EXPECT_EQ(p, 0xFFFF);
  gfx::BlendPixel(p, 0x1234, 31);
  EXPECT_EQ(p, 0x1234);
  const auto reference = [](std::uint32_t old, std::uint32_t colour, std::uint32_t weight) {
    const std::uint32_t keep = 31 - weight;
    const std::uint32_t r = (((old >> 11) & 0x1F) * keep + ((colour >> 11) & 0x1F) * weight) >> 5;
    const std::uint32_t g = (((old >> 5) & 0x3F) * keep + ((colour >> 5) & 0x3F) * weight) >> 5;
    const std::uint32_t b = ((old & 0x1F) * keep + (colour & 0x1F) * weight) >> 5;
    return static_cast<std::uint16_t>((r << 11) | (g << 5) | b);
  };
  const std::uint16_t others[] = {0x0000, 0xFFFF, 0xF800, 0x07E0, 0x001F, 0x8410,
                                  0x7BEF, 0xF7DA, 0x5CFF, 0x1234, 0xEDCB, 0x0821};
  int mismatches = 0;
  for (int weight = 1; weight < 31; ++weight)
    for (std::uint32_t v = 0; v <= 0xFFFF; ++v)
      for (const std::uint16_t other : others) {
        std::uint16_t onto = static_cast<std::uint16_t>(v), under = other;
        gfx::BlendPixel(onto, other, weight);
        gfx::BlendPixel(under, static_cast<std::uint16_t>(v), weight);
        mismatches += onto != reference(v, other, static_cast<std::uint32_t>(weight));
        mismatches += under != reference(other, v, static_cast<std::uint32_t>(weight));
      }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
