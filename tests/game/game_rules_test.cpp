// The modes' rules as the frames run: classic briefing, control time and end; the relay's
// levels; the unlimited mode's warning.
#include "game/modes/game_rules.h"

#include <gtest/gtest.h>

#include "fixtures/game/scene_fixture.h"
#include "game/game_scene.h"
#include "gui/form.h"

namespace game {
namespace {

class Rules : public ::testing::Test {
 protected:
  Rules() : form("GameForm", nullptr) {
    testing::SetSceneVariables(app.variables_);
    app.SetArchive({{"towerace.lst", "2\n5,20\n10,10\n"}});
    scene = std::make_unique<GameScene>("Scene", &form, app, &sound);
    scene->Initialise(0, 0, 240, 320, false, 1);
    scene->SetRecordSink([this](int mode, const RecordResult& r) {
      records.push_back(std::to_string(mode) + " " + std::to_string(r.score) + " " + r.text);
    });
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

  testing::FakeApp app;
  testing::RecordingSound sound;
  gui::Form form;
  std::unique_ptr<GameScene> scene;
  std::vector<std::string> records;
};

TEST_F(Rules, ClassicBriefsAfterTwoSecondsWhileGoosAreFree) {
  scene->StartGame(1, 10, 0, 0);
  stand(-100, true);
  world().seconds = 1;
  frames(5);
  EXPECT_TRUE(app.messages.empty());
  world().seconds = 2;
  frames(5);
  EXPECT_EQ(app.messages, std::vector<std::string>{"clbrief"});  // once
  EXPECT_EQ(scene->controlTime, GameScene::kControlTimeFrames);  // goos free: no countdown
}

TEST_F(Rules, ClassicControlTimeRunsOnlyOnTheGroundWithNothingLeftAndThenEndsTheGame) {
  scene->StartGame(1, 10, 0, 0);
  stand(-250, false);
  world().grounded = 0;
  frames(10);
  EXPECT_EQ(scene->controlTime, 250);  // paused while nothing rests on the ground
  world().grounded = 1;
  frames(249);
  EXPECT_EQ(scene->controlTime, 1);
  EXPECT_TRUE(records.empty());
  frames(1);
  EXPECT_EQ(app.messages, std::vector<std::string>{"CSWin"});
  EXPECT_EQ(app.switched, std::vector<std::string>{"StartForm"});
  EXPECT_EQ(records, std::vector<std::string>{"1 250 12.50m"});
  EXPECT_EQ(world().mode, 0);
  EXPECT_EQ(sound.songs.back(), "4.xm");
  EXPECT_FALSE(app.variables_.GetVariable("PyramidHeight"));  // deleted after the message
  frames(300);
  EXPECT_EQ(records.size(), 1u);  // the game is over
}

TEST_F(Rules, RelayAnnouncesLevelOneThenPassesOnExactlyTheTarget) {
  scene->StartGame(2, 0, 0, 0);
  stand(0, true);
  world().seconds = 2;
  frames(1);
  EXPECT_EQ(app.messages, std::vector<std::string>{"ESWin"});
  EXPECT_EQ(scene->level, 1);
  EXPECT_EQ(world().gooLimit, 20 + 1);  // the level's goos and the one still free
  EXPECT_EQ(scene->targetHeight, 5);
  EXPECT_FALSE(app.variables_.GetVariable("NeedHeight"));

  // Exactly 5 m with nothing left: level 2 with its 10 goos, the world rebuilt.
  world().experiencePoints = 7;
  stand(-100, false);
  frames(250);
  EXPECT_EQ(app.messages.back(), "ESWin");
  EXPECT_EQ(scene->level, 2);
  EXPECT_EQ(world().gooLimit, 10);
  EXPECT_EQ(scene->targetHeight, 10);
  EXPECT_EQ(world().blobs().size(), 4u);   // a new base
  EXPECT_EQ(world().experiencePoints, 7);  // carried over
  EXPECT_EQ(scene->controlTime, 250);
}

TEST_F(Rules, RelayOneMetreShortEndsTheGameWithTheLevelInTheRecord) {
  scene->StartGame(2, 0, 0, 0);
  stand(0, true);
  world().seconds = 2;
  frames(1);
  stand(-99, false);  // 4.95 m of 5
  frames(250);
  EXPECT_EQ(app.messages, (std::vector<std::string>{"ESWin", "ESComplete"}));
  EXPECT_EQ(records, std::vector<std::string>{"2 299 L1 4.95m"});
  EXPECT_EQ(world().mode, 0);
  // 4 whole metres of 5: the share is 0.8 - 1, so 10 goos lose trunc(-1.99...) = 1.
  EXPECT_EQ(app.variables_.GetVariable("GoosFree"), "10 - 1 + 0");
}

TEST_F(Rules, UnlimitedWarnsAboutAWideLowTowerOnce) {
  scene->StartGame(4, 0, 0, 0);
  while (world().blobs().size() < 40)
    world().AddBlob(0, -10, 0, 0);
  world().towerTop = -78;  // 3.9 m over 40 blobs
  app.answer = 0;
  frames(3);
  EXPECT_EQ(app.messages, std::vector<std::string>{"BadConstruction"});
  EXPECT_EQ(world().mode, 4);  // kept playing, not asked again

  scene->StartGame(4, 0, 0, 0);
  while (world().blobs().size() < 40)
    world().AddBlob(0, -10, 0, 0);
  world().towerTop = -78;
  app.answer = 1;
  frames(1);
  EXPECT_EQ(app.switched, std::vector<std::string>{"ChooseForm"});
  EXPECT_EQ(world().mode, 0);
}

}  // namespace
}  // namespace game
