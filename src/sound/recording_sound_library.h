// RecordingSoundLibrary: a SoundLibrary that plays nothing and writes down every call with its
// arguments, one text per call, for tests of what the sound system asks of the mixer:
//   Open(11025, 32)  Close()  LoadSong(<bytes>) -> <handle>  SetSongLooping(1, 1)
//   PlaySong(1)  StopSong(1)  SetSongVolume(1, 254)  FreeSong(1)  LoadSample(<bytes>) -> <handle>
//   PlaySample(2)  FreeSample(2)  SetEffectsVolume(51)
// Songs and samples share one handle counter starting at 1; empty data gives handle 0.
#pragma once

#include <string>
#include <vector>

#include "sound/sound_library.h"

namespace sound {

class RecordingSoundLibrary final : public SoundLibrary {
 public:
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

  /// Every call so far, oldest first.
  const std::vector<std::string>& calls() const { return calls_; }
  /// Forgets the calls so far (handles keep counting).
  void ClearCalls() { calls_.clear(); }
  /// The bytes of the last song loaded, as the library received them.
  const std::vector<std::byte>& lastSongData() const { return lastSongData_; }

 private:
  void record(std::string call) { calls_.push_back(std::move(call)); }

  std::vector<std::string> calls_;
  std::vector<std::byte> lastSongData_;
  std::uint32_t lastHandle_ = 0;
};

}  // namespace sound
