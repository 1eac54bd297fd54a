// The scene's sounds over the real sound system: samples by name, songs from the archive.
#include "app/sound_adapters.h"

#include <gtest/gtest.h>

#include "fixtures/game/scene_fixture.h"
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

}  // namespace
