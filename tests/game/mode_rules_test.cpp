#include "game/modes/mode_rules.h"

#include <gtest/gtest.h>

#include "game/modes/level_list.h"

namespace game {
namespace {

TEST(LevelList, ReadsTheStatedNumberOfLevels) {
  const auto levels = ParseLevelList("3\n5,20\n 8, 25\r\n12,30\n99,99\n");
  ASSERT_EQ(levels.size(), 3u);  // the fourth line is beyond the count
  EXPECT_EQ(levels[0].targetMetres, 5);
  EXPECT_EQ(levels[0].goos, 20);
  EXPECT_EQ(levels[1].targetMetres, 8);
  EXPECT_EQ(levels[1].goos, 25);
  EXPECT_EQ(levels[2].goos, 30);
}

TEST(LevelList, ShortOrDamagedListsGiveTheLevelsBeforeTheFault) {
  EXPECT_EQ(ParseLevelList("5\n5,20\n8,25").size(), 2u);  // fewer lines than stated
  EXPECT_EQ(ParseLevelList("4\n5,20\nabc\n8,25\n").size(), 1u);
  EXPECT_EQ(ParseLevelList("4\n5,20\n0,25\n8,25\n").size(), 1u);  // no target: not a level
  EXPECT_EQ(ParseLevelList("2\n5,-3\n").at(0).goos, 0);
  EXPECT_TRUE(ParseLevelList("").empty());
  EXPECT_TRUE(ParseLevelList("-2\n5,20\n").empty());
  EXPECT_TRUE(ParseLevelList("levels\n5,20\n").empty());
}

TEST(ModeRules, HeightsAndRecordsOfTheThreeModes) {
  EXPECT_DOUBLE_EQ(HeightMetres(-200.0, 240), 10.0);  // 20 world units a metre at 240
  EXPECT_DOUBLE_EQ(HeightMetres(-200.0, 480), 5.0);
  const RecordResult classic = ClassicRecord(-123.9f, 240);
  EXPECT_EQ(classic.score, 123);
  EXPECT_EQ(classic.text, "6.20m");  // 6.1950000763 in single precision
  const RecordResult relay = RelayRecord(3, -250.5f, 240);
  EXPECT_EQ(relay.score, 3 * 200 + 250);
  EXPECT_EQ(relay.text, "L3 12.53m");
  EXPECT_EQ(UnlimitedRecord(-2000.0f, 240).text, "100.00m");
}

const std::vector<RelayLevel> kLevels = {{5, 20}, {10, 10}, {15, 30}};

TEST(RelayTransition, AnnouncingTheFirstLevelGivesItsGoos) {
  const RelayTransition t = ComputeRelayTransition(0, 0.0, 0, 0, kLevels);
  EXPECT_FALSE(t.failed);
  EXPECT_TRUE(t.nextLevel);
  EXPECT_EQ(t.gooLimit, 20);
  EXPECT_EQ(t.targetMetres, 5);
  EXPECT_EQ(t.levelTime, 60);
  EXPECT_EQ(t.goosFreeText, "20 + 0 + 0");
}

TEST(RelayTransition, BeatingTheTargetByHalfGrowsTheNextLevelsGoosByHalf) {
  // Level 1's target was 5 m: 7.9 m counts as 7, ratio (7 - 5) / 5 + 1 = 1.4.
  RelayTransition t = ComputeRelayTransition(1, 7.9, 5, 0, kLevels);
  EXPECT_DOUBLE_EQ(t.ratio, 1.4);
  // The share is the ratio less one, formed after the ratio: 0.3999... of 10 goos is 3.
  EXPECT_EQ(t.gooLimit, 10 + 3);
  // Ratio 1.5 with 10 goos in the next level and none left over: 15.
  t = ComputeRelayTransition(1, 7.5, 5, 0, kLevels);
  EXPECT_DOUBLE_EQ(t.ratio, 1.4);  // whole metres only: 7.5 is 7
  t = ComputeRelayTransition(1, 15.0, 10, 0, kLevels);
  EXPECT_DOUBLE_EQ(t.ratio, 1.5);
  EXPECT_EQ(t.gooLimit, 15);
  EXPECT_EQ(t.goosFreeText, "10 + 5 + 0");
  // Left-over goos are carried and grow by the same share; 1.3 is 3 of 10 in double precision.
  t = ComputeRelayTransition(1, 13.0, 10, 4, kLevels);
  EXPECT_EQ(t.gooLimit, 10 + 4 + 1 + 3);
  EXPECT_EQ(t.goosFreeText, "10 + 3 + 5");
  EXPECT_EQ(t.levelTime, 70);
}

TEST(RelayTransition, ExactlyTheTargetPassesAndOneMetreLessEndsTheGame) {
  EXPECT_FALSE(ComputeRelayTransition(2, 10.0, 10, 0, kLevels).failed);
  const RelayTransition missed = ComputeRelayTransition(2, 9.99, 10, 0, kLevels);
  EXPECT_TRUE(missed.failed);
  EXPECT_FALSE(missed.nextLevel);
  EXPECT_EQ(missed.goosFreeText.substr(0, 5), "30 - ");

  // After the last level the game ends even when its target was reached.
  const RelayTransition last = ComputeRelayTransition(3, 20.0, 15, 0, kLevels);
  EXPECT_FALSE(last.failed);
  EXPECT_FALSE(last.nextLevel);
  EXPECT_EQ(last.targetMetres, 0);
  // No levels at all: the announcement itself ends the game.
  EXPECT_FALSE(ComputeRelayTransition(0, 0.0, 0, 0, {}).nextLevel);
}

}  // namespace
}  // namespace game
