// Keyboard: the on-screen keyboard, a form of 43 key buttons (button_0 .. button_42) in four
// rows, whose pictures come from the text resource "Keyboard.lspr" (one "picture/pressed" pair
// per line, in key order). Clicked keys type into the target edit box; the shift key toggles
// the letters' case; the Enter key is two buttons (codes 13 and 14) that act as one, and its
// click sets `entered`. The keyboard stays hidden until Open.
//
// Rows: 0-10 the digits 1..9, 0 and backspace; 11-21 a gap and q..p; 22-32 shift, a..l and
// Enter's upper half; 33-42 a gap, z..m, space and Enter's lower half. Gap keys are disabled.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/fonts/font.h"
#include "gfx/images/entry_source.h"
#include "gui/edit_box.h"
#include "gui/form.h"
#include "gui/key_button.h"

namespace gui {

class Keyboard : public Form {
 public:
  static constexpr int kKeyCount = 43;
  static constexpr std::string_view kLayoutResource = "Keyboard.lspr";
  static constexpr std::size_t kMaxPictureName = 19;

  struct Key {
    std::uint8_t keyCode = 0;
    std::string label;
    std::string picture;
    std::string pressedPicture;
    bool enabled = true;
    KeyButton* button = nullptr;  // a child of the keyboard
  };

  Keyboard(std::string_view name, Form* parent);

  /// Builds the keys at (x, y) with font for their labels, typing into target (which may be
  /// null). Fails when "Keyboard.lspr" is missing or its first and second names do not pair
  /// up; a key whose pictures fail is still made (and draws nothing).
  bool Init(int x, int y, const gfx::Font* font, EditBox* target, gfx::EntrySource& source);

  /// entered = 0, visible = 1.
  virtual void Open();

  void StylusDown(int x, int y) override;
  void StylusUp(int x, int y) override;
  void StylusMove(int x, int y) override;
  void Refresh() override {}
  void Release() override;
  Control* NavigateUp() override;
  Control* NavigateDown() override;
  Control* NavigateLeft() override;
  Control* NavigateRight() override;

  /// The real keyboard types beside the on-screen one while it is open: letters (in the
  /// on-screen keyboard's case), digits, space and Backspace go into the edit box, and Enter
  /// after them enters the name. Before any typing Enter presses the focused key, as the
  /// keypad does.
  bool TypeKey(int key) override;

  /// The shift key's click: toggles the letter keys between lower and upper case.
  void ToggleCase();
  /// Moves the focus to key index (clamped to the keys); nothing without keys.
  void SetCurrentKey(int index);

  bool entered = false;
  bool shifted() const { return shifted_; }
  int currentKey() const { return currentKey_; }
  const std::vector<Key>& keys() const { return keys_; }
  KeyButton* enterKey() const { return enterKey_; }
  KeyButton* enterKey2() const { return enterKey2_; }

 private:
  void Click(const KeyButton& key);
  EditBox* target() const;
  /// Moves the keypad focus to key index and returns its button.
  Control* FocusKey(int index);
  bool Usable(int index) const;
  Control* NavigateRow(int rowStep);

  std::vector<Key> keys_;
  int currentKey_ = 0;
  KeyButton* enterKey_ = nullptr;
  KeyButton* enterKey2_ = nullptr;
  std::uint32_t targetId_ = 0;         // the target's handle, when it has one
  EditBox* targetNoHandle_ = nullptr;  // a target outside any registry
  bool shifted_ = false;
  bool typing_ = false;  // the real keyboard typed last, not the arrows
};

/// Reads the picture pairs of a keyboard layout text: blanks and carriage returns are skipped,
/// "/" ends a first name and a line feed a second (empty lines are skipped). False when the
/// counts of first and second names differ, as a line without "/" makes them. Names are cut to
/// Keyboard::kMaxPictureName characters.
bool ParseKeyboardLayout(std::string_view text, std::vector<std::string>& pictures,
                         std::vector<std::string>& pressedPictures);

}  // namespace gui
