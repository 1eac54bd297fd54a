// OptionsForm: the options screen. It owns the player's ten settings, read from options.dat
// when the screen is made and written back whenever the player leaves the screen and when it
// is released, so a later crash loses nothing. Its script (options.scr) makes the select
// boxes; the screen fills them with their items, selects the current values and reacts to
// every change at once: link style, sky, colours, clouds, and the music and effects volumes,
// which switch the music and effects on and off.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "gui/app_services.h"
#include "gui/form.h"
#include "settings/key_value_file.h"
#include "settings/options.h"

namespace gfx {
class Font;
}

namespace settings {

/// The sound operations the volume changes make.
class OptionsSound {
 public:
  virtual ~OptionsSound() = default;
  virtual void SetMusicOn(bool on, bool apply) = 0;
  virtual bool LoadSongData(std::string_view name) = 0;
  virtual void SetMusicVolume(int percent) = 0;
  virtual void StartSong() = 0;
  virtual void SetSoundVolume(int percent) = 0;
  virtual void SetEffectsOn(bool on) = 0;
};

/// What the options reach beyond the sound.
struct OptionsHooks {
  std::function<void(const Options&)> lookChanged;        // both scenes redraw with the new look
  std::function<void(int connectType)> applyConnectType;  // both scenes resize their blobs
  std::function<int()> gameMode;                          // the game scene's mode, for songs
};

class OptionsForm final : public gui::Form {
 public:
  OptionsForm(std::string_view name, gui::Form* parent, gui::AppServices& app, OptionsSound* sound,
              OptionsHooks hooks);

  /// Loads the options from optionsPath (a missing or malformed file gives zeros and is
  /// written at once), attaches options.scr, sets up its select boxes and takes the rectangle.
  /// A script that does not load shows "Error" and fails.
  bool Initialise(int x, int y, int width, int height, std::string_view menuFont,
                  std::string_view smallFont, std::string optionsPath);

  /// Saves the options, then releases the form.
  void Release() override;
  /// Leaving the screen saves the options (atomically, as every save does).
  void Deactivate() override;

  const Options& options() const { return options_; }
  Options& options() { return options_; }
  /// Writes the options to options.dat now (false when the file could not be written).
  bool Save();

  /// The reactions of the select boxes, by selected index.
  void MusicVolumeChanged(int index);
  void SoundVolumeChanged(int index);
  void Back();
  /// Escape leaves as the Back button does: into the game when the options came from one.
  bool Escape() override {
    Back();
    return true;
  }

 private:
  void SetUpControls();
  void Changed();

  gui::AppServices& app_;
  OptionsSound* sound_;
  OptionsHooks hooks_;
  KeyValueFile file_;
  Options options_;
  const gfx::Font* menuFont_ = nullptr;
  const gfx::Font* smallFont_ = nullptr;
  bool loaded_ = false;
};

}  // namespace settings
