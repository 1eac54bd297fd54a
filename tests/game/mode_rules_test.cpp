#include "game/modes/mode_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "game/modes/level_list.h"

namespace game {
namespace {

TEST(LevelList, ReadsTheStatedNumberOfLevels) {
  const auto levels = ParseLevelList("3\n5,20\n 8, 25\r\n12,30\n99,99\n");
  ASSERT_EQ(levels.size(), 3u);  // the fourth line is beyond the count
  EXPECT_EQ(std::tuple(levels[0].targetMetres, levels[0].goos, levels[1].targetMetres,
                       levels[1].goos, levels[2].targetMetres, levels[2].goos),
            std::tuple(5, 20, 8, 25, 12, 30));
}

TEST(LevelList, ShortOrDamagedListsGiveTheLevelsBeforeTheFault) {
  // Fewer lines than stated, a damaged line, a level with no target, no count.
  const std::pair<const char*, std::size_t> cases[] = {
      {"5\n5,20\n8,25", 2}, {"4\n5,20\nabc\n8,25\n", 1}, {"4\n5,20\n0,25\n8,25\n", 1}, {"", 0},
      {"-2\n5,20\n", 0},    {"levels\n5,20\n", 0}};
  for (const auto& [text, levels] : cases)
    EXPECT_EQ(ParseLevelList(text).size(), levels) << text;
  EXPECT_EQ(ParseLevelList("2\n5,-3\n").at(0).goos, 0);
}

TEST(ModeRules, HeightsAndRecordsOfTheThreeModes) {
  // 20 world units a metre at 240, 40 at 480
  EXPECT_EQ(std::pair(HeightMetres(-200.0, 240), HeightMetres(-200.0, 480)), std::pair(10.0, 5.0));
  const RecordResult classic = ClassicRecord(-123.9f, 240);  // 6.1950000763 in single precision
  EXPECT_EQ(std::pair(classic.score, classic.text), std::pair(123, std::string("6.20m")));
  const RecordResult relay = RelayRecord(3, -250.5f, 240);
  EXPECT_EQ(std::pair(relay.score, relay.text), std::pair(3 * 200 + 250, std::string("L3 12.53m")));
  EXPECT_EQ(UnlimitedRecord(-2000.0f, 240).text, "100.00m");
}

// Between relay levels: whole metres only count; the share beyond the target (the ratio less
// one, formed after the ratio) grows the next level's goos and the ones left over, which are
// carried; exactly the target passes, less ends the game, and so does the last level.
TEST(RelayTransition, GoosAndTheEndOfTheGame) {
  const std::vector<RelayLevel> levels = {{5, 20}, {10, 10}, {15, 30}};
  struct Case {
    int level;
    double metres;
    int target, left;
    bool failed, next;
    double ratio;                           // 0: not checked
    int gooLimit, targetMetres, levelTime;  // -1: not checked
    const char* goosFree;                   // nullptr: not checked
  } cases[] = {
      {0, 0.0, 0, 0, false, true, 0, 20, 5, 60, "20 + 0 + 0"},    // level 1 announced
      {1, 7.9, 5, 0, false, true, 1.4, 10 + 3, -1, -1, nullptr},  // 0.3999... of 10 is 3
      {1, 7.5, 5, 0, false, true, 1.4, -1, -1, -1, nullptr},
      {1, 15.0, 10, 0, false, true, 1.5, 15, -1, -1, "10 + 5 + 0"},
      {1, 13.0, 10, 4, false, true, 0, 10 + 4 + 1 + 3, -1, 70, "10 + 3 + 5"},
      {2, 10.0, 10, 0, false, true, 0, -1, -1, -1, nullptr},
      {2, 9.99, 10, 0, true, false, 0, -1, -1, -1, nullptr},
      {3, 20.0, 15, 0, false, false, 0, -1, 0, -1, nullptr},
  };
  for (const Case& c : cases) {
    const RelayTransition t = ComputeRelayTransition(c.level, c.metres, c.target, c.left, levels);
    SCOPED_TRACE(::testing::Message() << c.level << " " << c.metres << " " << c.left);
    EXPECT_EQ(std::pair(t.failed, t.nextLevel), std::pair(c.failed, c.next));
    EXPECT_DOUBLE_EQ(c.ratio > 0 ? t.ratio : 0.0, c.ratio);
    EXPECT_EQ(
        std::tuple(c.gooLimit >= 0 ? t.gooLimit : -1, c.targetMetres >= 0 ? t.targetMetres : -1,
                   c.levelTime >= 0 ? t.levelTime : -1),
        std::tuple(c.gooLimit, c.targetMetres, c.levelTime));
    EXPECT_EQ(c.goosFree ? t.goosFreeText : "", c.goosFree ? c.goosFree : "");
  }
  EXPECT_EQ(ComputeRelayTransition(2, 9.99, 10, 0, levels).goosFreeText.substr(0, 5), "30 - ");
  EXPECT_FALSE(ComputeRelayTransition(0, 0.0, 0, 0, {}).nextLevel) << "no levels: the end";
}

}  // namespace
}  // namespace game
