#include "app/sound_adapters.h"

namespace app {

void SceneSoundAdapter::LoadSamples(std::span<const std::string> names) {
  for (const std::string& name : names)
    bank_.LoadSample(name);
}

void SceneSoundAdapter::PlaySample(std::string_view name) {
  // A sample that failed to load is not in the bank: nothing plays.
  if (const sound::Sample* sample = bank_.Find(name)) system_.PlaySample(sample->handle);
}

void SceneSoundAdapter::PlaySong(std::string_view name) {
  system_.LoadSongData(name);
  system_.StartSong();
}

}  // namespace app
