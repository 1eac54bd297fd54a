// The application and sound tables as scripts call them: registration order, argument counts,
// the screenshot request and the music natives over a recording sound library.
#include "natives/application_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fixtures/game/scene_fixture.h"
#include "fixtures/resources/memory_archive.h"
#include "natives/sound_table.h"
#include "resources/resource_archive.h"
#include "script/script_engine.h"
#include "sound/recording_sound_library.h"
#include "sound/sound_system.h"

namespace {

using Calls = std::vector<std::string>;

class ApplicationTable : public ::testing::Test {
 protected:
  ApplicationTable() {
    natives::ApplicationTableServices services;
    services.variables = &variables;
    services.quit = [this] { events.push_back("quit"); };
    services.switchForm = [this](std::string_view form) {
      events.push_back("switch " + std::string(form));
    };
    services.showCursor = [this](bool shown) { events.push_back(shown ? "show" : "hide"); };
    services.saveScreenshot = [this] { events.push_back("shot"); };
    services.screenSize = [](bool width) { return width ? 480 : 640; };
    services.displaySize = [](bool width) { return width ? 240 : 320; };
    EXPECT_TRUE(natives::RegisterApplicationNatives(natives, services));
    EXPECT_TRUE(natives::RegisterSoundNatives(natives, &sound));
  }

  // Runs body as the function Test of a fresh script; "(none)" when it gives nothing.
  std::string run(const std::string& body) {
    script::ScriptEngine engine(natives, host);
    EXPECT_TRUE(engine.LoadScript("t.scr", "function Test()\n{\n" + body + "\n}\n").ok());
    return engine.CallFunction("Test", {}).value_or("(none)");
  }

  std::unique_ptr<resources::ResourceArchive> archive =
      testing_support::memoryArchive({{"2.xm", "relay song"}});
  sound::RecordingSoundLibrary library;
  sound::SoundSystem sound{library, *archive};
  script::VariableTable variables;
  script::NativeRegistry natives;
  game::testing::FakeApp host;  // the script host: records errors
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

}  // namespace
