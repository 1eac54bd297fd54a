#include "gui/select_box.h"

#include "gui/picture_loading.h"

namespace gui {

SelectBox::SelectBox(std::string_view name, Form* parent) : ChoiceControl(name, parent) {
  alwaysRepaint = true;
  enabled = true;
  updating = false;
}

bool SelectBox::LoadPictures(const std::array<std::string_view, 6>& names,
                             gfx::EntrySource& source) {
  picturesLoaded_ = false;
  initialised_ = false;
  for (auto& p : pictures_)
    p.reset();
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i].empty()) return false;
    pictures_[i] = LoadControlPicture(names[i], source);
    if (!pictures_[i]) return false;
  }
  picturesLoaded_ = true;
  return true;
}

bool SelectBox::Init(int px, int py, int w, int h, int pictureOffsetX, int pictureOffsetY,
                     int textOffsetX, int textOffsetY, const gfx::Font* font,
                     std::uint16_t colour) {
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  width = static_cast<std::uint16_t>(w);
  height = static_cast<std::uint16_t>(h);
  font_ = font;
  colour_ = colour;
  items_.clear();
  current_ = -1;
  selected = 0;
  canGoBack = canGoForward = true;
  initialised_ = false;
  if (font_ == nullptr || !picturesLoaded_) return false;
  marginX_ =
      (width - picture(kCentre).width() - picture(kRight).width() - picture(kLeft).width()) / 2;
  const int innerX = x + picture(kLeft).width() + marginX_;
  picturePos_ = {innerX + pictureOffsetX, y + pictureOffsetY};
  textPos_ = {innerX + textOffsetX, y + textOffsetY};
  initialised_ = true;
  return true;
}

bool SelectBox::AddItem(std::string_view pictureName, std::optional<std::string_view> text,
                        std::uint32_t value, gfx::EntrySource& source) {
  Item item;
  if (!pictureName.empty()) {
    item.picture = LoadControlPicture(pictureName, source);
    if (!item.picture) return false;
  }
  if (text) item.text = std::string(gfx::untilZero(*text).substr(0, kMaxItemText));
  item.value = value;
  items_.push_back(std::move(item));
  return true;
}

void SelectBox::SetSelected(int index) {
  const int count = static_cast<int>(items_.size());
  selected = index;
  canGoBack = canGoForward = true;
  if (index < 1) {
    selected = 0;
    canGoBack = false;
  }
  if (selected >= count - 1) {
    selected = count > 0 ? count - 1 : 0;
    canGoForward = false;
  }
  current_ = count > 0 ? selected : -1;
}

void SelectBox::Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                      std::uint32_t timeMs) {
  if (!initialised_) return PaintDone();
  const int left = picture(kLeft).width(), centre = picture(kCentre).width();
  const int sx = x + offsetX, sy = y + offsetY;
  picture(focused ? kCentreFocused : kCentre).Draw(target, sx + left + marginX_, sy, clip, timeMs);
  if (canGoBack) picture(focused ? kLeftFocused : kLeft).Draw(target, sx, sy, clip, timeMs);
  if (canGoForward) {
    picture(focused ? kRightFocused : kRight)
        .Draw(target, sx + left + centre + 2 * marginX_, sy, clip, timeMs);
  }
  if (const Item* item = current()) {
    int textX = textPos_.x + offsetX;
    if (item->picture) {
      item->picture->Draw(target, picturePos_.x + offsetX, picturePos_.y + offsetY, clip, timeMs);
      textX += item->picture->width();
    }
    if (item->text)
      font_->DrawText(target, textX, textPos_.y + offsetY, *item->text, colour_, clip);
  }
  PaintDone();
}

void SelectBox::Release() {
  items_.clear();
  current_ = -1;
  for (auto& p : pictures_) {
    if (p) p->Release();
    p.reset();
  }
  picturesLoaded_ = initialised_ = false;
}

void SelectBox::Change(int px, int py) {
  // Coordinates as unsigned 16-bit values, edges excluded.
  const int ux = static_cast<std::uint16_t>(px), uy = static_cast<std::uint16_t>(py);
  const gfx::Picture& left = picture(kLeft);
  const gfx::Picture& right = picture(kRight);
  if (x < ux && ux < x + left.width() && y < uy && uy < y + left.height()) {
    SetSelected(selected - 1);
  } else if (x + width - right.width() < ux && ux < x + width && y + height - right.height() < uy &&
             uy < y + height) {
    SetSelected(selected + 1);
  }
}

void SelectBox::StylusDown(int px, int py) {
  if (initialised_) ChoiceControl::StylusDown(px, py);
}
void SelectBox::StylusUp(int px, int py) {
  if (initialised_) ChoiceControl::StylusUp(px, py);
}
void SelectBox::StylusMove(int px, int py) {
  if (initialised_) ChoiceControl::StylusMove(px, py);
}
void SelectBox::KeyDown(int key, int px, int py) {
  if (initialised_) StepKeyDown(key, px, py);
}
void SelectBox::KeyUp(int, int, int) {
  if (initialised_) StepKeyUp();
}

}  // namespace gui
