// SoundSystem: the application's music and effects switches over a SoundLibrary. It holds the
// bytes of the current song (read whole from an archive), makes the library's looping song
// from them, follows the music and effects switches and the two volumes (percentages, handed
// to the library as 0-255), and restarts the library when a song is (re)loaded, which is how
// a song starts again from its beginning after the window comes back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sound/sound_library.h"

namespace resources {
class ResourceArchive;
}

namespace sound {

class SoundSystem {
 public:
  /// The library mixes at this rate with this many sample channels.
  static constexpr int kRateHz = 11025;
  static constexpr int kChannels = 32;

  /// library and appArchive (the application's archive, the fall-back for songs) are borrowed
  /// and must outlive the sound system. Nothing is opened yet; every field starts off/0/empty.
  SoundSystem(SoundLibrary& library, resources::ResourceArchive& appArchive);
  ~SoundSystem();
  SoundSystem(const SoundSystem&) = delete;
  SoundSystem& operator=(const SoundSystem&) = delete;

  /// Percent 0-100 as the library's 0-255: trunc(percent x 2.55) in double precision, so 100
  /// gives 254. Values outside 0-100 are clamped into it first.
  static int LibraryVolume(int percent);

  /// Opens the library. True in every case (a library without a device stays silent).
  bool OpenSound();
  /// Frees the song, closes and reopens the library and sets the effects volume again.
  void RestartSound();

  /// Restarts the library and reads the named entry whole as the new song data, from archive
  /// (null: the application's archive), falling back to the application's archive when the
  /// other one lacks it. False, with no song data, when neither holds a readable entry.
  /// archive must live until the next LoadSongData (ReloadSongData reads from it again).
  bool LoadSongData(std::string_view name, resources::ResourceArchive* archive = nullptr);
  /// Restarts the library and reads the current song's entry again from the archive that held
  /// it. False when no song was loaded or the read fails (then there is no song data).
  bool ReloadSongData();
  /// Makes the looping song from the song data (replacing a song made earlier) and plays it at
  /// the music volume when music is on. True in every case; without data nothing plays.
  bool StartSong();
  /// Stops the song when music is on and there is a song.
  void StopSong();
  /// Switches music; with apply (and a song) the song is played or stopped accordingly.
  /// Nothing happens when the switch already stands at on.
  void SetMusicOn(bool on, bool apply);
  /// Sets the music volume (percent), passes it to the song, and switches music on exactly
  /// when it is not 0, playing or stopping the song.
  void SetMusicVolume(int percent);
  /// Sets the effects volume (percent) and switches effects on exactly when it is not 0.
  void SetSoundVolume(int percent);
  /// Switches effects without touching the volume.
  void SetEffectsOn(bool on) { effectsOn_ = on; }
  /// Plays a sample of a SampleBank on any free channel when effects are on.
  void PlaySample(SampleHandle sample);

  bool musicOn() const { return musicOn_; }
  bool effectsOn() const { return effectsOn_; }
  int musicVolume() const { return musicVolume_; }
  int soundVolume() const { return soundVolume_; }
  bool hasSong() const { return song_ != 0; }
  bool hasSongData() const { return hasSongData_; }
  const std::string& songName() const { return songName_; }

 private:
  bool readSong(resources::ResourceArchive& archive, std::string_view name);
  void releaseSongData();

  SoundLibrary& library_;
  resources::ResourceArchive& appArchive_;
  SongHandle song_ = 0;
  bool effectsOn_ = false;
  bool musicOn_ = false;
  std::uint8_t musicVolume_ = 0;
  std::uint8_t soundVolume_ = 0;
  std::vector<std::byte> songData_;  // the song file's bytes (size songSize)
  bool hasSongData_ = false;
  std::string songName_;
  resources::ResourceArchive* songArchive_ = nullptr;
};

}  // namespace sound
