// SoundLibrary: the mixer the sound system plays through. It plays one module song at a time
// from memory (looping on request, with a master volume 0-255) and short samples from memory
// on any free channel (with an effects master volume 0-255). Implementations: the SDL_mixer
// one (src/sound/sdl), a recording one for tests and a silent one for headless runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace sound {

/// A song or sample of the library; 0 stands for none.
using SongHandle = std::uint32_t;
using SampleHandle = std::uint32_t;

class SoundLibrary {
 public:
  virtual ~SoundLibrary() = default;

  /// Starts mixing at rateHz with that many sample channels. A library that can't open its
  /// device stays silent: every later call is still safe.
  virtual void Open(int rateHz, int channels) = 0;
  /// Stops mixing; every song and sample handle of the library stays valid to free. Safe when
  /// not open.
  virtual void Close() = 0;

  /// A song made from the bytes of a module file (copied: data need not outlive the call);
  /// 0 when the bytes are empty or not a song the library can play.
  virtual SongHandle LoadSong(std::span<const std::byte> data) = 0;
  virtual void SetSongLooping(SongHandle song, bool looping) = 0;
  /// Plays the song from its beginning.
  virtual void PlaySong(SongHandle song) = 0;
  virtual void StopSong(SongHandle song) = 0;
  /// Master volume of the song, 0 (silent) to 255 (full).
  virtual void SetSongVolume(SongHandle song, int volume) = 0;
  /// Stops and frees the song; the handle is invalid afterwards.
  virtual void FreeSong(SongHandle song) = 0;

  /// A sample made from the bytes of a .wav file (copied); 0 when unusable.
  virtual SampleHandle LoadSample(std::span<const std::byte> data) = 0;
  /// Plays the sample once on any free channel (nothing when every channel is busy).
  virtual void PlaySample(SampleHandle sample) = 0;
  virtual void FreeSample(SampleHandle sample) = 0;
  /// Master volume of every sample, 0 (silent) to 255 (full).
  virtual void SetEffectsVolume(int volume) = 0;
};

}  // namespace sound
