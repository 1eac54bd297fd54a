// FrameBuffer: what the Screen needs of a display to present its back buffer. A backend (SDL,
// headless, or a test fake) exposes its pixel memory through begin/end access with pitches, and
// optionally as a raw row-major frame buffer for the 480-wide configuration.
#pragma once

#include <cstdint>
#include <optional>

namespace platform {

/// Display properties as the device reports them. Pitches are in bytes between neighbouring
/// pixels (x) and rows (y); they may be negative for rotated displays.
struct DisplayProperties {
  std::int32_t widthPx = 0;
  std::int32_t heightPx = 0;
  std::int32_t xPitchBytes = 2;
  std::int32_t yPitchBytes = 0;
};

/// A frame buffer that can be written directly, rows back to back or strided.
struct RawFrameBuffer {
  std::uint16_t* pixels = nullptr;  // address of pixel (0, 0)
  std::int32_t xStrideBytes = 2;
  std::int32_t yStrideBytes = 0;
  std::int32_t widthPx = 0;
  std::int32_t heightPx = 0;
};

class FrameBuffer {
 public:
  virtual ~FrameBuffer() = default;

  /// Size and pitches of the display's frame buffer.
  virtual DisplayProperties displayProperties() const = 0;

  /// The raw frame buffer if the display offers one (the hi-res path), else nothing.
  virtual std::optional<RawFrameBuffer> rawFrameBuffer() = 0;

  /// Starts a write to the frame buffer; returns the address of pixel (0, 0), which with
  /// negative pitches need not be the lowest address. endDraw() publishes the frame.
  virtual std::uint16_t* beginDraw() = 0;
  virtual void endDraw() = 0;
};

}  // namespace platform
