// How SdlPlatform puts pictures on the window: the renderer, the streaming texture the logical
// screen is uploaded to and scaled from, and the pacing of pictures between game frames.
#include <SDL.h>

#include <cstdio>
#include <memory>

#include "platform/sdl/sdl_platform.h"

namespace platform {

namespace {

std::uint64_t nowUs() {
  static_assert(sizeof(Uint64) == sizeof(std::uint64_t));
  const Uint64 frequency = SDL_GetPerformanceFrequency();
  const Uint64 count = SDL_GetPerformanceCounter();
  return static_cast<std::uint64_t>(count / frequency * 1000000u +
                                    count % frequency * 1000000u / frequency);
}

}  // namespace

bool SdlPlatform::createPresenter() {
  // Pictures between game frames wait for the display's vertical sync where there is one.
  const Uint32 flags = classicFrames_ ? 0 : SDL_RENDERER_PRESENTVSYNC;
  renderer_ = SDL_CreateRenderer(window_, -1, flags);
  if (renderer_ == nullptr && flags != 0) renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (renderer_ == nullptr) {
    std::fprintf(stderr, "SDL_CreateRenderer: %s\n", SDL_GetError());
    return false;
  }
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  SDL_RenderSetLogicalSize(renderer_, width_, height_);  // also maps mouse positions back
  // The frame goes to the renderer as it is, 16 bits a pixel: the renderer converts and scales
  // in one pass (on the GPU, or in Mesa's software rasteriser on a virtual display).
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                               width_, height_);
  if (texture_ == nullptr) {
    std::fprintf(stderr, "SDL_CreateTexture: %s\n", SDL_GetError());
    return false;
  }
  if (!classicFrames_) {
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer_, &info);
    vsync_ = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    SDL_DisplayMode mode{};
    const int display = SDL_GetWindowDisplayIndex(window_);
    const int rate =
        SDL_GetCurrentDisplayMode(display < 0 ? 0 : display, &mode) == 0 ? mode.refresh_rate : 0;
    pacer_ = std::make_unique<PresentPacer>(rate);
  }
  return true;
}

int SdlPlatform::displayRate() {
  if (!pacer_) return 0;
  return static_cast<int>(1000000u / pacer_->periodUs());
}

void SdlPlatform::endDraw() {
  if (renderer_ == nullptr || texture_ == nullptr) return;
  unshown_ = true;
  if (!pacer_) present();
}

void SdlPlatform::showFrame() {
  loopShowMs_ = tickMs();
  present();
}

void SdlPlatform::showKeptFrame() {
  // While the main loop shows pictures (the last one less than 100 ms ago) a game frame kept by
  // endDraw waits for the loop's next picture; a modal loop, which shows none, gets each of its
  // frames shown here.
  if (unshown_ && tickMs() - loopShowMs_ > 100) present();
}

void SdlPlatform::present() {
  unshown_ = false;
  if (renderer_ == nullptr || texture_ == nullptr) return;
  SDL_UpdateTexture(texture_, nullptr, pixels_.data(), width_ * 2);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
  if (pacer_) pacer_->Shown(nowUs());
  if (countPictures_) {
    ++picturesCounted_;
    const std::uint32_t now = tickMs();
    if (countSince_ == 0) countSince_ = now;
    if (now - countSince_ >= 2000) {
      std::printf("quorvex: %d pictures in %.1f s (display %d Hz, %s)\n", picturesCounted_,
                  static_cast<double>(now - countSince_) / 1000.0, displayRate(),
                  !pacer_  ? "game frames only"
                  : vsync_ ? "vertical sync"
                           : "no vertical sync");
      std::fflush(stdout);
      picturesCounted_ = 0;
      countSince_ = now;
    }
  }
}

std::uint32_t SdlPlatform::nextShowMs() {
  const std::uint32_t now = tickMs();
  if (!pacer_) return now;
  const std::uint64_t at = pacer_->nextUs(), current = nowUs();
  if (at <= current) return now;
  return now + static_cast<std::uint32_t>((at - current + 999) / 1000);
}

}  // namespace platform
