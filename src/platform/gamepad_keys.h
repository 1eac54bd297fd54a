// Game controllers as keys: the directional pad and the left stick are the arrow keys, A is the
// action key, B Escape, Start the options and Back leaves the game. The mapping is kept free of
// SDL so it can be tested; the SDL backend feeds it its controller events.
#pragma once

#include <vector>

namespace platform {

enum class PadButton { DpadUp, DpadDown, DpadLeft, DpadRight, A, B, Start, Back, Other };

/// The game's key code for a button (38/40/37/39 arrows, 13, 27, 112, 113), or -1.
int KeyForPadButton(PadButton button);

struct KeyChange {
  int key;
  bool down;
  friend bool operator==(const KeyChange&, const KeyChange&) = default;
};

/// The left stick as four arrow keys. A direction is pressed when its axis passes the dead
/// zone and released when it comes back inside (a little hysteresis keeps a stick resting near
/// the edge from chattering).
class StickKeys {
 public:
  static constexpr int kPress = 16000;  // of 32767
  static constexpr int kRelease = 12000;

  /// New axis values (-32768..32767, y grows downwards); the key changes they cause.
  std::vector<KeyChange> Move(int x, int y);

 private:
  bool left_ = false, right_ = false, up_ = false, down_ = false;
};

}  // namespace platform
