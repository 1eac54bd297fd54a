// The sound system as the game scene and the options screen see it: the scene's samples are
// loaded into a sample bank of its own and played by name; songs and volumes go to the one
// sound system.
#pragma once

#include <memory>

#include "game/scene_sound.h"
#include "settings/options_form.h"
#include "sound/sample_bank.h"
#include "sound/sound_system.h"

namespace app {

class SceneSoundAdapter final : public game::SceneSound {
 public:
  /// Both must outlive the adapter.
  SceneSoundAdapter(sound::SoundSystem& system, sound::SoundLibrary& library,
                    resources::ResourceArchive& archive)
      : system_(system), bank_(library, archive) {}

  void LoadSamples(std::span<const std::string> names) override;
  void PlaySample(std::string_view name) override;
  void PlaySong(std::string_view name) override;

  const sound::SampleBank& bank() const { return bank_; }

 private:
  sound::SoundSystem& system_;
  sound::SampleBank bank_;
};

class OptionsSoundAdapter final : public settings::OptionsSound {
 public:
  explicit OptionsSoundAdapter(sound::SoundSystem& system) : system_(system) {}

  void SetMusicOn(bool on, bool apply) override { system_.SetMusicOn(on, apply); }
  bool LoadSongData(std::string_view name) override { return system_.LoadSongData(name); }
  void SetMusicVolume(int percent) override { system_.SetMusicVolume(percent); }
  void StartSong() override { system_.StartSong(); }
  void SetSoundVolume(int percent) override { system_.SetSoundVolume(percent); }
  void SetEffectsOn(bool on) override { system_.SetEffectsOn(on); }

 private:
  sound::SoundSystem& system_;
};

}  // namespace app
