#include "sound/sdl/sdl_mixer_library.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

namespace sound {

namespace {

int mixerVolume(int volume) {
  return std::clamp(volume, 0, 255) * MIX_MAX_VOLUME / 255;
}

}  // namespace

SdlMixerLibrary::~SdlMixerLibrary() {
  for (auto& [handle, song] : songs_) {
    if (song.music != nullptr) Mix_FreeMusic(song.music);
  }
  for (auto& [handle, chunk] : samples_)
    Mix_FreeChunk(chunk);
  Close();
}

void SdlMixerLibrary::Open(int rateHz, int channels) {
  if (open_) return;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  Mix_Init(MIX_INIT_MOD);
  if (Mix_OpenAudio(rateHz, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  Mix_AllocateChannels(channels);
  Mix_Volume(-1, mixerVolume(effectsVolume_));
  open_ = true;
}

void SdlMixerLibrary::Close() {
  if (!open_) return;
  Mix_HaltMusic();
  Mix_HaltChannel(-1);
  playing_ = 0;
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  open_ = false;
}

SongHandle SdlMixerLibrary::LoadSong(std::span<const std::byte> data) {
  if (!open_ || data.empty()) return 0;
  Song song;
  song.bytes.assign(data.begin(), data.end());
  SDL_RWops* rw = SDL_RWFromConstMem(song.bytes.data(), static_cast<int>(song.bytes.size()));
  if (rw == nullptr) return 0;
  song.music = Mix_LoadMUS_RW(rw, 1);
  if (song.music == nullptr) return 0;
  const SongHandle handle = ++lastHandle_;
  songs_.emplace(handle, std::move(song));  // the vector's buffer moves with it, unchanged
  return handle;
}

void SdlMixerLibrary::SetSongLooping(SongHandle song, bool looping) {
  if (auto it = songs_.find(song); it != songs_.end()) it->second.looping = looping;
}

void SdlMixerLibrary::PlaySong(SongHandle song) {
  auto it = songs_.find(song);
  if (it == songs_.end() || !open_) return;
  if (Mix_PlayMusic(it->second.music, it->second.looping ? -1 : 1) == 0) playing_ = song;
}

void SdlMixerLibrary::StopSong(SongHandle song) {
  if (song != 0 && song == playing_) {
    Mix_HaltMusic();
    playing_ = 0;
  }
}

void SdlMixerLibrary::SetSongVolume(SongHandle song, int volume) {
  // SDL_mixer has one music volume; it applies to whichever song plays.
  if (open_ && songs_.count(song) != 0) Mix_VolumeMusic(mixerVolume(volume));
}

void SdlMixerLibrary::FreeSong(SongHandle song) {
  auto it = songs_.find(song);
  if (it == songs_.end()) return;
  if (song == playing_) StopSong(song);
  Mix_FreeMusic(it->second.music);
  songs_.erase(it);
}

SampleHandle SdlMixerLibrary::LoadSample(std::span<const std::byte> data) {
  if (!open_ || data.empty()) return 0;
  SDL_RWops* rw = SDL_RWFromConstMem(data.data(), static_cast<int>(data.size()));
  if (rw == nullptr) return 0;
  Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);  // decoded into memory of its own
  if (chunk == nullptr) return 0;
  const SampleHandle handle = ++lastHandle_;
  samples_.emplace(handle, chunk);
  return handle;
}

void SdlMixerLibrary::PlaySample(SampleHandle sample) {
  auto it = samples_.find(sample);
  if (it == samples_.end() || !open_) return;
  Mix_PlayChannel(-1, it->second, 0);
}

void SdlMixerLibrary::FreeSample(SampleHandle sample) {
  auto it = samples_.find(sample);
  if (it == samples_.end()) return;
  if (open_) {
    // A channel still playing the chunk must let go of it first.
    for (int c = 0; c < Mix_AllocateChannels(-1); ++c) {
      if (Mix_GetChunk(c) == it->second) Mix_HaltChannel(c);
    }
  }
  Mix_FreeChunk(it->second);
  samples_.erase(it);
}

void SdlMixerLibrary::SetEffectsVolume(int volume) {
  effectsVolume_ = std::clamp(volume, 0, 255);
  if (open_) Mix_Volume(-1, mixerVolume(effectsVolume_));
}

}  // namespace sound
