#include "app/run.h"

#include <algorithm>

#include "app/application.h"
#include "app/between_paint.h"
#include "app/startup_codes.h"

namespace app {

namespace {

// The main loop of a display that shows pictures between game frames: the game frames run
// exactly as in Application::RunMainLoop (events first, then a frame every 40 ms), and in
// between, at the display's rate, a picture of what moves a fraction of the way from the frame
// before to the last one. The loop sleeps until the next picture, frame or event.
void RunPresentingLoop(Application& application, platform::Platform& platform,
                       std::optional<long> maxFrames) {
  BetweenFramePainter painter;
  const long frameLimit = maxFrames.value_or(-1);
  while (!application.quitRequested()) {
    // Events as the game loop takes them: all that wait, but a paint request goes on to the
    // frame at once.
    bool paintEvent = false;
    while (!paintEvent && !application.quitRequested() && platform.peekEvent()) {
      const std::optional<platform::Event> event = platform.getEvent();
      if (!event) break;
      application.HandleEvent(*event);
      paintEvent = event->type == platform::EventType::Paint;
    }
    if (application.quitRequested()) break;
    const bool running = application.active() && platform.isForeground();
    if (!running) {
      // Paused: the window may still need its picture (exposed, resized).
      if (paintEvent) {
        painter.Paint(application, 1.0f);
        platform.showFrame();
      }
      platform.waitForEvent(platform.tickMs() + 1000);
      continue;
    }
    if (application.Frame() && frameLimit >= 0 && application.framesDrawn() >= frameLimit) break;
    if (application.quitRequested()) break;
    const std::uint32_t now = platform.tickMs();
    if (paintEvent || now >= platform.nextShowMs()) {
      const std::uint32_t since = now - application.lastFrameTime();
      const float t =
          std::min(1.0f, static_cast<float>(since) / static_cast<float>(Application::kFrameMs));
      painter.Paint(application, t);
      platform.showFrame();
    }
    const std::uint32_t frameDue = application.lastFrameTime() + Application::kFrameMs;
    platform.waitForEvent(std::min(frameDue, platform.nextShowMs()));
  }
}

}  // namespace

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
  if (platform.displayRate() > 0) {
    RunPresentingLoop(*application, platform, options.maxFrames);
  } else {
    application->RunMainLoop(options.maxFrames);
  }
  if (options.atEnd) options.atEnd(*application);
  // Normal shutdown, also after a window close: destroying the Application saves what the
  // screens save when they are released.
  application.reset();
  return RunResult::Quit;
}

}  // namespace app
