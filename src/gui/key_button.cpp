#include "gui/key_button.h"

#include "gui/picture_loading.h"

namespace gui {

bool KeyButton::Init(int px, int py, std::function<void(Control&)> click,
                     std::string_view pictureName, std::string_view pressedName,
                     std::string_view thirdName, std::string_view label, int code,
                     const gfx::Font* font, std::uint16_t labelColour, gfx::EntrySource& source) {
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  onClick = std::move(click);
  keyCode = static_cast<std::uint16_t>(code);
  font_ = font;
  labelColour_ = labelColour;
  SetLabel(label);
  bool loaded =
      !pressedName.empty() && LoadPictures(pictureName, pressedName, source, kStillPictures);
  thirdPicture_.reset();
  if (loaded && !thirdName.empty()) {
    thirdPicture_ = LoadControlPicture(thirdName, source, kStillPictures);
    loaded = thirdPicture_ != nullptr;
  }
  if (!loaded) Release();  // a key without its pictures draws nothing
  width = picture_ ? picture_->width() : 0;
  height = picture_ ? picture_->height() : 0;
  FocusAtThreeQuarters();
  const int labelWidth = font_ != nullptr ? font_->TextWidth(label_) : 0;
  const int labelHeight = font_ != nullptr ? font_->TextHeight(label_) : 0;
  labelX_ = static_cast<std::int16_t>(x + (width - labelWidth) / 2);
  labelY_ = static_cast<std::int16_t>(y + (height - labelHeight) / 2);
  return loaded;
}

void KeyButton::Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                      std::uint32_t) {
  if (!picture_) return PaintDone();
  const gfx::Picture* shown = pressed && pressedPicture_ ? pressedPicture_.get() : picture_.get();
  shown->Draw(target, x + offsetX, y + offsetY, clip, 0);
  if (font_ != nullptr) {
    font_->DrawText(target, labelX_ + offsetX, labelY_ + offsetY, label_, labelColour_, clip);
  }
  PaintDone();
}

void KeyButton::Release() {
  Button::Release();
  if (thirdPicture_) thirdPicture_->Release();
  thirdPicture_.reset();
}

void KeyButton::KillFocus() {
  focused = false;
  pressed = false;
}

}  // namespace gui
