// Replay scripts for the headless platform: one command a line, executed on a virtual clock.
//
//   wait MS          let MS milliseconds pass before the next command
//   tap X Y          stylus down and up at (X, Y)
//   down X Y / move X Y / up X Y
//   key CODE         key down and up
//   keydown CODE / keyup CODE
//   shot FILE.bmp    write the current screen to FILE.bmp
//   activate / deactivate / quit
//   # ...            comment (also after a command); blank lines are ignored
//
// Coordinates are pixels of the logical screen.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/event.h"
#include "util/result.h"

namespace platform {

/// One event of a replay and the virtual time at which it becomes due.
struct ReplayStep {
  std::uint32_t atMs = 0;
  Event event;
};

/// A parsed replay: its events in time order and the time its last command ends (a trailing
/// wait counts, so "wait 400" alone lasts 400 ms).
struct Replay {
  std::vector<ReplayStep> steps;
  std::uint32_t endMs = 0;
};

/// Parses a replay. Stylus coordinates are kept in logical pixels; a malformed line fails the
/// whole replay with a message naming its line number.
util::Result<Replay> parseReplay(std::string_view text);

}  // namespace platform
