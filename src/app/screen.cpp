#include "app/screen.h"

#include <algorithm>
#include <cstring>

namespace app {

namespace {

// Larger back buffers than any display we present to are refused rather than allocated.
constexpr int kMaxSide = 4096;

}  // namespace

bool Screen::Init(int width, int height, bool hiRes, std::uint8_t orientation,
                  platform::FrameBuffer& fb) {
  if (orientation & 1) std::swap(width, height);
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
  // A 480-wide back buffer is presented only through the raw frame buffer; without one every
  // frame would go nowhere.
  if (width == 480) {
    const std::optional<platform::RawFrameBuffer> raw = fb.rawFrameBuffer();
    if (!raw || !raw->pixels) return false;
  }
  hiRes_ = hiRes;
  orientation_ = orientation;
  pixels_.assign(static_cast<std::size_t>(width) * height, 0xFFFF);
  surface_ = gfx::makeSurface(pixels_.data(), width, height);
  fb_ = &fb;
  if (hiRes) {
    const std::optional<platform::RawFrameBuffer> raw = fb.rawFrameBuffer();
    xPitch_ = raw ? raw->xStrideBytes >> 1 : 0;
    yPitch_ = raw ? raw->yStrideBytes >> 1 : 0;
  } else {
    const platform::DisplayProperties props = fb.displayProperties();
    xPitch_ = props.xPitchBytes >> 1;
    yPitch_ = props.yPitchBytes >> 1;
  }
  return true;
}

Screen::FrameAccess Screen::BeginFrameAccess() {
  FrameAccess access;
  if (!fb_ || pixels_.empty()) return access;
  std::uint16_t* const drawn = fb_->beginDraw();
  drawing_ = drawn != nullptr;
  int widthPx = 0, heightPx = 0;
  if (rawPath()) {
    const std::optional<platform::RawFrameBuffer> raw = fb_->rawFrameBuffer();
    if (!raw || !raw->pixels) return access;
    xPitch_ = raw->xStrideBytes >> 1;
    yPitch_ = raw->yStrideBytes >> 1;
    access.origin = raw->pixels;
    widthPx = raw->widthPx;
    heightPx = raw->heightPx;
  } else {
    const platform::DisplayProperties props = fb_->displayProperties();
    access.origin = drawn;
    widthPx = props.widthPx;
    heightPx = props.heightPx;
  }
  access.xPitch = xPitch_;
  access.yPitch = yPitch_;
  access.columns = std::clamp(widthPx, 0, static_cast<int>(surface_.width));
  access.rows = std::clamp(heightPx, 0, static_cast<int>(surface_.height));
  if (access.columns == 0 || access.rows == 0) access.origin = nullptr;
  return access;
}

void Screen::EndFrameAccess(const FrameAccess&) {
  if (!fb_ || !drawing_) return;
  drawing_ = false;
  fb_->endDraw();
}

void Screen::Present() {
  Present(surface_);
}

void Screen::Present(const gfx::Surface& picture) {
  if (picture.width != surface_.width || picture.height != surface_.height) return;
  const FrameAccess access = BeginFrameAccess();
  if (access.origin) {
    const int w = surface_.width, h = surface_.height;
    if (access.xPitch == 1 && access.yPitch == w && access.columns == w && access.rows == h) {
      std::memcpy(access.origin, picture.pixels, pixels_.size() * sizeof(std::uint16_t));
    } else {
      // Pitch-aware copy: the back buffer is read strictly in order, the frame buffer is written
      // wherever the pitches put each pixel (rotated or padded displays).
      const std::ptrdiff_t xp = access.xPitch, yp = access.yPitch;
      const std::uint16_t* src = picture.pixels;
      for (int r = 0; r < access.rows; ++r, src += w) {
        std::uint16_t* dst = access.origin + r * yp;
        for (int c = 0; c < access.columns; ++c, dst += xp)
          *dst = src[c];
      }
    }
  }
  EndFrameAccess(access);
}

Screen::Size Screen::PhysicalSize(platform::FrameBuffer& fb) {
  const platform::DisplayProperties props = fb.displayProperties();
  const std::optional<platform::RawFrameBuffer> raw = fb.rawFrameBuffer();
  if (raw && raw->widthPx > 0 && raw->heightPx > 0 && raw->widthPx < 2500 && raw->heightPx < 2500 &&
      raw->widthPx > props.widthPx)
    return Size{raw->widthPx, raw->heightPx};
  return Size{props.widthPx, props.heightPx};
}

}  // namespace app
