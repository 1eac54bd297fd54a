// The drawing kit's compositing: soft edges must fade in alpha, never in colour, or every
// translucent picture gets a dark fringe on the game's sky.
#include <gtest/gtest.h>

#include "assetgen/art/canvas.h"

namespace {

using assetgen::argb;

TEST(ArtCanvas, BlurAndBlendFadeEdgesWithoutDarkeningThem) {
  tools::ArgbImage disc(21, 21, 0);
  assetgen::fillDisc(disc, 10.5f, 10.5f, 6, [](float, float) { return 0xFFFFFFFFu; });
  const tools::ArgbImage soft = assetgen::blur(disc, 2);
  int translucent = 0;
  for (std::uint32_t p : soft.pixels) {
    if ((p >> 24) == 0) continue;
    EXPECT_EQ(p & 0xFFFFFF, 0xFFFFFFu) << std::hex << p;
    translucent += (p >> 24) < 255;
  }
  EXPECT_GT(translucent, 40) << "the blur spreads a soft rim";
  EXPECT_EQ(soft.at(10, 10) >> 24, 255u) << "the middle stays opaque";
  EXPECT_EQ(soft.at(0, 0), 0u) << "far corners stay clear";

  // A half-covered pixel over nothing keeps its colour and gets half the alpha.
  tools::ArgbImage one(1, 1, 0);
  assetgen::blend(one, 0, 0, argb(255, 200, 100, 50), 0.5f);
  EXPECT_EQ(one.at(0, 0), argb(128, 200, 100, 50));
  assetgen::blend(one, 3, 0, argb(255, 0, 0, 0));  // outside: ignored, no crash
}

}  // namespace
