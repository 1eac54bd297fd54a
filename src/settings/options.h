// Options: the player's ten settings as options.dat keeps them, with their load and save rules.
// The options screen owns one Options; the sound system and the scenes read it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "settings/key_value_file.h"

namespace settings {

struct Options {
  std::uint16_t musicOn = 0;          // 0, 1
  std::uint16_t soundOn = 0;          // 0, 1
  std::uint16_t musicVolume = 0;      // percent: 0, 20, ..., 100
  std::uint16_t soundVolume = 0;      // percent: 0, 20, ..., 100
  std::uint16_t connectType = 0;      // 0 standard, 1 one line, 2 two lines
  std::uint16_t cloudsOn = 0;         // 0, 1
  std::uint16_t backgroundType = 0;   // 0 gradient, 1 flooding
  std::uint16_t colorSpectrum = 0;    // colour scheme 0..5
  std::uint16_t multicolorOn = 0;     // 1 exactly when colorSpectrum is 5
  std::uint16_t screenShotCount = 0;  // number of the last screenshot taken

  friend bool operator==(const Options&, const Options&) = default;
};

/// The option keys in the order of a new file.
inline constexpr std::array<std::string_view, 10> kOptionKeys = {
    "MusicOn",  "SoundOn",        "MusicVolume",   "SoundVolume",  "ConnectType",
    "CloudsOn", "BackgroundType", "ColorSpectrum", "MulticolorOn", "ScreenShotCount"};

/// Reads the options from file (already loaded). Absent keys give 0; a value outside its
/// option's range is clamped into it, so a hand-edited file can't push a volume past 100 or
/// pick a colour scheme that does not exist.
Options ReadOptions(const KeyValueFile& file);

/// Writes the ten values into file's entries, in key order (new keys are appended).
void WriteOptions(const Options& options, KeyValueFile& file);

/// Loads path into file and reads the options. When the file can't be read or is malformed,
/// every option is 0 and the file is rewritten at once with the ten keys.
Options LoadOptionsFile(KeyValueFile& file, std::string path);

/// WriteOptions then Save; false when the file could not be written (not reported further).
bool SaveOptionsFile(const Options& options, KeyValueFile& file);

}  // namespace settings
