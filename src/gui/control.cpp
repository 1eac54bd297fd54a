#include "gui/control.h"

#include "gui/control_registry.h"
#include "gui/form.h"

namespace gui {

Control::Control(std::string_view name, Form* parent)
    : name_(name.substr(0, kMaxControlName)), parent_(parent) {
  if (parent_ != nullptr) {
    parent_->children_.push_back(this);
    registry_ = parent_->registry_;
  }
  if (registry_ != nullptr) id_ = registry_->Add(this);
}

Control::~Control() {
  if (parent_ != nullptr) parent_->Detach(this);
  if (registry_ != nullptr) registry_->Remove(id_);
}

void Control::KeyDown(int, int x, int y) {
  StylusDown(x, y);
}
void Control::KeyUp(int, int x, int y) {
  StylusUp(x, y);
}

bool Control::WantsKeyDown(int key, int, int) const {
  return IsNavigationKey(key);
}
bool Control::WantsKeyUp(int key, int, int) const {
  return key == 13 || key == 53;
}

void Control::SetPosition(int newX, int newY) {
  focusX = static_cast<std::int16_t>(focusX + newX - x);
  focusY = static_cast<std::int16_t>(focusY + newY - y);
  x = static_cast<std::int16_t>(newX);
  y = static_cast<std::int16_t>(newY);
}

Point Control::ScreenPosition() const {
  Point p{x, y};
  for (const Form* f = parent_; f != nullptr; f = f->parent()) {
    p.x += f->x;
    p.y += f->y;
  }
  return p;
}

bool IsNavigationKey(int key) {
  switch (key) {
    case 37:
    case 38:
    case 39:
    case 40:
    case 13:
    case 50:
    case 52:
    case 53:
    case 54:
    case 56:
      return true;
    default:
      return false;
  }
}

}  // namespace gui
