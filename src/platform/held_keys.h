// The keys a desktop player holds down, from the keyboard and from game controllers. A held
// controller direction repeats as a held keyboard key does (the keyboard's own repeats come
// from the system), so the key pointer accelerates and slows down over a goo the same way and
// the menus' focus walks on while the direction is held. When the window loses the focus or a
// controller goes away, every held key is let go, so none stays stuck. Free of SDL and of the
// wall clock: the caller passes the time.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

class HeldKeys {
 public:
  /// A held controller direction presses again after kRepeatDelayMs, then every
  /// kRepeatIntervalMs (one game frame), until it is released.
  static constexpr std::uint32_t kRepeatDelayMs = 400;
  static constexpr std::uint32_t kRepeatIntervalMs = 40;

  enum class Source { Keyboard, Pad };

  /// key went down at nowMs. A controller direction (an arrow key) starts repeating.
  void Down(int key, Source source, std::uint32_t nowMs);

  /// key went up; true when its release is to be passed on, false for a key that ReleaseAll
  /// already let go (its release was sent then).
  bool Up(int key, Source source);

  /// The controller direction due to press again at nowMs, if any: at most one press per call,
  /// and a late caller gets one press, not a burst of the ones it missed.
  std::optional<int> Repeat(std::uint32_t nowMs);

  /// Lets go of every held key (of source only, when given): the keys to release, in the order
  /// they were pressed. Repeating stops.
  std::vector<int> ReleaseAll(std::optional<Source> source = std::nullopt);

 private:
  struct Held {
    int key;
    Source source;
  };
  std::vector<Held> held_;
  std::vector<Held> letGo_;  // released by ReleaseAll while still down
  int repeatKey_ = -1;       // the controller direction pressed last and still held
  std::uint32_t nextRepeatMs_ = 0;
};

}  // namespace platform
