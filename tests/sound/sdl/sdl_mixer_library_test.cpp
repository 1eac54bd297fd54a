// The SDL_mixer library against SDL's disk audio driver: a .wav sample built here is played and
// its sound found in the written output, and nothing is heard at effects volume 0.
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

void put(std::vector<std::byte>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<std::byte>((v >> (8 * i)) & 0xFF));
}
void put(std::vector<std::byte>& out, const char* tag) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<std::byte>(tag[i]));
}

// Half a second of a loud 16-bit mono square wave at 11025 Hz.
std::vector<std::byte> squareWave() {
  const std::uint32_t frames = 5512;
  std::vector<std::byte> wav;
  put(wav, "RIFF");
  put(wav, 36 + frames * 2, 4);
  put(wav, "WAVE");
  put(wav, "fmt ");
  put(wav, 16, 4);
  put(wav, 1, 2);  // PCM
  put(wav, 1, 2);  // mono
  put(wav, 11025, 4);
  put(wav, 11025 * 2, 4);
  put(wav, 2, 2);
  put(wav, 16, 2);
  put(wav, "data");
  put(wav, frames * 2, 4);
  for (std::uint32_t i = 0; i < frames; ++i)
    put(wav, (i / 25) % 2 ? 0x6000 : 0xA000, 2);
  return wav;
}

// Plays the wave at the effects volume into a disk-audio file; the largest sample magnitude.
int loudestWritten(int volume, const std::string& path) {
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
  {
    sound::SdlMixerLibrary library;
    library.Open(11025, 32);
    EXPECT_TRUE(library.open());
    library.SetEffectsVolume(volume);
    const sound::SampleHandle sample = library.LoadSample(squareWave());
    EXPECT_NE(sample, 0u);
    library.PlaySample(sample);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    library.Close();
  }
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
  int loudest = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto s = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                             (static_cast<std::uint8_t>(bytes[i + 1]) << 8));
    loudest = std::max(loudest, std::abs(static_cast<int>(s)));
  }
  EXPECT_GT(bytes.size(), 1000u) << "the disk driver wrote nothing";
  return loudest;
}

TEST(SdlMixerLibraryTest, SamplePlaysIntoTheDiskDriverAndVolumeZeroIsSilent) {
  const std::string dir = QV_TEST_TMP_DIR;
  std::filesystem::create_directories(dir);
  EXPECT_GT(loudestWritten(255, dir + "/mixer_loud.raw"), 4000);
  EXPECT_EQ(loudestWritten(0, dir + "/mixer_quiet.raw"), 0);
}

TEST(SdlMixerLibraryTest, UnusableDataGivesNoHandle) {
  std::filesystem::create_directories(QV_TEST_TMP_DIR);
  sound::SdlMixerLibrary closed;
  EXPECT_EQ(closed.LoadSample(squareWave()), 0u) << "nothing loads before Open";
  const std::vector<std::byte> junk(64, std::byte{0x33});
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", (std::string(QV_TEST_TMP_DIR) + "/mixer_junk.raw").c_str(), 1);
  sound::SdlMixerLibrary library;
  library.Open(11025, 32);
  EXPECT_EQ(library.LoadSample(junk), 0u);
  EXPECT_EQ(library.LoadSong(junk), 0u);
  library.PlaySample(0);  // harmless
  library.Close();
}

}  // namespace
