// The run function: creates the Application on a platform, starts it up (showing the one
// message box of a failed start), runs the main loop and shuts down.
#pragma once

#include <functional>
#include <optional>

#include "platform/platform.h"

namespace app {

class Application;
}  // namespace app
namespace sound {
class SoundLibrary;
}
namespace app {

struct RunOptions {
  std::optional<long> maxFrames;  // stop after this many frames (headless runs)
  /// The mixer music and effects play through (borrowed, must outlive the run); null gives a
  /// silent one. Only the game executable passes the real one.
  sound::SoundLibrary* soundLibrary = nullptr;
  /// Called once start-up has succeeded, before the first frame: tools that follow the run
  /// keep the Application here.
  std::function<void(Application&)> atStart;
  /// Called once the run is over (after the loop, or after a failed start-up's message box),
  /// while the Application still exists: tools read its state here.
  std::function<void(Application&)> atEnd;
};

enum class RunResult {
  Quit,          // the loop ended by quit (or after maxFrames); everything was shut down
  StartupFailed  // start-up failed; its message box was shown
};

RunResult Run(platform::Platform& platform, const RunOptions& options = {});

}  // namespace app
