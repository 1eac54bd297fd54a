// SceneSound: what a game scene asks of the sound system: its samples loaded once, a sample
// played by name, and a song started from the archive (songs always loop). The application
// hands the scene an implementation over the real sound system; tests record the calls.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace game {

class SceneSound {
 public:
  virtual ~SceneSound() = default;

  /// Loads the samples in this order; a sample that fails to load stays silent.
  virtual void LoadSamples(std::span<const std::string> names) = 0;
  /// Plays a loaded sample on any free channel.
  virtual void PlaySample(std::string_view name) = 0;
  /// Loads the song of that name from the archive and starts it from the beginning, looping.
  virtual void PlaySong(std::string_view name) = 0;
};

/// The game scene's samples, in loading order.
std::span<const std::string> GameSceneSamples();

}  // namespace game
