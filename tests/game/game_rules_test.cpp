// The modes' rules as the frames run: classic briefing, control time and end; the relay's
// levels; the unlimited mode's warning.
#include "game/modes/game_rules.h"

#include <gtest/gtest.h>

#include <tuple>

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
