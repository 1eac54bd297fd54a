// Derived constants, the ground profile and its generators, and the wind.
#include <gtest/gtest.h>

#include <set>

#include "game/world/earth.h"
#include "game/world/wind.h"
#include "util/random.h"
#include "world_fixture.h"

namespace game {
namespace {

using testing::smallConfig;

TEST(WorldConstants, DerivedFromWidthAndVariables) {
  const WorldConstants small = computeWorldConstants(smallConfig());
  EXPECT_EQ(small.cellRadius, 8);
  EXPECT_EQ(small.magicRadius, 10);  // trunc(8 * 1.3)
  EXPECT_EQ(small.cellRadiusSq, 64);
  EXPECT_EQ(small.pickRange, 24);
  EXPECT_EQ(small.linkReach, 50);
  EXPECT_EQ(small.shortestLink, 10);
  EXPECT_EQ(small.pulseHalf, 2);
  EXPECT_FLOAT_EQ(small.gravity, 0.15f);
  EXPECT_FLOAT_EQ(small.walkStep, 0.5f);
  EXPECT_EQ(small.climbUnit, 1);
  EXPECT_EQ(small.earthStep, 32);
  EXPECT_FLOAT_EQ(small.linkStiffness, 0.4f);
  EXPECT_FLOAT_EQ(small.frozenLinkStiffness, 0.6f);
  EXPECT_EQ(small.unitsPerMetre, 20);

  WorldConfig big = smallConfig();
  big.width = big.resX = 480;
  big.connectType = 1;  // the second radius
  big.cellRadius2 = 20;
  big.cellDynRadius = 7;
  const WorldConstants large = computeWorldConstants(big);
  EXPECT_EQ(large.cellRadius, 20);
  EXPECT_EQ(large.magicRadius, 26);
  EXPECT_EQ(large.linkReach, 100);
  EXPECT_EQ(large.shortestLink, 20);
  EXPECT_EQ(large.pulseHalf, 3);
  EXPECT_EQ(large.earthStep, 64);
  EXPECT_FLOAT_EQ(large.gravity, 0.3f);
  EXPECT_FLOAT_EQ(large.frozenLinkStiffness, 0.5f);
  EXPECT_EQ(large.unitsPerMetre, 40);
}

TEST(WorldConstants, DegenerateWidthKeepsDivisionsDefined) {
  WorldConfig c = smallConfig();
  c.width = 0;
  c.resX = 0;
  const WorldConstants k = computeWorldConstants(c);
  EXPECT_GE(k.width, 1);
  EXPECT_GE(k.earthStep, 1);
  EXPECT_GE(k.climbUnit, 1);
  EXPECT_GE(k.unitsPerMetre, 1);
}

class EarthTest : public ::testing::Test {
 protected:
  void SetUp() override { earth.configure(32, 0, 0); }
  Earth earth;
};

TEST_F(EarthTest, InterpolatesBetweenSamplesInIntegers) {
  earth.setHeight(0, 10);
  earth.setHeight(1, 20);
  EXPECT_EQ(earth.groundHeightAt(0), -10);
  EXPECT_EQ(earth.groundHeightAt(16), -15);
  EXPECT_EQ(earth.groundHeightAt(31), -19);  // 10 + 10 * 31 / 32 truncates to 19
  EXPECT_EQ(earth.groundHeightAt(32), -20);
}

TEST_F(EarthTest, NegativeXUsesFloorDivision) {
  earth.setHeight(-1, 0);
  earth.setHeight(0, 10);
  // x = -1 lies between sample -1 (x = -32) and sample 0: 10 * 31 / 32 = 9.
  EXPECT_EQ(earth.groundHeightAt(-1), -9);
  EXPECT_EQ(earth.groundHeightAt(-32), 0);
  EXPECT_EQ(earth.groundHeightAt(-16), -5);
}

TEST_F(EarthTest, OutsideTheTableTheEdgeSamplesContinueFlat) {
  earth.setHeight(-50, 7);
  earth.setHeight(49, 12);
  earth.setHeight(48, 2);
  EXPECT_EQ(earth.groundHeightAt(49 * 32), -12);
  EXPECT_EQ(earth.groundHeightAt(49 * 32 + 1), -12);
  EXPECT_EQ(earth.groundHeightAt(1000000), -12);
  EXPECT_EQ(earth.groundHeightAt(std::numeric_limits<int>::max()), -12);
  EXPECT_EQ(earth.groundHeightAt(-50 * 32), -7);
  EXPECT_EQ(earth.groundHeightAt(-50 * 32 - 5), -7);
  EXPECT_EQ(earth.groundHeightAt(std::numeric_limits<int>::min()), -7);
  EXPECT_EQ(earth.heightAt(500), 12);
  EXPECT_EQ(earth.heightAt(-500), 7);
}

TEST(EarthGenerator, GameEarthStepsByStepWithinItsLimits) {
  Earth earth;
  util::Random random(1234);
  earth.GenerateGameEarth(5, 240, random);
  EXPECT_EQ(earth.step(), 32);
  const int limit = 30;  // (240 * 10 / 480) * 6
  int largest = 0;
  std::set<int> seen;
  for (int i = -50; i <= 49; ++i) {
    const int h = earth.heightAt(i);
    EXPECT_GE(h, 0) << i;
    EXPECT_LE(h, limit) << i;
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
}

TEST(EarthGenerator, GameEarthFollowsTheSeed) {
  Earth a, b, c;
  util::Random ra(77), rb(77), rc(78);
  a.GenerateGameEarth(5, 240, ra);
  b.GenerateGameEarth(5, 240, rb);
  c.GenerateGameEarth(5, 240, rc);
  EXPECT_EQ(a.heights(), b.heights());
  EXPECT_NE(a.heights(), c.heights());
  // One direction choice per two samples, starting at the third.
  util::Random probe(77);
  for (int i = 2; i < 100; i += 2)
    probe.next();
  EXPECT_EQ(ra.next(), probe.next());
}

TEST(EarthGenerator, DemoEarthRisesOnlyWhereTheSineIsNearOne) {
  Earth earth;
  earth.GenerateDemoEarth(10, 240);
  const int floor = 5;  // 240 * 10 / 480
  EXPECT_EQ(earth.heightAt(-50), floor);
  EXPECT_EQ(earth.heightAt(-49), floor);      // sin(1) is far from 1: down, raised again
  EXPECT_EQ(earth.heightAt(14 - 50), 15);     // sin(14) = 0.9906: up
  EXPECT_EQ(earth.heightAt(15 - 50), floor);  // then down again
  EXPECT_EQ(earth.heightAt(33 - 50), 15);     // sin(33) = 0.99991
  EXPECT_EQ(earth.heightAt(8 - 50), floor);   // sin(8) = 0.989 gives trunc(1.06) = 1: down
  for (int i = -50; i <= 49; ++i)
    EXPECT_GE(earth.heightAt(i), floor) << i;
  EXPECT_EQ(earth.maxHeight(), 15 + 11);
}

TEST(EarthGenerator, GradientBlendsFromDarkToLight) {
  EXPECT_EQ(earthGradientColor(0, 10), (24 << 11) | (30 << 5) | 7);
  // t = 0.5: 27.5, 43, 14.5 truncated.
  EXPECT_EQ(earthGradientColor(5, 10), (27 << 11) | (43 << 5) | 14);
  EXPECT_EQ(earthGradientColor(9, 10), (30 << 11) | (53 << 5) | 20);
}

TEST(WindTable, ChangeWindStepsAndWraps) {
  Wind wind;
  wind.ChangeWind();
  EXPECT_EQ(wind.windIndex, 1);
  EXPECT_FLOAT_EQ(wind.wind, 0.01f);
  wind.windIndex = 10;
  wind.ChangeWind();
  EXPECT_EQ(wind.windIndex, 11);
  EXPECT_EQ(wind.wind, static_cast<float>(-3 * 0.01));
  wind.windIndex = 39;
  wind.ChangeWind();
  EXPECT_EQ(wind.windIndex, 0);
  EXPECT_FLOAT_EQ(wind.wind, 0.01f);
}

TEST(WindTable, BoughtCalmSkipsChangesAndKeepsTheWind) {
  Wind wind;
  wind.wind = 0.0f;
  wind.windIndex = 3;
  wind.noWindTicks = 2;
  wind.ChangeWind();
  wind.ChangeWind();
  EXPECT_EQ(wind.noWindTicks, 0);
  EXPECT_EQ(wind.windIndex, 3);
  EXPECT_EQ(wind.wind, 0.0f);
  wind.ChangeWind();
  EXPECT_EQ(wind.windIndex, 4);
  EXPECT_FLOAT_EQ(wind.wind, 0.02f);
}

TEST(WindTiming, ChangesEvery26FramesTimesTimerPlusOne) {
  World world(smallConfig(), nullptr);
  world.random().seed(42);
  std::vector<int> changeFrames;
  std::vector<int> timers;
  int index = world.wind.windIndex;
  for (int frame = 1; frame <= 3000; ++frame) {
    world.Update();
    if (world.wind.windIndex != index) {
      index = world.wind.windIndex;
      changeFrames.push_back(frame);
      timers.push_back(world.wind.windTimer);
      EXPECT_GE(world.wind.windTimer, 0);
      EXPECT_LE(world.wind.windTimer, 5);
    }
  }
  ASSERT_GE(changeFrames.size(), 10u);
  EXPECT_EQ(changeFrames[0], 26);  // the timer starts at 0
  std::set<int> distinct(timers.begin(), timers.end());
  EXPECT_GT(distinct.size(), 2u) << "the timer should be random";
  for (std::size_t k = 1; k < changeFrames.size(); ++k) {
    EXPECT_EQ(changeFrames[k] - changeFrames[k - 1], 26 * (timers[k - 1] + 1)) << k;
  }
  EXPECT_EQ(world.seconds, 3000 / 26);
}

TEST(WindTiming, HeldWhileNoWindTicksArePositive) {
  World world(smallConfig(), nullptr);
  world.wind.wind = 0.0f;  // what the calm purchase sets
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
