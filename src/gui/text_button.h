// TextButton: a caption that can be pressed, with its own font, text and colour while pressed
// or focused. Its size follows the text it shows, so a longer pressed text widens the hit area
// while the press lasts. Dragging the stylus onto it presses it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "gfx/fonts/font.h"
#include "gui/control.h"

namespace gui {

class TextButton : public Control {
 public:
  TextButton(std::string_view name, Form* parent);

  /// pressedFont null: font; pressedText absent: a copy of text. Fails when font is null.
  /// The size is that of text in font, the focus point three quarters into it.
  bool Init(int x, int y, std::function<void(Control&)> click, const gfx::Font* font,
            const gfx::Font* pressedFont, std::string_view text,
            std::optional<std::string_view> pressedText, std::uint16_t colour,
            std::uint16_t pressedColour);

  void Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
             std::uint32_t timeMs) override;
  void Release() override;
  void StylusDown(int x, int y) override;
  void StylusUp(int x, int y) override;
  void StylusMove(int x, int y) override;
  void SetFocus() override;
  void KillFocus() override;

  const std::string& text() const { return text_; }
  const std::string& pressedText() const { return pressedText_; }

 private:
  /// Size and focus point from the pressed or the normal text.
  void Resize(bool pressedState);

  const gfx::Font* font_ = nullptr;
  const gfx::Font* pressedFont_ = nullptr;
  std::string text_;
  std::string pressedText_;
  std::uint16_t colour_ = 0;
  std::uint16_t pressedColour_ = 0;
};

}  // namespace gui
