// The SDL_mixer library against SDL's disk audio driver, with the songs and effects the build
// generates (tests/scripts/sound_sdl_render.py loads and plays every song): every effect loads,
// a song and an effect are heard in the written output, nothing is heard at volume 0, and data
// SDL_mixer cannot use gives no handle.
#include "sound/sdl/sdl_mixer_library.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kAssets = fs::path(QV_BIN_DIR).parent_path() / "assets";

std::vector<std::byte> readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), {});
  const auto* bytes = reinterpret_cast<const std::byte*>(text.data());
  return {bytes, bytes + text.size()};
}

// Sends the mixer's output to a file of raw 16-bit samples.
std::string diskOutput(const std::string& name) {
  fs::create_directories(QV_TEST_TMP_DIR);
  const std::string path = std::string(QV_TEST_TMP_DIR) + "/" + name;
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
  return path;
}

// The largest sample magnitude the disk driver wrote.
int loudestIn(const std::string& path) {
  const std::vector<std::byte> written = readFile(path);
  EXPECT_GT(written.size(), 1000u) << "the disk driver wrote nothing";
  int loudest = 0;
  for (std::size_t i = 0; i + 1 < written.size(); i += 2) {
    const auto s = static_cast<std::int16_t>(static_cast<unsigned>(written[i]) |
                                             (static_cast<unsigned>(written[i + 1]) << 8));
    loudest = std::max(loudest, std::abs(static_cast<int>(s)));
  }
  return loudest;
}

// Plays a generated song (.xm) at the music volume or an effect (.wav) at the effects volume.
int loudestPlaying(const std::string& asset, int volume, const std::string& output) {
  const std::string path = diskOutput(output);
  {
    sound::SdlMixerLibrary library;
    library.Open(11025, 32);
    EXPECT_TRUE(library.open());
    if (fs::path(asset).extension() == ".xm") {
      const sound::SongHandle song = library.LoadSong(readFile(kAssets / asset));
      EXPECT_NE(song, 0u) << asset;
      library.SetSongLooping(song, true);
      library.SetSongVolume(song, volume);  // SDL_mixer's one music volume, set before it starts
      library.PlaySong(song);
    } else {
      library.SetEffectsVolume(volume);
      const sound::SampleHandle sample = library.LoadSample(readFile(kAssets / asset));
      EXPECT_NE(sample, 0u) << asset;
      library.PlaySample(sample);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    library.Close();
  }
  return loudestIn(path);
}

class SdlMixerLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kAssets / "4.xm")) GTEST_SKIP() << "no generated sounds in " << kAssets;
  }
};

TEST_F(SdlMixerLibraryTest, SongAndEffectAreHeardAndVolumeZeroIsSilent) {
  const int song = loudestPlaying("4.xm", 255, "song_loud.raw");
  EXPECT_GT(song, 1000) << "the menu song was not heard";
  // SDL_mixer's module player leaves a residue of a few dozen at music volume 0: 40 dB down
  // is silence to the ear, and a volume that never reached the mixer would be full scale.
  EXPECT_LT(loudestPlaying("4.xm", 0, "song_quiet.raw"), song / 100);
  EXPECT_GT(loudestPlaying("start.wav", 255, "effect_loud.raw"), 1000);
  EXPECT_EQ(loudestPlaying("start.wav", 0, "effect_quiet.raw"), 0);
}

TEST_F(SdlMixerLibraryTest, EveryGeneratedEffectLoadsAndUnusableDataGivesNoHandle) {
  sound::SdlMixerLibrary closed;
  EXPECT_EQ(closed.LoadSample(readFile(kAssets / "start.wav")), 0u) << "nothing loads before Open";
  const std::vector<std::byte> junk(64, std::byte{0x33});
  diskOutput("mixer_junk.raw");
  sound::SdlMixerLibrary library;
  library.Open(11025, 32);
  ASSERT_TRUE(library.open());
  for (const auto& entry : fs::directory_iterator(kAssets)) {
    if (entry.path().extension() == ".wav") {
      EXPECT_NE(library.LoadSample(readFile(entry.path())), 0u) << entry.path();
    }
  }
  EXPECT_EQ(library.LoadSample(junk), 0u);
  EXPECT_EQ(library.LoadSong(junk), 0u);
  library.PlaySample(0);  // harmless
  library.Close();
}

}  // namespace
