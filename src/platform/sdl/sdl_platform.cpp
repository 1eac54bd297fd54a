#include "platform/sdl/sdl_platform.h"

#include <SDL.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>

#include "platform/save_folder.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/window_fit.h"

namespace platform {

namespace {

// The usable area of the first display, or 0 x 0 when SDL can't tell.
FitSize UsableDesktop() {
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return {};
  return FitSize{usable.w, usable.h};
}

}  // namespace

SdlPlatform::SdlPlatform(std::string installFolder) : installFolder_(std::move(installFolder)) {
  // Closing the window is the player's request, which the game may answer with a question;
  // only a signal or the system ends the program at once (SDL_QUIT).
#ifdef SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
#endif
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
    std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
    return;
  }
  initialised_ = true;
  // Controllers are welcome but not needed: without the subsystem the game still plays.
  SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
  pixels_.assign(static_cast<std::size_t>(width_) * height_, 0xFFFF);
}

SdlPlatform::~SdlPlatform() {
  for (SDL_GameController* controller : controllers_)
    SDL_GameControllerClose(controller);
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  if (initialised_) SDL_Quit();
}

std::uint32_t SdlPlatform::tickMs() {
  return SDL_GetTicks();
}

bool SdlPlatform::createWindow(int width, int height) {
  if (!initialised_ || window_ != nullptr || width <= 0 || height <= 0) return false;
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<std::size_t>(width_) * height_, 0xFFFF);

  const int scale = InitialWindowScale(UsableDesktop(), FitSize{width_, height_});
  window_ =
      SDL_CreateWindow("Quorvex", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width_ * scale,
                       height_ * scale, SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE);
  if (window_ == nullptr) {
    std::fprintf(stderr, "SDL_CreateWindow: %s\n", SDL_GetError());
    return false;
  }
  if (!createPresenter()) return false;
  // Smaller than the screen itself the picture would lose pixels; a window manager keeps it.
  SDL_SetWindowMinimumSize(window_, width_, height_);
  fitPicture(width_ * scale, height_ * scale);
  return true;
}

bool SdlPlatform::isForeground() {
  if (window_ == nullptr) return false;
  const Uint32 flags = SDL_GetWindowFlags(window_);
  return (flags & SDL_WINDOW_SHOWN) != 0 && (flags & SDL_WINDOW_MINIMIZED) == 0;
}

void SdlPlatform::minimiseWindow() {
  // The game pauses when another window takes the focus; only an explicit deactivation (the
  // minimise key) puts the window away.
  if (window_ != nullptr && !focusLost_) SDL_MinimizeWindow(window_);
}

void SdlPlatform::toggleFullscreen() {
  if (window_ == nullptr) return;
  const bool full = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  queue_.push_back(Event{EventType::Paint});
}

// The logical size keeps the picture's aspect with black bars; whole scales keep its pixels
// sharp while the window holds one, and a smaller window gets the largest true fit.
void SdlPlatform::fitPicture(int windowWidth, int windowHeight) {
  if (renderer_ == nullptr) return;
  const FitRect fit = PictureFit(FitSize{windowWidth, windowHeight}, FitSize{width_, height_});
  SDL_RenderSetIntegerScale(renderer_, fit.wholeScale ? SDL_TRUE : SDL_FALSE);
}

void SdlPlatform::pushKey(int key, bool down) {
  if (key < 0) return;
  queue_.push_back(Event{down ? EventType::KeyDown : EventType::KeyUp, key});
}

// Every key the game sees goes through the held keys, so a controller direction repeats and
// nothing stays held once the window or the controller is gone.
void SdlPlatform::heldKey(int key, bool down, HeldKeys::Source source) {
  if (key < 0) return;
  if (down) {
    held_.Down(key, source, tickMs());
    pushKey(key, true);
  } else if (held_.Up(key, source)) {
    pushKey(key, false);
  }
}

void SdlPlatform::releaseHeld(std::optional<HeldKeys::Source> source) {
  for (const int key : held_.ReleaseAll(source))
    pushKey(key, false);
  if (!source || *source == HeldKeys::Source::Pad) {
    stick_ = StickKeys{};
    stickX_ = stickY_ = 0;
  }
}

void SdlPlatform::showWindow() {
  if (window_ != nullptr) SDL_RestoreWindow(window_);
}

void SdlPlatform::messageBox(std::string_view text, std::string_view caption) {
  const std::string t(text), c(caption);
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, c.c_str(), t.c_str(), window_) != 0) {
    // No way to show a box (no display server): the text still reaches the player.
    std::fprintf(stderr, "%s: %s\n", c.c_str(), t.c_str());
  }
}

