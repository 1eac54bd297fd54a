#include "gui/control_registry.h"

#include <algorithm>

#include "gui/control.h"
#include "util/c_text.h"

namespace gui {

std::uint32_t ControlRegistry::Add(Control* control) {
  // Skip 0 and, after a wrap-around, numbers still in use.
  while (next_ == 0 || controls_.contains(next_))
    ++next_;
  const std::uint32_t id = next_++;
  controls_.emplace(id, control);
  return id;
}

void ControlRegistry::Remove(std::uint32_t id) {
  const auto it = controls_.find(id);
  if (it == controls_.end()) return;
  const Control* control = it->second;
  controls_.erase(it);
  if (observer_) observer_(*control);
}

Control* ControlRegistry::Find(std::uint32_t id) const {
  if (id == 0) return nullptr;
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

Control* ControlRegistry::Find(std::string_view handle) const {
  return Find(ParseHandle(handle));
}

void ControlRegistry::Retire(std::unique_ptr<FormDriver> driver) {
  if (driver) retired_.push_back(std::move(driver));
  CollectRetired();
}

void ControlRegistry::CollectRetired() {
  std::erase_if(retired_, [](const std::unique_ptr<FormDriver>& d) { return !d->busy(); });
}

std::string HandleOf(const Control* control) {
  return std::to_string(control != nullptr ? control->id() : 0);
}

std::uint32_t ParseHandle(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && util::isBlank(text[i]))
    ++i;
  std::uint64_t value = 0;
  std::size_t digits = 0;
  while (i < text.size() && util::isDigit(text[i])) {
    value = value * 10 + static_cast<unsigned>(text[i] - '0');
    if (value > 0xFFFFFFFFull) return 0;
    ++i;
    ++digits;
  }
  while (i < text.size() && util::isBlank(text[i]))
    ++i;
  if (digits == 0 || i != text.size()) return 0;
  return static_cast<std::uint32_t>(value);
}

}  // namespace gui
