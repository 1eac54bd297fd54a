#include "gui/image.h"

#include "gui/picture_loading.h"

namespace gui {

Image::Image(std::string_view name, Form* parent) : Control(name, parent) {
  alwaysRepaint = true;
}

bool Image::Init(int px, int py, std::function<void(Control&)> click, std::string_view pictureName,
                 gfx::EntrySource& source) {
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  onClick = std::move(click);
  picture_.reset();
  width = height = 0;
  if (pictureName.empty()) return true;
  picture_ = LoadControlPicture(pictureName, source, kImagePictures);
  if (!picture_) return false;
  width = picture_->width();
  height = picture_->height();
  return true;
}

bool Image::SetImageSource(std::string_view pictureName, gfx::EntrySource& source) {
  std::unique_ptr<gfx::Picture> next = LoadControlPicture(pictureName, source, kImagePictures);
  if (!next) return false;
  if (picture_) picture_->Release();
  picture_ = std::move(next);
  width = picture_->width();
  height = picture_->height();
  return true;
}

void Image::Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                  std::uint32_t timeMs) {
  if (picture_) picture_->Draw(target, x + offsetX, y + offsetY, clip, timeMs);
  PaintDone();
}

void Image::Release() {
  if (picture_) picture_->Release();
  picture_.reset();
}

}  // namespace gui
