#include "app/run.h"

#include "app/application.h"
#include "app/startup_codes.h"

namespace app {

RunResult Run(platform::Platform& platform, const RunOptions& options) {
  auto application = std::make_unique<Application>(platform, options.soundLibrary);
  const int code = application->StartUp();
  if (code != startup::kOk) {
    platform.messageBox(StartupMessage(code), "Error");
    if (options.atEnd) options.atEnd(*application);
    return RunResult::StartupFailed;
  }
  application->random().seed(platform.tickMs());
  if (options.atStart) options.atStart(*application);
  application->RunMainLoop(options.maxFrames);
  if (options.atEnd) options.atEnd(*application);
  // Normal shutdown, also after a window close: destroying the Application saves what the
  // screens save when they are released.
  application.reset();
  return RunResult::Quit;
}

}  // namespace app
