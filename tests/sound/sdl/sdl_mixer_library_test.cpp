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

void fill(std::vector<std::byte>& out, std::size_t n, int value = 0) {
  out.insert(out.end(), n, static_cast<std::byte>(value));
}

// A one-pattern module song in the XM layout: one 8-bit looping square-wave instrument
// struck on the first row.
std::vector<std::byte> squareSong() {
  std::vector<std::byte> xm;
  const char* id = "Extended Module: ";
  for (int i = 0; i < 17; ++i)
    xm.push_back(static_cast<std::byte>(id[i]));
  fill(xm, 20);  // module name
  xm.push_back(std::byte{0x1A});
  fill(xm, 20);  // tracker name
  put(xm, 0x0104, 2);
  put(xm, 276, 4);  // header size from here
  put(xm, 1, 2);    // song length
  put(xm, 0, 2);    // restart position
  put(xm, 2, 2);    // channels
  put(xm, 1, 2);    // patterns
  put(xm, 1, 2);    // instruments
  put(xm, 1, 2);    // linear frequencies
  put(xm, 6, 2);    // tempo
  put(xm, 125, 2);  // BPM
  fill(xm, 256);    // order table: pattern 0
  const int rows = 16;
  std::vector<std::byte> cells;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < 2; ++c) {
      if (r == 0 && c == 0) {
        put(cells, 0x80 | 0x01 | 0x02, 1);  // packed: note and instrument follow
        put(cells, 49, 1);                  // C-4
        put(cells, 1, 1);
      } else {
        put(cells, 0x80, 1);  // empty cell
      }
    }
  }
  put(xm, 9, 4);  // pattern header length
  put(xm, 0, 1);
  put(xm, rows, 2);
  put(xm, static_cast<std::uint32_t>(cells.size()), 2);
  xm.insert(xm.end(), cells.begin(), cells.end());
  put(xm, 263, 4);  // instrument header size
  fill(xm, 22);     // name
  put(xm, 0, 1);
  put(xm, 1, 2);   // samples
  put(xm, 40, 4);  // sample header size
  fill(xm, 96);    // every note plays sample 0
  fill(xm, 96);    // envelopes
  fill(xm, 14);    // envelope counts, points, types, vibrato
  put(xm, 0, 2);   // fade-out
  fill(xm, 22);
  const std::uint32_t length = 2000;
  put(xm, length, 4);
  put(xm, 0, 4);       // loop start
  put(xm, length, 4);  // loop length
  put(xm, 64, 1);      // volume
  put(xm, 0, 1);       // finetune
  put(xm, 1, 1);       // forward loop, 8 bits
  put(xm, 128, 1);     // panning
  put(xm, 0, 1);       // relative note
  put(xm, 0, 1);
  fill(xm, 22);
  int previous = 0;
  for (std::uint32_t i = 0; i < length; ++i) {
    const int value = (i / 16) % 2 ? 100 : -100;
    put(xm, static_cast<std::uint32_t>((value - previous) & 0xFF), 1);  // delta coded
    previous = value;
  }
  return xm;
}

int loudestIn(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
  int loudest = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto s = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                             (static_cast<std::uint8_t>(bytes[i + 1]) << 8));
    loudest = std::max(loudest, std::abs(static_cast<int>(s)));
  }
  return loudest;
}

// Plays the song at the music volume into a disk-audio file; the largest sample magnitude.
int loudestSong(int volume, const std::string& path) {
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
  {
    sound::SdlMixerLibrary library;
    library.Open(11025, 32);
    const sound::SongHandle song = library.LoadSong(squareSong());
    EXPECT_NE(song, 0u) << "the module was refused";
    library.SetSongLooping(song, true);
    library.PlaySong(song);
    library.SetSongVolume(song, volume);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    library.FreeSong(song);
    library.Close();
  }
  return loudestIn(path);
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

TEST(SdlMixerLibraryTest, ModuleSongPlaysIntoTheDiskDriverAndVolumeZeroIsSilent) {
  const std::string dir = QV_TEST_TMP_DIR;
  std::filesystem::create_directories(dir);
  EXPECT_GT(loudestSong(255, dir + "/song_loud.raw"), 1000);
  EXPECT_EQ(loudestSong(0, dir + "/song_quiet.raw"), 0);
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
