// The scene's sounds over the real sound system: samples by name, songs from the archive.
#include "app/sound_adapters.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fixtures/game/scene_fixture.h"
#include "game/game_scene.h"
#include "gui/form.h"
#include "sound/recording_sound_library.h"

namespace {

TEST(SceneSoundAdapter, PlaysLoadedSamplesByNameAndSkipsMissingOnes) {
  game::testing::FakeApp app;
  app.SetArchive({{"catch1.wav", "RIFF....WAVE"}, {"4.xm", "Extended Module: "}});
  sound::RecordingSoundLibrary library;
  sound::SoundSystem system(library, app.archive());
  system.SetSoundVolume(100);
  app::SceneSoundAdapter adapter(system, library, app.archive());
  const std::string names[] = {"catch1.wav", "missing.wav"};
  adapter.LoadSamples(names);
  EXPECT_EQ(adapter.bank().size(), 1u);
  library.ClearCalls();
  adapter.PlaySample("missing.wav");
  EXPECT_TRUE(library.calls().empty());
  adapter.PlaySample("catch1.wav");
  ASSERT_EQ(library.calls().size(), 1u);
  EXPECT_NE(library.calls()[0].find("PlaySample"), std::string::npos) << library.calls()[0];

  adapter.PlaySong("4.xm");
  EXPECT_EQ(system.songName(), "4.xm");
}

// Starting a song restarts the mixer (Close, Open), which cuts off every sample: the start of
// a game is heard only when its sample is asked for after the song.
TEST(SceneSoundAdapter, AGamesStartSampleIsPlayedAfterTheSongRestart) {
  game::testing::FakeApp app;
  app.SetArchive({{"start.wav", "RIFF....WAVE"}, {"1.xm", "Extended Module: "}});
  game::testing::SetSceneVariables(app.variables_);
  sound::RecordingSoundLibrary library;
  sound::SoundSystem system(library, app.archive());
  system.SetSoundVolume(100);
  app::SceneSoundAdapter adapter(system, library, app.archive());
  gui::Form form("GameForm", nullptr);
  game::GameScene scene("Scene", &form, app, &adapter);
  ASSERT_TRUE(scene.Initialise(0, 0, 240, 320, false, 1));
  library.ClearCalls();
  scene.StartGame(1, 30, 0, 0);
  const std::vector<std::string>& calls = library.calls();
  const auto close = std::find(calls.rbegin(), calls.rend(), "Close()");
  const auto sample = std::find_if(calls.rbegin(), calls.rend(), [](const std::string& call) {
    return call.rfind("PlaySample", 0) == 0;
  });
  ASSERT_NE(close, calls.rend());
  ASSERT_NE(sample, calls.rend());
  EXPECT_LT(sample, close);  // counted from the end: the sample comes after the last Close
}

}  // namespace
