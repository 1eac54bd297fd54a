#include "gui/bitmap_radio_group.h"

#include <algorithm>

#include "gui/item_cells.h"
#include "gui/picture_loading.h"

namespace gui {

BitmapRadioGroup::BitmapRadioGroup(std::string_view name, Form* parent)
    : ChoiceControl(name, parent) {
  enabled = true;
}

bool BitmapRadioGroup::Init(int px, int py, int w, int h, bool horizontal, bool ownsValues,
                            std::function<void(Control&)> click) {
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  width = static_cast<std::uint16_t>(w);
  height = static_cast<std::uint16_t>(h);
  horizontal_ = horizontal;
  ownsValues_ = ownsValues;
  onClick = std::move(click);
  items_.clear();
  selected = 0;
  return true;
}

bool BitmapRadioGroup::AddItem(std::string_view pictureName, std::string_view selectedName,
                               std::uintptr_t value, bool relayout, gfx::EntrySource& source) {
  Item item;
  item.picture = LoadControlPicture(pictureName, source);
  item.selectedPicture = LoadControlPicture(selectedName, source);
  if (!item.picture || !item.selectedPicture) return false;
  item.value = value;
  items_.push_back(std::move(item));
  if (relayout) Layout();
  return true;
}

void BitmapRadioGroup::Layout() {
  const int n = static_cast<int>(items_.size());
  for (int i = 0; i < n; ++i) {
    gfx::Box cell = CellOf(i, n, x, y, width, height, horizontal_);
    cell.width = static_cast<std::int16_t>(items_[i].selectedPicture->width());
    cell.height = static_cast<std::int16_t>(items_[i].selectedPicture->height());
    items_[i].area = cell;
  }
}

void BitmapRadioGroup::SetSelected(int index) {
  if (items_.empty()) return;
  selected = std::clamp(index, 0, static_cast<int>(items_.size()) - 1);
  const gfx::Box& a = items_[selected].area;
  focusX = static_cast<std::int16_t>(a.x + a.width / 2);
  focusY = static_cast<std::int16_t>(a.y + a.height / 2);
}

std::optional<std::uintptr_t> BitmapRadioGroup::GetValue(int index) const {
  if (index == -1) index = selected;
  if (index < 0 || index >= static_cast<int>(items_.size())) return std::nullopt;
  return items_[index].value;
}

bool BitmapRadioGroup::HitItem(int px, int py) {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (StrictlyInside(items_[i].area, px, py)) {
      selected = static_cast<int>(i);
      return true;
    }
  }
  return false;
}

void BitmapRadioGroup::Paint(gfx::Surface& target, int, int, const gfx::Box* clip, std::uint32_t) {
  const gfx::Box limit = clip != nullptr ? *clip : target.bounds;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const Item& item = items_[i];
    gfx::Box own;
    if (!gfx::BoxIntersect(item.area, limit, own)) continue;
    const gfx::Picture& shown =
        static_cast<int>(i) == selected ? *item.selectedPicture : *item.picture;
    shown.Draw(target, item.area.x, item.area.y, &own, 0);
  }
  PaintDone();
}

void BitmapRadioGroup::StylusDown(int px, int py) {
  if (!items_.empty()) ChoiceControl::StylusDown(px, py);
}

void BitmapRadioGroup::StylusUp(int px, int py) {
  if (HitItem(px, py)) ChoiceControl::StylusUp(px, py);
}

void BitmapRadioGroup::StylusMove(int px, int py) {
  if (HitItem(px, py) && onMove) onMove(*this, px, py);
}

void BitmapRadioGroup::KeyDown(int key, int px, int py) {
  if (!items_.empty()) StepKeyDown(key, px, py);
}

void BitmapRadioGroup::KeyUp(int, int, int) {
  if (!items_.empty()) StepKeyUp();
}

}  // namespace gui
