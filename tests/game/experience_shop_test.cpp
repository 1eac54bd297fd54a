#include "game/modes/experience_shop.h"

#include <gtest/gtest.h>

#include <tuple>

namespace game {
namespace {

WorldConfig config() {
  return {.cellRadius1 = 8, .linkSize = 2.0f, .cellDynRadius = 4};
}

TEST(ExperienceShop, CalmWindIsSetNotAddedAndEachPurchaseIsPaid) {
  World world(config(), nullptr);
  world.mode = 1;
  world.experiencePoints = 30;
  world.wind.wind = 0.7f;
  EXPECT_EQ(ExperienceHints(world).noWind, "0");
  int frozen = 0;
  EXPECT_TRUE(ApplyPurchase(world, kBuyCalmWind, frozen, 240));
  world.wind.noWindTicks = 42;  // some changes skipped since
  EXPECT_TRUE(ApplyPurchase(world, kBuyCalmWind, frozen, 240));
  EXPECT_EQ(std::tuple(world.wind.noWindTicks, world.wind.wind, world.experiencePoints),
            std::tuple(60, 0.0f, 20));
  // Goos are sold only with a limit.
  EXPECT_EQ(std::pair(ExperienceHints(world).noWind, ExperienceHints(world).needBlobs),
            std::pair(std::string("1"), std::string("1")));
  world.mode = kModeUnlimited;
  EXPECT_EQ(ExperienceHints(world).needBlobs, "0");
  world.mode = 1;

  world.gooLimit = 10;
  EXPECT_TRUE(ApplyPurchase(world, kBuyMoreGoos, frozen, 240));
  EXPECT_EQ(std::pair(world.gooLimit, world.experiencePoints), std::pair(15, 10));
  for (int answer : {0, -1, 5, 99})
    EXPECT_FALSE(ApplyPurchase(world, answer, frozen, 240));
  EXPECT_EQ(world.experiencePoints, 10);

  // The magic goo costs 15 and is sold even without the points.
  ASSERT_TRUE(ApplyPurchase(world, kBuyMagicGoo, frozen, 240));
  EXPECT_EQ(std::pair(world.experiencePoints, world.gooLimit), std::pair(-5, 16));
  EXPECT_TRUE(world.goos().size() == 1u && world.goos().front().magic == 1);
}

TEST(ExperienceShop, EachFreezeReachesFiveMetresHigher) {
  World world(config(), nullptr);
  // A column of blobs every 50 units (2.5 m at 20 units a metre), linked in a chain.
  std::vector<Blob*> column;
  for (int i = 0; i <= 8; ++i)
    column.push_back(world.AddBlob(0, static_cast<std::int16_t>(-50 * i), 0, 0));
  for (int i = 0; i < 8; ++i)
    world.AddLink(column[i], column[i + 1], 0);
  const auto frozenLinks = [&] {
    int n = 0;
    for (const Link& link : world.links())
      n += link.frozen;
    return n;
  };
  int frozen = 0;
  world.experiencePoints = 40;
  ApplyPurchase(world, kBuyFreeze, frozen, 240);  // line at y -100: links with an end below
  // 0-50 and 50-100; the link 100-150 has no end below -100
  EXPECT_EQ(std::pair(frozen, frozenLinks()), std::pair(5, 2));
  ApplyPurchase(world, kBuyFreeze, frozen, 240);  // 10 m: y -200
  EXPECT_EQ(std::pair(frozenLinks(), world.experiencePoints), std::pair(4, 0));
  EXPECT_EQ(ExperienceHints(world).currentExp, "0");

  // Freezing makes a magic last blob permanent; a plain one can still be taken back.
  world.lastBlob = column[8];
  ApplyPurchase(world, kBuyFreeze, frozen, 240);
  EXPECT_EQ(world.lastBlob, column[8]);
  world.lastBlob = world.AddBlob(0, -500, 0, 1);
  ApplyPurchase(world, kBuyFreeze, frozen, 240);
  EXPECT_EQ(world.lastBlob, nullptr);
}

}  // namespace
}  // namespace game
