#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "fixtures/temp_folder.h"
#include "platform/file.h"
#include "settings/key_value_file.h"
#include "settings/options.h"

namespace settings {
namespace {

class OptionsFile : public testing_support::TempFolderTest {
 protected:
  std::string path() const { return (dir_ / "options.dat").string(); }
  void write(const std::string& text) { std::ofstream(path(), std::ios::binary) << text; }
  std::string read() const { return *platform::readWholeFile(path()); }
};

// Keys and values are trimmed and inner runs of blanks shrink to one; the first "=" splits.
// Reading stops at the first line without "=" (an empty line included), keeping what came
// before; lines are read in pieces of 999 characters.
TEST(KeyValueText, TidiesKeysAndValuesAndStopsAtALineWithoutEquals) {
  const struct {
    std::string text;
    bool ok;
    std::string entries;
  } kCases[] = {
      {"MusicVolume=60\n  Music  Volume  =  6 0  \r\nEmpty =\n", true,
       "MusicVolume=60|Music Volume=6 0|Empty=|"},
      {"A = 1\n\n", false, "A=1|"},
      {"A = 1\nno equals sign\nB = 2\n", false, "A=1|"},
      {"", true, ""},
      {"A = 1", true, "A=1|"},  // the last line may lack its line end
      {"A = 1 = 2\n", true, "A=1 = 2|"},
      {std::string(999, 'k') + "=1\n", false, ""},  // the first piece has no "="
      {"K=" + std::string(997, 'v') + "\n", true, "K=" + std::string(997, 'v') + "|"},
  };
  for (const auto& c : kCases) {
    KeyValueFile file;
    EXPECT_EQ(file.Parse(c.text), c.ok) << c.text;
    std::string entries;
    for (const auto& [key, value] : file.entries())
      entries += key + "=" + value + "|";
    EXPECT_EQ(entries, c.entries) << c.text;
  }
  EXPECT_EQ(KeyValueFile().Get("Absent"), "0");
}

TEST(KeyValueText, SetIntUpdatesTheFirstEntryOrAppends) {
  KeyValueFile file;
  ASSERT_TRUE(file.Parse("Custom = keep me\nSoundOn = 1\nSoundOn = 7\n"));
  file.SetInt("SoundOn", 0);
  file.SetInt("MusicOn", -3);
  EXPECT_EQ(file.Text(), "Custom = keep me\nSoundOn = 0\nSoundOn = 7\nMusicOn = -3\n");
}

TEST_F(OptionsFile, MissingFileGivesZerosAndIsWrittenInKeyOrder) {
  KeyValueFile file;
  EXPECT_EQ(LoadOptionsFile(file, path()), Options{});
  EXPECT_EQ(read(),
            "MusicOn = 0\nSoundOn = 0\nMusicVolume = 0\nSoundVolume = 0\nConnectType = 0\n"
            "CloudsOn = 0\nBackgroundType = 0\nColorSpectrum = 0\nMulticolorOn = 0\n"
            "ScreenShotCount = 0\n");
}

TEST_F(OptionsFile, ReadFileKeepsItsOrderAndUnknownKeysAndAppendsMissingOnes) {
  write("SoundVolume = 40\nMyTweak = 3\nMusicVolume=60\nColorSpectrum = 5\nMulticolorOn = 1\n");
  KeyValueFile file;
  Options options = LoadOptionsFile(file, path());
  EXPECT_EQ(options,
            (Options{.musicVolume = 60, .soundVolume = 40, .colorSpectrum = 5, .multicolorOn = 1}));

  options.screenShotCount += 2;  // two screenshots, then a normal shutdown
  ASSERT_TRUE(SaveOptionsFile(options, file));
  EXPECT_EQ(read(),
            "SoundVolume = 40\nMyTweak = 3\nMusicVolume = 60\nColorSpectrum = 5\n"
            "MulticolorOn = 1\nMusicOn = 0\nSoundOn = 0\nConnectType = 0\nCloudsOn = 0\n"
            "BackgroundType = 0\nScreenShotCount = 2\n");
  KeyValueFile again;
  EXPECT_EQ(LoadOptionsFile(again, path()), options);
}

TEST_F(OptionsFile, MalformedFileGivesZerosAndIsRewrittenAtOnce) {
  write("MusicOn = 1\nMusicVolume = 80\n\n");
  KeyValueFile file;
  EXPECT_EQ(LoadOptionsFile(file, path()), Options{});
  // The entries read before the empty line stay, now holding the zeros.
  EXPECT_EQ(read().substr(0, 30), "MusicOn = 0\nMusicVolume = 0\nSo");
  KeyValueFile again;
  EXPECT_TRUE(again.Load(path()));
}

TEST_F(OptionsFile, ValuesOutsideTheirRangeAreClamped) {
  write(
      "MusicVolume = 250\nSoundVolume = -20\nColorSpectrum = 9\nConnectType = 7\n"
      "ScreenShotCount = 70000\nCloudsOn = yes\n");
  KeyValueFile file;
  // SoundVolume -20 and CloudsOn "yes" (not a number, read as 0 as the integer conversion does)
  // give zeros.
  const Options clamped{
      .musicVolume = 100, .connectType = 2, .colorSpectrum = 5, .screenShotCount = 65535};
  EXPECT_EQ(LoadOptionsFile(file, path()), clamped);
}

}  // namespace
}  // namespace settings
