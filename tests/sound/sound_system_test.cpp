#include "sound/sound_system.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixtures/resources/memory_archive.h"
#include "sound/recording_sound_library.h"
#include "sound/start_up_sound.h"

namespace {

using Calls = std::vector<std::string>;

class SoundSystemTest : public ::testing::Test {
 protected:
  sound::RecordingSoundLibrary library;
  std::unique_ptr<resources::ResourceArchive> archive =
      testing_support::memoryArchive({{"4.xm", "menu song"}, {"1.xm", "classic"}});
  std::unique_ptr<sound::SoundSystem> system =
      std::make_unique<sound::SoundSystem>(library, *archive);

  // A song loaded and playing at volume 40, with the calls so far forgotten.
  void playMenuSong() {
    system->SetMusicOn(true, false);
    system->SetMusicVolume(40);
    ASSERT_TRUE(system->LoadSongData("4.xm"));
    system->StartSong();
    library.ClearCalls();
  }
};

TEST_F(SoundSystemTest, VolumesAreTruncatedProductsOfTwoPointFiveFive) {
  const int expected[][2] = {{0, 0}, {20, 51}, {40, 102}, {60, 153}, {80, 204}, {100, 254}};
  for (const auto& [percent, volume] : expected) {
    EXPECT_EQ(sound::SoundSystem::LibraryVolume(percent), volume) << percent;
  }
  // Past 100 the library would get more than 255: the percentage is clamped.
  EXPECT_EQ(sound::SoundSystem::LibraryVolume(255), 254);
  EXPECT_EQ(sound::SoundSystem::LibraryVolume(-3), 0);

  playMenuSong();
  system->SetMusicVolume(100);
  system->SetSoundVolume(20);
  EXPECT_EQ(library.calls(), (Calls{"SetSongVolume(1, 254)", "SetEffectsVolume(51)"}));
}

TEST_F(SoundSystemTest, StartSongPlaysTheLoadedBytesOnlyWhenMusicIsOn) {
  system->SetMusicVolume(80);  // switches music on as well
  ASSERT_TRUE(system->LoadSongData("4.xm"));
  EXPECT_TRUE(system->StartSong());
  const std::string bytes(reinterpret_cast<const char*>(library.lastSongData().data()),
                          library.lastSongData().size());
  EXPECT_EQ(bytes, "menu song");

  // With music off the song is made but stays quiet; the old song is freed first.
  system->SetMusicOn(false, false);
  library.ClearCalls();
  system->StartSong();
  EXPECT_EQ(library.calls(), (Calls{"FreeSong(1)", "LoadSong(9) -> 2", "SetSongLooping(2, 1)"}));
}

// The switch acts on the song only when asked and when it changes; stopping needs music on and
// a song.
TEST_F(SoundSystemTest, MusicSwitchVolumeAndStopActOnlyWhenTheyShould) {
  system->StopSong();  // no song
  playMenuSong();
  system->SetMusicOn(true, true);  // already on
  system->SetMusicOn(false, false);
  system->StopSong();  // music off
  EXPECT_TRUE(library.calls().empty());
  EXPECT_FALSE(system->musicOn());
  system->SetMusicOn(true, true);
  system->SetMusicOn(false, true);
  system->SetMusicOn(true, false);
  system->StopSong();
  EXPECT_EQ(library.calls(), (Calls{"PlaySong(1)", "StopSong(1)", "StopSong(1)"}));

  // Music volume 0 stops the song and switches the music off; 40 starts both again.
  playMenuSong();
  system->SetMusicVolume(0);
  EXPECT_FALSE(system->musicOn());
  system->SetMusicVolume(40);
  EXPECT_TRUE(system->musicOn());
  EXPECT_EQ(library.calls(),
            (Calls{"SetSongVolume(2, 0)", "StopSong(2)", "SetSongVolume(2, 102)", "PlaySong(2)"}));
}

TEST_F(SoundSystemTest, OpenedAtTheMixingRateEffectsFollowTheSoundVolume) {
  EXPECT_TRUE(system->OpenSound());
  system->SetSoundVolume(40);
  EXPECT_TRUE(system->effectsOn());
  system->PlaySample(7);
  system->SetSoundVolume(0);
  EXPECT_FALSE(system->effectsOn());
  system->PlaySample(7);
  EXPECT_EQ(library.calls(), (Calls{"Open(11025, 32)", "SetEffectsVolume(102)", "PlaySample(7)",
                                    "SetEffectsVolume(0)"}));
  system->SetEffectsOn(true);
  system->PlaySample(0);  // a sample the library refused
  EXPECT_EQ(library.calls().size(), 4u);
}

TEST_F(SoundSystemTest, LoadSongDataFallsBackToTheApplicationArchive) {
  auto other = testing_support::memoryArchive({{"2.xm", "relay"}});
  ASSERT_TRUE(system->LoadSongData("1.xm", other.get()));
  EXPECT_EQ(library.calls(), (Calls{"Close()", "Open(11025, 32)", "SetEffectsVolume(0)"}));
  EXPECT_EQ(system->songName(), "1.xm");
  ASSERT_TRUE(system->LoadSongData("2.xm", other.get()));
  system->StartSong();
  EXPECT_EQ(library.calls().at(3 + 3), "LoadSong(5) -> 1");

  // Reloading reads from the archive that held the song, not from the application's.
  auto empty = testing_support::memoryArchive({});
  EXPECT_FALSE(system->LoadSongData("3.xm", empty.get()));
  EXPECT_FALSE(system->hasSongData());
  EXPECT_FALSE(system->ReloadSongData()) << "a failed load leaves nothing to reload";
}

// Deactivation stops the song; activation reopens the library and plays the song from its
// beginning; destruction frees it and closes the library.
TEST_F(SoundSystemTest, DeactivateActivateAndDestroy) {
  playMenuSong();
  system->StopSong();  // deactivation
  EXPECT_TRUE(system->ReloadSongData());
  system->StartSong();
  EXPECT_EQ(
      library.calls(),
      (Calls{"StopSong(1)", "FreeSong(1)", "Close()", "Open(11025, 32)", "SetEffectsVolume(0)",
             "LoadSong(9) -> 2", "SetSongLooping(2, 1)", "PlaySong(2)", "SetSongVolume(2, 102)"}));
  library.ClearCalls();
  system.reset();
  EXPECT_EQ(library.calls(), (Calls{"FreeSong(2)", "Close()"}));
}

TEST_F(SoundSystemTest, StartUpAppliesTheOptionsAndStartsTheMenuSongWhenMusicIsOn) {
  ASSERT_TRUE(sound::ApplyStartOptions(*system, {1, 1, 60, 20}));
  EXPECT_TRUE(system->musicOn());
  EXPECT_TRUE(system->effectsOn());
  EXPECT_EQ(
      library.calls(),
      (Calls{"SetEffectsVolume(51)", "Close()", "Open(11025, 32)", "SetEffectsVolume(51)",
             "LoadSong(9) -> 1", "SetSongLooping(1, 1)", "PlaySong(1)", "SetSongVolume(1, 153)"}));

  // With music off no song is loaded; a missing menu song fails the start.
  sound::SoundSystem quiet(library, *archive);
  library.ClearCalls();
  ASSERT_TRUE(sound::ApplyStartOptions(quiet, {0, 0, 0, 0}));
  EXPECT_EQ(library.calls(), (Calls{"SetEffectsVolume(0)"}));
  EXPECT_FALSE(quiet.hasSongData());
  EXPECT_FALSE(quiet.effectsOn());
  auto empty = testing_support::memoryArchive({});
  sound::SoundSystem noSongs(library, *empty);
  EXPECT_FALSE(sound::ApplyStartOptions(noSongs, {1, 0, 20, 0})) << "the menu song is missing";
}

}  // namespace
