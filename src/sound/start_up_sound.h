// The sound part of the program's start-up: the saved switches and volumes applied to the
// sound system, then the menu song.
#pragma once

#include <cstdint>

#include "sound/sound_system.h"

namespace sound {

/// The saved options the sound starts with: switches 0/1 and volumes in percent.
struct SoundOptions {
  std::uint16_t musicOn = 0;
  std::uint16_t soundOn = 0;
  std::uint16_t musicVolume = 0;
  std::uint16_t soundVolume = 0;
};

/// The song the menus play.
inline constexpr const char* kMenuSong = "4.xm";

/// Applies options to sound (music switch without starting anything, effects switch, effects
/// volume, music volume; the volumes use their low 8 bits) and, when the music option is on,
/// loads the menu song from the application's archive and starts it. False only when the menu
/// song can't be read.
bool ApplyStartOptions(SoundSystem& sound, const SoundOptions& options);

}  // namespace sound
