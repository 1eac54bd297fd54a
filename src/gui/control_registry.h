// ControlRegistry: the controls that scripts may name. Every control created under a form that
// belongs to a registry gets a number of its own, and scripts see it as its decimal text (the
// control handle). Numbers are never handed out twice while the registry lives, so a handle
// kept after its control was deleted, a handle of another program's making or a text that is
// no number finds no control: handles are looked up here, never turned into pointers.
//
// The registry also keeps form drivers that were replaced or whose form was deleted while one
// of their script functions was still running, and frees them once they have returned.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "gui/form_driver.h"

namespace gui {

class Control;

class ControlRegistry {
 public:
  ControlRegistry() = default;
  ControlRegistry(const ControlRegistry&) = delete;
  ControlRegistry& operator=(const ControlRegistry&) = delete;

  /// Enters control and returns its number (never 0, never one handed out before).
  std::uint32_t Add(Control* control);
  /// Forgets the number; later lookups of it find nothing. The removal observer hears of it.
  void Remove(std::uint32_t id);

  /// Called for every control as it leaves the registry, from its destructor (after it left
  /// its form): only its identity may be used. Holders of plain control pointers outside the
  /// tree (the current screen, the key pointer's focus) forget them here.
  void SetRemovalObserver(std::function<void(const Control&)> observer) {
    observer_ = std::move(observer);
  }

  /// The live control of that number, or null.
  Control* Find(std::uint32_t id) const;
  /// The live control a handle text names, or null for "0", text that is not a decimal
  /// number, a number beyond 32 bits and a number of no live control.
  Control* Find(std::string_view handle) const;

  std::size_t size() const { return controls_.size(); }

  /// Keeps a driver alive until none of its script functions is running any more.
  void Retire(std::unique_ptr<FormDriver> driver);
  /// Frees the retired drivers that are idle.
  void CollectRetired();

 private:
  std::unordered_map<std::uint32_t, Control*> controls_;
  std::uint32_t next_ = 1;
  std::vector<std::unique_ptr<FormDriver>> retired_;
  std::function<void(const Control&)> observer_;
};

/// The handle text of control: its number in decimal, "0" for null or an unregistered control.
std::string HandleOf(const Control* control);

/// Parses a handle text: optional leading blanks, decimal digits, optional trailing blanks.
/// 0 for anything else or a value beyond 32 bits.
std::uint32_t ParseHandle(std::string_view text);

}  // namespace gui
