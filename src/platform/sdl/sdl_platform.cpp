#include "platform/sdl/sdl_platform.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>

#include "platform/save_folder.h"
#include "platform/sdl/sdl_keys.h"

namespace platform {

SdlPlatform::SdlPlatform(std::string installFolder) : installFolder_(std::move(installFolder)) {
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
    std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
    return;
  }
  initialised_ = true;
  pixels_.assign(static_cast<std::size_t>(width_) * height_, 0xFFFF);
}

SdlPlatform::~SdlPlatform() {
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

  // The largest whole scale that fits the desktop, at least 1.
  int scale = 2;
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0) {
    scale = std::max(1, std::min(usable.w / width_, usable.h / height_));
  }
  window_ = SDL_CreateWindow("Quorvex", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             width_ * scale, height_ * scale, SDL_WINDOW_SHOWN);
  if (window_ == nullptr) {
    std::fprintf(stderr, "SDL_CreateWindow: %s\n", SDL_GetError());
    return false;
  }
  renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (renderer_ == nullptr) {
    std::fprintf(stderr, "SDL_CreateRenderer: %s\n", SDL_GetError());
    return false;
  }
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  SDL_RenderSetLogicalSize(renderer_, width_, height_);  // also maps mouse positions back
  SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                               width_, height_);
  if (texture_ == nullptr) {
    std::fprintf(stderr, "SDL_CreateTexture: %s\n", SDL_GetError());
    return false;
  }
  return true;
}

bool SdlPlatform::isForeground() {
  if (window_ == nullptr) return false;
  const Uint32 flags = SDL_GetWindowFlags(window_);
  return (flags & SDL_WINDOW_SHOWN) != 0 && (flags & SDL_WINDOW_MINIMIZED) == 0;
}

void SdlPlatform::minimiseWindow() {
  if (window_ != nullptr) SDL_MinimizeWindow(window_);
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
  saveFolder_ = ChooseSaveFolder(install, HostSaveFolderRules());
  if (saveFolder_.empty() || !PrepareSaveFolder(install, saveFolder_)) saveFolder_ = install;
  return saveFolder_;
}

DisplayProperties SdlPlatform::displayProperties() const {
  return DisplayProperties{width_, height_, 2, width_ * 2};
}

std::optional<RawFrameBuffer> SdlPlatform::rawFrameBuffer() {
  // The row-major raw path serves the 480-wide screen only once a window of that size exists.
  if (window_ == nullptr || width_ != 480) return std::nullopt;
  return RawFrameBuffer{pixels_.data(), 2, width_ * 2, width_, height_};
}

void SdlPlatform::endDraw() {
  if (renderer_ == nullptr || texture_ == nullptr) return;
  SDL_UpdateTexture(texture_, nullptr, pixels_.data(), width_ * 2);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

void SdlPlatform::pushStylus(EventType type, int logicalX, int logicalY) {
  // Stylus positions travel in 240-wide system coordinates; the program doubles them again on
  // a 480-wide screen.
  const int divisor = width_ == 480 ? 2 : 1;
  const int x = std::clamp(logicalX, 0, width_ - 1) / divisor;
  const int y = std::clamp(logicalY, 0, height_ - 1) / divisor;
  queue_.push_back(Event{type, 0, x, y, {}});
}

void SdlPlatform::translate(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:
      queue_.push_back(Event{EventType::Quit});
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      const int vk = VirtualKeyFromSdl(e.key.keysym.sym);
      if (vk < 0) break;
      queue_.push_back(Event{e.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp, vk});
      break;
    }
    case SDL_MOUSEBUTTONDOWN:
      if (e.button.button != SDL_BUTTON_LEFT) break;
      buttonDown_ = true;
      pushStylus(EventType::StylusDown, e.button.x, e.button.y);
      break;
    case SDL_MOUSEBUTTONUP:
      if (e.button.button != SDL_BUTTON_LEFT) break;
      buttonDown_ = false;
      pushStylus(EventType::StylusUp, e.button.x, e.button.y);
      break;
    case SDL_MOUSEMOTION:
      // A stylus only moves while it touches the screen.
      if (buttonDown_) pushStylus(EventType::StylusMove, e.motion.x, e.motion.y);
      break;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          queue_.push_back(Event{EventType::Activate});
          break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          queue_.push_back(Event{EventType::Deactivate});
          break;
        case SDL_WINDOWEVENT_EXPOSED:
          queue_.push_back(Event{EventType::Paint});
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
  if (peekEvent()) return;
  const std::uint32_t now = tickMs();
  if (deadlineMs <= now) return;
  if (SDL_WaitEventTimeout(nullptr, static_cast<int>(deadlineMs - now)) != 0) pump();
}

}  // namespace platform
