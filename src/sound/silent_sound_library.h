// SilentSoundLibrary: a SoundLibrary that plays nothing, for headless runs and tools. Songs and
// samples get handles (non-empty data only) so the sound system behaves as with a real mixer.
#pragma once

#include "sound/sound_library.h"

namespace sound {

class SilentSoundLibrary final : public SoundLibrary {
 public:
  void Open(int, int) override {}
  void Close() override {}
  SongHandle LoadSong(std::span<const std::byte> data) override {
    return data.empty() ? 0 : ++lastHandle_;
  }
  void SetSongLooping(SongHandle, bool) override {}
  void PlaySong(SongHandle) override {}
  void StopSong(SongHandle) override {}
  void SetSongVolume(SongHandle, int) override {}
  void FreeSong(SongHandle) override {}
  SampleHandle LoadSample(std::span<const std::byte> data) override {
    return data.empty() ? 0 : ++lastHandle_;
  }
  void PlaySample(SampleHandle) override {}
  void FreeSample(SampleHandle) override {}
  void SetEffectsVolume(int) override {}

 private:
  std::uint32_t lastHandle_ = 0;
};

}  // namespace sound
