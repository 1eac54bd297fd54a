// The run function: creates the Application on a platform, starts it up (showing the one
// message box of a failed start), runs the main loop and shuts down.
#pragma once

#include <functional>
#include <optional>

#include "platform/platform.h"

namespace app {

class Application;

struct RunOptions {
  std::optional<long> maxFrames;  // stop after this many frames (headless runs)
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
