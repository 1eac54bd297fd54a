#include "gui/text_button.h"

namespace gui {

TextButton::TextButton(std::string_view name, Form* parent) : Control(name, parent) {
  alwaysRepaint = true;
  enabled = true;
}

bool TextButton::Init(int px, int py, std::function<void(Control&)> click, const gfx::Font* font,
                      const gfx::Font* pressedFont, std::string_view text,
                      std::optional<std::string_view> pressedText, std::uint16_t colour,
                      std::uint16_t pressedColour) {
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  if (font == nullptr) return false;
  font_ = font;
  pressedFont_ = pressedFont != nullptr ? pressedFont : font;
  text_ = std::string(gfx::untilZero(text));
  pressedText_ = pressedText ? std::string(gfx::untilZero(*pressedText)) : text_;
  colour_ = colour;
  pressedColour_ = pressedColour;
  onClick = std::move(click);
  Resize(false);
  return true;
}

void TextButton::Resize(bool pressedState) {
  if (font_ == nullptr) return;
  const gfx::Font& f = pressedState ? *pressedFont_ : *font_;
  const std::string& t = pressedState ? pressedText_ : text_;
  width = f.TextWidth(t);
  height = f.TextHeight(t);
  FocusAtThreeQuarters();
}

void TextButton::Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                       std::uint32_t) {
  if (font_ != nullptr) {
    if (!pressed && !focused) {
      font_->DrawText(target, x + offsetX, y + offsetY, text_, colour_, clip);
    } else {
      pressedFont_->DrawText(target, x + offsetX, y + offsetY, pressedText_, pressedColour_, clip);
    }
  }
  PaintDone();
}

void TextButton::Release() {
  text_.clear();
  pressedText_.clear();
}

void TextButton::StylusDown(int px, int py) {
  invalid = true;
  pressed = true;
  Resize(true);
  if (onDown) onDown(*this, px, py);
}

void TextButton::StylusUp(int px, int py) {
  invalid = true;
  if (pressed) {
    if (onClick) onClick(*this);
    Resize(false);
  }
  pressed = false;
  if (onUp) onUp(*this, px, py);
}

void TextButton::StylusMove(int px, int py) {
  if (!pressed) {
    invalid = true;
    pressed = true;
    Resize(true);
  }
  if (onMove) onMove(*this, px, py);
}

void TextButton::SetFocus() {
  focused = true;
  pressed = true;
}

void TextButton::KillFocus() {
  focused = false;
  pressed = false;
}

}  // namespace gui
