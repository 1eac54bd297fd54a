// The game scene as a control: what stylus and keys do to its world, the toolbar and the demo
// scene that take no input, the samples and the texts it updates. The game modes: the relay's
// level list, heights, records and level transitions; the experience shop; and the modes' rules
// as the frames run (classic briefing, control time and end, the relay's levels, the unlimited
// mode's warning).
#include "game/game_scene.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "fixtures/game/scene_fixture.h"
#include "game/modes/experience_shop.h"
#include "game/modes/game_rules.h"
#include "game/modes/level_list.h"
#include "game/modes/mode_rules.h"
#include "game/world/world_fixture.h"
#include "gfx/surface.h"
#include "gui/form.h"
#include "gui/gui_fixture.h"
#include "gui/label.h"

namespace game {
namespace {

class Scene : public ::testing::Test, public testing::SceneHarness {
 protected:
  // A free goo resting in the air at world (0, -100): screen (120, 210) at zoom 1.
  Goo* gooAtCentre() { return scene->world().AddGoo({.y = -100}); }
  // A toolbar strip h high at the top of the game form.
  std::unique_ptr<gui::Label> strip(int h, std::string_view name = "iToolBar") {
    auto c = std::make_unique<gui::Label>(name, &form);
    c->width = 240;
    c->height = static_cast<std::uint16_t>(h);
    return c;
  }
};

TEST_F(Scene, StartingAGameBuildsTheBaseAndPlaysTheModesSong) {
  make(true);
  EXPECT_TRUE(sound.loaded.empty()) << "the demo scene loads no samples";
  GameScene& s = make();
  EXPECT_EQ(sound.loaded.size(), 21u);
  s.StartGame(1, 30, 0, 0);
  EXPECT_EQ(std::tuple(s.world().blobs().size(), s.world().mode, s.world().gooLimit),
            std::tuple(4u, 1, 30));
  // The song restarts the mixer: the start sample comes after it, or it is never heard.
  EXPECT_EQ(sound.both, (std::vector<std::string>{"1.xm", "start.wav"}));
  s.StartGame(2, 30, 0, 0);
  EXPECT_EQ(s.world().gooLimit, 0);  // relay goos come with the first level
  s.StartGame(130, 1, 0, 0);         // the mode is a signed byte: 130 is -126, no rules
  EXPECT_TRUE(s.world().mode == -126 && sound.songs.back() == "4.xm");
}

TEST_F(Scene, ATapInTheToolbarNeitherPicksNorDrops) {
  GameScene& s = make();
  const auto toolbar = strip(250);
  gooAtCentre();
  // A toolbar 250 or 200 high reaches below the goo's row and the row where the goo is let go.
  for (const auto& [height, down, holding] :
       {std::tuple(250, true, 0), {30, true, 1}, {200, false, 1}, {30, false, 0}}) {
    toolbar->height = static_cast<std::uint16_t>(height);
    down ? s.StylusDown(120, 210) : s.StylusUp(120, 150);
    EXPECT_EQ(s.world().holding, holding) << height;
    s.StylusMove(120, 150);
  }
}

TEST_F(Scene, DraggingZoomedOutZoomsInToHalfAndTheDropRestoresTheZoom) {
  GameScene& s = make();
  for (int i = 0; i < 6; ++i)
    s.MagMinus(0.1f);
  ASSERT_FLOAT_EQ(s.world().camera.zoom, 0.4f);
  Goo* goo = gooAtCentre();
  int gx = 0, gy = 0;
  s.world().worldToScreen(goo->x, goo->y, gx, gy);
  s.StylusDown(gx, gy);
  ASSERT_EQ(s.world().holding, 1);
  s.StylusMove(gx + 5, gy - 5);
  EXPECT_FLOAT_EQ(s.world().camera.targetZoom, 0.5f);
  s.StylusUp(gx + 5, gy - 5);
  EXPECT_FLOAT_EQ(s.world().camera.targetZoom, 0.4f);  // the zoom it had when picked up
}

TEST_F(Scene, TheDemoSceneTakesNoInput) {
  GameScene& s = make(true);
  gooAtCentre();
  s.StylusDown(120, 210);
  s.KeyDown(13, 120, 210);
  EXPECT_TRUE(s.world().holding + s.world().keyDrag == 0 && !s.WantsKeyDown(13, 120, 210));
}

// Enter over a goo takes it and the arrows carry it; keypad 5 asks for the drop, which its
// release makes. The mouse hovering with no button down moves a carried goo nowhere, and a
// message coming up ends the carry with the goo back among the free ones.
TEST_F(Scene, AGooCarriedWithTheKeysIsDroppedByTheSecondActionKey) {
  GameScene& s = make();
  gooAtCentre();
  s.KeyDown(13, 120, 210);
  ASSERT_EQ(s.world().keyDrag, 1);
  s.KeyUp(13, 120, 210);  // letting go of the key keeps it in the hand
  s.KeyDown(39, 130, 200);
  s.KeyUp(39, 130, 200);
  EXPECT_TRUE(s.world().holding == 1 && s.world().dropX == 10.0f);
  s.KeyDown(53, 130, 200);
  EXPECT_EQ(s.world().keyDrag, 2);
  s.KeyUp(53, 130, 200);
  EXPECT_EQ(s.world().holding + s.world().keyDrag, 0);

  s.KeyDown(13, 130, 200);
  ASSERT_EQ(s.world().keyDrag, 1);
  s.StylusMove(200, 150);
  EXPECT_FLOAT_EQ(s.world().dropX, 10.0f);
  s.EndCarry();
  EXPECT_EQ(std::tuple(s.world().holding + s.world().keyDrag, s.world().goos().size()),
            std::tuple(0, 1u));
}

TEST_F(Scene, ThePointerSlowsDownOverAGooAndPansNearTheEdge) {
  GameScene& s = make();
  s.world().hoverGoo = gooAtCentre();
  s.KeyDown(37, 120, 210);
  s.KeyDown(37, 120, 210);  // still over it: no second change
  s.world().hoverGoo = nullptr;
  s.KeyDown(37, 120, 210);
  EXPECT_EQ(app.units, (std::vector<int>{-1, 2}));  // fine with a fresh repeat, then coarse
  const float x0 = s.world().camera.cameraX;
  s.KeyDown(39, 230, 160);  // near the edge the keys pan the view: 2 % of 110 px
  EXPECT_NEAR(s.world().camera.cameraX, x0 + 2.2f, 1e-4);
}

TEST_F(Scene, TheHeightLabelFollowsTheTowerAndSitsAtTheRightEdge) {
  GameScene& s = make();
  gui::Label label("lHeight", &form);
  s.StartGame(1, 10, 0, 0);
  s.world().AddBlob(0, -300, 0, 0);
  s.world().ApplyForces();  // measures the tower top
  gfx::SurfaceBuffer screen(240, 320);
  s.Paint(screen.surface(), 0, 0, nullptr, 0);
  // 300 units at 20 a metre
  EXPECT_TRUE(label.text() == "15.00" && label.x == 240 - label.width - 8);
}

// Leaving asks first; leaving a classic game goes back to the choice of game, leaving the
// unlimited one records its best height. Either way the menu song plays again. (Playing on is
// played end to end.)
TEST_F(Scene, LeavingAGameAsksFirstThenPlaysTheMenuSong) {
  GameScene& s = make();
  for (const int mode : {1, 4}) {
    s.StartGame(mode, 10, 0, 0);
    app.answer = 1;
    s.ExitGame();
    EXPECT_TRUE(s.world().mode == 0 && sound.songs.back() == "4.xm");
  }
  EXPECT_EQ(std::tuple(app.messages.size(), app.switched, records),
            std::tuple(2u, std::vector<std::string>{"ChooseForm"},
                       std::vector<std::string>{"4 0 0.00m"}));
}

TEST_F(Scene, AMissingFlagIsReportedOnce) {
  GameScene& s = make();
  s.StartGame(1, 10, 0, 0);
  s.MagMinus(0.1f);
  s.MagPlus(0.1f);
  EXPECT_EQ(app.boxes, std::vector<std::string>{"flag0.aspr: flag0.aspr"});
}

TEST_F(Scene, TheControlTimeSecondsShowIn14Of25Frames) {
  const std::string bar = gui::testing::blockFont(3, 1);  // every character three pixels wide
  for (const std::string font : {"fmsmall", "hiscores"})
    ASSERT_TRUE(app.fonts_.Add(font, font + ".font", gui::testing::bytesOf(bar)).ok());
  GameScene& s = make();
  s.AttachGameControls(/*label y*/ 100, /*time y*/ 140);
  const auto undo = strip(10, "undo");
  undo->enabled = true;
  s.StartGame(1, 3, 0, 0);
  s.SetLook(SceneLook{.backgroundType = 1});  // a black sky: the texts are the only white
  s.world().goosUsed = 3;                     // every goo used ...
  s.controlTime = 250;                        // ... but the control time has not started: no text
  const auto whiteInRow = [&](int row) {
    gfx::SurfaceBuffer screen(240, 320);
    s.Paint(screen.surface(), 0, 0, nullptr, 0);
    for (int col = 0; col < 240; ++col)
      if (screen.surface().at(col, row) == 0xFFFF) return true;
    return false;
  };
  EXPECT_FALSE(whiteInRow(100));
  int shown = 0;
  for (s.controlTime = 249; s.controlTime > 224; --s.controlTime) {
    EXPECT_TRUE(whiteInRow(100));  // "Control Time" stays
    shown += whiteInRow(140);
  }
  EXPECT_TRUE(shown == 14 && !undo->enabled) << "no more taking back once the time runs";
}

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

TEST(ExperienceShop, CalmWindIsSetNotAddedAndEachPurchaseIsPaid) {
  World world(testing::smallConfig(), nullptr);
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
  World world(testing::smallConfig(), nullptr);
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

class Rules : public ::testing::Test, public testing::SceneHarness {
 protected:
  Rules() {
    app.SetArchive({{"towerace.lst", "2\n5,20\n10,10\n"}});
    make();
  }
  World& world() { return scene->world(); }
  // The world as the rules see it in a frame: standing, with or without free goos.
  void stand(float towerTop, bool freeGoos) {
    world().grounded = 1;
    world().towerTop = towerTop;
    world().goos().clear();
    if (freeGoos) world().AddGoo(Goo{});
  }
  void frames(int n) {
    for (int i = 0; i < n; ++i)
      CheckModeRules(*scene, app);
  }
};

// The briefing comes once, two seconds in; the control time waits while goos are free or nothing
// rests on the ground, then its 250 frames end the game with the record.
TEST_F(Rules, ClassicBriefingControlTimeAndEnd) {
  scene->StartGame(1, 10, 0, 0);
  stand(-250, true);
  world().seconds = 1;
  frames(5);
  EXPECT_TRUE(app.messages.empty());
  world().seconds = 2;
  frames(5);
  EXPECT_TRUE(app.messages == std::vector<std::string>{"clbrief"} && scene->controlTime == 250);
  stand(-250, false);
  world().grounded = 0;
  frames(10);
  EXPECT_EQ(scene->controlTime, 250);
  world().grounded = 1;
  frames(249);
  EXPECT_TRUE(records.empty());
  frames(1);
  EXPECT_EQ(app.messages, (std::vector<std::string>{"clbrief", "CSWin"}));
  EXPECT_EQ(std::tuple(app.switched.at(0), records.at(0)), std::tuple("StartForm", "1 250 12.50m"));
  EXPECT_TRUE(world().mode == 0 && sound.songs.back() == "4.xm");
  EXPECT_FALSE(app.variables_.GetVariable("PyramidHeight"));  // deleted after the message
  frames(300);
  EXPECT_EQ(records.size(), 1u);  // the game is over
}

// Level 1 is announced two seconds in with its goos and the one still free. Exactly 5 m with
// nothing left passes into level 2 on a new base, the points carried over; 4.95 m ends the game
// with the level in the record, and the 4 whole metres of 5 (share 0.8 - 1) cost 1 of 10 goos.
TEST_F(Rules, RelayAnnouncesLevelOneThenPassesOnExactlyTheTarget) {
  for (const float top : {-100.0f, -99.0f}) {
    scene->StartGame(2, 0, 0, 0);
    app.messages.clear();
    stand(0, true);
    world().seconds = 2;
    frames(1);
    ASSERT_EQ(app.messages, std::vector<std::string>{"ESWin"});
    EXPECT_EQ(std::tuple(scene->level, world().gooLimit, scene->targetHeight),
              std::tuple(1, 21, 5));
    EXPECT_FALSE(app.variables_.GetVariable("NeedHeight"));
    world().experiencePoints = 7;
    stand(top, false);
    frames(250);
    if (top == -100.0f) {
      EXPECT_EQ(app.messages.back(), "ESWin");
      EXPECT_EQ(std::tuple(scene->level, world().gooLimit, scene->targetHeight,
                           world().blobs().size(), world().experiencePoints, scene->controlTime),
                std::tuple(2, 10, 10, 4u, 7, 250));
    } else {
      EXPECT_EQ(std::tuple(app.messages.back(), records.at(0), world().mode),
                std::tuple("ESComplete", "2 299 L1 4.95m", 0));
      EXPECT_EQ(app.variables_.GetVariable("GoosFree"), "10 - 1 + 0");
    }
  }
}

// 3.9 m over 40 blobs: the question comes once; playing on keeps the game, leaving ends it.
TEST_F(Rules, UnlimitedWarnsAboutAWideLowTowerOnce) {
  for (const int answer : {0, 1}) {
    scene->StartGame(4, 0, 0, 0);
    while (world().blobs().size() < 40)
      world().AddBlob(0, -10, 0, 0);
    world().towerTop = -78;
    app.answer = answer;
    app.messages.clear();
    frames(3);
    EXPECT_EQ(app.messages, std::vector<std::string>{"BadConstruction"});
    EXPECT_EQ(std::tuple(world().mode, app.switched.size()),
              std::tuple(answer ? 0 : 4, answer + 0u));
  }
}

}  // namespace
}  // namespace game
