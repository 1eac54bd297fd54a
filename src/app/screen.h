// Screen: the back buffer every frame is painted into, and its presentation on the display.
//
// Two configurations: standard (a 240 by 320 back buffer copied into the display with its x and y
// pitches, which serves rotated and padded frame buffers alike) and hi-res (a 480 by 640 back
// buffer copied into the display's raw, row-major frame buffer). Presentation is one block copy
// when the frame buffer is row-major at the back buffer's width, otherwise one two-level strided
// loop. Neither ever writes past the frame buffer's reported size: a back buffer larger than the
// display is cut to it.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/box.h"
#include "gfx/surface.h"
#include "platform/frame_buffer.h"

namespace app {

class Screen {
 public:
  Screen() = default;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  /// Allocates the back buffer (all 0xFFFF), stores orientation, reads pitches from fb
  /// (display properties / raw frame buffer in hi-res). fb must outlive the Screen.
  /// Orientation bit 0 swaps width and height. Refuses (false, the Screen unchanged) a side
  /// that is not 1..4096 pixels, and a 480-wide back buffer when fb has no raw frame buffer to
  /// present it to.
  bool Init(int width, int height, bool hiRes, std::uint8_t orientation, platform::FrameBuffer& fb);

  /// Copies the back buffer to the display: a 480-wide back buffer into the raw frame buffer,
  /// any other through beginDraw/endDraw, by block or pitch-aware copy. The display properties'
  /// width and height are read in the back buffer's own orientation (columns along the x pitch,
  /// rows along the y pitch), as the display reports them for a rotated frame buffer too. The raw
  /// copy is also bracketed by beginDraw/endDraw (its pointer unused) so that the backend knows a
  /// frame is complete. Does nothing before Init.
  void Present();
  /// Present for another picture of the back buffer's size (a picture between frames); the
  /// back buffer is left as it is.
  void Present(const gfx::Surface& picture);

  /// The back buffer as a Surface.
  gfx::Surface& surface() { return surface_; }
  const gfx::Surface& surface() const { return surface_; }
  /// {0, 0, W, H}, the clip rect of every paint.
  const gfx::Box& bounds() const { return surface_.bounds; }
  bool hiRes() const { return hiRes_; }
  std::uint8_t orientation() const { return orientation_; }
  /// Distances in the frame buffer, in pixels, between horizontally and vertically neighbouring
  /// pixels of the back buffer (either may be negative).
  int xPitch() const { return xPitch_; }
  int yPitch() const { return yPitch_; }
  platform::FrameBuffer* frameBuffer() const { return fb_; }

  struct Size {
    int width;
    int height;
  };
  /// The device's physical screen size: the raw frame buffer's size when there is one, both its
  /// sides are positive and below 2500 and it is wider than the display properties say;
  /// otherwise the display properties' size.
  static Size PhysicalSize(platform::FrameBuffer& fb);

  /// The frame buffer as Present and the screenshot tint write it: the address of the back
  /// buffer's pixel (0, 0) in the frame buffer, the pitches in pixels, and how many back-buffer
  /// columns and rows land inside the frame buffer. origin is null when there is nothing to
  /// write to.
  struct FrameAccess {
    std::uint16_t* origin = nullptr;
    int xPitch = 0;
    int yPitch = 0;
    int columns = 0;
    int rows = 0;
  };
  /// Starts access (beginDraw, and on the 480-wide path the raw frame buffer); every call must be
  /// followed by EndFrameAccess with the same value.
  FrameAccess BeginFrameAccess();
  void EndFrameAccess(const FrameAccess& access);

 private:
  bool rawPath() const { return surface_.width == 480; }

  std::vector<std::uint16_t> pixels_;
  gfx::Surface surface_;
  platform::FrameBuffer* fb_ = nullptr;
  bool hiRes_ = false;
  std::uint8_t orientation_ = 0;
  int xPitch_ = 0;
  int yPitch_ = 0;
  bool drawing_ = false;  // beginDraw returned a pointer that endDraw has to release
};

}  // namespace app
