#include "sound/sound_system.h"

#include <algorithm>
#include <cmath>

#include "resources/resource_archive.h"

namespace sound {

SoundSystem::SoundSystem(SoundLibrary& library, resources::ResourceArchive& appArchive)
    : library_(library), appArchive_(appArchive) {}

SoundSystem::~SoundSystem() {
  if (song_ != 0) library_.FreeSong(song_);
  song_ = 0;
  library_.Close();
  releaseSongData();
}

int SoundSystem::LibraryVolume(int percent) {
  // 2.55 is not exact in binary: 100 x 2.55 is just below 255 and truncates to 254.
  const int v = std::clamp(percent, 0, 100);
  return static_cast<int>(std::trunc(static_cast<double>(v) * 2.55));
}

bool SoundSystem::OpenSound() {
  library_.Open(kRateHz, kChannels);
  return true;
}

void SoundSystem::RestartSound() {
  if (song_ != 0) {
    library_.FreeSong(song_);
    song_ = 0;
  }
  library_.Close();
  library_.Open(kRateHz, kChannels);
  library_.SetEffectsVolume(LibraryVolume(soundVolume_));
}

void SoundSystem::releaseSongData() {
  songData_.clear();
  songData_.shrink_to_fit();
  hasSongData_ = false;
}

// A fresh copy of the entry, so the archive's cache (and what others hold of it) is untouched.
bool SoundSystem::readSong(resources::ResourceArchive& archive, std::string_view name) {
  std::uint32_t size = 0;
  std::vector<std::byte> bytes;
  if (!archive.Copy(name, bytes, &size) || size > bytes.size()) return false;
  bytes.resize(size);  // drop the trailing zero byte
  songData_ = std::move(bytes);
  hasSongData_ = true;
  return true;
}

bool SoundSystem::LoadSongData(std::string_view name, resources::ResourceArchive* archive) {
  songArchive_ = nullptr;
  RestartSound();
  resources::ResourceArchive& first = archive != nullptr ? *archive : appArchive_;
  releaseSongData();
  resources::ResourceArchive* holder = &first;
  if (!readSong(first, name)) {
    if (&first == &appArchive_ || !readSong(appArchive_, name)) return false;
    holder = &appArchive_;
  }
  songArchive_ = holder;
  songName_ = std::string(name);
  return true;
}

bool SoundSystem::ReloadSongData() {
  if (songArchive_ == nullptr) return false;
  RestartSound();
  releaseSongData();
  return readSong(*songArchive_, songName_);
}

bool SoundSystem::StartSong() {
  // One song at a time: a song made earlier would otherwise play on beside the new one.
  if (song_ != 0) {
    library_.FreeSong(song_);
    song_ = 0;
  }
  song_ = library_.LoadSong(hasSongData_ ? std::span<const std::byte>(songData_)
                                         : std::span<const std::byte>());
  if (song_ == 0) return true;
  library_.SetSongLooping(song_, true);
  if (musicOn_) {
    library_.PlaySong(song_);
    library_.SetSongVolume(song_, LibraryVolume(musicVolume_));
  }
  return true;
}

void SoundSystem::StopSong() {
  if (musicOn_ && song_ != 0) library_.StopSong(song_);
}

void SoundSystem::SetMusicOn(bool on, bool apply) {
  if (on == musicOn_) return;
  if (song_ != 0 && apply) {
    if (on) {
      library_.PlaySong(song_);
    } else {
      library_.StopSong(song_);
    }
  }
  musicOn_ = on;
}

void SoundSystem::SetMusicVolume(int percent) {
  const int v = std::clamp(percent, 0, 100);
  if (song_ != 0) library_.SetSongVolume(song_, LibraryVolume(v));
  musicVolume_ = static_cast<std::uint8_t>(v);
  SetMusicOn(v != 0, true);
}

void SoundSystem::SetSoundVolume(int percent) {
  const int v = std::clamp(percent, 0, 100);
  library_.SetEffectsVolume(LibraryVolume(v));
  soundVolume_ = static_cast<std::uint8_t>(v);
  effectsOn_ = v != 0;
}

void SoundSystem::PlaySample(SampleHandle sample) {
  if (effectsOn_ && sample != 0) library_.PlaySample(sample);
}

}  // namespace sound
