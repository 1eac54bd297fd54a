#include "sound/start_up_sound.h"

namespace sound {

bool ApplyStartOptions(SoundSystem& sound, const SoundOptions& options) {
  sound.SetMusicOn(options.musicOn != 0, false);
  sound.SetEffectsOn(options.soundOn != 0);
  sound.SetSoundVolume(options.soundVolume & 0xFF);
  sound.SetMusicVolume(options.musicVolume & 0xFF);
  if (options.musicOn == 0) return true;
  if (!sound.LoadSongData(kMenuSong)) return false;
  sound.StartSong();
  return true;
}

}  // namespace sound
