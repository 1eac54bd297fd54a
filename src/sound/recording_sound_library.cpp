#include "sound/recording_sound_library.h"

namespace sound {

namespace {

std::string number(long long v) {
  return std::to_string(v);
}

}  // namespace

void RecordingSoundLibrary::Open(int rateHz, int channels) {
  record("Open(" + number(rateHz) + ", " + number(channels) + ")");
}

void RecordingSoundLibrary::Close() {
  record("Close()");
}

SongHandle RecordingSoundLibrary::LoadSong(std::span<const std::byte> data) {
  const SongHandle song = data.empty() ? 0 : ++lastHandle_;
  lastSongData_.assign(data.begin(), data.end());
  record("LoadSong(" + number(static_cast<long long>(data.size())) + ") -> " + number(song));
  return song;
}

void RecordingSoundLibrary::SetSongLooping(SongHandle song, bool looping) {
  record("SetSongLooping(" + number(song) + ", " + number(looping ? 1 : 0) + ")");
}

void RecordingSoundLibrary::PlaySong(SongHandle song) {
  record("PlaySong(" + number(song) + ")");
}

void RecordingSoundLibrary::StopSong(SongHandle song) {
  record("StopSong(" + number(song) + ")");
}

void RecordingSoundLibrary::SetSongVolume(SongHandle song, int volume) {
  record("SetSongVolume(" + number(song) + ", " + number(volume) + ")");
}

void RecordingSoundLibrary::FreeSong(SongHandle song) {
  record("FreeSong(" + number(song) + ")");
}

SampleHandle RecordingSoundLibrary::LoadSample(std::span<const std::byte> data) {
  const SampleHandle sample = data.empty() ? 0 : ++lastHandle_;
  record("LoadSample(" + number(static_cast<long long>(data.size())) + ") -> " + number(sample));
  return sample;
}

void RecordingSoundLibrary::PlaySample(SampleHandle sample) {
  record("PlaySample(" + number(sample) + ")");
}

void RecordingSoundLibrary::FreeSample(SampleHandle sample) {
  record("FreeSample(" + number(sample) + ")");
}

void RecordingSoundLibrary::SetEffectsVolume(int volume) {
  record("SetEffectsVolume(" + number(volume) + ")");
}

}  // namespace sound
