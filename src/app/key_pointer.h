// KeyPointer: lets the whole game be played with keys alone. On the game screen it is a free
// pointer that the arrow keys (or the keypad digits) move, accelerating while a key repeats; on
// every other screen it moves the focus between controls. Either way it forwards key presses to
// the attached form as presses at its position, and handles the keys that have a fixed meaning.
#pragma once

#include <cstdint>
#include <string_view>

#include "gfx/surface.h"

namespace game {
class PlayerScene;
}
namespace gui {
class Control;
class Form;
}  // namespace gui

namespace app {

class KeyPointer {
 public:
  enum class Mode { FreePointer = 0, FocusNavigation = 1 };

  /// What the key pointer asks of the application for the keys with a fixed meaning.
  class Host {
   public:
    virtual ~Host() = default;
    virtual void SwitchForm(std::string_view name) = 0;
    virtual void SetVariable(std::string_view name, std::string_view value) = 0;
    virtual void SaveScreenshot() = 0;
    /// The playable scene, or nullptr before the screens exist.
    virtual game::PlayerScene* scene() = 0;
  };

  explicit KeyPointer(Host& host) : host_(host) {}

  /// Start-up: the area the pointer moves in, its unit, and the values read from the
  /// application variables SE_SPURT, NORMAL_SE_COLOR and ACTIVE_SE_COLOR (already converted).
  void Setup(int areaWidth, int areaHeight, int unit, int baseStep, std::uint16_t normalColour,
             std::uint16_t activeColour);

  /// Attaches to form (nullptr detaches) in mode with navigation flags; in focus navigation the
  /// first of NavigateUp/Down/Left/Right selected by the bits of directions picks the focus.
  void Attach(gui::Form* form, std::uint8_t navFlags, Mode mode, std::uint8_t directions = 0);

  /// Script ShowCursor / HideCursor.
  void Show();
  void Hide() { shownByScript_ = false; }

  void KeyDown(int key);
  void KeyUp(int key);

  /// Draws the cross-hair into target when the game screen is up and the pointer is visible.
  void Draw(gfx::Surface& target);

  /// A stylus touch hides the pointer until the next pointer key (the last device used
  /// decides whether the cross-hair is seen).
  void HideForStylus() { visible_ = false; }

  void SetUnit(int unit) { unit_ = unit; }
  /// Restarts the acceleration as if the held key had just been pressed (count 1).
  void SetRepeatCount(int count) { repeatCount_ = count; }
  int unit() const { return unit_; }
  int x() const { return x_; }
  int y() const { return y_; }
  int step() const { return step_; }
  int repeatCount() const { return repeatCount_; }
  Mode mode() const { return mode_; }
  bool visible() const { return visible_; }
  bool shownByScript() const { return shownByScript_; }
  bool selectDown() const { return select_; }
  gui::Form* form() const { return form_; }
  gui::Control* focusedControl() const { return focused_; }
  std::uint16_t normalColour() const { return normalColour_; }
  std::uint16_t activeColour() const { return activeColour_; }

 private:
  enum class Direction { None, Left, Up, Right, Down, Select };
  static Direction DirectionOf(int key);

  bool OnGameScreen() const;
  bool HandleFixedKey(int key);
  void ComputeStep();
  void PlacePointer();
  void PlaceAtFocus();
  void ClampToArea(int minY, int margin);
  void ClampToFocus();

  Host& host_;
  int width_ = 0;
  int height_ = 0;
  int originX_ = 0;
  int originY_ = 0;
  int step_ = 1;
  bool select_ = false;
  bool previousSelect_ = false;
  bool shownByScript_ = true;
  std::uint8_t navFlags_ = 0;
  int lastKey_ = 0;
  int typedKey_ = -1;  // the key a form typed with, whose release it keeps
  int baseStep_ = 0;
  Mode mode_ = Mode::FreePointer;
  gui::Form* form_ = nullptr;
  gui::Control* focused_ = nullptr;
  std::uint16_t normalColour_ = 0;
  std::uint16_t activeColour_ = 0;
  int x_ = 0;
  int y_ = 0;
  bool visible_ = true;
  int repeatCount_ = 0;
  int unit_ = 1;
};

}  // namespace app
