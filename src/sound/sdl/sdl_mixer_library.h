// SdlMixerLibrary: the SoundLibrary over SDL_mixer. Songs are module files played from a copy
// of their bytes as SDL_mixer's music (one at a time); samples are .wav files decoded into
// chunks and played on any free channel. Volumes 0-255 are scaled onto SDL_mixer's 0-128.
// When the audio device can't be opened every call stays harmless and nothing sounds.
#pragma once

#include <map>
#include <vector>

#include "sound/sound_library.h"

struct _Mix_Music;
struct Mix_Chunk;

namespace sound {

class SdlMixerLibrary final : public SoundLibrary {
 public:
  SdlMixerLibrary() = default;
  ~SdlMixerLibrary() override;
  SdlMixerLibrary(const SdlMixerLibrary&) = delete;
  SdlMixerLibrary& operator=(const SdlMixerLibrary&) = delete;

  void Open(int rateHz, int channels) override;
  void Close() override;
  SongHandle LoadSong(std::span<const std::byte> data) override;
  void SetSongLooping(SongHandle song, bool looping) override;
  void PlaySong(SongHandle song) override;
  void StopSong(SongHandle song) override;
  void SetSongVolume(SongHandle song, int volume) override;
  void FreeSong(SongHandle song) override;
  SampleHandle LoadSample(std::span<const std::byte> data) override;
  void PlaySample(SampleHandle sample) override;
  void FreeSample(SampleHandle sample) override;
  void SetEffectsVolume(int volume) override;

  bool open() const { return open_; }

 private:
  struct Song {
    std::vector<std::byte> bytes;  // SDL_mixer streams the music from this memory
    _Mix_Music* music = nullptr;
    bool looping = false;
  };

  std::map<SongHandle, Song> songs_;
  std::map<SampleHandle, Mix_Chunk*> samples_;
  std::uint32_t lastHandle_ = 0;
  SongHandle playing_ = 0;
  bool open_ = false;
  int effectsVolume_ = 255;
};

}  // namespace sound
