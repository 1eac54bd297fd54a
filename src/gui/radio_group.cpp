#include "gui/radio_group.h"

#include <algorithm>

#include "gui/item_cells.h"
#include "gui/picture_loading.h"

namespace gui {

RadioGroup::RadioGroup(std::string_view name, Form* parent) : ChoiceControl(name, parent) {
  enabled = true;
}

bool RadioGroup::Init(int px, int py, int w, int h, bool horizontal, std::string_view pictureName,
                      std::string_view selectedName, const gfx::Font* font, std::uint16_t colour,
                      std::function<void(Control&)> click, gfx::EntrySource& source) {
  Release();
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  width = static_cast<std::uint16_t>(w);
  height = static_cast<std::uint16_t>(h);
  horizontal_ = horizontal;
  font_ = font;
  colour_ = colour;
  onClick = std::move(click);
  selected = 0;
  if (selectedName.empty()) return false;
  selectedPicture_ = LoadControlPicture(selectedName, source);
  if (!selectedPicture_) return false;
  if (!pictureName.empty()) {
    picture_ = LoadControlPicture(pictureName, source);
    if (!picture_) {
      selectedPicture_.reset();
      return false;
    }
  }
  pictureY_ = y + (height - selectedPicture_->height()) / 2;
  textY_ = y + (height - (font_ != nullptr ? font_->GlyphHeight('A') : 0)) / 2;
  return true;
}

void RadioGroup::AddItem(std::string_view text, bool relayout) {
  items_.push_back(Item{std::string(gfx::untilZero(text).substr(0, kMaxItemText)), {}});
  if (relayout) Layout();
}

void RadioGroup::Layout() {
  const int n = static_cast<int>(items_.size());
  for (int i = 0; i < n; ++i)
    items_[i].area = CellOf(i, n, x, y, width, height, horizontal_);
}

void RadioGroup::SetSelected(int index) {
  if (items_.empty()) return;
  selected = std::clamp(index, 0, static_cast<int>(items_.size()) - 1);
  const int pw = selectedPicture_ ? selectedPicture_->width() : 0;
  const int ph = selectedPicture_ ? selectedPicture_->height() : 0;
  focusX = static_cast<std::int16_t>(items_[selected].area.x + pw / 2);
  focusY = static_cast<std::int16_t>(items_[selected].area.y + ph / 2);
}

bool RadioGroup::HitItem(int px, int py) {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (StrictlyInside(items_[i].area, px, py)) {
      selected = static_cast<int>(i);
      return true;
    }
  }
  return false;
}

void RadioGroup::Paint(gfx::Surface& target, int, int, const gfx::Box* clip, std::uint32_t) {
  if (!selectedPicture_) return PaintDone();
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const Item& item = items_[i];
    const gfx::Picture* shown =
        static_cast<int>(i) == selected ? selectedPicture_.get() : picture_.get();
    if (shown != nullptr) shown->Draw(target, item.area.x, pictureY_, clip, 0);
    if (font_ != nullptr) {
      font_->DrawText(target, item.area.x + selectedPicture_->width(), textY_, item.text, colour_,
                      clip);
    }
  }
  PaintDone();
}

void RadioGroup::Release() {
  items_.clear();
  if (picture_) picture_->Release();
  if (selectedPicture_) selectedPicture_->Release();
  picture_.reset();
  selectedPicture_.reset();
}

void RadioGroup::StylusDown(int px, int py) {
  if (!items_.empty()) ChoiceControl::StylusDown(px, py);
}

void RadioGroup::StylusUp(int px, int py) {
  // A release between items changes nothing, and the press stays until one ends on an item.
  if (HitItem(px, py)) ChoiceControl::StylusUp(px, py);
}

void RadioGroup::StylusMove(int px, int py) {
  if (HitItem(px, py) && onMove) onMove(*this, px, py);
}

void RadioGroup::KeyDown(int key, int px, int py) {
  if (!items_.empty()) StepKeyDown(key, px, py);
}

void RadioGroup::KeyUp(int, int, int) {
  if (!items_.empty()) StepKeyUp();
}

}  // namespace gui
