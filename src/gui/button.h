// Button: a picture that can be pressed, with an optional second picture shown while it is
// pressed and focused. A tap shows the pressed picture until the stylus is lifted; keypad focus
// presses it too, so the focused button is highlighted and the action key completes a click.
#pragma once

#include <functional>
#include <memory>

#include "gfx/images/entry_source.h"
#include "gfx/images/picture.h"
#include "gui/control.h"

namespace gui {

class Button : public Control {
 public:
  Button(std::string_view name, Form* parent);

  /// Loads pictureName and, when pressedName is not empty, the pressed picture; the size is
  /// the first picture's and the focus point three quarters into it. Fails when pictureName
  /// is empty or a picture cannot be loaded (the button then draws nothing).
  bool Init(int x, int y, std::function<void(Control&)> click, std::string_view pictureName,
            std::string_view pressedName, gfx::EntrySource& source);

  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  void Release() override;
  void StylusDown(int x, int y) override;
  void StylusUp(int x, int y) override;
  void StylusMove(int x, int y) override;
  void KeyDown(int key, int x, int y) override;
  void KeyUp(int key, int x, int y) override;
  void SetFocus() override;
  void KillFocus() override { focused = false; }

  const gfx::Picture* picture() const { return picture_.get(); }
  const gfx::Picture* pressedPicture() const { return pressedPicture_.get(); }

 protected:
  /// Loads the pictures from a list of accepted kinds (key buttons accept fewer).
  bool LoadPictures(std::string_view pictureName, std::string_view pressedName,
                    gfx::EntrySource& source, unsigned kinds);

  std::unique_ptr<gfx::Picture> picture_;
  std::unique_ptr<gfx::Picture> pressedPicture_;
};

}  // namespace gui
