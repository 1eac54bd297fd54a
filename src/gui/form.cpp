#include "gui/form.h"

#include <algorithm>

#include "gui/control_registry.h"

namespace gui {
namespace {

std::string coordinateText(int v) {
  return std::to_string(static_cast<std::uint16_t>(v));
}

}  // namespace

Form::Form(std::string_view name, Form* parent) : Control(name, parent) {
  alwaysRepaint = true;
  enabled = true;
  visible = false;
}

Form::~Form() {
  *alive_ = false;
  Release();
}

void Form::Release() {
  while (!children_.empty()) {
    Control* child = children_.front();
    if (child == focusedChild) {
      child->KillFocus();
      focusedChild = nullptr;
    }
    child->Release();
    delete child;  // its destructor takes it out of children_
  }
  if (parent() != nullptr && parent()->focusedChild == this) {
    KillFocus();
    parent()->focusedChild = nullptr;
  }
  DropDriver();
}

void Form::DropDriver() {
  if (driver_ && driver_->busy() && registry() != nullptr) {
    registry()->Retire(std::move(driver_));
  }
  driver_.reset();
}

void Form::SetDriver(std::unique_ptr<FormDriver> driver) {
  DropDriver();
  driver_ = std::move(driver);
  if (registry() != nullptr) registry()->CollectRetired();
}

void Form::AttachRegistry(ControlRegistry& registry) {
  if (parent() != nullptr || registry_ != nullptr) return;
  registry_ = &registry;
  id_ = registry.Add(this);
}

void Form::Detach(Control* child) {
  if (focusedChild == child) focusedChild = nullptr;
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

void Form::DeleteControl(Control* child) {
  if (child == nullptr || child->parent() != this) return;
  if (focusedChild == child) {
    child->KillFocus();
    focusedChild = nullptr;
  }
  child->Release();
  delete child;
}

bool Form::Hit(const Control& child, int lx, int ly) const {
  // Points left of or above the form wrap to large values and hit nothing.
  const int ux = static_cast<std::uint16_t>(lx), uy = static_cast<std::uint16_t>(ly);
  return child.x <= ux && ux < child.x + child.width && child.y <= uy &&
         uy < child.y + child.height;
}

bool Form::HasChild(const Control* child) const {
  return std::find(children_.begin(), children_.end(), child) != children_.end();
}

bool Form::Escape() {
  if (driver_ && driver_->Defines("OnEscape")) {
    CallDriver("OnEscape");
    return true;
  }
  return parent() != nullptr && parent()->Escape();
}

void Form::CallDriver(std::string_view function, std::span<const std::string> args) {
  if (driver_) driver_->Call(function, args);
}

void Form::Paint(gfx::Surface& target, int offsetX, int offsetY, const gfx::Box* clip,
                 std::uint32_t timeMs) {
  const gfx::Box own{static_cast<std::int16_t>(x + offsetX), static_cast<std::int16_t>(y + offsetY),
                     static_cast<std::int16_t>(width), static_cast<std::int16_t>(height)};
  gfx::Box area;
  if (!gfx::BoxIntersect(own, clip != nullptr ? *clip : target.bounds, area)) return;
  for (std::size_t i = 0; i < children_.size(); ++i) {
    Control* child = children_[i];
    if (child->visible && child->invalid)
      child->Paint(target, x + offsetX, y + offsetY, &area, timeMs);
  }
}

void Form::Update() {
  // A handler may delete this very form: every step after a call checks it still exists.
  const std::shared_ptr<const bool> alive = alive_;
  CallDriver("Update");
  if (!*alive) return;
  const std::vector<Control*> targets = children_;
  for (Control* child : targets) {
    if ((*alive && HasChild(child)) && child->visible && child->updating) child->Update();
  }
}

void Form::StylusDown(int px, int py) {
  // A handler may delete this very form: every step after a call checks it still exists.
  const std::shared_ptr<const bool> alive = alive_;
  const int lx = px - x, ly = py - y;
  const std::string args[] = {coordinateText(px), coordinateText(py)};
  const std::vector<Control*> targets = children_;
  for (Control* child : targets) {
    if (!(*alive && HasChild(child))) continue;  // a handler deleted it
    if (!child->visible || !child->enabled || !Hit(*child, lx, ly)) continue;
    CallDriver(child->name() + "_StylusDown", args);
    if (!(*alive && HasChild(child))) continue;
    child->StylusDown(lx, ly);
    if (!(*alive && HasChild(child))) continue;
    // Refocusing the child that has the focus skips its KillFocus: for a screen that would
    // drop the focus of the control just pressed inside it.
    if (focusedChild != nullptr && focusedChild != child) focusedChild->KillFocus();
    focusedChild = child;
    child->SetFocus();
  }
}

void Form::StylusUp(int px, int py) {
  // A handler may delete this very form: every step after a call checks it still exists.
  const std::shared_ptr<const bool> alive = alive_;
  const int lx = px - x, ly = py - y;
  const std::string args[] = {coordinateText(px), coordinateText(py)};
  const std::vector<Control*> targets = children_;
  for (Control* child : targets) {
    if (!(*alive && HasChild(child))) continue;
    if (!child->visible || !child->enabled || !Hit(*child, lx, ly)) continue;
    // The driver sees the click before the control's own release clears `pressed`.
    if (child->pressed) {
      CallDriver(child->name() + "_Click");
    } else {
      CallDriver(child->name() + "_StylusUp", args);
    }
    if (!(*alive && HasChild(child))) continue;
    child->StylusUp(lx, ly);
  }
}

void Form::StylusMove(int px, int py) {
  // A handler may delete this very form: every step after a call checks it still exists.
  const std::shared_ptr<const bool> alive = alive_;
  const int lx = px - x, ly = py - y;
  const std::string args[] = {coordinateText(px), coordinateText(py)};
  const std::vector<Control*> targets = children_;
  for (Control* child : targets) {
    if (!(*alive && HasChild(child))) continue;
    if (!child->visible || !child->enabled) continue;
    if (Hit(*child, lx, ly)) {
      CallDriver(child->name() + "_StylusMove", args);
      if (!(*alive && HasChild(child))) continue;
      child->StylusMove(lx, ly);
    } else if (child->pressed) {
      // Dragging off a control cancels its press without an event.
      child->invalid = true;
      child->pressed = false;
    }
  }
}

void Form::KeyDown(int key, int px, int py) {
  // A handler may delete this very form: every step after a call checks it still exists.
  const std::shared_ptr<const bool> alive = alive_;
  const std::string args[] = {coordinateText(px), coordinateText(py)};
  const std::vector<Control*> targets = children_;
  for (Control* child : targets) {
    if (!(*alive && HasChild(child))) continue;
    if (!child->visible || !child->enabled || !Hit(*child, px - x, py - y)) continue;
    if (!child->WantsKeyDown(key, px, py)) continue;
    CallDriver(child->name() + "_StylusDown", args);
    if (!(*alive && HasChild(child))) continue;
    child->KeyDown(key, px, py);  // unchanged coordinates: not made relative to the form
  }
}

void Form::KeyUp(int key, int px, int py) {
  // A handler may delete this very form: every step after a call checks it still exists.
  const std::shared_ptr<const bool> alive = alive_;
  const std::string args[] = {coordinateText(px), coordinateText(py)};
  const std::vector<Control*> targets = children_;
  for (Control* child : targets) {
    if (!(*alive && HasChild(child))) continue;
    if (!child->visible || !child->enabled || !Hit(*child, px - x, py - y)) continue;
    if (!child->WantsKeyUp(key, px, py)) continue;
    if (child->pressed) {
      CallDriver(child->name() + "_Click");
    } else {
      CallDriver(child->name() + "_StylusUp", args);
    }
    if (!(*alive && HasChild(child))) continue;
    child->KeyUp(key, px, py);
  }
}

void Form::Refresh() {
  for (Control* child : children_)
    child->invalid = true;
}

void Form::KillFocus() {
  if (focusedChild != nullptr) {
    focusedChild->KillFocus();
    focusedChild = nullptr;
  }
}

void Form::MoveFocusTo(Control* child) {
  if (focusedChild != nullptr) focusedChild->KillFocus();
  child->SetFocus();
  focusedChild = child;
  Refresh();
}

Control* Form::FocusWalk(bool forward) {
  const std::size_t n = children_.size();
  const auto at = [&](std::size_t k) { return children_[forward ? k : n - 1 - k]; };
  const auto focusable = [](const Control* c) { return c->visible && c->enabled; };
  std::size_t current = n;  // position (in walk order) of the child whose focused flag is set
  if (focusedChild != nullptr) {
    for (std::size_t k = 0; k < n; ++k) {
      if (at(k)->focused) {
        current = k;
        break;
      }
    }
    if (current < n) {
      for (std::size_t k = current + 1; k < n; ++k) {
        if (focusable(at(k))) {
          MoveFocusTo(at(k));
          return focusedChild;
        }
      }
      if (navFlags & kNavNoWrap) return focusedChild;
    }
  }
  for (std::size_t k = 0; k < std::min(current, n); ++k) {
    if (focusable(at(k))) {
      if (current < n) at(current)->KillFocus();
      if (focusedChild != nullptr && focusedChild != at(k)) focusedChild->KillFocus();
      at(k)->SetFocus();
      focusedChild = at(k);
      Refresh();
      return focusedChild;
    }
  }
  return focusedChild;
}

Control* Form::FocusNext() {
  return FocusWalk(true);
}
Control* Form::FocusPrevious() {
  return FocusWalk(false);
}

void Form::Activate() {
  KillFocus();
  CallDriver("OnShow");
}

void Form::Deactivate() {
  CallDriver("OnShow");
}

Control* Form::NavigateUp() {
  return (navFlags & kNavUpBack) ? FocusPrevious() : nullptr;
}
Control* Form::NavigateDown() {
  return (navFlags & kNavDownForward) ? FocusNext() : nullptr;
}
Control* Form::NavigateLeft() {
  return (navFlags & kNavLeftBack) ? FocusPrevious() : nullptr;
}
Control* Form::NavigateRight() {
  return (navFlags & kNavRightForward) ? FocusNext() : nullptr;
}

Control* Form::FindControl(std::string_view name) const {
  for (Control* child : children_) {
    if (child->name() == name) return child;
  }
  return nullptr;
}

Form* Form::FindForm(std::string_view name) const {
  return dynamic_cast<Form*>(FindControl(name));
}

Control* Form::FirstFocusable() const {
  for (Control* child : children_) {
    if (child->visible && child->enabled) return child;
  }
  return nullptr;
}

Control* Form::FocusSingle() {
  Control* single = nullptr;
  for (Control* child : children_) {
    if (!child->visible || !child->enabled) continue;
    if (single != nullptr) return nullptr;
    single = child;
  }
  if (single == nullptr) return nullptr;
  focusedChild = single;
  single->SetFocus();
  Refresh();
  return single;
}

}  // namespace gui
