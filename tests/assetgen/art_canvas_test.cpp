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

TEST(ArtCanvas, ShadowLiesBelowTheShapeAndFlipTurnsRowsOver) {
  tools::ArgbImage shape(12, 12, 0);
  shape.at(3, 3) = argb(255, 255, 0, 0);
  const tools::ArgbImage shaded = assetgen::withShadow(shape, 2, 3, 0, argb(128, 0, 0, 0));
  EXPECT_EQ(shaded.at(3, 3), argb(255, 255, 0, 0)) << "the shape stays on top";
  EXPECT_EQ(shaded.at(5, 6), argb(128, 0, 0, 0)) << "its shadow falls right and down";
  EXPECT_EQ(shaded.at(1, 0), 0u);

  const tools::ArgbImage flipped = assetgen::flipRows(shape);
  EXPECT_EQ(flipped.at(3, 8), argb(255, 255, 0, 0));
  EXPECT_EQ(flipped.at(3, 3), 0u);
}

TEST(ArtCanvas, NoiseIsSmoothRepeatableAndInRange) {
  const assetgen::ValueNoise a(7, 8.0f), b(7, 8.0f), c(8, 8.0f);
  bool differs = false;
  for (float x = 0; x < 100; x += 1.5f) {
    const float v = a.at(x, 3 * x);
    EXPECT_GE(v, 0.0f);
    EXPECT_LE(v, 1.0f);
    EXPECT_EQ(v, b.at(x, 3 * x)) << "same seed, same noise";
    EXPECT_LT(std::abs(a.at(x + 0.25f, 3 * x) - v), 0.2f) << "neighbours are close";
    differs |= v != c.at(x, 3 * x);
  }
  EXPECT_TRUE(differs) << "another seed, other noise";
  EXPECT_GE(a.at(-40.0f, -3.0f), 0.0f) << "negative coordinates wrap";
}

}  // namespace
