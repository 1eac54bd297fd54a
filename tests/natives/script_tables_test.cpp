// The application, sound and game tables as scripts call them: registration, argument counts
// and reading, the screenshot request, the music natives over a recording sound library, which
// scene each game function addresses, and the natives that must do nothing.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "fixtures/game/scene_fixture.h"
#include "fixtures/resources/memory_archive.h"
#include "gui/form.h"
#include "natives/application_table.h"
#include "natives/game_table.h"
#include "natives/sound_table.h"
#include "resources/resource_archive.h"
#include "script/script_engine.h"
#include "sound/recording_sound_library.h"
#include "sound/sound_system.h"

namespace {

using Calls = std::vector<std::string>;
using game::testing::FakeApp;

// Runs body as the function Test of a fresh script and gives its result, "(none)" when it gives
// nothing. The script's name starts with a digit, so a native that read it as a missing number
// would see 7.
std::string runScript(script::NativeRegistry& natives, script::Host& host,
                      const std::string& body) {
  script::ScriptEngine engine(natives, host);
  EXPECT_TRUE(engine.LoadScript("7.scr", "function Test()\n{\n" + body + "\n}\n").ok());
  return engine.CallFunction("Test", {}).value_or("(none)");
}

class ApplicationTable : public ::testing::Test {
 protected:
  ApplicationTable() {
    const natives::ApplicationTableServices services{
        .variables = &variables,
        .quit = [this] { events.push_back("quit"); },
        .switchForm =
            [this](std::string_view form) { events.push_back("switch " + std::string(form)); },
        .showCursor = [this](bool shown) { events.push_back(shown ? "show" : "hide"); },
        .saveScreenshot = [this] { events.push_back("shot"); },
        .screenSize = [](bool width) { return width ? 480 : 640; },
        .displaySize = [](bool width) { return width ? 240 : 320; }};
    EXPECT_TRUE(natives::RegisterApplicationNatives(natives, services));
    EXPECT_TRUE(natives::RegisterSoundNatives(natives, &sound));
  }
  std::string run(const std::string& body) { return runScript(natives, host, body); }

  std::unique_ptr<resources::ResourceArchive> archive =
      testing_support::memoryArchive({{"2.xm", "relay song"}});
  sound::RecordingSoundLibrary library;
  sound::SoundSystem sound{library, *archive};
  script::VariableTable variables;
  script::NativeRegistry natives;
  FakeApp host;  // the script host: records errors
  std::vector<std::string> events;
};

TEST_F(ApplicationTable, ApplicationNativesActAndAnswer) {
  EXPECT_EQ(run("return GetGameTimeQuant();"), "40");
  EXPECT_EQ(run("return (SetGlobalVar(\"Answer1\", \"yes\") $+ GetGlobalVar(\"Answer1\"));"),
            "1yes");
  run("SwitchForm(\"ChooseForm\", \"StartForm\"); SwitchForm(); SwitchForm(\"ChooseForm\");");
  run("HideCursor(); ShowCursor(); SaveScreenShot(); SaveScreenShot(); QuitApplication();");
  EXPECT_EQ(events, (Calls{"switch ChooseForm", "hide", "show", "shot", "shot", "quit"}))
      << "SwitchForm acts only with exactly one argument";
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(ApplicationTable, ScreenParamsAnswerWidthAndHeightOnly) {
  // Unknown names give an empty text, not the 0 that a native giving nothing would produce.
  EXPECT_EQ(
      run("return (GetScreenParams(\"Width\") $+ \",\" $+ GetScreenParams(\"Height\") $+ \",\""
          " $+ FindoutScreenParams(\"Width\") $+ \",\" $+ FindoutScreenParams(\"Height\")"
          " $+ \",\" $+ GetScreenParams(\"Depth\") $+ FindoutScreenParams(\"width\")"
          " $+ GetScreenParams());"),
      "480,640,240,320,");
}

TEST_F(ApplicationTable, MusicNativesDriveTheSoundSystem) {
  sound.SetMusicVolume(60);
  library.ClearCalls();
  run("LoadMusic(\"2.xm\"); PlayMusic(); PlayEffect(); StopMusic();");
  EXPECT_EQ(library.calls(),
            (Calls{"Close()", "Open(11025, 32)", "SetEffectsVolume(0)", "LoadSong(10) -> 1",
                   "SetSongLooping(1, 1)", "PlaySong(1)", "SetSongVolume(1, 153)", "StopSong(1)"}));
  EXPECT_EQ(sound.songName(), "2.xm");

  // A missing song leaves no data: PlayMusic then makes no song. LoadMusic without a name and
  // PlayEffect leave the sound as it is.
  library.ClearCalls();
  run("LoadMusic(); PlayEffect();");
  EXPECT_TRUE(library.calls().empty());
  run("LoadMusic(\"9.xm\"); PlayMusic(); StopMusic();");
  EXPECT_EQ(library.calls().back(), "LoadSong(0) -> 0");
  EXPECT_TRUE(!sound.hasSong() && host.errors.empty());
}

// The game scene on its form and the demo scene behind the menus.
class GameTable : public ::testing::Test, public game::testing::SceneHarness {
 protected:
  GameTable() : gameScene(&make()) {
    demoScene = std::make_unique<game::GameScene>("DemoScene", &root, app, nullptr);
    demoScene->Initialise(0, 0, 240, 320, true, 1);
    EXPECT_TRUE(
        natives::RegisterGameNatives(natives, {.gameScene = [this] { return gameScene; },
                                               .demoScene = [this] { return demoScene.get(); }}));
  }
  std::string run(const std::string& body) { return runScript(natives, app, body); }

  game::GameScene* gameScene;
  gui::Form root{"main", nullptr};
  std::unique_ptr<game::GameScene> demoScene;
  script::NativeRegistry natives;
};

TEST_F(GameTable, AddBlobAndAddLinkDecorateTheDemoScene) {
  // A link to an identifier that names no blob makes nothing.
  run("var a; var b; a = AddBlob(100, 40, 2); b = AddBlob(130, 40); AddLink(a, b, 1);"
      "AddLink(a, \"12345\", 1); AddLink(\"junk\", b, 1);");
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
  const auto none = []() -> game::GameScene* { return nullptr; };
  ASSERT_TRUE(natives::RegisterGameNatives(natives, {.gameScene = none, .demoScene = none}));
  EXPECT_EQ(runScript(natives, app, "StartGame(1,2,3,4); return AddBlob(1,2,3);"), "0");
}

}  // namespace
