// Derived constants, the ground profile and its generator, and the wind.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>
#include <tuple>

#include "game/world/earth.h"
#include "game/world/wind.h"
#include "util/random.h"
#include "world_fixture.h"

namespace game {
namespace {

using testing::smallConfig;

// The 240-wide values are pinned by the determinism hash; the 480-wide screen with the second
// radius takes the other branches. A zero width must not divide by zero.
TEST(WorldConstants, DerivedFromWidthAndVariables) {
  WorldConfig big = smallConfig();
  big.width = big.resX = 480;
  big.connectType = 1;  // the second radius
  big.cellRadius2 = 20;
  big.cellDynRadius = 7;
  const WorldConstants k = computeWorldConstants(big);
  // trunc(20 * 1.3) for the magic radius
  EXPECT_EQ(std::tuple(k.cellRadius, k.magicRadius, k.linkReach, k.shortestLink, k.pulseHalf,
                       k.earthStep, k.frozenLinkStiffness, k.unitsPerMetre),
            std::tuple(20, 26, 100, 20, 3, 64, 0.5f, 40));
  EXPECT_FLOAT_EQ(k.gravity, 0.3f);
  WorldConfig c = smallConfig();
  c.width = c.resX = 0;
  const WorldConstants z = computeWorldConstants(c);
  EXPECT_GE(std::min({z.width, z.earthStep, z.climbUnit, z.unitsPerMetre}), 1);
}

// Samples every 32 units; between them integer interpolation with floor division for negative
// x; beyond the table the edge samples continue flat.
TEST(Earth, GroundHeightBetweenAndBeyondTheSamples) {
  Earth earth;
  earth.configure(32, 0, 0);
  earth.setHeight(-50, 7);
  earth.setHeight(-1, 0);
  earth.setHeight(0, 10);
  earth.setHeight(1, 20);
  earth.setHeight(49, 12);
  constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
  const int cases[][2] = {{0, -10},    {16, -15},          {31, -19}, {32, -20},
                          {-1, -9},    {-16, -5},          {-32, 0},  {49 * 32, -12},
                          {kMax, -12}, {-50 * 32 - 5, -7}, {kMin, -7}};
  for (const auto& [x, y] : cases)
    EXPECT_EQ(earth.groundHeightAt(x), y) << x;
  EXPECT_EQ(std::pair(earth.heightAt(500), earth.heightAt(-500)), std::pair(12, 7));
}

TEST(EarthGenerator, GameEarthStepsByStepWithinItsLimits) {
  Earth earth;
  util::Random random(1234);
  earth.GenerateGameEarth(5, 240, random);
  const int limit = 30;  // (240 * 10 / 480) * 6
  int largest = 0;
  std::set<int> seen;
  for (int i = -50; i <= 49; ++i) {
    const int h = earth.heightAt(i);
    EXPECT_TRUE(h >= 0 && h <= limit) << i;
    if (i > -50) {
      EXPECT_EQ(std::abs(h - earth.heightAt(i - 1)), 5) << i;
    }
    largest = std::max(largest, h);
    seen.insert(h);
  }
  EXPECT_GT(seen.size(), 3u) << "the hills should not be flat";
  EXPECT_EQ(earth.maxHeight(), largest + 11);
  ASSERT_EQ(earth.gradient().size(), static_cast<std::size_t>(earth.maxHeight()));
  EXPECT_EQ(earth.gradient()[0], (24 << 11) | (30 << 5) | 7);
  EXPECT_EQ(earthGradientColor(5, 10), (27 << 11) | (43 << 5) | 14);  // 27.5, 43, 14.5
}

TEST(WindTable, ChangeWindStepsAndWraps) {
  Wind wind;
  for (const auto& [index, next, value] :
       {std::tuple{0, 1, 0.01f}, std::tuple{10, 11, static_cast<float>(-3 * 0.01)},
        std::tuple{39, 0, 0.01f}}) {
    wind.windIndex = index;
    wind.ChangeWind();
    EXPECT_EQ(std::tuple(wind.windIndex, wind.wind), std::tuple(next, value)) << index;
  }
}

// A bought calm: each due change only counts the calm down, the wind stays 0 and its index put.
TEST(WindTiming, HeldWhileNoWindTicksArePositive) {
  World world(smallConfig(), nullptr);
  world.wind.wind = 0.0f;
  world.wind.noWindTicks = 3;
  int skipped = 0;
  int last = 3;
  for (int frame = 1; frame <= 26 * 30 && world.wind.noWindTicks > 0; ++frame) {
    world.Update();
    EXPECT_EQ(world.wind.windIndex, 0);
    EXPECT_EQ(world.wind.wind, 0.0f);
    if (world.wind.noWindTicks != last) {
      ++skipped;
      last = world.wind.noWindTicks;
      EXPECT_EQ(frame % 26, 0) << "changes fall due only at a second's end";
    }
  }
  EXPECT_EQ(skipped, 3);
  for (int frame = 0; frame < 26 * 6 && world.wind.windIndex == 0; ++frame)
    world.Update();
  EXPECT_EQ(world.wind.windIndex, 1);
  EXPECT_FLOAT_EQ(world.wind.wind, 0.01f);
}

}  // namespace
}  // namespace game
