// Events a platform delivers to the program, already translated from the host's own: keys carry
// the virtual-key codes the game uses, stylus positions are in system coordinates (240 by 320
// whatever the logical screen).
#pragma once

#include <cstdint>
#include <string>

namespace platform {

/// Virtual-key codes with a fixed meaning in the game.
namespace key {
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kDigit0 = 48;  // 48..57 are the digits 0..9
inline constexpr int kStart = 91;
inline constexpr int kF1 = 112;
inline constexpr int kF2 = 113;
inline constexpr int kF8 = 119;
}  // namespace key

enum class EventType {
  KeyDown,
  KeyUp,
  StylusDown,
  StylusMove,
  StylusUp,
  Activate,    // the program came to the foreground
  Deactivate,  // another window took the foreground
  Paint,       // the display wants a frame now
  Screenshot,  // headless only: write the current back buffer to `path`
  Close,       // the player closes the window: asked first while a game is under way
  Quit,        // the program must end now (a signal, the end of a replay)
};

struct Event {
  Event(EventType t = EventType::Paint, int k = 0, int px = 0, int py = 0, std::string file = {})
      : type(t), key(k), x(px), y(py), path(std::move(file)) {}

  EventType type = EventType::Paint;
  int key = 0;  // KeyDown / KeyUp: virtual-key code 0..255
  int x = 0;    // stylus events: system coordinates
  int y = 0;
  std::string path;  // Screenshot: file to write
};

}  // namespace platform