std::string SdlPlatform::installFolder() {
  if (!installFolder_.empty()) return installFolder_;
  char* base = SDL_GetBasePath();
  if (base == nullptr) return "./";
  std::string folder(base);
  SDL_free(base);
  if (folder.empty() || folder.back() != '/') folder += '/';
  // Installed, the game lies in .../games or .../bin and its data in .../share/games/quorvex.
  installFolder_ = folder;
  std::error_code error;
  if (!std::filesystem::exists(folder + "graphics.dat", error)) {
    const std::string shared = folder + "../share/games/quorvex/";
    if (std::filesystem::exists(shared + "graphics.dat", error)) installFolder_ = shared;
  }
  return installFolder_;
}

std::string SdlPlatform::saveFolder() {
  if (!saveFolder_.empty()) return saveFolder_;
  const std::string install = installFolder();
#ifdef __EMSCRIPTEN__
  // In a browser the page mounts the site's persistent storage (IndexedDB) here and loads it
  // before main() starts; the page writes it back after the game saves.
  if (PrepareSaveFolder(install, "/save/")) return saveFolder_ = "/save/";
#endif
  saveFolder_ = ChooseSaveFolder(install, HostSaveFolderRules());
  if (saveFolder_.empty() || !PrepareSaveFolder(install, saveFolder_)) saveFolder_ = install;
  return saveFolder_;
}

DisplayProperties SdlPlatform::displayProperties() const {
  return DisplayProperties{width_, height_, 2, width_ * 2};
}

std::optional<RawFrameBuffer> SdlPlatform::rawFrameBuffer() {
  // Before the window exists the display answers what it could show: a 480 x 640 buffer when
  // the desktop holds that unscaled, so the start-up script can choose the hi-res screen.
  if (window_ == nullptr) {
    const FitSize hiRes{480, 640};
    if (!initialised_ || !FitsUnscaled(UsableDesktop(), hiRes)) return std::nullopt;
    const std::size_t size = static_cast<std::size_t>(hiRes.width) * hiRes.height;
    if (pixels_.size() < size) pixels_.assign(size, 0xFFFF);
    return RawFrameBuffer{pixels_.data(), 2, hiRes.width * 2, hiRes.width, hiRes.height};
  }
  // The row-major raw path serves the 480-wide screen only once a window of that size exists.
  if (width_ != 480) return std::nullopt;
  return RawFrameBuffer{pixels_.data(), 2, width_ * 2, width_, height_};
}

void SdlPlatform::pushStylus(EventType type, int logicalX, int logicalY) {
  // Stylus positions travel in 240-wide system coordinates; the program doubles them again on
  // a 480-wide screen.
  const int divisor = width_ == 480 ? 2 : 1;
  const int x = std::clamp(logicalX, 0, width_ - 1) / divisor;
  const int y = std::clamp(logicalY, 0, height_ - 1) / divisor;
  queue_.push_back(Event{type, 0, x, y, {}});
}

namespace {

PadButton PadButtonFromSdl(Uint8 button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      return PadButton::DpadUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      return PadButton::DpadDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      return PadButton::DpadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      return PadButton::DpadRight;
    case SDL_CONTROLLER_BUTTON_A:
      return PadButton::A;
    case SDL_CONTROLLER_BUTTON_B:
      return PadButton::B;
    case SDL_CONTROLLER_BUTTON_START:
      return PadButton::Start;
    case SDL_CONTROLLER_BUTTON_BACK:
      return PadButton::Back;
    default:
      return PadButton::Other;
  }
}

}  // namespace

