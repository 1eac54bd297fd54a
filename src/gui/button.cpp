#include "gui/button.h"

#include "gui/picture_loading.h"

namespace gui {

Button::Button(std::string_view name, Form* parent) : Control(name, parent) {
  alwaysRepaint = true;
  enabled = true;
}

bool Button::LoadPictures(std::string_view pictureName, std::string_view pressedName,
                          gfx::EntrySource& source, unsigned kinds) {
  Release();
  if (pictureName.empty()) return false;
  picture_ = LoadControlPicture(pictureName, source, kinds);
  if (!picture_) return false;
  if (!pressedName.empty()) {
    pressedPicture_ = LoadControlPicture(pressedName, source, kinds);
    if (!pressedPicture_) return false;
  }
  return true;
}

bool Button::Init(int px, int py, std::function<void(Control&)> click, std::string_view pictureName,
                  std::string_view pressedName, gfx::EntrySource& source) {
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  onClick = std::move(click);
  const bool loaded = LoadPictures(pictureName, pressedName, source, kControlPictures);
  width = picture_ ? picture_->width() : 0;
  height = picture_ ? picture_->height() : 0;
  FocusAtThreeQuarters();
  return loaded;
}

void Button::Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                   std::uint32_t timeMs) {
  const gfx::Picture* shown =
      focused && pressed && pressedPicture_ ? pressedPicture_.get() : picture_.get();
  if (shown != nullptr) shown->Draw(target, x + offsetX, y + offsetY, clip, timeMs);
  PaintDone();
}

void Button::Release() {
  if (picture_) picture_->Release();
  if (pressedPicture_) pressedPicture_->Release();
  picture_.reset();
  pressedPicture_.reset();
}

void Button::StylusDown(int px, int py) {
  invalid = true;
  pressed = true;
  if (onDown) onDown(*this, px, py);
}

void Button::StylusUp(int px, int py) {
  invalid = true;
  if (pressed && onClick) onClick(*this);
  pressed = false;
  if (onUp) onUp(*this, px, py);
}

void Button::StylusMove(int px, int py) {
  if (onMove) onMove(*this, px, py);
}

void Button::KeyDown(int key, int px, int py) {
  if (IsNavigationKey(key)) StylusDown(px, py);
}

void Button::KeyUp(int key, int px, int py) {
  if (key == 13 || key == 53) StylusUp(px, py);
}

void Button::SetFocus() {
  focused = true;
  pressed = true;
}

}  // namespace gui
