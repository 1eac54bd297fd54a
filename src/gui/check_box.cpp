#include "gui/check_box.h"

#include "gui/picture_loading.h"

namespace gui {

CheckBox::CheckBox(std::string_view name, Form* parent) : ChoiceControl(name, parent) {
  enabled = true;
}

bool CheckBox::Init(int px, int py, int w, int h, std::string_view pictureName,
                    std::string_view onPictureName, const gfx::Font* font, std::string_view caption,
                    std::uint16_t colour, bool initiallyOn, std::function<void(Control&)> click,
                    gfx::EntrySource& source) {
  Release();
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  width = static_cast<std::uint16_t>(w);
  height = static_cast<std::uint16_t>(h);
  font_ = font;
  caption_ = std::string(gfx::untilZero(caption));
  colour_ = colour;
  isOn = initiallyOn;
  onClick = std::move(click);
  if (onPictureName.empty()) return false;
  onPicture_ = LoadControlPicture(onPictureName, source);
  if (!onPicture_) return false;
  if (!pictureName.empty()) {
    picture_ = LoadControlPicture(pictureName, source);
    if (!picture_) {
      onPicture_.reset();
      return false;
    }
  }
  const int captionHeight = font_ != nullptr ? font_->TextHeight(caption_) : 0;
  captionArea_ = gfx::Box{static_cast<std::int16_t>(x + onPicture_->width()),
                          static_cast<std::int16_t>(y + (height - captionHeight) / 2),
                          static_cast<std::int16_t>(width - onPicture_->width()),
                          static_cast<std::int16_t>(captionHeight)};
  focusX = static_cast<std::int16_t>(x + onPicture_->width() / 2);
  focusY = static_cast<std::int16_t>(y + onPicture_->height() / 2);
  return true;
}

void CheckBox::Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                     std::uint32_t timeMs) {
  if (!onPicture_) return PaintDone();  // never initialised
  gfx::Box captionClip;
  if (font_ != nullptr &&
      gfx::BoxIntersect(captionArea_, clip != nullptr ? *clip : target.bounds, captionClip)) {
    font_->DrawText(target, captionArea_.x, captionArea_.y, caption_, colour_, &captionClip);
  }
  const gfx::Picture* shown = isOn ? onPicture_.get() : picture_.get();
  if (shown != nullptr) shown->Draw(target, x + offsetX - 1, y + offsetY + 2, clip, timeMs);
  PaintDone();
}

void CheckBox::Release() {
  caption_.clear();
  if (picture_) picture_->Release();
  if (onPicture_) onPicture_->Release();
  picture_.reset();
  onPicture_.reset();
}

}  // namespace gui
