// The game table as scripts call it: which scene each function addresses, argument reading,
// and the natives that must do nothing.
#include "natives/game_table.h"

#include <gtest/gtest.h>

#include <tuple>

#include "fixtures/game/scene_fixture.h"
#include "gui/form.h"
#include "script/script_engine.h"

namespace {

using game::testing::FakeApp;

class GameTable : public ::testing::Test {
 protected:
  GameTable() : gameForm("GameForm", nullptr), root("main", nullptr) {
    game::testing::SetSceneVariables(app.variables_);
    gameScene = std::make_unique<game::GameScene>("Scene", &gameForm, app, nullptr);
    demoScene = std::make_unique<game::GameScene>("DemoScene", &root, app, nullptr);
    gameScene->Initialise(0, 0, 240, 320, false, 1);
    demoScene->Initialise(0, 0, 240, 320, true, 1);
    natives::GameTableServices services;
    services.gameScene = [this] { return gameScene.get(); };
    services.demoScene = [this] { return demoScene.get(); };
    EXPECT_TRUE(natives::RegisterGameNatives(natives, services));
  }
  // Runs body as the function Test of a fresh script and gives its result. The script's name
  // starts with a digit, so a native that read it as a missing number would see 7.
  std::string run(const std::string& body) {
    script::ScriptEngine engine(natives, app);
    EXPECT_TRUE(engine.LoadScript("7.scr", "function Test()\n{\n" + body + "\n}\n").ok());
    return engine.CallFunction("Test", {}).value_or("(none)");
  }

  FakeApp app;
  gui::Form gameForm;
  gui::Form root;
  std::unique_ptr<game::GameScene> gameScene;
  std::unique_ptr<game::GameScene> demoScene;
  script::NativeRegistry natives;
};

TEST_F(GameTable, AddBlobAndAddLinkDecorateTheDemoScene) {
  run("var a; var b; a = AddBlob(100, 40, 2); b = AddBlob(130, 40); AddLink(a, b, 1);");
  const auto& blobs = demoScene->world().blobs();
  ASSERT_EQ(blobs.size(), 2u);
  // Heights are given upwards; a missing argument reads 0.
  EXPECT_EQ(std::tuple(blobs.front().x, blobs.front().y, +blobs.front().colorIndex,
                       +blobs.back().colorIndex, demoScene->world().links().size()),
            std::tuple(100.0f, -40.0f, 2, 0, 1u));
  EXPECT_TRUE(gameScene->world().blobs().empty());
  EXPECT_EQ(run("return ActivateExperience(1, 2);"), "0");  // does nothing
}

TEST_F(GameTable, StartGameZoomAndSizesAddressTheGameScene) {
  run("StartGame(1, 25, 0, 0);");
  EXPECT_EQ(
      std::tuple(gameScene->world().mode, gameScene->world().gooLimit, demoScene->world().mode),
      std::tuple(1, 25, 0));
  run("MagMinus(); MagMinus(); MagPlus();");
  EXPECT_FLOAT_EQ(gameScene->world().camera.zoom, 0.9f);
  EXPECT_EQ(run("return (GetSceneWidth() $+ \" \" $+ GetSceneHeight());"), "240 320");
  run("SetWind(0.25);");
  EXPECT_FLOAT_EQ(gameScene->world().wind.wind, 0.25f);
}

TEST_F(GameTable, SetResistanceFactorNeedsTheSceneNameAndAValue) {
  const game::WorldConstants& game = gameScene->world().constants();
  const float before = game.linkStiffness;
  // No value, or a name in the wrong case: nothing changes.
  run("SetResistanceFactor(\"Game\"); SetResistanceFactor(\"game\", 0.9);");
  EXPECT_FLOAT_EQ(game.linkStiffness, before);
  gameScene->world().tuning().frozenLinkStiffness = 0.5f;
  run("SetResistanceFactor(\"Demo\", 0.75);");
  EXPECT_FLOAT_EQ(demoScene->world().constants().linkStiffness, 0.75f);
  EXPECT_FLOAT_EQ(game.linkStiffness, before);
  EXPECT_FLOAT_EQ(game.frozenLinkStiffness, 0.6f);  // shared
}

TEST_F(GameTable, CloudsGoToTheScenesTheirNamesSay) {
  run("AddCloud(10, 100, 1, 3); AddCloudToGame(0, 0, 0, 0); AddCloudToDemo(0, 0, 0, 0);");
  EXPECT_EQ(
      std::tuple(gameScene->renderer().clouds().size(), demoScene->renderer().clouds().size()),
      std::tuple(2u, 2u));
  EXPECT_FLOAT_EQ(demoScene->renderer().clouds().front().y, -100.0f);
  run("SetViewPoint(0-50.5, 0-200);");
  EXPECT_FLOAT_EQ(demoScene->world().camera.cameraX, -50.5f);
}

TEST(GameTableWithoutScenes, NativesDoNothingBeforeTheScenesExist) {
  FakeApp app;
  script::NativeRegistry natives;
  natives::GameTableServices services;
  services.gameScene = [] { return nullptr; };
  services.demoScene = [] { return nullptr; };
  ASSERT_TRUE(natives::RegisterGameNatives(natives, services));
  script::ScriptEngine engine(natives, app);
  ASSERT_TRUE(
      engine.LoadScript("t.scr", "function T() { StartGame(1,2,3,4); return AddBlob(1,2,3); }")
          .ok());
  EXPECT_EQ(engine.CallFunction("T", {}), "0");
  EXPECT_FALSE(natives::RegisterGameNatives(natives, {}));
}

}  // namespace
