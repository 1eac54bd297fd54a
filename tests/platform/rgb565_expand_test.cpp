// RGB565 pixels expanded for presenting keep black black, white white and every channel apart.
#include "platform/rgb565_expand.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using platform::ExpandRgb565;

TEST(Rgb565Expand, EndsAndPrimariesLandOnTheirFullValues) {
  EXPECT_EQ(ExpandRgb565(0x0000), 0x000000u);
  EXPECT_EQ(ExpandRgb565(0xFFFF), 0xFFFFFFu);
  EXPECT_EQ(ExpandRgb565(0xF800), 0xFF0000u);
  EXPECT_EQ(ExpandRgb565(0x07E0), 0x00FF00u);
  EXPECT_EQ(ExpandRgb565(0x001F), 0x0000FFu);
  // The lowest step of each channel: 1 of 31 is 8, 1 of 63 is 4.
  EXPECT_EQ(ExpandRgb565(0x0800), 0x080000u);
  EXPECT_EQ(ExpandRgb565(0x0020), 0x000400u);
  EXPECT_EQ(ExpandRgb565(0x0001), 0x000008u);
  // A goo red: 0xE8413C stored as 565 comes back with its top bits intact.
  EXPECT_EQ(ExpandRgb565(0xEA07), 0xEF4139u);
}

TEST(Rgb565Expand, EveryPixelKeepsItsOwnTopBits) {
  std::vector<std::uint16_t> source(65536);
  for (std::size_t i = 0; i < source.size(); ++i)
    source[i] = static_cast<std::uint16_t>(i);
  std::vector<std::uint32_t> target(source.size() + 1, 0xDEADBEEF);
  platform::ExpandRgb565Pixels(source.data(), target.data(), source.size());
  for (std::size_t i = 0; i < source.size(); ++i) {
    const std::uint32_t c = target[i];
    ASSERT_EQ(c >> 24, 0u) << i;
    const std::uint32_t back = ((c >> 19) & 31) << 11 | ((c >> 10) & 63) << 5 | ((c >> 3) & 31);
    ASSERT_EQ(back, i) << "pixel " << i << " expanded to " << std::hex << c;
  }
  EXPECT_EQ(target.back(), 0xDEADBEEFu);  // nothing written past count
}

}  // namespace
