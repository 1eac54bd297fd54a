// The songs and effects the build generates load in SDL_mixer, and a song is heard.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "sound/sdl/sdl_mixer_library.h"

namespace {

namespace fs = std::filesystem;

const fs::path kAssets = fs::path(QV_BIN_DIR).parent_path() / "assets";

std::vector<std::byte> readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
  std::vector<std::byte> out(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i)
    out[i] = static_cast<std::byte>(bytes[i]);
  return out;
}

TEST(GeneratedSounds, EverySongAndEffectLoadsAndTheMenuSongIsHeard) {
  if (!fs::exists(kAssets / "4.xm")) GTEST_SKIP() << "no generated sounds in " << kAssets;
  const std::string disk = std::string(QV_TEST_TMP_DIR) + "/generated_sounds.raw";
  fs::create_directories(QV_TEST_TMP_DIR);
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", disk.c_str(), 1);
  {
    sound::SdlMixerLibrary library;
    library.Open(11025, 32);
    ASSERT_TRUE(library.open());
    int effects = 0;
    for (const auto& entry : fs::directory_iterator(kAssets)) {
      const std::string name = entry.path().filename().string();
      if (entry.path().extension() == ".wav") {
        EXPECT_NE(library.LoadSample(readFile(entry.path())), 0u) << name;
        ++effects;
      } else if (entry.path().extension() == ".xm") {
        const sound::SongHandle song = library.LoadSong(readFile(entry.path()));
        EXPECT_NE(song, 0u) << name;
        library.FreeSong(song);
      }
    }
    EXPECT_EQ(effects, 21);
    const sound::SongHandle menu = library.LoadSong(readFile(kAssets / "4.xm"));
    library.PlaySong(menu);
    library.SetSongVolume(menu, 255);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    library.Close();
  }
  const std::vector<std::byte> written = readFile(disk);
  int loudest = 0;
  for (std::size_t i = 0; i + 1 < written.size(); i += 2) {
    const auto s = static_cast<std::int16_t>(static_cast<unsigned>(written[i]) |
                                             (static_cast<unsigned>(written[i + 1]) << 8));
    loudest = std::max(loudest, std::abs(static_cast<int>(s)));
  }
  EXPECT_GT(loudest, 1000) << "the menu song was not heard";
}

}  // namespace
