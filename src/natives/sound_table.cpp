#include "natives/sound_table.h"

#include "sound/sound_system.h"

namespace natives {

bool RegisterSoundNatives(script::NativeRegistry& registry, sound::SoundSystem* sound) {
  using Args = std::span<const std::string>;
  using Answer = std::optional<std::string>;
  // LoadMusic(song file name): restarts the sound and holds that entry of the application's
  // archive as the song data; a missing entry leaves none. Without a name: nothing.
  registry.RegisterNative("LoadMusic", [sound](Args args) -> Answer {
    if (sound != nullptr && script::argumentCount(args) >= 1) sound->LoadSongData(args[0]);
    return std::nullopt;
  });
  // PlayMusic(): the looping song from the held data, playing when music is on.
  registry.RegisterNative("PlayMusic", [sound](Args) -> Answer {
    if (sound != nullptr) sound->StartSong();
    return std::nullopt;
  });
  // StopMusic(): stops the song when music is on.
  registry.RegisterNative("StopMusic", [sound](Args) -> Answer {
    if (sound != nullptr) sound->StopSong();
    return std::nullopt;
  });
  // PlayEffect(): kept for the scripts that call it; effects are played by the game itself.
  registry.RegisterNative("PlayEffect", [](Args) -> Answer { return std::nullopt; });
  return true;
}

}  // namespace natives
