// Platform: the one seam between the program and the machine it runs on. The Application reaches
// the clock, input, the window, the display and message boxes only through it. Backends: sdl/
// (a real window) and headless/ (virtual time, replayed input, frames kept in memory).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/event.h"
#include "platform/frame_buffer.h"

namespace platform {

class Platform {
 public:
  virtual ~Platform() = default;

  /// Milliseconds since the platform started (wraps after 49 days like any 32-bit tick).
  virtual std::uint32_t tickMs() = 0;

  /// True when an event is waiting (it is not removed).
  virtual bool peekEvent() = 0;

  /// Removes and returns the next waiting event, or nothing when none is waiting.
  virtual std::optional<Event> getEvent() = 0;

  /// Sleeps until an event is waiting or the tick reaches deadlineMs, whichever comes first;
  /// returns at once if an event is already waiting. Keeps the main loop from spinning.
  virtual void waitForEvent(std::uint32_t deadlineMs) = 0;

  /// Creates the program's window showing a logical screen of width x height pixels. False
  /// when it can't be created.
  virtual bool createWindow(int width, int height) = 0;

  /// True while the program's window is the one the user is working with.
  virtual bool isForeground() = 0;

  /// Minimises the window (deactivation) or shows it again (activation).
  virtual void minimiseWindow() = 0;
  virtual void showWindow() = 0;

  /// The display the Screen presents into.
  virtual FrameBuffer& frameBuffer() = 0;

  /// Pictures between game frames. 0 (the default): the platform shows the game frames only,
  /// each when endDraw publishes it. Otherwise the display's refresh rate: the main loop
  /// paints pictures between game frames and shows each with showFrame, at nextShowMs; endDraw
  /// then only keeps a picture, which the next showFrame or waitForEvent shows.
  virtual int displayRate() { return 0; }
  /// Shows the picture last written through the frame buffer; with vertical sync it returns
  /// once the display has taken it.
  virtual void showFrame() {}
  /// The tick at which the next picture between game frames is due.
  virtual std::uint32_t nextShowMs() { return tickMs(); }

  /// A modal message box with one OK button; returns when it is dismissed.
  virtual void messageBox(std::string_view text, std::string_view caption) = 0;

  /// Folder of the program's data files, with a trailing slash.
  virtual std::string installFolder() = 0;

  /// Folder of the player's files (options.dat, scores.dat, screenshots), with a trailing
  /// slash; the install folder unless the platform keeps them elsewhere.
  virtual std::string saveFolder() { return installFolder(); }
};

}  // namespace platform