void SdlPlatform::translate(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:  // a signal or the system: closing the window comes as its own event
      queue_.push_back(Event{EventType::Quit});
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      // F11 and Alt+Enter belong to the window, not to the game.
      const bool windowKey = e.key.keysym.sym == SDLK_F11 ||
                             (e.key.keysym.sym == SDLK_RETURN && (e.key.keysym.mod & KMOD_ALT));
      if (windowKey) {
        if (e.type == SDL_KEYDOWN && e.key.repeat == 0) toggleFullscreen();
        break;
      }
      heldKey(VirtualKeyFromSdl(e.key.keysym.sym), e.type == SDL_KEYDOWN,
              HeldKeys::Source::Keyboard);
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
      if (e.button.button != SDL_BUTTON_LEFT) break;
      pushStylus(EventType::StylusDown, e.button.x, e.button.y);
      break;
    case SDL_MOUSEBUTTONUP:
      if (e.button.button != SDL_BUTTON_LEFT) break;
      pushStylus(EventType::StylusUp, e.button.x, e.button.y);
      break;
    case SDL_MOUSEMOTION:
      // Moves without a button reach the forms too: the menus light the button under the
      // mouse, while the game screen takes only moves with the button down as a drag.
      pushStylus(EventType::StylusMove, e.motion.x, e.motion.y);
      break;
    case SDL_CONTROLLERDEVICEADDED:
      if (SDL_GameController* controller = SDL_GameControllerOpen(e.cdevice.which))
        controllers_.push_back(controller);
      break;
    case SDL_CONTROLLERDEVICEREMOVED:
      releaseHeld(HeldKeys::Source::Pad);  // an unplugged controller holds nothing down
      if (SDL_GameController* gone = SDL_GameControllerFromInstanceID(e.cdevice.which)) {
        controllers_.erase(std::remove(controllers_.begin(), controllers_.end(), gone),
                           controllers_.end());
        SDL_GameControllerClose(gone);
      }
      break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      heldKey(KeyForPadButton(PadButtonFromSdl(e.cbutton.button)),
              e.type == SDL_CONTROLLERBUTTONDOWN, HeldKeys::Source::Pad);
      break;
    case SDL_CONTROLLERAXISMOTION:
      if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) stickX_ = e.caxis.value;
      if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) stickY_ = e.caxis.value;
      for (const KeyChange& change : stick_.Move(stickX_, stickY_))
        heldKey(change.key, change.down, HeldKeys::Source::Pad);
      break;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          focusLost_ = false;
          queue_.push_back(Event{EventType::Activate});
          break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          // Keys and directions let go in another window never reach this one.
          releaseHeld(std::nullopt);
          focusLost_ = true;
          queue_.push_back(Event{EventType::Deactivate});
          break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
          fitPicture(e.window.data1, e.window.data2);
          queue_.push_back(Event{EventType::Paint});
          break;
        case SDL_WINDOWEVENT_EXPOSED:
          queue_.push_back(Event{EventType::Paint});
          break;
        case SDL_WINDOWEVENT_CLOSE:
          queue_.push_back(Event{EventType::Close});
          break;
        default:
          break;
      }
      break;
    default:
      break;
  }
}

void SdlPlatform::pump() {
  SDL_Event e;
  while (SDL_PollEvent(&e))
    translate(e);
  // Checked whenever the game looks for events, which it does at least once a game frame.
  if (const std::optional<int> again = held_.Repeat(tickMs())) pushKey(*again, true);
}

bool SdlPlatform::peekEvent() {
  if (queue_.empty()) pump();
  return !queue_.empty();
}

std::optional<Event> SdlPlatform::getEvent() {
  if (!peekEvent()) return std::nullopt;
  Event event = std::move(queue_.front());
  queue_.pop_front();
  return event;
}

void SdlPlatform::waitForEvent(std::uint32_t deadlineMs) {
  // A picture kept by endDraw (a modal loop's frame) reaches the display before the sleep.
  showKeptFrame();
#ifdef __EMSCRIPTEN__
  // In a browser the canvas is shown and input delivered only while the game's code is paused
  // (Asyncify unwinds to the browser in emscripten_sleep): every wait gives the page a turn,
  // even when the next frame is already due, so a slow frame never freezes the page.
  if (peekEvent() || deadlineMs <= tickMs()) {
    emscripten_sleep(0);
    return;
  }
#endif
  if (peekEvent()) return;
  const std::uint32_t now = tickMs();
  if (deadlineMs <= now) return;
  // Display servers wake the waiting thread when an event comes; drivers without a server
  // (dummy, offscreen) make SDL poll every millisecond, so there the wait is slept in slices
  // of 10 ms, looking for events between them.
  const char* driver = SDL_GetCurrentVideoDriver();
  const bool serverless = driver != nullptr && (std::strcmp(driver, "dummy") == 0 ||
                                                std::strcmp(driver, "offscreen") == 0);
  if (!serverless) {
    if (SDL_WaitEventTimeout(nullptr, static_cast<int>(deadlineMs - now)) != 0) pump();
    return;
  }
  for (std::uint32_t t = now; t < deadlineMs && !peekEvent(); t = tickMs())
    SDL_Delay(std::min<std::uint32_t>(deadlineMs - t, 10));
}

}  // namespace platform
